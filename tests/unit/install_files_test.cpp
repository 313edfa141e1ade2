// The installation's file operations: copying the smiles of one kind, the lite removal and
// emptying a folder, the installed-pack record, and the elapsed time.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "app/unexpected_error.h"
#include "install/copy_smiles.h"
#include "install/version_record.h"
#include "test_world.h"

namespace velmora::test {
namespace {

// The positions the bar is given, negative for the static bar.
class SeenPositions : public CopyProgress {
  public:
    void BeforeEntry(bool animated, int position) override {
        seen.push_back(animated ? position : -position);
    }
    std::vector<int> seen;
};

std::pair<int, int> Counts(const CopyResult& result) {
    return {result.total, result.failures};
}

std::string Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<std::string> Names(Files& files, const std::string& folder) {
    std::vector<std::string> names;
    for (const FolderEntry& entry : files.ListFolder(folder))
        names.push_back(entry.name);
    std::sort(names.begin(), names.end());
    return names;
}

TEST(CopySmiles, CopiesTheKindAndTheListIntoANewFolderAndCountsOnlyImages) {
    TestWorld world;
    for (const char* name : {"a.gif", "B.GIF", "c.bmp", "_DEFINE.INI", "readme.txt"})
        world.WriteBytes(std::string("src\\") + name, name);
    ProblemLog log;
    SeenPositions bar;
    const std::string target = world.Path("skin\\Smilies\\Animated");
    EXPECT_EQ(Counts(CopySmiles(world.realFiles, log, bar, world.Path("src"), target, true, 10)),
              std::make_pair(12, 0));
    EXPECT_EQ(Names(world.realFiles, target),
              (std::vector<std::string>{"B.GIF", "_DEFINE.INI", "a.gif"}));
    EXPECT_EQ(Bytes(target + "/B.GIF"), "B.GIF");
    EXPECT_EQ(bar.seen.size(), 5u);
    EXPECT_EQ(bar.seen.front(), 10);

    const CopyResult none =
        CopySmiles(world.realFiles, log, bar, world.Path("none"), target, false, 7);
    EXPECT_EQ(Counts(none), std::make_pair(7, 0));
}

TEST(CopySmiles, AFileCountsOnlyWhenOneOfItsCopiesSucceeded) {
    TestWorld world;
    for (const char* name : {"a.gif", "b.gif", "_define.ini"})
        world.WriteBytes(std::string("src\\") + name, "new");
    world.WriteBytes("skin\\a.gif", "old");
    chmod(world.Path("skin\\a.gif").c_str(), 0444);
    world.WriteBytes("skin\\b.gif", "old");
    // The source as an installation builds it, with a forward slash, is logged as given.
    const std::string source = world.folder + "/src";
    ProblemLog log;
    SeenPositions bar;

    // A read-only smile is replaced; one the messenger holds open stays and is a failure.
    LockedFile heldSmile(world.Path("skin\\b.gif"));
    EXPECT_EQ(Counts(CopySmiles(heldSmile, log, bar, source, world.Path("skin"), true, 0)),
              std::make_pair(1, 1));
    EXPECT_EQ(Bytes(world.Path("skin\\a.gif")), "new");
    EXPECT_EQ(Bytes(world.Path("skin\\b.gif")), "old");
    EXPECT_EQ(log.ErrorLog, "\r\nError at copying file: " + source + "\\b.gif");

    // _define.ini is no smile, but a source that cannot be read is a failure all the same.
    LockedFile lockedList(source + "\\_define.ini");
    ProblemLog listLog;
    EXPECT_EQ(Counts(CopySmiles(lockedList, listLog, bar, source, world.Path("skin"), true, 0)),
              std::make_pair(2, 1));
    EXPECT_EQ(listLog.ErrorLog, "\r\nError at copying file: " + source + "\\_define.ini");
}

TEST(Removal, LiteSmilesByTheirListAndEveryFileOfAFolder) {
    TestWorld world;
    world.Write("lite\\DeleteLite.ini",
                "// smile05\r\n\r\nsmile01\r\nsmile02 \r\nSMILE03\r\nsmile04\r\n");
    for (const char* name :
         {"SMILE01.GIF", "smile01.bmp", "smile02.gif", "smile03.gif", "smile04.gif", "smile05.gif"})
        world.WriteBytes(std::string("skin\\") + name, "");
    world.MakeFolder("skin\\sub");
    const std::string skin = world.Path("skin");

    // The held smile04.gif is not deleted and not counted.
    LockedFile held(world.Path("skin\\smile04.gif"));
    EXPECT_EQ(RemoveLiteSmiles(held, skin, world.Path("lite"), true), 2);
    EXPECT_EQ(Names(world.realFiles, skin),
              (std::vector<std::string>{"smile01.bmp", "smile02.gif", "smile04.gif", "smile05.gif",
                                        "sub"}));
    EXPECT_THROW(RemoveLiteSmiles(world.realFiles, skin, world.Path("none"), true),
                 UnexpectedFileError);

    ClearFolderFiles(world.realFiles, skin);
    EXPECT_EQ(Names(world.realFiles, skin), (std::vector<std::string>{"sub"}));
}

TEST(VersionRecord, SixLinesInTheAnsiCodePageAndFieldsReadByLine) {
    TestWorld world;
    world.MakeFolder("skin");
    PackDescription pack;
    pack.NameAndVersion = "Весна 2.1";
    pack.CreationDate = "01.09.2010";
    WriteVersionRecord(world.realFiles, world.Path("skin"), PackIdentity(pack, "dark"), "Animated",
                       "120");
    const std::string record = world.Path("skin\\Smile`s_version.txt");
    EXPECT_EQ(Bytes(record),
              "\r\n\xC2\xE5\xF1\xED\xE0 2.1 dark 01.09.2010\r\nAmount of smiles:\r\n120\r\n"
              "Type of smiles:\r\nAnimated\r\n");
    EXPECT_EQ(ReadVersionRecord(world.realFiles, record, RecordField::Identity),
              "Весна 2.1 dark 01.09.2010");
    EXPECT_EQ(ReadVersionRecord(world.realFiles, record, RecordField::Amount), "120");

    world.WriteBytes("short.txt", "\r\nVesna 2.1 dark 01.09.2010\r\n");
    const std::string shortRecord = world.Path("short.txt");
    EXPECT_EQ(ReadVersionRecord(world.realFiles, shortRecord, RecordField::Identity),
              "Vesna 2.1 dark 01.09.2010");
    EXPECT_EQ(ReadVersionRecord(world.realFiles, shortRecord, RecordField::Amount), "");
    EXPECT_EQ(ReadVersionRecord(world.realFiles, shortRecord, RecordField::Type), "");
    EXPECT_EQ(ReadVersionRecord(world.realFiles, world.Path("none"), RecordField::Type), "");

    try {
        WriteVersionRecord(world.realFiles, world.Path("none"), "x", "Static", "1");
        ADD_FAILURE() << "a record in a missing folder was written";
    } catch (const UnexpectedFileError& error) {
        EXPECT_EQ(error.path, world.Path("none") + "\\Smile`s_version.txt");
        EXPECT_FALSE(error.reason.empty());
    }
}

TEST(ElapsedTime, HoursMinutesSecondsAcrossTheTickCountsWrap) {
    EXPECT_EQ(FormatElapsed(3723000), "01:02:03");
    EXPECT_EQ(FormatElapsed(45000), "00:00:45");
    EXPECT_EQ(FormatElapsed(360000000), "100:00:00");
    EXPECT_EQ(FormatElapsed(999), "00:00:00");

    InstallClock clock;
    StartClock(clock, 0xFFFFF000);
    clock.paused = 1000;
    EXPECT_EQ(ElapsedMs(clock, 0x1000), 0x2000u - 1000);
}

}  // namespace
}  // namespace velmora::test
