// The installation engine: the plans both installations make from the pack and the targets,
// what a failure at any step leaves behind, and the recovery of a run that died.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>

#include "app/installations.h"
#include "base/unexpected_error.h"
#include "install/infium_install.h"
#include "install/install_run.h"
#include "install/skins_install.h"
#include "lang/language.h"
#include "test_world.h"

namespace velmora::test {
namespace {

namespace fs = std::filesystem;

// Real files, listed in name order so that plans read the same on every file system.
class SortedFiles : public PosixFiles {
  public:
    std::vector<FolderEntry> ListFolder(const std::string& folder) override {
        std::vector<FolderEntry> entries = PosixFiles::ListFolder(folder);
        std::sort(entries.begin(), entries.end(),
                  [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
        return entries;
    }
};

// Real files, of which the failAt-th change asked for fails.
class FaultyFiles : public PosixFiles {
  public:
    FileStatus WriteText(const std::string& p, const std::string& t) override {
        return Fails() ? FileStatus::Failed("injected") : PosixFiles::WriteText(p, t);
    }
    FileStatus WriteUtf8Durably(const std::string& p, const std::string& t) override {
        return Fails() ? FileStatus::Failed("injected") : PosixFiles::WriteUtf8Durably(p, t);
    }
    bool CopyFileOver(const std::string& f, const std::string& t) override {
        return !Fails() && PosixFiles::CopyFileOver(f, t);
    }
    bool ShellCopy(const std::string& f, const std::string& t) override {
        return !Fails() && PosixFiles::ShellCopy(f, t);
    }
    FileStatus Move(const std::string& f, const std::string& t) override {
        return Fails() ? FileStatus::Failed("injected") : PosixFiles::Move(f, t);
    }
    bool MakeFolders(const std::string& f) override { return !Fails() && PosixFiles::MakeFolders(f); }
    bool RemoveFile(const std::string& p) override { return !Fails() && PosixFiles::RemoveFile(p); }
    bool RemoveFolder(const std::string& f) override {
        return !Fails() && PosixFiles::RemoveFolder(f);
    }

    int changes = 0;
    int failAt = 0;     // none when 0
    bool dies = false;  // every change from failAt on fails, as when the program is killed

  private:
    bool Fails() { return ++changes == failAt || (dies && failAt > 0 && changes > failAt); }
};

class MarkEverySkin : public SkinsChoice, public InstallProgressView {
  public:
    SkinPick ChooseSkins(const std::string& skinsFolder, SkinList& skins) override {
        skins = {};
        ListSkins(files, skinsFolder, skins);
        std::vector<int> all(skins.SkinNames.size());
        for (size_t i = 0; i < all.size(); ++i) all[i] = static_cast<int>(i);
        MarkChosenSkins(skins, all);
        return {SkinPick::Left::Chosen, static_cast<int>(all.size())};
    }
    void SetBackEnabled(bool) override {}
    void ShowProgressCaption() override {}
    void StartProgress(const ProgressLayout&, const InstallClock&) override {}
    void ShowOverall(int) override {}
    void ResetStaticBar() override {}
    void BeforeEntry(bool, int) override {}
    void FinishProgress() override {}

    PosixFiles files;
};

// Every file and folder below a folder: its bytes, or "/" for a folder, and "(read-only)".
using Snapshot = std::map<std::string, std::string>;

Snapshot TakeSnapshot(const std::string& folder) {
    Snapshot snapshot;
    if (!fs::exists(folder)) return snapshot;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
        const std::string name = entry.path().string().substr(folder.size());
        if (entry.is_symlink()) {
            snapshot[name] = "-> " + fs::read_symlink(entry.path()).string();
        } else if (entry.is_directory()) {
            snapshot[name] = "/";
        } else {
            std::ifstream in(entry.path(), std::ios::binary);
            snapshot[name] = std::string(std::istreambuf_iterator<char>(in), {});
            if (access(entry.path().c_str(), W_OK) != 0) snapshot[name] += "(read-only)";
        }
    }
    return snapshot;
}

class Engine : public ::testing::Test {
  protected:
    Engine() {
        world.wizard.state.LanguageName = kBuiltInLanguage;
        LoadLanguage(world.wizard, "");
        PackDescription& pack = world.wizard.pack;
        pack.NameAndVersion = "Sunny 1.0";
        pack.CreationDate = "01.12.2026";
        pack.PackType = "fulllite";
        pack.AnimatedFullLightCount = "4";
        pack.AnimatedLiteDarkCount = "3";
        pack.StaticFullLightCount = "2";
        pack.StaticLiteDarkCount = "1";
        for (const char* name : {"1.gif", "2.GIF", "_define.ini", "readme.txt", "sub.gif\\deep.txt"})
            world.WriteBytes(std::string("Source SMP\\Animated Single Full Light\\") + name, name);
        for (const char* name : {"1.gif", "_define.ini"})
            world.WriteBytes(std::string("Source SMP\\Animated Lite Dark\\") + name, name);
        world.Write("Source SMP\\Animated Lite Dark\\DeleteLite.ini", "// left out\r\n2\r\n");
        for (const char* name : {"a.bmp", "b.bmp", "_define.ini"})
            world.WriteBytes(std::string("Source SMP\\Static Single Full Light\\") + name, name);
        for (const char* name : {"c.bmp", "_define.ini"})
            world.WriteBytes(std::string("Source SMP\\Static Lite Dark\\") + name, name);
        world.Write("Source SMP\\Static Lite Dark\\DeleteLite.ini", "b\r\n");
        world.wizard.qip.folder = world.folder + "\\QIP";
    }

    // The plan's text with the test's folder as "P", a line per line and " | " between values.
    std::string Readable(const UnitPlan& plan) const {
        std::string text = PlanText(plan);
        for (size_t at; (at = text.find(world.folder)) != std::string::npos;)
            text.replace(at, world.folder.size(), "P");
        std::string out;
        for (const char c : text) {
            if (c == '\t') out += " | ";
            else if (c != '\r') out += c;
        }
        return out;
    }

    std::string Qip() const { return world.Path("QIP"); }

    TestWorld world;
};

// The plans as data: both messengers, each variant, and the targets an installation must not
// touch or must not take for smiles.
TEST_F(Engine, PlansOfBothMessengers) {
    const auto skin = [&](int32_t mode) {
        SortedFiles files;
        return PlanSkin(files, world.wizard.pack, world.folder, mode == kSecondMode,
                        world.folder + "\\QIP\\Skins\\S");
    };
    const auto infium = [&](int32_t) {
        SortedFiles files;
        return PlanInfium(files, world.wizard.pack, world.folder, world.folder + "\\QIP\\Smilies", 0);
    };
    const std::string smilies = "QIP\\Skins\\S\\Smilies\\";
    const struct {
        const char* what;
        const char* type;
        const char* staticLite;
        int32_t mode;
        std::function<void()> targets;
        std::function<UnitPlan(int32_t)> plan;
        const char* expected;
    } rows[] = {
        {"QIP 2005, lite version, no static lite smiles", "fulllite", "0", kSecondMode,
         [&] {
             world.WriteBytes(smilies + "Animated\\old.gif", "old");
             world.MakeFolder(smilies + "Animated\\keep.gif");
         },
         skin, R"(Velmora installation plan
folder | P\QIP\Skins\S\Smilies\Animated | animated
aside | old.gif
copy | P\Source SMP\Animated Single Full Light
smile | 1.gif
smile | 2.GIF
list | _define.ini
lite-list | P\Source SMP\Animated Lite Dark\_define.ini
lite-remove | 2.GIF
record | Sunny 1.0 lite 01.12.2026 | Animated | 3
folder | P\QIP\Skins\S\Smilies\Static | static
make | P\QIP\Skins\S\Smilies\Static
copy | P/Source SMP/Static Single Full Light
smile | a.bmp
smile | b.bmp
list | _define.ini
record | Sunny 1.0 full 01.12.2026 | Static | 2
end
)"},
        {"QIP 2005, dark version", "LightDark", "1", kSecondMode,
         [&] { world.MakeFolder(smilies + "Static"); }, skin, R"(Velmora installation plan
folder | P\QIP\Skins\S\Smilies\Animated | animated
make | P\QIP\Skins\S\Smilies\Animated
copy | P\Source SMP\Animated Lite Dark
smile | 1.gif
list | _define.ini
record | Sunny 1.0 dark 01.12.2026 | Animated | 3
folder | P\QIP\Skins\S\Smilies\Static | static
copy | P\Source SMP\Static Lite Dark
smile | c.bmp
list | _define.ini
record | Sunny 1.0 dark 01.12.2026 | Static | 1
end
)"},
        {"QIP 2005, a file and a link where the folders belong", "single", "0", kFirstMode,
         [&] {
             world.WriteBytes(smilies + "Animated", "user data");
             world.MakeFolder("elsewhere");
             fs::create_directory_symlink(world.Path("elsewhere"), world.Path(smilies + "Static"));
         },
         skin, R"(Velmora installation plan
folder | P\QIP\Skins\S\Smilies\Animated | animated
refused | a file stands where the folder belongs
folder | P\QIP\Skins\S\Smilies\Static | static
refused | it is a junction or link to another place
end
)"},
        {"QIP Infium, light and dark, a fresh messenger", "lightdark", "1", 0, [] {}, infium,
         R"(Velmora installation plan
folder | P\QIP\Smilies\Sunny 1.0 light | animated
make | P\QIP\Smilies
make | P\QIP\Smilies\Sunny 1.0 light
copy | P\Source SMP\Animated Single Full Light
smile | 1.gif
smile | 2.GIF
list | _define.ini
record | Sunny 1.0 light 01.12.2026 | Animated | 4
folder | P\QIP\Smilies\Sunny 1.0 dark | animated
make | P\QIP\Smilies
make | P\QIP\Smilies\Sunny 1.0 dark
copy | P\Source SMP\Animated Lite Dark
smile | 1.gif
list | _define.ini
record | Sunny 1.0 dark 01.12.2026 | Animated | 3
folder | P\QIP\Smilies\Sunny 1.0 light Static | static
make | P\QIP\Smilies
make | P\QIP\Smilies\Sunny 1.0 light Static
copy | P\Source SMP\Static Single Full Light
smile | a.bmp
smile | b.bmp
list | _define.ini
record | Sunny 1.0 light 01.12.2026 | Static | 2
folder | P\QIP\Smilies\Sunny 1.0 dark Static | static
make | P\QIP\Smilies
make | P\QIP\Smilies\Sunny 1.0 dark Static
copy | P\Source SMP\Static Lite Dark
smile | c.bmp
list | _define.ini
record | Sunny 1.0 dark 01.12.2026 | Static | 1
end
)"},
        {"QIP Infium, full and lite over an earlier copy without static lite smiles", "fulllite",
         "0", 0,
         [&] {
             world.WriteBytes("QIP\\Smilies\\Sunny 1.0 full\\old.gif", "old");
             world.WriteBytes("QIP\\Smilies\\Sunny 1.0 lite Static\\old.bmp", "old");
         },
         infium, R"(Velmora installation plan
folder | P\QIP\Smilies\Sunny 1.0 full | animated
aside | old.gif
copy | P\Source SMP\Animated Single Full Light
smile | 1.gif
smile | 2.GIF
list | _define.ini
record | Sunny 1.0 full 01.12.2026 | Animated | 4
folder | P\QIP\Smilies\Sunny 1.0 lite | animated
make | P\QIP\Smilies\Sunny 1.0 lite
copy | P\Source SMP\Animated Single Full Light
smile | 1.gif
smile | 2.GIF
list | _define.ini
copy | P\Source SMP\Animated Lite Dark
smile | 1.gif
list | _define.ini
lite-list | P\Source SMP\Animated Lite Dark\_define.ini
lite-remove | 2.GIF
record | Sunny 1.0 lite 01.12.2026 | Animated | 3
folder | P\QIP\Smilies\Sunny 1.0 full Static | static
make | P\QIP\Smilies\Sunny 1.0 full Static
copy | P\Source SMP\Static Single Full Light
smile | a.bmp
smile | b.bmp
list | _define.ini
record | Sunny 1.0 full 01.12.2026 | Static | 2
folder | P\QIP\Smilies\Sunny 1.0 lite Static | static
aside | old.bmp
remove-folder
end
)"},
        {"QIP Infium, a file where a set's folder goes", "single", "0", 0,
         [&] { world.WriteBytes("QIP\\Smilies\\Sunny 1.0 single", "user data"); }, infium,
         R"(Velmora installation plan
folder | P\QIP\Smilies\Sunny 1.0 single | animated
refused | a file stands where the folder belongs
folder | P\QIP\Smilies\Sunny 1.0 single Static | static
make | P\QIP\Smilies\Sunny 1.0 single Static
copy | P\Source SMP\Static Single Full Light
smile | a.bmp
smile | b.bmp
list | _define.ini
record | Sunny 1.0 single 01.12.2026 | Static | 2
end
)"},
    };
    for (const auto& row : rows) {
        fs::remove_all(Qip());
        world.MakeFolder("QIP\\Skins\\S\\Smilies");
        row.targets();
        world.wizard.pack.PackType = row.type;
        world.wizard.pack.StaticLiteDarkCount = row.staticLite;
        const UnitPlan plan = row.plan(row.mode);
        EXPECT_EQ(Readable(plan), row.expected) << row.what;
        // The journal reads back as the same plan; one cut short is no plan.
        UnitPlan read;
        ASSERT_TRUE(ParsePlanText(PlanText(plan), read)) << row.what;
        EXPECT_EQ(PlanText(read), PlanText(plan)) << row.what;
        const std::string text = PlanText(plan);
        EXPECT_FALSE(ParsePlanText(text.substr(0, text.size() - 5), read)) << row.what;
    }
}

// Installs once without a fault, then once for every change that run made with that change
// failing. A failed installation leaves the messenger's folder exactly as it was, backup
// and all; one that still succeeded (a copy the fallback made) holds the whole new set. With
// dies, the run stops changing anything from that change on, as a killed program does, and
// the next installation's recovery must bring the folder back to one of the two.
class EveryStep : public Engine {
  protected:
    using Install = std::function<bool(Files&)>;  // true when the report says success

    void Check(const std::function<void()>& targets, const Install& install, bool dies) {
        fs::remove_all(Qip());
        targets();
        const Snapshot before = TakeSnapshot(Qip());
        FaultyFiles clean;
        ASSERT_TRUE(install(clean));
        const Snapshot installed = TakeSnapshot(Qip());
        ASSERT_EQ(installed.count("/Velmora backup"), 0u);
        for (int n = 1; n <= clean.changes; ++n) {
            fs::remove_all(Qip());
            targets();
            FaultyFiles faulty;
            faulty.failAt = n;
            faulty.dies = dies;
            bool succeeded = install(faulty);
            if (dies) {
                const bool interrupted = fs::exists(Qip() + "/Velmora backup/journal.txt");
                world.dialogs.shown.clear();
                RecoverBeforeInstalling(world.realFiles, world.wizard.state, world.dialogs,
                                        "Warning", "Restored:", world.wizard.qip.folder);
                EXPECT_EQ(world.dialogs.shown.size(), interrupted ? 1u : 0u) << n;
                // Killed before its journal was gone, even a run that had copied everything
                // is undone.
                succeeded = succeeded && !interrupted;
            }
            const Snapshot after = TakeSnapshot(Qip());
            if (!succeeded) {
                EXPECT_EQ(after, before) << "change " << n;
                continue;
            }
            for (const auto& [path, content] : installed)
                EXPECT_EQ(after.count(path) ? after.at(path) : "(missing)", content)
                    << "change " << n << ": " << path;
        }
    }

    // QIP 2005: one skin with old smiles (one read-only, one named like a new one), an old
    // record and a sub-folder; the lite version of both kinds.
    void SkinTargets() {
        const std::string smilies = "QIP\\Skins\\S\\Smilies\\";
        world.WriteBytes(smilies + "Animated\\old.gif", "old");
        chmod(world.Path(smilies + "Animated\\old.gif").c_str(), 0444);
        world.WriteBytes(smilies + "Animated\\1.gif", "old 1");
        world.WriteBytes(smilies + "Animated\\Smile`s_version.txt", "old record");
        world.WriteBytes(smilies + "Animated\\keep\\inside.gif", "kept");
        world.WriteBytes(smilies + "Static\\old.bmp", "old");
    }
    bool InstallSkins(Files& files) {
        Platform platform{files, world.dialogs, world.host, world.processes, world.registry,
                          world.clock};
        Wizard wizard(platform);
        wizard.text = world.wizard.text;
        wizard.pack = world.wizard.pack;
        wizard.qip = world.wizard.qip;
        wizard.state.ModeChoice = kSecondMode;
        MarkEverySkin view;
        try {
            InstallIntoSkins(wizard, view, view);
        } catch (const UnexpectedFileError&) {
            return false;
        }
        return !wizard.state.ErrorsFound;
    }

    // QIP Infium: this pack's full set installed before, overwritten on Yes.
    void InfiumTargets() {
        world.WriteBytes("QIP\\Smilies\\Sunny 1.0 full\\1.gif", "old 1");
        world.WriteBytes("QIP\\Smilies\\Sunny 1.0 full\\old.gif", "old");
        chmod(world.Path("QIP\\Smilies\\Sunny 1.0 full\\old.gif").c_str(), 0444);
        world.Write("QIP\\Smilies\\Sunny 1.0 full\\Smile`s_version.txt",
                    "\r\nSunny 1.0 full 01.12.2026\r\n");
        world.WriteBytes("QIP\\Smilies\\Other\\x.gif", "another pack");
    }
    bool InstallInfium(Files& files) {
        ProblemLog log;
        const InfiumJob job{files, world.dialogs, world.clock, log, world.wizard.text,
                            world.wizard.pack, world.folder, world.wizard.qip.folder};
        world.dialogs.answers = {BoxAnswer::Yes};
        MarkEverySkin view;
        try {
            InstallPackIntoInfium(job, view);
        } catch (const UnexpectedFileError&) {
            return false;
        }
        return !log.ErrorsFound;
    }
};

TEST_F(EveryStep, AFailureAnywhereInASkinGivesItBackWhatItHeld) {
    Check([&] { SkinTargets(); }, [&](Files& files) { return InstallSkins(files); }, false);
}

TEST_F(EveryStep, AFailureAnywhereInQipInfiumGivesBackEveryFolder) {
    Check([&] { InfiumTargets(); }, [&](Files& files) { return InstallInfium(files); }, false);
}

TEST_F(EveryStep, ARunKilledAnywhereIsUndoneByTheNextInstallation) {
    Check([&] { SkinTargets(); }, [&](Files& files) { return InstallSkins(files); }, true);
    Check([&] { InfiumTargets(); }, [&](Files& files) { return InstallInfium(files); }, true);
}

}  // namespace
}  // namespace velmora::test
