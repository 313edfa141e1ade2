// The silent installation: its command line, and how a run over the sample pack and the demo
// messengers ends as its exit code, with what it said in its log.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "app/silent_options.h"
#include "app/silent_run.h"
#include "test_world.h"

namespace velmora::test {
namespace {

namespace fs = std::filesystem;

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
    const std::map<std::vector<std::string>, std::string> cases = {
        {{}, "window"},
        {{"testmode"}, "window"},
        {{"/QIP=C:\\QIP", "/AGREE"}, "window"},  // options alone do not make a run silent
        {{"/s"}, plain},
        {{"/AGREE", "/S"}, plain + " agree"},
        {{"/S", "/QIP=C:\\Program Files\\QIP", "/skins=Blue, Red Sky,", "/Variant=2",
          "/LANG=English", "/AGREE", "/REMOVEOLD", "/quota", "/LOG=D:\\logs\\qip.txt"},
         "qip=C:\\Program Files\\QIP skins=Blue|Red Sky variant=2 lang=English "
         "log=D:\\logs\\qip.txt agree removeold quota"},
        {{"/S", "/SKINS=All"}, plain},
        {{"/S", "/QIP=a=b"}, "qip=a=b skins= variant=1 lang= log="},
        {{"/S", "/VARIANT=3"}, "The option \"/VARIANT=3\" is not understood."},
        {{"/S", "/VARIANT"}, "The option \"/VARIANT\" is not understood."},
        {{"/S", "/AGREE=yes"}, "The option \"/AGREE=yes\" is not understood."},
        {{"/S", "/QIP="}, "The option \"/QIP=\" is not understood."},
        {{"/S", "/SKINS= , "}, "The option \"/SKINS= , \" is not understood."},
        {{"/S", "/D=C:\\QIP"}, "The option \"/D=C:\\QIP\" is not understood."},
        {{"/S", "testmode"}, "The option \"testmode\" is not understood."},
        {{"/S", "/X", "/Y"}, "The option \"/X\" is not understood."},  // the first one is named
    };
    for (const auto& [arguments, expected] : cases)
        EXPECT_EQ(Summary(ParseSilentOptions(arguments)), expected);
}

// Every file below a folder with its bytes.
std::map<std::string, std::string> Snapshot(const std::string& folder) {
    std::map<std::string, std::string> files;
    if (!fs::exists(folder)) return files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_directory()) continue;
        std::ifstream in(entry.path(), std::ios::binary);
        files[entry.path().string()] = std::string(std::istreambuf_iterator<char>(in), {});
    }
    return files;
}

// The sample pack beside the program, the demo messenger as "QIP" with its program file, and
// the fault the case names.
void Prepare(TestWorld& world, const std::string& messenger, const std::string& fault) {
    fs::copy(fs::path(VELMORA_EXAMPLES) / "Source SMP", world.Path("Source SMP"),
             fs::copy_options::recursive);
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
    if (fault == "no SMP.ini") fs::remove(world.Path("Source SMP\\SMP.ini"));
    if (fault == "unsafe name") {
        std::ifstream in(world.Path("Source SMP\\SMP.ini"), std::ios::binary);
        std::string text(std::istreambuf_iterator<char>(in), {});
        const std::string name = "Velmora Sunny Smiles 1.0";
        world.WriteBytes("Source SMP\\SMP.ini",
                         text.replace(text.find(name), name.size(), "Sunny: 1.0"));
    }
    if (fault == "file for a smile folder") {
        fs::remove_all(world.Path("QIP\\Skins\\Green Meadow\\Smilies\\Animated"));
        world.WriteBytes("QIP\\Skins\\Green Meadow\\Smilies\\Animated", "user data");
    }
    if (fault == "no skins") fs::remove_all(world.Path("QIP\\Skins"));
}

struct Case {
    const char* messenger;  // the demo folder copied as "QIP", or none
    const char* fault;      // "running", "running twice", or what is broken before the run
    const char* arguments;  // after /S, separated by "|"; "*" is the world's folder
    SilentExit expected;
    char qip;  // the messenger's folder after: '=' as it was, '+' files added only, '~' changed
    const char* logged;      // in the log ("*" for the world's folder)
    const char* skins = "";  // QIP 2005: the skins that hold the pack after
};

// The text with "*" standing for the world's folder.
std::string Expand(std::string text, const TestWorld& world) {
    const size_t star = text.find('*');
    return star == std::string::npos ? text : text.replace(star, 1, world.folder);
}

// The QIP 2005 skins whose animated smiles hold the pack's record, marked when it is the lite
// version's.
std::string SkinsWithThePack(TestWorld& world) {
    std::string skins;
    for (const std::string skin : {"Graphite Night", "Green Meadow", "Morning Mist"}) {
        const std::string record =
            world.folder + "\\QIP\\Skins\\" + skin + "\\Smilies\\Animated\\Smile`s_version.txt";
        const FileText text = world.realFiles.ReadText(record);
        if (!text.status.ok) continue;
        skins += (skins.empty() ? "" : "|") + skin;
        if (text.text.find(" lite ") != std::string::npos) skins += " lite";
    }
    return skins;
}

TEST(SilentRun, HowARunEndsIsItsExitCode) {
    const char* every = "Graphite Night|Green Meadow|Morning Mist";
    const char* two = "Graphite Night|Morning Mist";
    const char* twoLite = "Graphite Night lite|Morning Mist lite";
    const SilentExit installed = SilentExit::Installed, none = SilentExit::NoMessenger,
                     refused = SilentExit::Refused, bad = SilentExit::BadCommandLine;
    const Case cases[] = {
        {"QIP 2005", "", "/QIP=*\\QIP|/AGREE", installed, '~', "Скин: Morning Mist", every},
        {"QIP 2005", "", "/QIP=*\\QIP|/AGREE|/SKINS=morning mist, GRAPHITE NIGHT|/VARIANT=2",
         installed, '~', "", twoLite},
        {"QIP Infium", "running", "/AGREE", installed, '+',
         "Удалить старую версию?\r\n  -> No\r\n"},
        {"QIP Infium", "running", "/AGREE|/REMOVEOLD", installed, '~', "  -> Yes\r\n"},
        {"QIP 2005", "", "/QIP=*\\QIP", refused, '=', "Give /AGREE to accept it."},
        {"", "", "/QIP=*\\QIP|/AGREE", none, '=', "QIP не обнаружен!"},
        {"QIP 2005", "", "/AGREE", none, '=', ""},
        {"QIP 2005", "running twice", "/AGREE", none, '=',
         "/QIP=:\r\n  *\\QIP\\qip.exe\r\n  C:\\Other\\qip.exe"},
        {"QIP 2005", "no skins", "/QIP=*\\QIP|/AGREE", none, '=', "No skin to install into"},
        {"QIP 2005", "", "/QIP=*\\QIP|/AGREE|/SKINS=Nope", bad, '=', "no skin \"Nope\""},
        {"QIP 2005", "", "/QIP=*\\QIP|/AGREE|/LANG=Klingon", bad, '=', "no language file"},
        {"QIP 2005", "", "/QIP=*\\QIP|/VARIANT=0|/LOG=*\\silent.txt", bad, '=', "/VARIANT=0"},
        {"QIP 2005", "no SMP.ini", "/QIP=*\\QIP|/AGREE", SilentExit::NotInstallable, '=', ""},
        {"QIP Infium", "unsafe name", "/QIP=*\\QIP|/AGREE", refused, '=', ""},
        {"QIP 2005", "file for a smile folder", "/QIP=*\\QIP|/AGREE",
         SilentExit::InstalledWithErrors, '~', "", two},
    };
    for (const Case& c : cases) {
        const std::string what = std::string(c.messenger) + " " + c.fault + " " + c.arguments;
        TestWorld world;
        Prepare(world, c.messenger, c.fault);
        const auto before = Snapshot(world.Path("QIP"));
        std::vector<std::string> arguments = {"/S"};
        std::istringstream given(c.arguments);
        for (std::string argument; std::getline(given, argument, '|');)
            arguments.push_back(Expand(argument, world));
        const SilentOptions options = ParseSilentOptions(arguments);
        SilentReport report(nullptr);
        SilentDialogs dialogs(options, report);
        Platform platform{world.realFiles, dialogs,        world.host,
                          world.processes, world.registry, world.clock};
        const int exit = RunSilentInstallation(
            platform, options, [](const std::string&) { return std::string(); }, report);
        EXPECT_EQ(exit, static_cast<int>(c.expected)) << what << "\n" << report.Text();
        EXPECT_EQ(SkinsWithThePack(world), c.skins) << what;
        const auto after = Snapshot(world.Path("QIP"));
        bool kept = true;
        for (const auto& [path, bytes] : before)
            kept = kept && after.count(path) && after.at(path) == bytes;
        EXPECT_EQ(after == before ? '=' : kept ? '+' : '~', c.qip) << what;
        // What the run said is in LOG.txt beside the program, or where /LOG says, in the ANSI
        // code page.
        const std::string log =
            options.logPath.empty() ? world.folder + "\\LOG.txt" : options.logPath;
        EXPECT_EQ(world.realFiles.ReadText(log).text, report.Text()) << what;
        EXPECT_EQ(fs::exists(world.Path("LOG.txt")), options.logPath.empty()) << what;
        const std::string end = "Exit code " + std::to_string(exit) + ": ";
        EXPECT_NE(report.Text().find(end), std::string::npos) << what;
        EXPECT_NE(report.Text().find(Expand(c.logged, world)), std::string::npos) << what << "\n"
                                                                                  << report.Text();
    }
}

}  // namespace
}  // namespace velmora::test
