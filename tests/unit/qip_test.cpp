// What the wizard looks for on the user's system: the messenger's folder, which messenger an
// executable is, the running copies the search records, the skins that can receive smiles, and
// the GDI handle quota that many smiles need.

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <tuple>

#include "platform/mini_reg.h"
#include "qip/qip_folder.h"
#include "qip/running_qip.h"
#include "qip/skins.h"
#include "system/gdi_quota.h"
#include "test_world.h"

namespace velmora::test {
namespace {

// The chosen folder or one of its four nearest ancestors holds the messenger; qip.exe wins
// over infium.exe there, and its version tells QIP Infium (3 to 9), for a running copy too.
// Its skins are the sub-folders of Skins that hold a Smilies folder; a choice marks each one.
TEST(QipFolder, TheFolderOrAnAncestorHoldsTheMessengerItsVersionAndItsSkins) {
    TestWorld world;
    world.Write("Both\\qip.exe", "");
    world.Write("Both\\infium.exe", "");
    world.Write("Infium\\infium.exe", "");
    world.MakeFolder("Both\\Skins\\Default\\Smilies\\Animated\\Extra");
    const std::string both = world.folder + "\\Both", infium = world.folder + "\\Infium";
    const std::string animated = both + "\\Skins\\Default\\Smilies\\Animated";
    // The folder chosen, the version of qip.exe, the folder found and whether it is Infium.
    const std::tuple<std::string, std::string, std::string, bool> cases[] = {
        {animated, "", both, false},    {animated + "\\Extra", "", "", false},
        {both, "9.0.1", both, true},    {both, "3", both, true},
        {both, "2.0.0.1", both, false}, {both, "v9", both, false},
        {infium, "", infium, true},
    };
    for (const auto& [chosen, version, expected, isInfium] : cases) {
        SCOPED_TRACE(chosen + " " + version);
        const VersionReader reader = [&both, v = version](const std::string& path) {
            return path == both + "\\qip.exe" ? v : std::string();
        };
        const QipTarget found = CheckQipFolder(world.realFiles, chosen, reader);
        EXPECT_EQ(found.folder, expected);
        EXPECT_EQ(found.isInfium, isInfium);
        if (expected.empty()) continue;
        // A running copy is told the same way, by its own executable.
        const std::string exe = expected == infium ? "\\infium.exe" : "\\qip.exe";
        EXPECT_EQ(RunningCopyTarget(expected + exe, reader).isInfium, isInfium);
    }
    for (const auto& [path, folder] : {std::pair{"C:\\qip.exe", "C:\\"},
                                       {"C:\\QIP\\qip.exe", "C:\\QIP"},
                                       {"qip.exe", "qip.exe"}})
        EXPECT_EQ(FolderOf(path), folder);

    world.MakeFolder("Both\\Skins\\Bare");
    world.Write("Both\\Skins\\Green\\Smilies", "a file, not a folder");
    world.Write("Both\\Skins\\readme.txt", "");
    world.MakeFolder("Both\\Skins\\Red\\Smilies");
    SkinList skins;
    EXPECT_EQ(ListSkins(world.realFiles, both + "\\Skins", skins), 2);
    std::sort(skins.SkinNames.begin(), skins.SkinNames.end());
    EXPECT_EQ(skins.SkinNames, (std::vector<std::string>{"Default", "Red"}));
    EXPECT_EQ(skins.SkinStates, (std::vector<int32_t>{kSkinListed, kSkinListed}));
    EXPECT_EQ(ListSkins(world.realFiles, infium + "\\Skins", skins), 0);
    MarkChosenSkins(skins, {1});
    EXPECT_EQ(skins.SkinStates, (std::vector<int32_t>{kSkinNotChosen, kSkinChosen}));
}

// Records what the search shows in the copy-choice list.
struct RecordedList : CopyList {
    void Open(const std::string& a, const std::string& b) override { lines += a + " " + b + ";"; }
    void Add(const std::string& path) override { lines += path + ";"; }
    std::string lines;
};

// Distinct copies of qip.exe or infium.exe (exactly so named) behind titled windows other than
// the wizard's fill the slots in z-order; the list opens with the second, and grows.
TEST(RunningQip, DistinctCopiesFillTheSlotsInZOrder) {
    PosixProcesses processes;
    processes.windows = {{"QIP", 1, false},   {"Velmora", 9, true},  {"", 2, false},
                         {"QIP 2", 1, false}, {"Infium", 3, false},  {"Odd", 4, false},
                         {"Other", 5, false}, {"Unlisted", 6, false}};
    processes.executables = {{1, "C:\\A\\qip.exe"}, {9, "C:\\V\\qip.exe"},
                             {2, "C:\\B\\qip.exe"}, {3, "C:\\C\\infium.exe"},
                             {4, "C:\\D\\QIP.EXE"}, {5, "C:\\E\\notqip.exe"}};
    FoundQipPaths expected = {"C:\\A\\qip.exe", "C:\\C\\infium.exe"};
    std::string lines = "C:\\A\\qip.exe C:\\C\\infium.exe;";
    size_t slot = 2;
    for (uint32_t id = 10; id < 21; ++id) {  // two copies more than there are slots left
        const std::string path = "C:\\Q" + std::to_string(id) + "\\qip.exe";
        processes.windows.push_back({"QIP", id, false});
        processes.executables.push_back({id, path});
        if (slot == expected.size()) continue;
        expected[slot++] = path;
        lines += path + ";";
    }
    FoundQipPaths found;
    RecordedList list;
    FindRunningQip(processes, found, list);
    EXPECT_EQ(found, expected);
    EXPECT_EQ(list.lines, lines);
}

using Value = PosixRegistry::Value;

// One line a box: "?" for a question (Yes and No, titled Confirm), "i" for a notice (OK, titled
// Warning), then its text.
std::string Transcript(const std::vector<MessageBoxRequest>& boxes) {
    std::string lines;
    for (const MessageBoxRequest& box : boxes) {
        const bool question = box.icon == BoxIcon::Question && box.buttons == BoxButtons::YesNo &&
                              box.title == "Confirm";
        const bool notice = box.icon == BoxIcon::Information && box.buttons == BoxButtons::Ok &&
                            box.title == "Warning";
        lines += (question ? "? " : notice ? "i " : "bad ") + box.text + "\n";
    }
    return lines;
}

// The smile count (thresholds 230, 372/373, 520), the stored quota, the answer, whether it can be
// written; what is written (and then the check returns true), and the boxes shown.
TEST(GdiQuota, TheSmileCountAndTheStoredQuotaDecideWhatIsAskedWrittenAndShown) {
    const Value k5000{PosixRegistry::kDword, std::string("\x88\x13\0\0", 4)};
    const Value k15000{PosixRegistry::kDword, std::string("\x98\x3A\0\0", 4)};
    const Value k20000{PosixRegistry::kDword, std::string("\x20\x4E\0\0", 4)};
    const BoxAnswer yes = BoxAnswer::Yes, no = BoxAnswer::No;
    const std::string ask = "\r\n\r\nRaise it.\r\n\r\nNow?\n", done = "i Done.\n";
    const std::string askOver520 = "\r\n\r\nRaise it.\r\n\r\nEven then unstable.\r\n\r\nNow?\n";
    const std::string failed = "i Failed.\r\n\r\nTry as administrator.\n";
    const std::tuple<int, std::optional<Value>, BoxAnswer, bool, std::optional<Value>, std::string>
        cases[] = {
            {230, k5000, yes, true, {}, ""},
            {231, k5000, yes, true, k15000, "? Smiles: 231" + ask + done},
            {372, {}, yes, true, k15000, "? Smiles: 372" + ask + done},
            {373, k15000, yes, true, k20000, "? Smiles: 373" + ask + done},
            {300, k15000, yes, true, {}, ""},
            {520, k20000, yes, true, {}, ""},
            {521, k20000, yes, true, {}, "i Smiles: 521\r\n\r\nUnstable.\n"},
            {600, k15000, no, true, {}, "? Smiles: 600" + askOver520},
            {400, k5000, yes, false, {}, "? Smiles: 400" + ask + failed},
        };
    UiStrings strings;
    strings[Text::ConfirmTitle] = "Confirm";
    strings[Text::WarningTitle] = "Warning";
    strings[Text::GdiSmileCount] = "Smiles: ";
    strings[Text::GdiRecommendation] = "Raise it.";
    strings[Text::GdiOver520AfterChange] = "Even then unstable.";
    strings[Text::GdiDoItNow] = "Now?";
    strings[Text::GdiOver520] = "Unstable.";
    strings[Text::GdiChangeDone] = "Done.";
    strings[Text::GdiChangeFailed] = "Failed.";
    strings[Text::GdiTryAsAdministrator] = "Try as administrator.";
    for (const auto& [smiles, stored, answer, writable, written, boxes] : cases) {
        SCOPED_TRACE(smiles);
        PosixRegistry registry;
        registry.writable = writable;
        if (stored) registry.values[kGdiQuotaPath] = *stored;
        ScriptedDialogs dialogs;
        dialogs.answers = {answer};
        EXPECT_EQ(CheckGdiQuota(registry, dialogs, strings, smiles), written.has_value());
        EXPECT_EQ(Transcript(dialogs.shown), boxes);
        std::map<std::string, Value> expected;
        if (written || stored) expected[kGdiQuotaPath] = written ? *written : *stored;
        EXPECT_EQ(registry.values, expected);
    }
    // The quota's path names its value after the last backslash.
    std::string key, name;
    EXPECT_FALSE(SplitValuePath("GDIProcessHandleQuota", key, name));
    EXPECT_TRUE(SplitValuePath("SOFTWARE\\Windows\\GDIProcessHandleQuota", key, name));
    EXPECT_EQ(key + "|" + name, "SOFTWARE\\Windows|GDIProcessHandleQuota");
}

}  // namespace
}  // namespace velmora::test
