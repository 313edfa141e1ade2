// SMP.ini: the check codes, what the load keeps, and what the user and the log are told.

#include <gtest/gtest.h>

#include <sstream>

#include "base/text_lines.h"
#include "pack/smp_ini.h"
#include "test_world.h"

namespace velmora::test {
namespace {

std::vector<std::string> SoundDescription() {
    return SplitLines(
        "Sunny Smiles 1.0\nsmilespack\nall\nfulllite\nhttps://pack.example\nauthor@pack.example\n"
        "yes\n12\n 10\n$1F\n0x10\nall\n\n01.12.2026\n");
}

std::string Join(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

class SmpIni : public ::testing::Test {
  protected:
    void WriteDescription(const std::vector<std::string>& lines) {
        world.Write("Source SMP\\SMP.ini", Join(lines));
    }
    int Check(const std::vector<std::string>& lines) {
        WriteDescription(lines);
        return CheckPackDescription(world.realFiles, world.folder);
    }
    bool Load() { return LoadPackDescription(world.Checks(), world.wizard.pack).empty(); }

    TestWorld world;
};

// Each line's code; a value in capitals passes where a keyword is expected, and anything goes
// for the name.
TEST_F(SmpIni, EachFaultyLineHasItsCode) {
    const struct {
        size_t line;  // 1-based data line to replace
        const char* value;
        int code;
    } cases[] = {{2, " smilespack", kBadTypeTag},       {2, "smilespack ", kBadTypeTag},
                 {2, "SmilesPack", kDescriptionSound},  {3, "icq", kBadPagers},
                 {3, "QipInf", kDescriptionSound},      {4, "double", kBadPackType},
                 {4, "DarkSingle", kDescriptionSound},  {8, "12 ", kBadAnimatedFullLightCount},
                 {9, "ten", kBadAnimatedLiteDarkCount}, {10, "", kBadStaticFullLightCount},
                 {11, "   ", kBadStaticLiteDarkCount},  {12, "gifs", kBadSmileKinds},
                 {12, "ANIM", kDescriptionSound},       {1, "/", kDescriptionSound}};
    for (const auto& c : cases) {
        std::vector<std::string> lines = SoundDescription();
        lines[c.line - 1] = c.value;
        EXPECT_EQ(Check(lines), c.code) << c.line << ": " << c.value;
    }
}

TEST_F(SmpIni, CommentsAreSkippedEmptyLinesAreDataAndTheLatestFaultWins) {
    std::vector<std::string> lines = SoundDescription();
    lines.insert(lines.begin(), "// Sunny pack, written by hand");
    lines.insert(lines.begin() + 3, "\\\\ another note");
    EXPECT_EQ(Check(lines), kDescriptionSound);
    // An empty line shifts every later meaning by one: line 12 now holds a count.
    lines.insert(lines.begin() + 2, "");
    EXPECT_EQ(Check(lines), kBadSmileKinds);

    lines = SoundDescription();
    lines[1] = "pack";
    lines[11] = "none";
    EXPECT_EQ(Check(lines), kBadSmileKinds);
}

TEST_F(SmpIni, LoadKeepsTheValuesAsWrittenAndMapsTheKinds) {
    std::vector<std::string> lines = SoundDescription();
    lines[6] = "YES";
    lines[12] = "OFF";
    lines.push_back("On");
    lines.push_back("a sixteenth line is ignored");
    const std::pair<const char*, int32_t> kinds[] = {{"ALL", 0}, {"anim", 1}, {"Static", -1}};
    for (const auto& [kind, value] : kinds) {
        lines[11] = kind;
        WriteDescription(lines);
        EXPECT_TRUE(Load());
        EXPECT_EQ(world.wizard.pack.SmileKinds, value) << kind;
    }
    const PackDescription& pack = world.wizard.pack;
    EXPECT_EQ(pack.NameAndVersion + "|" + pack.PackType + "|" + pack.AuthorEmail + "|" +
                  pack.AnimatedLiteDarkCount + "|" + pack.StaticFullLightCount + "|" +
                  pack.InfoPageSwitch + "|" + pack.CreationDate,
              "Sunny Smiles 1.0|fulllite|author@pack.example| 10|$1F|OFF|01.12.2026");
    EXPECT_TRUE(pack.AgreementRequired);
    EXPECT_TRUE(pack.TitleOverLogo);

    lines.resize(14);  // without a fifteenth line the title is not laid over the logo
    WriteDescription(lines);
    Load();
    EXPECT_FALSE(pack.TitleOverLogo);
}

// A fault stops the wizard. Outside test mode the box says only that installing is not
// possible, the detail is for the log, and the values of a faulty file are still taken; test
// mode shows the detail and takes nothing. A file the system will not let us read is the
// user's business: its reason is shown in every mode.
TEST(SmpIniFaults, AFaultIsFatalAndItsDetailIsShownInTestModeOrForAnUnreadableFile) {
    const std::string type = "Error in string: \"Type smiles pack\".",
                      few = "Error data: \"Amount of strings are not enough\".",
                      missing = "Error data: File not found.",
                      held = "Error data: File cannot be read (The file is in use).";
    const struct {
        std::string file;
        bool testMode;
        int code;
        const char* name;  // as loaded
        std::string detail;
        bool shown;
    } cases[] = {{"twin", false, kBadPackType, "Sunny Smiles 1.0", type, false},
                 {"twin", true, kBadPackType, "", type, true},
                 {"short", false, kTooFewLines, "Sunny Smiles 1.0", few, false},
                 {"missing", false, kDescriptionMissing, "", missing, false},
                 {"missing", true, kDescriptionMissing, "", missing, true},
                 {"folder", false, kDescriptionMissing, "", missing, false},
                 {"held", false, kDescriptionUnreadable, "", held, true},
                 {"held", true, kDescriptionUnreadable, "", held, true}};
    for (const auto& c : cases) {
        TestWorld world;
        const std::string path = world.folder + "\\Source SMP\\SMP.ini";
        std::vector<std::string> lines = SoundDescription();
        lines[3] = c.file == "twin" ? "twin" : lines[3];
        lines.resize(c.file == "short" ? 13 : 14);
        if (c.file == "folder") world.MakeFolder("Source SMP\\SMP.ini");
        if (c.file != "missing" && c.file != "folder")
            world.Write("Source SMP\\SMP.ini", Join(lines));
        LockedFile files(c.file == "held" ? path : "");
        EXPECT_EQ(CheckPackDescription(files, world.folder), c.code) << c.file;

        const Findings found =
            LoadPackDescription({files, world.folder, c.testMode}, world.wizard.pack);
        EXPECT_EQ(world.wizard.pack.NameAndVersion, c.name) << c.file << c.testMode;
        ASSERT_EQ(found.size(), 1u);
        EXPECT_EQ(found[0].severity, Severity::Fatal);
        EXPECT_EQ(found[0].title + "|" + found[0].text,
                  "Velmora: Error in smiles-pack...|Error in file: \"" + path +
                      "\"!\r\nInstallation of smiles-pack is not possible!" +
                      (c.shown ? "\r\n\r\n" + c.detail : ""))
            << c.file << c.testMode;
        EXPECT_EQ(found[0].logText, "Error in \"SMP.ini\" " + c.detail);
    }
}

TEST(PackRules, DeclaredSmilesAddUpIn64BitsFitTheBarsAndOnlyWebAddressesAreLinks) {
    PackDescription pack;
    pack.AnimatedFullLightCount = "2147483647";
    pack.AnimatedLiteDarkCount = "$7FFFFFFF";
    pack.StaticFullLightCount = "-2147483648";
    pack.StaticLiteDarkCount = "-1";
    EXPECT_EQ(DeclaredSmiles(pack, true, true), 4294967294);
    EXPECT_EQ(DeclaredSmiles(pack, true, false), 2147483647);
    EXPECT_EQ(DeclaredSmiles(pack, false, true), -2147483649);
    const int64_t ranges[][2] = {
        {65535, 65535}, {65536, 65536}, {70000, 70000}, {4294967294, INT32_MAX}, {-2147483649, 0}};
    for (const auto& range : ranges)
        EXPECT_EQ(ProgressBarRange(range[0]), range[1]) << range[0];

    for (const char* address : {"http://pack.example", "HTTPS://pack.example/x", "hTtP://"})
        EXPECT_TRUE(IsWebAddress(address)) << address;
    for (const char* other :
         {"Source SMP\\setup.exe", "C:\\Windows\\notepad.exe", "www.pack.example",
          " http://pack.example", "file:///C:/x.exe", "mailto:a@b", "http:/x", "https:", ""})
        EXPECT_FALSE(IsWebAddress(other)) << other;
}

// Whatever converts wholly to a signed 32-bit number, in decimal or in hexadecimal after "$",
// "0x" or "x"; "-" stands for a text that is none.
TEST(IntegerRule, AcceptsWhatConvertsWhollyToASigned32BitNumber) {
    std::istringstream texts(
        "  12|+7|-7|$1f|0X10|x1A|-$10|007|0|2147483647|-2147483648|$7FFFFFFF|| |12 |1 2|+|$|0x|x|"
        "1.5|$G1|\t12|2147483648|-2147483649|$80000000|99999999999999999999|+-1");
    std::string values;
    for (std::string text; std::getline(texts, text, '|');) {
        int32_t value = 5;
        values += ParseInteger(text, value) ? std::to_string(value) + " " : "- ";
    }
    EXPECT_EQ(values,
              "12 7 -7 31 16 26 -16 7 0 2147483647 -2147483648 2147483647 "
              "- - - - - - - - - - - - - - - - ");
}

}  // namespace
}  // namespace velmora::test
