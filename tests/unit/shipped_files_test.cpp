// The files that ship with the program: the sample pack and the English texts.

#include <gtest/gtest.h>

#include "lang/language_list.h"
#include "report/pack_check.h"
#include "test_world.h"

namespace velmora::test {
namespace {

// The sample pack passes the author's check in both shipped languages; a command line the
// checker cannot follow says so and checks nothing.
TEST(ShippedFiles, SamplePackPassesTheAuthorsCheck) {
    PosixFiles files;
    std::string output;
    for (const char* language : {"Russian", "English"}) {
        EXPECT_EQ(RunPackCheck(files, {"--lang", language, VELMORA_EXAMPLES}, "2.2.0.lang", output),
                  0)
            << output;
        EXPECT_NE(output.find(": Velmora Sunny Smiles 1.0\n"), std::string::npos) << output;
    }
    const std::vector<std::vector<std::string>> unusable = {
        {}, {"--lang", "German", VELMORA_EXAMPLES}, {VELMORA_EXAMPLES, "more"}, {"/no/such/folder"}};
    for (const std::vector<std::string>& arguments : unusable) {
        EXPECT_EQ(RunPackCheck(files, arguments, "2.2.0.lang", output), 3);
        EXPECT_EQ(output.rfind("velmora-check: ", 0), 0u) << output;
    }
}

// The loader's rules are tested on made-up files; here a line missing or added anywhere in
// the real file would move the rows after it.
TEST(ShippedFiles, EnglishFileIsCompleteAndItsLinesLandInTheirRows) {
    PosixFiles files;
    EXPECT_EQ(FillLanguageList(files, VELMORA_EXAMPLES, false).entries,
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
