// The pack author's guide: its examples are the files of docs/pack-format, and each of them
// means to the program what the guide says.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>

#include "base/text_lines.h"
#include "install/infium_names.h"
#include "install/version_record.h"
#include "pack/smp_ini.h"
#include "report/pack_check.h"
#include "test_world.h"

namespace velmora::test {
namespace {

const std::filesystem::path kExamples = std::filesystem::path(VELMORA_DOCS) / "pack-format";

std::string Bytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string Example(const std::string& name) {
    return Bytes(kExamples / name);
}

// The lines, each ended by CR LF.
std::string WindowsText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

// A block that follows "<!-- example: docs/pack-format/NAME -->" is that file; any other
// block is a command line, marked as such.
TEST(PackFormatGuide, EveryExampleIsItsFileAndEveryFileIsShown) {
    const std::vector<std::string> lines = SplitLines(Bytes(VELMORA_DOCS "/pack-format.md"));
    const std::string marker = "<!-- example: docs/pack-format/";
    std::set<std::string> shown;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].rfind("```", 0) != 0) continue;
        size_t end = i + 1;
        while (end < lines.size() && lines[end] != "```")
            ++end;
        const std::string block = WindowsText({lines.begin() + i + 1, lines.begin() + end});
        const std::string before = i > 0 ? lines[i - 1] : "";
        if (before.rfind(marker, 0) == 0 && before.size() > marker.size() + 4) {
            const std::string name =
                before.substr(marker.size(), before.size() - marker.size() - 4);
            shown.insert(name);
            EXPECT_EQ(block, Example(name)) << "the guide's block before line " << i + 1;
        } else {
            EXPECT_EQ(lines[i], "```cmd") << "an example without its file at line " << i + 1;
        }
        i = end;
    }
    // The files read alike in every code page, with the line ends of Windows.
    for (const auto& entry : std::filesystem::directory_iterator(kExamples)) {
        const std::string name = entry.path().filename().string();
        const std::string bytes = Bytes(entry.path());
        EXPECT_TRUE(shown.count(name)) << name << " is not shown in the guide";
        EXPECT_TRUE(std::all_of(bytes.begin(), bytes.end(), [](char c) { return c > 0; })) << name;
        EXPECT_EQ(bytes, WindowsText(SplitLines(bytes))) << name;
    }
}

TEST(PackFormatGuide, TheExamplePackPassesTheAuthorsCheckAndItsRecordNamesIt) {
    // The smile folders as the guide lays them out: each full set holds the smiles its
    // _define.ini lists; each lite folder holds DeleteLite.ini and the _define.ini of the rest.
    TestWorld world;
    const std::vector<std::string> leftOut = SplitLines(Example("DeleteLite.ini"));
    std::string liteList;
    for (const std::string& line : SplitLines(Example("_define.ini"))) {
        const std::string stem = line.substr(0, line.find('.'));
        if (std::find(leftOut.begin(), leftOut.end(), stem) == leftOut.end())
            liteList += line + "\r\n";
        world.WriteBytes("Source SMP\\Animated Single Full Light\\" + stem + ".gif", "");
        world.WriteBytes("Source SMP\\Static Single Full Light\\" + stem + ".bmp", "");
    }
    for (const std::string kind : {"Source SMP\\Animated", "Source SMP\\Static"}) {
        world.WriteBytes(kind + " Single Full Light\\_define.ini", Example("_define.ini"));
        world.WriteBytes(kind + " Lite Dark\\_define.ini", liteList);
        world.WriteBytes(kind + " Lite Dark\\DeleteLite.ini", Example("DeleteLite.ini"));
    }
    for (const char* name : {"SMP.ini", "aboutSP.ini"})
        world.WriteBytes("Source SMP\\" + std::string(name), Example(name));

    // The author's check finds nothing: SMP.ini, the counts against the folders, and
    // aboutSP.ini in test mode.
    const PackCheckReport check =
        CheckPackForAuthor(world.realFiles, world.folder, "Russian", "2.2.0.lang");
    EXPECT_EQ(check.verdict, PackVerdict::Installs);
    EXPECT_TRUE(check.findings.empty()) << check.findings.front();
    PackDescription& pack = world.wizard.pack;
    ASSERT_TRUE(LoadPackDescription(world.Checks(), pack).empty());
    // The example record names the first variant of the pack.
    EXPECT_EQ(ReadVersionRecord(world.realFiles, (kExamples / kVersionRecordName).string(),
                                RecordField::Identity),
              InfiumVariantsOf(pack)[0].identity);
}

}  // namespace
}  // namespace velmora::test
