// SMP.ini: the check codes, what the load keeps, and what the user and the log are told.

#include <gtest/gtest.h>

#include "pack/smp_ini.h"
#include "test_world.h"

namespace velmora::test {
namespace {

std::vector<std::string> SoundDescription() {
    return {"Sunny Smiles 1.0",
            "smilespack",
            "all",
            "fulllite",
            "https://pack.example",
            "author@pack.example",
            "yes",
            "12",
            " 10",
            "$1F",
            "0x10",
            "all",
            "",
            "01.12.2026"};
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
        return CheckPackDescription(world.wizard);
    }
    std::string SmpIniPath() const { return world.folder + "\\Source SMP\\SMP.ini"; }

    TestWorld world;
};

struct CodeCase {
    const char* what;
    size_t line;  // 1-based data line to replace
    const char* value;
    int code;
};

TEST_F(SmpIni, EachFaultyLineHasItsCode) {
    const CodeCase cases[] = {
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
        {"anything goes for the name", 1, "", kDescriptionSound},
    };
    for (const CodeCase& c : cases) {
        std::vector<std::string> lines = SoundDescription();
        lines[c.line - 1] = c.value;
        EXPECT_EQ(Check(lines), c.code) << c.what;
    }
}

TEST_F(SmpIni, TheLatestFaultWinsAndTooFewLinesWinsOverAll) {
    std::vector<std::string> lines = SoundDescription();
    lines[1] = "pack";
    lines[11] = "none";
    EXPECT_EQ(Check(lines), kBadSmileKinds);
    lines.pop_back();
    EXPECT_EQ(Check(lines), kTooFewLines);
}

TEST_F(SmpIni, CommentsAreSkippedButEmptyLinesAreData) {
    std::vector<std::string> lines = SoundDescription();
    lines.insert(lines.begin(), "// Sunny pack, written by hand");
    lines.insert(lines.begin() + 3, "\\\\ another note");
    EXPECT_EQ(Check(lines), kDescriptionSound);

    // An empty line shifts every later meaning by one: line 12 now holds a count.
    lines.insert(lines.begin() + 2, "");
    EXPECT_EQ(Check(lines), kBadSmileKinds);

    lines = SoundDescription();
    lines[0] = "/";  // one slash is a data line like any other
    EXPECT_EQ(Check(lines), kDescriptionSound);
}

TEST_F(SmpIni, MissingFileOrFolderInItsPlace) {
    EXPECT_EQ(CheckPackDescription(world.wizard), kDescriptionMissing);
    world.MakeFolder("Source SMP\\SMP.ini");
    EXPECT_EQ(CheckPackDescription(world.wizard), kDescriptionMissing);
}

TEST_F(SmpIni, LoadKeepsTheValuesAsWritten) {
    std::vector<std::string> lines = SoundDescription();
    lines[6] = "YES";
    lines[11] = "Static";
    lines[12] = "OFF";
    lines.push_back("On");
    lines.push_back("a sixteenth line is ignored");
    WriteDescription(lines);
    LoadPackDescription(world.wizard);

    const PackDescription& pack = world.wizard.pack;
    EXPECT_FALSE(world.wizard.state.StopRequested);
    EXPECT_EQ(pack.NameAndVersion, "Sunny Smiles 1.0");
    EXPECT_EQ(pack.PackType, "fulllite");
    EXPECT_EQ(pack.AuthorEmail, "author@pack.example");
    EXPECT_TRUE(pack.AgreementRequired);
    EXPECT_EQ(pack.AnimatedLiteDarkCount, " 10");
    EXPECT_EQ(pack.StaticFullLightCount, "$1F");
    EXPECT_EQ(pack.SmileKinds, -1);
    EXPECT_EQ(pack.InfoPageSwitch, "OFF");
    EXPECT_EQ(pack.CreationDate, "01.12.2026");
    EXPECT_TRUE(pack.TitleOverLogo);
    EXPECT_TRUE(world.dialogs.shown.empty());
}

TEST_F(SmpIni, FourteenLinesGiveNoTitleOverLogoAndKindsMapToNumbers) {
    const std::pair<const char*, int32_t> kinds[] = {{"ALL", 0}, {"anim", 1}, {"Static", -1}};
    for (const auto& [text, value] : kinds) {
        std::vector<std::string> lines = SoundDescription();
        lines[11] = text;
        WriteDescription(lines);
        world.wizard.pack.TitleOverLogo = true;
        LoadPackDescription(world.wizard);
        EXPECT_EQ(world.wizard.pack.SmileKinds, value) << text;
        EXPECT_FALSE(world.wizard.pack.TitleOverLogo);
    }
}

TEST_F(SmpIni, MissingFileOutsideTestModeIsLoggedAndTheBoxCarriesNoDetail) {
    LoadPackDescription(world.wizard);

    ASSERT_EQ(world.dialogs.shown.size(), 1u);
    const MessageBoxRequest& box = world.dialogs.shown[0];
    EXPECT_EQ(box.title, "Velmora: Error in smiles-pack...");
    EXPECT_EQ(box.text, "Error in file: \"" + SmpIniPath() +
                            "\"!\r\nInstallation of smiles-pack is not possible!");
    EXPECT_EQ(box.icon, BoxIcon::Error);
    EXPECT_EQ(box.owner, BoxOwner::None);
    EXPECT_EQ(world.wizard.state.ErrorLog, "\r\nError in \"SMP.ini\" Error data: File not found.");
    EXPECT_TRUE(world.wizard.state.ErrorsFound);
    EXPECT_TRUE(world.wizard.state.StopRequested);
}

TEST_F(SmpIni, TestModeShowsTheDetailAndLogsNothing) {
    world.wizard.state.TestMode = true;
    LoadPackDescription(world.wizard);
    ASSERT_EQ(world.dialogs.shown.size(), 1u);
    EXPECT_EQ(world.dialogs.shown[0].text,
              "Error in file: \"" + SmpIniPath() +
                  "\"!\r\nInstallation of smiles-pack is not possible!\r\n\r\n"
                  "Error data: File not found.");
    EXPECT_TRUE(world.wizard.state.ErrorLog.empty());
    EXPECT_FALSE(world.wizard.state.ErrorsFound);
    EXPECT_TRUE(world.wizard.state.StopRequested);
}

TEST_F(SmpIni, AFaultyFileStillLendsItsValuesOutsideTestModeOnly) {
    std::vector<std::string> lines = SoundDescription();
    lines[3] = "twin";
    WriteDescription(lines);
    LoadPackDescription(world.wizard);
    EXPECT_EQ(world.wizard.pack.NameAndVersion, "Sunny Smiles 1.0");
    EXPECT_EQ(world.wizard.state.ErrorLog,
              "\r\nError in \"SMP.ini\" Error in string: \"Type smiles pack\".");
    EXPECT_TRUE(world.wizard.state.StopRequested);

    TestWorld strict;
    strict.wizard.state.TestMode = true;
    strict.Write("Source SMP\\SMP.ini", Join(lines));
    LoadPackDescription(strict.wizard);
    EXPECT_EQ(strict.wizard.pack.NameAndVersion, "");
    EXPECT_TRUE(strict.wizard.state.StopRequested);
}

TEST_F(SmpIni, AnUnreadableFileStopsTheWizardAndNamesTheReasonInEveryMode) {
    WriteDescription(SoundDescription());
    LockedFile locked(world.realFiles, SmpIniPath());
    Platform platform{locked, world.dialogs, world.host};
    for (const bool testMode : {false, true}) {
        Wizard wizard(platform);
        wizard.state.TestMode = testMode;
        EXPECT_EQ(CheckPackDescription(wizard), kDescriptionUnreadable);
        LoadPackDescription(wizard);
        EXPECT_TRUE(wizard.state.StopRequested);
        EXPECT_EQ(wizard.pack.NameAndVersion, "");
        EXPECT_EQ(wizard.state.ErrorsFound, !testMode);
    }
    const std::string expected = "Error in file: \"" + SmpIniPath() +
                                 "\"!\r\nInstallation of smiles-pack is not possible!\r\n\r\n"
                                 "Error data: File cannot be read (The file is in use).";
    ASSERT_EQ(world.dialogs.shown.size(), 2u);
    EXPECT_EQ(world.dialogs.shown[0].text, expected);
    EXPECT_EQ(world.dialogs.shown[1].text, expected);
}

TEST(IntegerRule, AcceptsWhatConvertsWhollyToASigned32BitNumber) {
    const std::pair<const char*, int32_t> good[] = {
        {"12", 12},
        {"  12", 12},
        {"+7", 7},
        {"-7", -7},
        {"$1F", 31},
        {"$1f", 31},
        {"0x10", 16},
        {"0X10", 16},
        {"x1A", 26},
        {"X1a", 26},
        {"-$10", -16},
        {"007", 7},
        {"0", 0},
        {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN},
        {"$7FFFFFFF", 2147483647},
    };
    for (const auto& [text, expected] : good) {
        int32_t value = -99;
        EXPECT_TRUE(ParseInteger(text, value)) << text;
        EXPECT_EQ(value, expected) << text;
    }
    const char* bad[] = {"",
                         " ",
                         "12 ",
                         "1 2",
                         "+",
                         "-",
                         "$",
                         "0x",
                         "x",
                         "1.5",
                         "$G1",
                         "12a",
                         "\t12",
                         "2147483648",
                         "-2147483649",
                         "$80000000",
                         "99999999999999999999",
                         "+-1"};
    for (const char* text : bad) {
        int32_t value = 5;
        EXPECT_FALSE(ParseInteger(text, value)) << '"' << text << '"';
    }
}

}  // namespace
}  // namespace velmora::test
