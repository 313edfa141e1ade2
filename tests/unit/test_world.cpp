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

BoxAnswer ScriptedDialogs::ShowMessage(const MessageBoxRequest& box) {
    shown.push_back(box);
    if (answers.empty()) return box.buttons == BoxButtons::YesNo ? BoxAnswer::No : BoxAnswer::Ok;
    const BoxAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

FileText LockedFile::ReadText(const std::string& path) {
    if (path == locked_) return {FileStatus::Failed("The file is in use"), ""};
    return real_.ReadText(path);
}

TestWorld::TestWorld()
    : folder(MakeTempFolder()), host(folder), platform{realFiles, dialogs, host}, wizard(platform) {
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

void TestWorld::MakeFolder(const std::string& relative) {
    std::filesystem::create_directories(Path(relative));
}

}  // namespace velmora::test
