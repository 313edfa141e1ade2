// The files that ship with the program: the sample pack's description and the English texts.

#include <gtest/gtest.h>

#include "lang/language_list.h"
#include "pack/smp_ini.h"
#include "test_world.h"

namespace velmora::test {
namespace {

TEST(ShippedFiles, SamplePackDescriptionIsSound) {
    PosixFiles files;
    ScriptedDialogs dialogs;
    ProblemLog log;
    PackDescription pack;
    EXPECT_TRUE(LoadPackDescription({files, dialogs, VELMORA_EXAMPLES, false, log}, pack));
    EXPECT_EQ(pack.PackType, "fulllite");
    EXPECT_TRUE(pack.AgreementRequired);
}

// The loader's rules are tested on made-up files; here a line missing or added anywhere in
// the real file would move the rows after it.
TEST(ShippedFiles, EnglishFileIsCompleteAndItsLinesLandInTheirRows) {
    PosixFiles files;
    ProblemLog log;
    EXPECT_EQ(FillLanguageList(files, VELMORA_EXAMPLES, false, log).entries,
              (std::vector<std::string>{"Russian [Русский]", "English [English]"}));

    PosixHost host(VELMORA_EXAMPLES);
    ScriptedDialogs dialogs;
    PosixProcesses processes;
    PosixRegistry registry;
    PosixClock clock;
    Platform platform{files, dialogs, host, processes, registry, clock};
    Wizard wizard(platform);
    wizard.state.LanguageName = "English.txt";
    LoadLanguage(wizard, "");
    const UiStrings& text = wizard.text;
    EXPECT_EQ(text[Text::ExitQuestion], "Do you really want to close the program?");
    EXPECT_EQ(text[Text::AboutProgramVersion],
              "Made for Windows XP and later.\r\nVelmora Version: ");
    EXPECT_EQ(text[Text::QipFolderFound], "The QIP folder was found!\r\nPath to the folder found:");
    EXPECT_EQ(text[Text::AskMailLog], "Send the LOG file to the smiles pack's author by e-mail?");
    EXPECT_EQ(text[Text::BackButtonText], "<< Back");
}

}  // namespace
}  // namespace velmora::test
