// Finding the messenger: the folder check, which messenger an executable is, the running
// copies the search records, and the skins that can receive smiles.

#include <gtest/gtest.h>

#include <map>

#include "qip/qip_folder.h"
#include "qip/running_qip.h"
#include "qip/skins.h"
#include "test_world.h"

namespace velmora::test {
namespace {

// Version texts by executable path; any other file has none.
VersionReader Versions(std::map<std::string, std::string> versions) {
    return [versions](const std::string& path) {
        const auto it = versions.find(path);
        return it == versions.end() ? std::string() : it->second;
    };
}

TEST(QipFolder, TheFolderOrOneOfItsFourNearestAncestorsHoldsTheMessenger) {
    TestWorld world;
    world.Write("QIP\\qip.exe", "");
    world.MakeFolder("QIP\\Skins\\Default\\Smilies\\Animated\\Extra");
    const std::string qip = world.folder + "\\QIP";
    const auto found = [&](const std::string& below) {
        return CheckQipFolder(world.realFiles, qip + "\\Skins\\Default\\Smilies" + below,
                              Versions({}))
            .folder;
    };
    EXPECT_EQ(found(""), qip);
    EXPECT_EQ(found("\\Animated"), qip);
    EXPECT_EQ(found("\\Animated\\Extra"), "");
}

TEST(QipFolder, QipExeWinsAndItsVersionTellsQipInfium) {
    TestWorld world;
    world.Write("Both\\qip.exe", "");
    world.Write("Both\\infium.exe", "");
    world.Write("Infium\\infium.exe", "");
    const std::string both = world.folder + "\\Both";
    const std::pair<const char*, bool> versions[] = {{"8.0.0.1", true},  {"3", true},
                                                     {"2.0.0.1", false}, {"10.1", false},
                                                     {"", false},        {"v9", false}};
    for (const auto& [version, infium] : versions) {
        const VersionReader reader = Versions({{both + "\\qip.exe", version}});
        const QipTarget found = CheckQipFolder(world.realFiles, both, reader);
        EXPECT_EQ(found.folder, both);
        EXPECT_EQ(found.isInfium, infium) << version;
        // A running copy is told the same way, by its own executable.
        EXPECT_EQ(RunningCopyTarget(both + "\\qip.exe", reader).isInfium, infium) << version;
    }
    EXPECT_TRUE(CheckQipFolder(world.realFiles, world.folder + "\\Infium", Versions({})).isInfium);
    const QipTarget running = RunningCopyTarget("C:\\Infium\\infium.exe", Versions({}));
    EXPECT_EQ(running.folder, "C:\\Infium");
    EXPECT_TRUE(running.isInfium);
    EXPECT_EQ(FolderOf("C:\\qip.exe"), "C:\\");
    EXPECT_EQ(FolderOf(""), "");
}

// Records what the search shows in the copy-choice list.
struct RecordedList : CopyList {
    void Open(const std::string& first, const std::string& second) override {
        lines += "open " + first + " " + second + ";";
    }
    void Add(const std::string& path) override { lines += "add " + path + ";"; }
    std::string lines;
};

TEST(RunningQip, DistinctCopiesFillTheSlotsInZOrderAndTheListOpensWithTheSecond) {
    PosixProcesses processes;
    processes.windows = {{"QIP", 1, false},   {"Velmora", 9, true},  {"", 2, false},
                         {"QIP 2", 1, false}, {"Infium", 3, false},  {"Odd", 4, false},
                         {"Other", 5, false}, {"Unlisted", 6, false}};
    processes.executables = {{1, "C:\\A\\qip.exe"}, {9, "C:\\V\\qip.exe"},
                             {2, "C:\\B\\qip.exe"}, {3, "C:\\C\\infium.exe"},
                             {4, "C:\\D\\QIP.EXE"}, {5, "C:\\E\\notqip.exe"}};
    FoundQipPaths found;
    RecordedList list;
    FindRunningQip(processes, found, list);
    EXPECT_EQ(found[0], "C:\\A\\qip.exe");
    EXPECT_EQ(found[1], "C:\\C\\infium.exe");
    EXPECT_EQ(found[2], "");
    EXPECT_EQ(list.lines, "open C:\\A\\qip.exe C:\\C\\infium.exe;");
}

TEST(RunningQip, CopiesBeyondTheLastSlotAreLeftOut) {
    PosixProcesses processes;
    for (uint32_t id = 1; id <= 13; ++id) {
        processes.windows.push_back({"QIP", id, false});
        processes.executables.push_back({id, "C:\\Q" + std::to_string(id) + "\\qip.exe"});
    }
    FoundQipPaths found;
    RecordedList list;
    FindRunningQip(processes, found, list);
    EXPECT_EQ(found.back(), "C:\\Q11\\qip.exe");
    EXPECT_EQ(list.lines.find("Q12"), std::string::npos);
    EXPECT_NE(list.lines.find("add C:\\Q11\\qip.exe;"), std::string::npos);
}

TEST(Skins, OnlySubFoldersWithSmiliesAreListedAndTheChoiceMarksEachSkin) {
    TestWorld world;
    world.MakeFolder("QIP\\Skins\\Blue\\Smilies");
    world.MakeFolder("QIP\\Skins\\Bare");
    world.Write("QIP\\Skins\\Green\\Smilies", "a file, not a folder");
    world.Write("QIP\\Skins\\readme.txt", "");
    world.MakeFolder("QIP\\Skins\\Red\\Smilies");
    SkinList skins;
    EXPECT_EQ(ListSkins(world.realFiles, world.folder + "\\QIP\\Skins", skins), 2);
    std::vector<std::string> names = skins.SkinNames;
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Blue", "Red"}));
    EXPECT_EQ(skins.SkinStates, (std::vector<int32_t>{kSkinListed, kSkinListed}));
    EXPECT_EQ(ListSkins(world.realFiles, world.folder + "\\None\\Skins", skins), 0);

    MarkChosenSkins(skins, {1});
    EXPECT_EQ(skins.SkinStates, (std::vector<int32_t>{kSkinNotChosen, kSkinChosen}));
    MarkChosenSkins(skins, {});
    EXPECT_EQ(skins.SkinStates, (std::vector<int32_t>{kSkinNotChosen, kSkinNotChosen}));
}

}  // namespace
}  // namespace velmora::test
