// How text files cross the file layer: code page 1251 on disk, UTF-8 inside, and the line
// rules every reader shares.

#include <gtest/gtest.h>

#include "platform/posix/cp1251.h"
#include "platform/text_lines.h"
#include "test_world.h"

namespace velmora::test {
namespace {

TEST(Cp1251, RussianTextRoundTripsThroughTheCodePage) {
    const std::string russian = "Подтверждение выхода... Ёё №";
    const std::string bytes = EncodeCp1251(russian);
    EXPECT_EQ(bytes.size(), 28u);                            // one byte a character
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xCF);   // П
    EXPECT_EQ(static_cast<unsigned char>(bytes[24]), 0xA8);  // Ё
    EXPECT_EQ(static_cast<unsigned char>(bytes[27]), 0xB9);  // №
    EXPECT_EQ(DecodeCp1251(bytes), russian);
}

TEST(Cp1251, EveryByteDecodesAndEncodesBackToItself) {
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(EncodeCp1251(DecodeCp1251(all)), all);
}

TEST(Cp1251, CharactersOutsideTheCodePageAndBrokenUtf8BecomeQuestionMarks) {
    EXPECT_EQ(EncodeCp1251("a\xE2\x82\xAC"
                           "b"),
              "a\x88"
              "b");  // the euro sign exists in 1251
    EXPECT_EQ(EncodeCp1251("日本"), "??");
    EXPECT_EQ(EncodeCp1251("x\xC3"), "x?");    // sequence cut short at the end
    EXPECT_EQ(EncodeCp1251("\xFFok"), "?ok");  // not a lead byte
}

TEST(TextFile, IsWrittenInTheAnsiCodePageAndReadBackAsUtf8) {
    TestWorld world;
    world.Write("a.txt", "Выход\r\n");
    world.WriteBytes("raw.txt", "\xC2\xFB\xF5\xEE\xE4");
    EXPECT_EQ(world.realFiles.ReadText(world.Path("raw.txt")).text, "Выход");
    EXPECT_EQ(world.realFiles.ReadText(world.folder + "\\a.txt").text, "Выход\r\n");
}

TEST(TextFile, AByteOrderMarkMeansUtf8AndIsNotPartOfTheText) {
    TestWorld world;
    world.WriteBytes("bom.txt", "\xEF\xBB\xBFРусский\nx");
    const FileText file = world.realFiles.ReadText(world.Path("bom.txt"));
    ASSERT_TRUE(file.status.ok);
    EXPECT_EQ(SplitLines(file.text), (std::vector<std::string>{"Русский", "x"}));
}

TEST(TextFile, MissingFileFailsWithTheSystemsReason) {
    TestWorld world;
    const FileText file = world.realFiles.ReadText(world.Path("nothing.txt"));
    EXPECT_FALSE(file.status.ok);
    EXPECT_EQ(file.status.reason, "No such file or directory");
}

TEST(TextFile, AFolderIsNotAFile) {
    TestWorld world;
    world.MakeFolder("SMP.ini");
    world.Write("real.ini", "");
    EXPECT_FALSE(world.realFiles.IsFile(world.Path("SMP.ini")));
    EXPECT_FALSE(world.realFiles.IsFile(world.Path("absent.ini")));
    EXPECT_TRUE(world.realFiles.IsFile(world.Path("real.ini")));
}

TEST(Lines, EndAtCrLfOrLfAndAreNeverTrimmed) {
    EXPECT_EQ(SplitLines("a\r\n b \nc"), (std::vector<std::string>{"a", " b ", "c"}));
    EXPECT_EQ(SplitLines("a\r\n\r\n"), (std::vector<std::string>{"a", ""}));
    EXPECT_EQ(SplitLines("a\rb\r"), (std::vector<std::string>{"a\rb\r"}));
    EXPECT_TRUE(SplitLines("").empty());
    EXPECT_EQ(SplitLines("\n"), (std::vector<std::string>{""}));
}

TEST(Lines, CommentsStartWithTwoSlashesOrTwoBackslashes) {
    EXPECT_TRUE(IsCommentLine("//"));
    EXPECT_TRUE(IsCommentLine("\\\\ note"));
    EXPECT_FALSE(IsCommentLine("/"));
    EXPECT_FALSE(IsCommentLine("\\"));
    EXPECT_FALSE(IsCommentLine(" // indented"));
    EXPECT_FALSE(IsCommentLine("/\\"));
}

TEST(Lines, LowerCasingTouchesOnlyAsciiLetters) {
    EXPECT_EQ(LowerAscii("SmilesPACK"), "smilespack");
    EXPECT_EQ(LowerAscii("ВЫХОД Off"), "ВЫХОД off");
}

}  // namespace
}  // namespace velmora::test
