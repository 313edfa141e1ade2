#include "test_world.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace velmora::test {

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

TestWorld::TestWorld()
    : folder([] {
          std::string name = (std::filesystem::temp_directory_path() / "velmora-XXXXXX").string();
          if (!mkdtemp(name.data())) ADD_FAILURE() << "cannot make a temporary folder";
          return name;
      }()),
      host(folder),
      platform{realFiles, dialogs, host, processes, registry, clock},
      wizard(platform) {
    wizard.state.ProgramVersion = "2.2.0.lang";
}

void TestWorld::WriteBytes(const std::string& relative, const std::string& bytes) {
    const std::filesystem::path path = Path(relative);
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

void TestWorld::Write(const std::string& relative, const std::string& text) {
    WriteBytes(relative, "");
    ASSERT_TRUE(realFiles.WriteText(Path(relative), text).ok);
}

void TestWorld::FillSmileFolder(const std::string& name, int smiles, int defineLines) {
    const std::string folder = "Source SMP\\" + name;
    std::filesystem::remove_all(Path(folder));
    const char* extension = name.rfind("Animated", 0) == 0 ? ".gif" : ".bmp";
    for (int i = 0; i < smiles; ++i)
        WriteBytes(folder + "\\" + std::to_string(i) + extension, "");
    Write(folder + "\\_define.ini", ListLines(defineLines));
}

Snapshot TakeSnapshot(const std::string& folder) {
    namespace fs = std::filesystem;
    Snapshot tree;
    if (!fs::exists(folder)) return tree;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
        const fs::path& path = entry.path();
        std::ifstream in(path, std::ios::binary);
        tree[path.string().substr(folder.size())] =
            entry.is_symlink()     ? "-> " + fs::read_symlink(path).string()
            : entry.is_directory() ? "/"
                                   : std::string(std::istreambuf_iterator<char>(in), {}) +
                                         (access(path.c_str(), W_OK) ? "(read-only)" : "");
    }
    return tree;
}

}  // namespace velmora::test
