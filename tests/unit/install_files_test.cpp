// The installation's small rules: which smiles the lite step removes, emptying a folder, the
// installed-pack record, and the elapsed time.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "base/unexpected_error.h"
#include "install/copy_smiles.h"
#include "install/install_plan.h"
#include "install/version_record.h"
#include "test_world.h"

namespace velmora::test {
namespace {

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

TEST(Removal, LiteSmilesByTheirListAndEveryFileOfAFolder) {
    const std::vector<std::string> lines = {"// smile05", "", "smile01", "smile02 ", "SMILE03",
                                            "smile04"};
    EXPECT_EQ(LiteRemovals({"SMILE01.GIF", "smile01.bmp", "smile02.gif", "smile03.gif",
                            "smile05.gif", "smile03.gif"},
                           lines, true),
              (std::vector<std::string>{"SMILE01.GIF", "smile03.gif"}));

    TestWorld world;
    for (const char* name : {"a.gif", "b.bmp"}) world.WriteBytes(std::string("skin\\") + name, "");
    chmod(world.Path("skin\\a.gif").c_str(), 0444);
    world.MakeFolder("skin\\sub");
    const std::string skin = world.Path("skin");
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
