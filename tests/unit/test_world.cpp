#include "test_world.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace velmora::test {
namespace {

std::string MakeTempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "velmora-XXXXXX").string();
    if (!mkdtemp(pattern.data())) ADD_FAILURE() << "cannot make a temporary folder";
    return pattern;
}

}  // namespace

std::string ListLines(int count) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += ":-) smile" + std::to_string(i) + ".gif\r\n";
    return text;
}

std::string LanguageFileText(int dataLines, const std::map<int, std::string>& special,
                             const std::string& header) {
    std::string text = header + "\r\n// translated by hand\r\n\r\n";
    for (int n = 1; n <= dataLines; ++n) {
        const auto it = special.find(n);
        text += (it != special.end() ? it->second : "t" + std::to_string(n)) + "\r\n";
    }
    return text;
}

BoxAnswer ScriptedDialogs::Ask(const MessageBoxRequest& box) {
    shown.push_back(box);
    if (answers.empty()) return box.buttons == BoxButtons::YesNo ? BoxAnswer::No : BoxAnswer::Ok;
    const BoxAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

bool FileFaults::Held(const std::string& path) const {
    return !held.empty() && std::filesystem::path(ToPosixPath(path)).lexically_normal() ==
                                std::filesystem::path(ToPosixPath(held)).lexically_normal();
}

bool FileFaults::Fails(const std::string& path, const std::string& other) {
    if (Held(path) || Held(other)) return true;
    return ++changes == failAt || (dies && failAt > 0 && changes > failAt);
}

std::vector<FolderEntry> FileFaults::ListFolder(const std::string& folder) {
    std::vector<FolderEntry> entries = PosixFiles::ListFolder(folder);
    std::sort(entries.begin(), entries.end(),
              [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
    return entries;
}

Snapshot TakeSnapshot(const std::string& folder) {
    namespace fs = std::filesystem;
    Snapshot snapshot;
    if (!fs::exists(folder)) return snapshot;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
        std::string& item = snapshot[entry.path().string().substr(folder.size())];
        if (entry.is_symlink()) {
            item = "-> " + fs::read_symlink(entry.path()).string();
        } else if (entry.is_directory()) {
            item = "/";
        } else {
            std::ifstream in(entry.path(), std::ios::binary);
            item = std::string(std::istreambuf_iterator<char>(in), {});
            if (access(entry.path().c_str(), W_OK) != 0) item += "(read-only)";
        }
    }
    return snapshot;
}

PackDescription SunnyPack(TestWorld& world, const std::string& type) {
    PackDescription pack;
    pack.NameAndVersion = "Sunny 1.0";
    pack.CreationDate = "01.12.2026";
    pack.PackType = type;
    pack.AnimatedFullLightCount = "3";
    pack.AnimatedLiteDarkCount = "2";
    pack.StaticFullLightCount = "2";
    pack.StaticLiteDarkCount = "1";
    const std::string full = " Single Full Light\\", lite = " Lite Dark\\";
    for (const char* name :
         {"1.gif", "2.GIF", "3.gif", "_define.ini", "readme.txt", "sub.gif\\4.gif"})
        world.WriteBytes("Source SMP\\Animated" + full + name, "F");
    for (const char* name : {"a.bmp", "b.bmp", "_define.ini"})
        world.WriteBytes("Source SMP\\Static" + full + name, "F");
    for (const char* name : {"Animated Lite Dark\\1.gif", "Animated Lite Dark\\_define.ini",
                             "Static Lite Dark\\c.bmp", "Static Lite Dark\\_define.ini"})
        world.WriteBytes(std::string("Source SMP\\") + name, "L");
    world.WriteBytes("Source SMP\\Animated" + lite + "DeleteLite.ini", "// left out\r\n2\r\n");
    world.WriteBytes("Source SMP\\Static" + lite + "DeleteLite.ini", "b\r\n");
    return pack;
}

TestWorld::TestWorld()
    : folder(MakeTempFolder()),
      host(folder),
      platform{realFiles, dialogs, host, processes, registry, clock},
      wizard(platform) {
    wizard.state.ProgramVersion = "2.2.0.lang";
}

TestWorld::~TestWorld() {
    std::filesystem::remove_all(folder);
}

std::string TestWorld::Path(const std::string& relative) const {
    return folder + ToPosixPath("\\" + relative);
}

void TestWorld::WriteBytes(const std::string& relative, const std::string& bytes) {
    const std::filesystem::path path = Path(relative);
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

void TestWorld::Write(const std::string& relative, const std::string& text) {
    const std::filesystem::path path = Path(relative);
    std::filesystem::create_directories(path.parent_path());
    ASSERT_TRUE(realFiles.WriteText(path.string(), text).ok);
}

void TestWorld::FillSmileFolder(const std::string& name, int smiles, int defineLines) {
    const std::string folder = "Source SMP\\" + name;
    std::filesystem::remove_all(Path(folder));
    const char* extension = name.rfind("Animated", 0) == 0 ? ".gif" : ".bmp";
    for (int i = 0; i < smiles; ++i)
        WriteBytes(folder + "\\" + std::to_string(i) + extension, "");
    Write(folder + "\\_define.ini", ListLines(defineLines));
}

void TestWorld::MakeFolder(const std::string& relative) {
    std::filesystem::create_directories(Path(relative));
}

}  // namespace velmora::test
