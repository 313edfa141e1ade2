// How text files cross the file layer (code page 1251 on disk, UTF-8 inside) and the line
// rules every reader shares.

#include <gtest/gtest.h>

#include "base/text_lines.h"
#include "platform/file_lines.h"
#include "test_world.h"

namespace velmora::test {
namespace {

TEST(TextFile, AnsiOnDiskUtf8InsideAndAByteOrderMarkMeansUtf8) {
    TestWorld world;
    world.Write("a.txt", "Выход\r\n");
    world.WriteBytes("raw.txt", "\xC2\xFB\xF5\xEE\xE4");
    world.WriteBytes("bom.txt", "\xEF\xBB\xBFРусский\nx");
    world.MakeFolder("folder.txt");
    EXPECT_EQ(world.realFiles.ReadText(world.Path("raw.txt")).text, "Выход");
    EXPECT_EQ(world.realFiles.ReadText(world.folder + "\\a.txt").text, "Выход\r\n");
    EXPECT_EQ(ReadLines(world.realFiles, world.Path("bom.txt")).lines,
              (std::vector<std::string>{"Русский", "x"}));
    EXPECT_FALSE(ReadLines(world.realFiles, world.Path("none.txt")).status.ok);
    // A file is what has a modification time and is no folder.
    EXPECT_TRUE(world.realFiles.IsFile(world.Path("a.txt")));
    EXPECT_FALSE(world.realFiles.IsFile(world.Path("folder.txt")));
    EXPECT_FALSE(world.realFiles.IsFile(world.Path("none.txt")));
}

TEST(Lines, SplitCommentsAndLetterCase) {
    EXPECT_EQ(SplitLines("a\r\n b \nc"), (std::vector<std::string>{"a", " b ", "c"}));
    EXPECT_EQ(SplitLines("a\r\n\r\n"), (std::vector<std::string>{"a", ""}));
    EXPECT_EQ(SplitLines("a\rb\r"), (std::vector<std::string>{"a\rb\r"}));
    EXPECT_TRUE(SplitLines("").empty());

    for (const char* comment : {"//", "\\\\ note"})
        EXPECT_TRUE(IsCommentLine(comment)) << comment;
    for (const char* data : {"/", "\\", " // indented", "/\\"})
        EXPECT_FALSE(IsCommentLine(data)) << data;
    EXPECT_FALSE(IsDataLine(""));
    EXPECT_TRUE(IsDataLine(" "));

    EXPECT_EQ(LowerAscii("ВЫХОД SmilesPACK"), "ВЫХОД smilespack");
}

}  // namespace
}  // namespace velmora::test
