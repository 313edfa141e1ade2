// Runs without the wizard's window over the shipped sample pack and demo messengers: the pack
// author's check and the silent installation.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <tuple>

#include "app/findings.h"
#include "app/silent_options.h"
#include "app/silent_run.h"
#include "lang/language_list.h"
#include "pack/pack_info.h"
#include "pack/pack_texts.h"
#include "report/pack_check.h"
#include "test_world.h"

namespace velmora::test {
namespace {

namespace fs = std::filesystem;

// The sample pack beside the program, with one text in one of its files replaced when asked.
void CopySamplePack(TestWorld& world, const std::string& file = "", const std::string& from = "",
                    const std::string& to = "") {
    fs::copy(fs::path(VELMORA_EXAMPLES) / "Source SMP", world.Path("Source SMP"),
             fs::copy_options::recursive);
    if (from.empty()) return;
    std::ifstream in(world.Path(file), std::ios::binary);
    std::string text(std::istreambuf_iterator<char>(in), {});
    world.WriteBytes(file, text.replace(text.find(from), from.size(), to));
}

// The sample pack passes the author's check in both shipped languages, the option before or
// after the folder; a command line the checker cannot follow says so and checks nothing.
TEST(PackCheck, SamplePackPassesAndAnUnusableCommandLineChecksNothing) {
    PosixFiles files;
    std::string output;
    const std::pair<std::vector<std::string>, std::string> usable[] = {
        {{"--lang", "Russian", VELMORA_EXAMPLES}, "Информация о смайл-паке:\n"},
        {{VELMORA_EXAMPLES, "--lang", "English"}, "Smiles pack information:\n"},
    };
    for (const auto& [arguments, caption] : usable) {
        EXPECT_EQ(RunPackCheck(files, arguments, "2.2.0.lang", output), 0);
        EXPECT_EQ(output.rfind(caption, 0), 0u) << output;
        EXPECT_NE(output.find(": Velmora Sunny Smiles 1.0\n"), std::string::npos) << output;
    }
    // A command line the checker refuses, and the reason it gives.
    const std::pair<std::vector<std::string>, std::string> unusable[] = {
        {{}, "no folder given"},
        {{"--lang", "German", VELMORA_EXAMPLES}, "no language file \"German\""},
        {{VELMORA_EXAMPLES, "more"}, "unexpected argument \"more\""},
        {{VELMORA_EXAMPLES, "--lang"}, "unexpected argument \"--lang\""},
        {{"-x"}, "unexpected argument \"-x\""},
        {{"--x"}, "unexpected argument \"--x\""},
        {{"/no/such/folder"}, "\"/no/such/folder\" is not a folder"},
    };
    for (const auto& [arguments, reason] : unusable) {
        EXPECT_EQ(RunPackCheck(files, arguments, "2.2.0.lang", output), 3);
        EXPECT_EQ(output.rfind("velmora-check: " + reason, 0), 0u) << output;
    }
}

// Faulty packs: the author's check prints what test mode shows up to the pack-information page,
// in its order, a box as one line; the status tells a pack the wizard stops at (2) or not (1).
TEST(PackCheck, TheAuthorsCheckPrintsWhatTestModeShows) {
    // The change made to a file of the sample pack, and the check's status.
    const std::tuple<std::string, std::string, std::string, int> cases[] = {
        {"Source SMP\\Animated Single Full Light\\_define.ini", "\r\ntongue.gif,:-P,:P", "", 2},
        {"Source SMP\\SMP.ini", "\nfulllite", "\nbogus", 2},
        {"Source SMP\\SMP.ini", "yes\r\n36", "yes\r\n40", 1},
        {"Source SMP\\aboutSP.ini", "English\r\nList", "English\r\nGerman\r\nList", 1},
        {"Language\\English.txt", "", "", 1},  // an incomplete language file beside the pack
    };
    for (const auto& [file, from, to, status] : cases) {
        TestWorld world;
        CopySamplePack(world, file, from, to);
        if (from.empty()) world.Write(file, LanguageFileText(60));
        std::string output;
        EXPECT_EQ(RunPackCheck(world.realFiles, {world.folder}, "2.2.0.lang", output), status);

        // The wizard's start, language page (built-in texts), about-pack and pack-information page.
        world.host.arguments = {"testmode"};
        Wizard& wizard = world.wizard;
        std::string shown;
        const auto takeBoxes = [&] {
            for (const MessageBoxRequest& box : world.dialogs.shown) {
                std::string text = std::regex_replace(box.text, std::regex(" *(\r?\n *)+"), " ");
                text.erase(0, text.find_first_not_of(' '));
                shown += text.erase(text.find_last_not_of(' ') + 1) + "\n";
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
        EXPECT_EQ(shown, output.substr(0, end == std::string::npos ? end : end + 1)) << file;
    }
}

// The options in one line, so that a case names all it expects.
std::string Summary(const SilentOptions& o) {
    if (!o.silent) return "window";
    if (!o.error.empty()) return o.error;
    std::string skins;
    for (const std::string& skin : o.skins)
        skins += (skins.empty() ? "" : "|") + skin;
    return "qip=" + o.qipFolder + " skins=" + skins + " variant=" + std::to_string(o.variant) +
           " lang=" + o.language + " log=" + o.logPath + (o.agree ? " agree" : "") +
           (o.removeOld ? " removeold" : "") + (o.raiseQuota ? " quota" : "");
}

TEST(SilentOptions, TheCommandLineAsOneTable) {
    const std::string plain = "qip= skins= variant=1 lang= log=";
    const auto bad = [](const std::string& o) {
        return "The option \"" + o + "\" is not understood.";
    };
    const std::map<std::vector<std::string>, std::string> cases = {
        {{"/QIP=C:\\QIP", "/AGREE", "testmode"}, "window"},  // options alone make no silent run
        {{"/AGREE", "/s"}, plain + " agree"},
        {{"/S", "/QIP=C:\\Program Files\\QIP", "/skins=Blue, Red Sky,", "/Variant=2",
          "/LANG=English", "/AGREE", "/REMOVEOLD", "/quota", "/LOG=D:\\logs\\qip.txt"},
         "qip=C:\\Program Files\\QIP skins=Blue|Red Sky variant=2 lang=English "
         "log=D:\\logs\\qip.txt agree removeold quota"},
        {{"/S", "/SKINS=All", "/QIP=a=b"}, "qip=a=b skins= variant=1 lang= log="},
        {{"/S", "/VARIANT"}, bad("/VARIANT")},
        {{"/S", "/AGREE=yes"}, bad("/AGREE=yes")},
        {{"/S", "/QIP="}, bad("/QIP=")},
        {{"/S", "/SKINS= , "}, bad("/SKINS= , ")},
        {{"/S", "testmode", "/Y"}, bad("testmode")},  // the first one is named
    };
    for (const auto& [arguments, expected] : cases)
        EXPECT_EQ(Summary(ParseSilentOptions(arguments)), expected);
}

// The sample pack beside the program, the demo messenger as "QIP" with its program, the fault.
void Prepare(TestWorld& world, const std::string& messenger, const std::string& fault) {
    const std::string smpIni = "Source SMP\\SMP.ini";
    // What a fault changes in SMP.ini; nothing for the others.
    std::map<std::string, std::pair<std::string, std::string>> smpChanges = {
        {"unsafe name", {"Velmora Sunny Smiles", "Sunny:"}},
        {"no agreement asked", {"example\r\nyes", "example\r\nno"}}};
    const auto& [from, to] = smpChanges[fault];
    CopySamplePack(world, smpIni, from, to);
    if (fault == "a language file") {
        fs::copy(fs::path(VELMORA_EXAMPLES) / "Language", world.Path("Language"),
                 fs::copy_options::recursive);
    }
    const std::string program = messenger == "QIP Infium" ? "infium.exe" : "qip.exe";
    if (!messenger.empty()) {
        fs::copy(fs::path(VELMORA_EXAMPLES) / "demo" / messenger, world.Path("QIP"),
                 fs::copy_options::recursive);
        world.WriteBytes("QIP\\" + program, "MZ");
    }
    // Running copies: the messenger's own, or it and another.
    const uint32_t running = fault == "running" ? 1 : fault == "running twice" ? 2 : 0;
    for (uint32_t id = 1; id <= running; ++id) {
        world.processes.windows.push_back({"QIP", id, false});
        world.processes.executables.push_back(
            {id, id == 1 ? world.folder + "\\QIP\\" + program : "C:\\Other\\qip.exe"});
    }
    if (fault == "no SMP.ini") fs::remove(world.Path(smpIni));
    if (fault == "no skins") fs::remove_all(world.Path("QIP\\Skins"));
    if (fault == "file for a smile folder") {
        fs::remove_all(world.Path("QIP\\Skins\\Green Meadow\\Smilies\\Animated"));
        world.WriteBytes("QIP\\Skins\\Green Meadow\\Smilies\\Animated", "user data");
    }
}

// Each run: the demo messenger (or none), a fault, the options after /S ("*": the program
// folder), the exit code, the messenger's folder after ('=' as it was, '+' files added only,
// '~' changed), a piece of the log, and what each QIP 2005 skin holds: 'F'ull, 'L'ite or '-'.
TEST(SilentRun, HowARunEndsIsItsExitCode) {
    const SilentExit installed = SilentExit::Installed, none = SilentExit::NoMessenger,
                     refused = SilentExit::Refused, bad = SilentExit::BadCommandLine;
    const struct {
        const char *messenger, *fault, *arguments;
        SilentExit expected;
        char qip;
        const char* logged;
        const char* skins = "---";
    } cases[] = {
        {"QIP 2005", "", "/QIP=*\\QIP|/AGREE", installed, '~', "Скин: Morning Mist", "FFF"},
        {"QIP 2005", "", "/QIP=*\\QIP|/AGREE|/SKINS=morning mist, GRAPHITE NIGHT|/VARIANT=2",
         installed, '~', "", "L-L"},
        {"QIP Infium", "running", "/AGREE", installed, '+',
         "Удалить старую версию?\r\n  -> No\r\n"},
        {"QIP Infium", "running", "/AGREE|/REMOVEOLD", installed, '~', "  -> Yes\r\n"},
        {"QIP 2005", "", "/QIP=*\\QIP", refused, '=', "Give /AGREE to accept it."},
        {"QIP 2005", "no agreement asked", "/QIP=*\\QIP|/SKINS=Graphite Night", installed, '~', "",
         "F--"},
        {"QIP 2005", "a language file", "/QIP=*\\QIP|/AGREE|/LANG=russian", installed, '~',
         "Скин: Morning Mist", "FFF"},
        {"", "", "/QIP=*\\QIP|/AGREE", none, '=', "QIP не обнаружен!"},
        {"QIP 2005", "", "/AGREE", none, '=', ""},
        {"QIP 2005", "running twice", "/AGREE", none, '=',
         "\\QIP\\qip.exe\r\n  C:\\Other\\qip.exe"},
        {"QIP 2005", "no skins", "/QIP=*\\QIP|/AGREE", none, '=', "No skin to install into"},
        {"QIP 2005", "", "/QIP=*\\QIP|/AGREE|/SKINS=Nope", bad, '=', "no skin \"Nope\""},
        {"QIP 2005", "", "/QIP=*\\QIP|/AGREE|/LANG=Klingon", bad, '=', "no language file"},
        {"QIP 2005", "", "/QIP=*\\QIP|/VARIANT=0|/LOG=*\\silent.txt", bad, '=', "/VARIANT=0"},
        {"QIP 2005", "no SMP.ini", "/QIP=*\\QIP|/AGREE", SilentExit::NotInstallable, '=', ""},
        {"QIP Infium", "unsafe name", "/QIP=*\\QIP|/AGREE", refused, '=', ""},
        {"QIP 2005", "file for a smile folder", "/QIP=*\\QIP|/AGREE",
         SilentExit::InstalledWithErrors, '~', "", "F-F"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.messenger) + " " + c.fault + " " + c.arguments);
        TestWorld world;
        Prepare(world, c.messenger, c.fault);
        const Snapshot before = TakeSnapshot(world.Path("QIP"));
        std::vector<std::string> arguments = {"/S"};
        std::istringstream given(c.arguments);
        for (std::string argument; std::getline(given, argument, '|');) {
            const size_t star = argument.find('*');
            arguments.push_back(
                star == std::string::npos ? argument : argument.replace(star, 1, world.folder));
        }
        const SilentOptions options = ParseSilentOptions(arguments);
        SilentReport report(nullptr);
        SilentDialogs dialogs(options, report);
        Platform platform{world.realFiles, dialogs,        world.host,
                          world.processes, world.registry, world.clock};
        const int exit = RunSilentInstallation(
            platform, options, [](const std::string&) { return std::string(); }, report);
        const std::string& said = report.Text();
        EXPECT_EQ(exit, static_cast<int>(c.expected)) << said;
        EXPECT_NE(said.find("Exit code " + std::to_string(exit) + ": "), std::string::npos);
        EXPECT_NE(said.find(c.logged), std::string::npos) << said;
        // What the run said is in LOG.txt beside the program, or where /LOG says.
        const std::string log =
            options.logPath.empty() ? world.folder + "\\LOG.txt" : options.logPath;
        EXPECT_EQ(world.realFiles.ReadText(log).text, said);
        EXPECT_EQ(fs::exists(world.Path("LOG.txt")), options.logPath.empty());

        const Snapshot after = TakeSnapshot(world.Path("QIP"));
        const bool kept = std::includes(after.begin(), after.end(), before.begin(), before.end());
        EXPECT_EQ(after == before ? '=' : kept ? '+' : '~', c.qip);
        std::string skins;
        for (const std::string skin : {"Graphite Night", "Green Meadow", "Morning Mist"}) {
            const auto record =
                after.find("/Skins/" + skin + "/Smilies/Animated/Smile`s_version.txt");
            skins += record == after.end()                                ? '-'
                     : record->second.find(" lite ") != std::string::npos ? 'L'
                                                                          : 'F';
        }
        EXPECT_EQ(skins, c.skins);
    }
}

}  // namespace
}  // namespace velmora::test
