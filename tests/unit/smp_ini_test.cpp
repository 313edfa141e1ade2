// SMP.ini: the check codes, what the load keeps, and what the user and the log are told.

#include <gtest/gtest.h>

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

std::string BoxText(const std::string& folder, const std::string& detail) {
    return "Error in file: \"" + folder +
           "\\Source SMP\\SMP.ini\"!\r\nInstallation of smiles-pack is not possible!" + detail;
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

TEST_F(SmpIni, EachFaultyLineHasItsCode) {
    const struct {
        const char* what;
        size_t line;  // 1-based data line to replace
        const char* value;
        int code;
    } cases[] = {
        {"type with a leading blank", 2, " smilespack", kBadTypeTag},
        {"type with a trailing blank", 2, "smilespack ", kBadTypeTag},
        {"type in capitals passes", 2, "SmilesPack", kDescriptionSound},
        {"unknown pager", 3, "icq", kBadPagers},
        {"pager qipinf", 3, "QipInf", kDescriptionSound},
        {"unknown pack type", 4, "double", kBadPackType},
        {"pack type darksingle", 4, "DarkSingle", kDescriptionSound},
        {"count with a trailing blank", 8, "12 ", kBadAnimatedFullLightCount},
        {"count in words", 9, "ten", kBadAnimatedLiteDarkCount},
        {"empty count", 10, "", kBadStaticFullLightCount},
        {"count of blanks", 11, "   ", kBadStaticLiteDarkCount},
        {"unknown kind of smiles", 12, "gifs", kBadSmileKinds},
        {"kind in capitals", 12, "ANIM", kDescriptionSound},
        {"anything goes for the name", 1, "/", kDescriptionSound},
    };
    for (const auto& c : cases) {
        std::vector<std::string> lines = SoundDescription();
        lines[c.line - 1] = c.value;
        EXPECT_EQ(Check(lines), c.code) << c.what;
    }
}

TEST_F(SmpIni, CommentsAreSkippedEmptyLinesAreDataAndTheLatestFaultWins) {
    EXPECT_EQ(CheckPackDescription(world.realFiles, world.folder), kDescriptionMissing);
    TestWorld folderInstead;
    folderInstead.MakeFolder("Source SMP\\SMP.ini");
    EXPECT_EQ(CheckPackDescription(folderInstead.realFiles, folderInstead.folder),
              kDescriptionMissing);

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
    lines.pop_back();
    EXPECT_EQ(Check(lines), kTooFewLines);
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
// mode shows the detail and takes nothing.
TEST_F(SmpIni, AFaultIsFatalAndItsDetailIsShownInTestModeOnly) {
    std::vector<std::string> lines = SoundDescription();
    lines[3] = "twin";
    for (const bool testMode : {false, true}) {
        TestWorld fresh;
        fresh.wizard.state.TestMode = testMode;
        fresh.Write("Source SMP\\SMP.ini", Join(lines));
        const Findings findings = LoadPackDescription(fresh.Checks(), fresh.wizard.pack);
        EXPECT_EQ(fresh.wizard.pack.NameAndVersion, testMode ? "" : "Sunny Smiles 1.0");
        const std::string detail = "Error in string: \"Type smiles pack\".";
        ASSERT_EQ(findings.size(), 1u);
        EXPECT_EQ(findings[0].severity, Severity::Fatal);
        EXPECT_EQ(findings[0].title, "Velmora: Error in smiles-pack...");
        EXPECT_EQ(findings[0].text, BoxText(fresh.folder, testMode ? "\r\n\r\n" + detail : ""));
        EXPECT_EQ(findings[0].logText, "Error in \"SMP.ini\" " + detail);
    }
}

TEST_F(SmpIni, AnUnreadableFileStopsTheWizardAndNamesTheReasonInEveryMode) {
    WriteDescription(SoundDescription());
    LockedFile locked(world.folder + "\\Source SMP\\SMP.ini");
    EXPECT_EQ(CheckPackDescription(locked, world.folder), kDescriptionUnreadable);
    const std::string detail = "Error data: File cannot be read (The file is in use).";
    for (const bool testMode : {false, true}) {
        PackDescription pack;
        const Findings findings = LoadPackDescription({locked, world.folder, testMode}, pack);
        EXPECT_EQ(pack.NameAndVersion, "");
        ASSERT_EQ(findings.size(), 1u);
        EXPECT_EQ(findings[0].severity, Severity::Fatal);
        EXPECT_EQ(findings[0].text, BoxText(world.folder, "\r\n\r\n" + detail));
        EXPECT_EQ(findings[0].logText, "Error in \"SMP.ini\" " + detail);
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
    for (const auto& range : ranges) EXPECT_EQ(ProgressBarRange(range[0]), range[1]) << range[0];

    for (const char* address : {"http://pack.example", "HTTPS://pack.example/x", "hTtP://"})
        EXPECT_TRUE(IsWebAddress(address)) << address;
    for (const char* other :
         {"Source SMP\\setup.exe", "C:\\Windows\\notepad.exe", "www.pack.example",
          " http://pack.example", "file:///C:/x.exe", "mailto:a@b", "http:/x", "https:", ""})
        EXPECT_FALSE(IsWebAddress(other)) << other;
}

TEST(IntegerRule, AcceptsWhatConvertsWhollyToASigned32BitNumber) {
    const std::pair<const char*, int32_t> good[] = {
        {"  12", 12},
        {"+7", 7},
        {"-7", -7},
        {"$1f", 31},
        {"0X10", 16},
        {"x1A", 26},
        {"-$10", -16},
        {"007", 7},
        {"0", 0},
        {"2147483647", INT32_MAX},
        {"-2147483648", INT32_MIN},
        {"$7FFFFFFF", INT32_MAX},
    };
    for (const auto& [text, expected] : good) {
        int32_t value = -99;
        EXPECT_TRUE(ParseInteger(text, value)) << text;
        EXPECT_EQ(value, expected) << text;
    }
    for (const char* text :
         {"", " ", "12 ", "1 2", "+", "$", "0x", "x", "1.5", "$G1", "\t12", "2147483648",
          "-2147483649", "$80000000", "99999999999999999999", "+-1"}) {
        int32_t value = 5;
        EXPECT_FALSE(ParseInteger(text, value)) << '"' << text << '"';
    }
}

}  // namespace
}  // namespace velmora::test
