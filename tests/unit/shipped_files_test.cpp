// The files that ship with the program: the sample pack's description and the English texts.

#include <gtest/gtest.h>

#include "lang/language.h"
#include "lang/language_list.h"
#include "pack/smp_ini.h"
#include "test_world.h"

namespace velmora::test {
namespace {

class ShippedFiles : public ::testing::Test {
  protected:
    ShippedFiles() { wizard.state.ProgramVersion = "2.2.0.lang"; }

    PosixFiles files;
    ScriptedDialogs dialogs;
    PosixHost host{VELMORA_EXAMPLES};
    Platform platform{files, dialogs, host};
    Wizard wizard{platform};
};

TEST_F(ShippedFiles, SamplePackDescriptionIsSound) {
    EXPECT_EQ(CheckPackDescription(wizard), kDescriptionSound);
    LoadPackDescription(wizard);
    EXPECT_EQ(wizard.pack.PackType, "fulllite");
    EXPECT_TRUE(wizard.pack.AgreementRequired);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(ShippedFiles, EnglishFileIsCompleteAndEachLineLandsInItsRow) {
    std::vector<std::string> entries;
    FillLanguageList(wizard, entries);
    EXPECT_EQ(entries, (std::vector<std::string>{"Russian [Русский]", "English [English]"}));
    EXPECT_FALSE(wizard.state.ErrorsFound);

    wizard.state.LanguageName = "English.txt";
    LoadLanguage(wizard, "");
    const UiStrings& text = wizard.text;
    EXPECT_EQ(text[Text::ExitTitle], "Confirmation of exit...");
    EXPECT_EQ(text[Text::AboutProgramVersion],
              "Made for Windows XP and later.\r\nVelmora Version: 2.2.0.lang");
    EXPECT_EQ(text[Text::NextButtonText], "Next >>");
    EXPECT_EQ(text[Text::ConfirmTitle], "Confirmation...");
    EXPECT_EQ(text[Text::InfoNameLabel], " Smiles pack name: ");
    EXPECT_EQ(text[Text::WarningTitle], "Warning...");
    EXPECT_EQ(text[Text::SearchButtonText], "Search >>");
    EXPECT_EQ(text[Text::SkinLabel], "Skin: ");
    EXPECT_EQ(text[Text::QipFolderFound], "The QIP folder was found!\r\nPath to the folder found:");
    EXPECT_EQ(text[Text::GdiSmileCount], "Number of smiles: ");
    EXPECT_EQ(text[Text::AboutSpErrorHead], "Error in file \"aboutSP.ini\": \r\n\r\n");
    EXPECT_EQ(text[Text::PackDataFolderHead] + "X" + text[Text::PackDataNoDefineIni],
              "In the folder: \"X\" there is no file \"_define.ini\".");
    EXPECT_EQ(text[Text::AskMailLog], "Send the LOG file to the smiles pack's author by e-mail?");
    EXPECT_EQ(text[Text::BackButtonText], "<< Back");
    EXPECT_EQ(text[Text::ElapsedTimeLabel], "Passed time:");
}

}  // namespace
}  // namespace velmora::test
