// The files that ship with the program: the sample pack and the English texts.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/findings.h"
#include "base/text_lines.h"
#include "lang/language_list.h"
#include "pack/pack_info.h"
#include "pack/pack_texts.h"
#include "report/pack_check.h"
#include "test_world.h"

namespace velmora::test {
namespace {

namespace fs = std::filesystem;

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
    const std::vector<std::vector<std::string>> unusable = {{},
                                                            {"--lang", "German", VELMORA_EXAMPLES},
                                                            {VELMORA_EXAMPLES, "more"},
                                                            {"/no/such/folder"}};
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

// A file's text with one replacement made.
void Replace(TestWorld& world, const std::string& file, const std::string& from,
             const std::string& to) {
    std::ifstream in(world.Path(file), std::ios::binary);
    std::string text(std::istreambuf_iterator<char>(in), {});
    world.WriteBytes(file, text.replace(text.find(from), from.size(), to));
}

// Four faulty packs: the author's check prints what the wizard in test mode shows up to the
// pack-information page, in its order, a box as one line (its lines trimmed, joined by a
// blank); the status tells a pack the wizard stops at (2) from one it installs all the same.
TEST(ShippedFiles, TheAuthorsCheckPrintsWhatTestModeShows) {
    const std::pair<std::string, int> cases[] = {
        {"short _define.ini", 2}, {"bad SMP.ini", 2}, {"wrong count", 1}, {"language file", 1}};
    for (const auto& [fault, status] : cases) {
        TestWorld world;
        fs::copy(fs::path(VELMORA_EXAMPLES) / "Source SMP", world.Path("Source SMP"),
                 fs::copy_options::recursive);
        if (fault == "short _define.ini")
            world.Write("Source SMP\\Animated Single Full Light\\_define.ini", ":a: angel.gif\r\n");
        if (fault == "bad SMP.ini") Replace(world, "Source SMP\\SMP.ini", "\nfulllite", "\nbogus");
        if (fault == "wrong count") Replace(world, "Source SMP\\SMP.ini", "yes\r\n36", "yes\r\n40");
        if (fault == "language file") {
            std::ifstream in(fs::path(VELMORA_EXAMPLES) / "Language" / "English.txt");
            std::string text, line;
            for (int i = 0; i < 60 && std::getline(in, line); ++i)
                text += line + "\n";
            world.WriteBytes("Language\\English.txt", text);
        }
        std::string output;
        EXPECT_EQ(RunPackCheck(world.realFiles, {world.folder}, "2.2.0.lang", output), status);

        // The wizard's start, language page (built-in texts picked), about-pack page and
        // pack-information page.
        world.host.arguments = {"testmode"};
        Wizard& wizard = world.wizard;
        std::string shown;
        const auto takeBoxes = [&] {
            for (const MessageBoxRequest& box : world.dialogs.shown) {
                std::string oneLine;
                for (std::string line : SplitLines(box.text)) {
                    line.erase(0, line.find_first_not_of(' '));
                    line.erase(line.find_last_not_of(' ') + 1);
                    if (!line.empty()) oneLine += (oneLine.empty() ? "" : " ") + line;
                }
                shown += oneLine + "\n";
            }
            world.dialogs.shown.clear();
        };
        if (ResetWizardState(wizard)) {
            takeBoxes();
            const LanguageList list = FillLanguageList(world.realFiles, world.folder, true);
            for (const std::string& entry : list.entries)
                if (entry.find(kFaultyFileMark) != std::string::npos) shown += entry + "\n";
            ReportFindings(wizard, list.findings);
            LoadLanguage(wizard, "");
            ReportFindings(wizard, ReadPackInfo(PackChecksOf(wizard), wizard.text,
                                                wizard.state.LanguageName, wizard.pack)
                                       .findings);
            ReportFindings(wizard, CheckPackData(PackChecksOf(wizard), wizard.text, wizard.pack));
        }
        takeBoxes();
        const size_t end = output.find("\n\n");  // the pack information follows
        EXPECT_EQ(shown, output.substr(0, end == std::string::npos ? end : end + 1)) << fault;
    }
}

}  // namespace
}  // namespace velmora::test
