// The silent installation over real folders: the sample pack, the demo messengers, and how a
// run ends as its exit code.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/silent_run.h"
#include "test_world.h"

namespace velmora::test {
namespace {

namespace fs = std::filesystem;

struct Case {
    const char* what;
    const char* messenger;  // the demo folder copied as "QIP", or none
    std::vector<std::string> arguments;
    SilentExit expected;
    std::function<void(TestWorld&)> prepare = nullptr;
    std::vector<std::string> installedSkins = {};  // QIP 2005: the skins that hold the pack after
};

// The QIP 2005 skins whose animated smiles hold the pack's record.
std::vector<std::string> SkinsWithThePack(TestWorld& world) {
    std::vector<std::string> skins;
    for (const char* skin : {"Graphite Night", "Green Meadow", "Morning Mist"}) {
        const std::string animated = std::string("QIP\\Skins\\") + skin + "\\Smilies\\Animated";
        if (fs::exists(world.Path(animated + "\\Smile`s_version.txt"))) skins.push_back(skin);
    }
    return skins;
}

// The sample pack beside the program, and the demo messenger with its program file.
void Prepare(TestWorld& world, const Case& c) {
    fs::copy(fs::path(VELMORA_EXAMPLES) / "Source SMP", world.Path("Source SMP"),
             fs::copy_options::recursive);
    if (*c.messenger) {
        fs::copy(fs::path(VELMORA_EXAMPLES) / "demo" / c.messenger, world.Path("QIP"),
                 fs::copy_options::recursive);
        const bool infium = std::string(c.messenger) == "QIP Infium";
        world.WriteBytes(infium ? "QIP\\infium.exe" : "QIP\\qip.exe", "MZ");
    }
    if (c.prepare) c.prepare(world);
}

// The sample pack's SMP.ini with its first line, the pack's name, replaced.
void RenamePack(TestWorld& world, const std::string& name) {
    std::ifstream in(world.Path("Source SMP\\SMP.ini"), std::ios::binary);
    std::string text(std::istreambuf_iterator<char>(in), {});
    size_t line = 0;
    while (text.compare(line, 2, "//") == 0)
        line = text.find('\n', line) + 1;
    text.replace(line, text.find('\r', line) - line, name);
    world.WriteBytes("Source SMP\\SMP.ini", text);
}

TEST(SilentRun, HowARunEndsIsItsExitCode) {
    const Case cases[] = {
        {"QIP 2005, every skin",
         "QIP 2005",
         {"/QIP=*", "/AGREE"},
         SilentExit::Installed,
         nullptr,
         {"Graphite Night", "Green Meadow", "Morning Mist"}},
        {"QIP 2005, two skins by name",
         "QIP 2005",
         {"/QIP=*", "/AGREE", "/SKINS=morning mist, GRAPHITE NIGHT"},
         SilentExit::Installed,
         nullptr,
         {"Graphite Night", "Morning Mist"}},
        {"QIP Infium, old versions kept",
         "QIP Infium",
         {"/QIP=*", "/AGREE"},
         SilentExit::Installed},
        {"no agreement", "QIP 2005", {"/QIP=*"}, SilentExit::Refused},
        {"no messenger in the folder", "", {"/QIP=*", "/AGREE"}, SilentExit::NoMessenger},
        {"no running copy", "QIP 2005", {"/AGREE"}, SilentExit::NoMessenger},
        {"no such skin",
         "QIP 2005",
         {"/QIP=*", "/AGREE", "/SKINS=Nope"},
         SilentExit::BadCommandLine},
        {"no such language",
         "QIP 2005",
         {"/QIP=*", "/AGREE", "/LANG=Klingon"},
         SilentExit::BadCommandLine},
        {"a bad option", "QIP 2005", {"/QIP=*", "/VARIANT=0"}, SilentExit::BadCommandLine},
        {"no SMP.ini",
         "QIP 2005",
         {"/QIP=*", "/AGREE"},
         SilentExit::NotInstallable,
         [](TestWorld& w) { fs::remove(w.Path("Source SMP\\SMP.ini")); }},
        {"a pack name that is no folder name",
         "QIP Infium",
         {"/QIP=*", "/AGREE"},
         SilentExit::Refused,
         [](TestWorld& w) { RenamePack(w, "Sunny: 1.0"); }},
        {"a smile folder that is a file",
         "QIP 2005",
         {"/QIP=*", "/AGREE"},
         SilentExit::InstalledWithErrors,
         [](TestWorld& w) {
             fs::remove_all(w.Path("QIP\\Skins\\Green Meadow\\Smilies\\Animated"));
             w.WriteBytes("QIP\\Skins\\Green Meadow\\Smilies\\Animated", "user data");
         },
         {"Graphite Night", "Morning Mist"}},
    };
    for (const Case& c : cases) {
        TestWorld world;
        Prepare(world, c);
        std::vector<std::string> arguments = {"/S"};
        for (const std::string& argument : c.arguments)
            arguments.push_back(argument == "/QIP=*" ? "/QIP=" + world.folder + "\\QIP" : argument);
        const SilentOptions options = ParseSilentOptions(arguments);
        SilentReport report(nullptr);
        SilentDialogs dialogs(options, report);
        Platform platform{world.realFiles, dialogs,        world.host,
                          world.processes, world.registry, world.clock};
        const int exit = RunSilentInstallation(
            platform, options, [](const std::string&) { return std::string(); }, report);
        EXPECT_EQ(exit, static_cast<int>(c.expected)) << c.what << "\n" << report.Text();
        if (std::string(c.messenger) == "QIP 2005") {
            EXPECT_EQ(SkinsWithThePack(world), c.installedSkins) << c.what;
        }
        // What the run said is in LOG.txt beside the program, in the ANSI code page.
        EXPECT_EQ(world.realFiles.ReadText(world.folder + "\\LOG.txt").text, report.Text())
            << c.what;
    }
}

}  // namespace
}  // namespace velmora::test
