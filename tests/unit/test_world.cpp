#include "test_world.h"

#include <gtest/gtest.h>
#include <stdlib.h>

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

FileText LockedFile::ReadText(const std::string& path) {
    if (IsLocked(path)) return {FileStatus::Failed("The file is in use"), ""};
    return PosixFiles::ReadText(path);
}

FileStatus LockedFile::WriteText(const std::string& path, const std::string& text) {
    if (IsLocked(path)) return FileStatus::Failed("The file is in use");
    return PosixFiles::WriteText(path, text);
}

bool LockedFile::CopyFileOver(const std::string& from, const std::string& to) {
    return !IsLocked(from) && !IsLocked(to) && PosixFiles::CopyFileOver(from, to);
}

bool LockedFile::ShellCopy(const std::string& from, const std::string& to) {
    return !IsLocked(from) && !IsLocked(to) && PosixFiles::ShellCopy(from, to);
}

FileStatus LockedFile::Move(const std::string& from, const std::string& to) {
    if (IsLocked(from) || IsLocked(to)) return FileStatus::Failed("The file is in use");
    return PosixFiles::Move(from, to);
}

bool LockedFile::RemoveFile(const std::string& path) {
    return !IsLocked(path) && PosixFiles::RemoveFile(path);
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
