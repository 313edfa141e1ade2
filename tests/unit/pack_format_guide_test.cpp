// The pack author's guide: its examples are the files of docs/pack-format, and they work.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>

#include "base/text_lines.h"
#include "install/infium_names.h"
#include "install/version_record.h"
#include "pack/pack_texts.h"
#include "pack/smp_ini.h"
#include "test_world.h"

namespace velmora::test {
namespace {

const std::filesystem::path kExamples = std::filesystem::path(VELMORA_DOCS) / "pack-format";

std::string Example(const std::filesystem::path& name) {
    std::ifstream in(kExamples / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string WindowsText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

// A block after "<!-- example: docs/pack-format/NAME -->" is that file, others are commands;
// the files are ASCII with CR LF; SMP.ini and aboutSP.ini are sound, the record names the pack.
TEST(PackFormatGuide, EveryExampleIsItsFileAndSound) {
    const std::vector<std::string> lines = SplitLines(Example("../pack-format.md"));
    const std::string marker = "<!-- example: docs/pack-format/";
    std::set<std::string> shown;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].rfind("```", 0) != 0) continue;
        const size_t end = std::find(lines.begin() + i + 1, lines.end(), "```") - lines.begin();
        const std::string before = i > 0 ? lines[i - 1] : "";
        if (before.rfind(marker, 0) == 0 && before.size() > marker.size() + 4) {
            const std::string name =
                before.substr(marker.size(), before.size() - marker.size() - 4);
            shown.insert(name);
            EXPECT_EQ(WindowsText({lines.begin() + i + 1, lines.begin() + end}), Example(name))
                << "the guide's block before line " << i + 1;
        } else {
            EXPECT_EQ(lines[i], "```cmd") << "an example without its file at line " << i + 1;
        }
        i = end;
    }
    for (const auto& entry : std::filesystem::directory_iterator(kExamples)) {
        const std::string bytes = Example(entry.path().filename());
        EXPECT_TRUE(shown.count(entry.path().filename().string())) << entry.path();
        EXPECT_TRUE(std::all_of(bytes.begin(), bytes.end(), [](char c) { return c > 0; }));
        EXPECT_EQ(bytes, WindowsText(SplitLines(bytes))) << entry.path();
    }

    TestWorld world;
    for (const char* name : {"SMP.ini", "aboutSP.ini"})
        world.WriteBytes("Source SMP\\" + std::string(name), Example(name));
    const PackChecks checks{world.realFiles, world.folder, true};
    ASSERT_TRUE(LoadPackDescription(checks, world.wizard.pack).empty());
    EXPECT_TRUE(CheckAboutFile(checks, world.wizard.text).empty());
    EXPECT_EQ(ReadVersionRecord(world.realFiles, (kExamples / kVersionRecordName).string(),
                                RecordField::Identity),
              InfiumVariantsOf(world.wizard.pack)[0].identity);
}

}  // namespace
}  // namespace velmora::test
