#include "test_world.h"

#include <gtest/gtest.h>
#include <stdlib.h>

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

}  // namespace velmora::test
