#pragma once
// A program folder of its own for each test, real files in it, and message boxes that are
// recorded and answered from a script.

#include <algorithm>
#include <deque>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "app/wizard.h"
#include "platform/posix/posix_platform.h"

namespace velmora::test {

class ScriptedDialogs : public Dialogs {
  public:
    BoxAnswer Ask(const MessageBoxRequest& box) override {
        shown.push_back(box);
        if (answers.empty())
            return box.buttons == BoxButtons::YesNo ? BoxAnswer::No : BoxAnswer::Ok;
        const BoxAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<MessageBoxRequest> shown;
    std::deque<BoxAnswer> answers;  // taken in order; Ok (or No for questions) when none left
};

// Real files, listed in name order to read the same on every file system, with faults on demand.
// A held path is open without sharing, as by a running program on Windows: no reading, writing,
// copying, replacing, moving or deleting. The failAt-th change fails; with dies every later one.
class FileFaults : public PosixFiles {
  public:
    using Path = const std::string&;
    explicit FileFaults(Path heldPath = "") : held(heldPath) {}
    FileText ReadText(Path p) override {
        return Held(p) ? FileText{InUse(), ""} : Real::ReadText(p);
    }
    FileStatus WriteText(Path p, Path t) override {
        return Fails(p) ? InUse() : Real::WriteText(p, t);
    }
    FileStatus WriteUtf8Durably(Path p, Path t) override {
        return Fails(p) ? InUse() : Real::WriteUtf8Durably(p, t);
    }
    bool CopyFileOver(Path f, Path t) override { return !Fails(f, t) && Real::CopyFileOver(f, t); }
    bool ShellCopy(Path f, Path t) override { return !Fails(f, t) && Real::ShellCopy(f, t); }
    FileStatus Move(Path f, Path t) override { return Fails(f, t) ? InUse() : Real::Move(f, t); }
    bool MakeFolders(Path f) override { return !Fails(f) && Real::MakeFolders(f); }
    bool RemoveFile(Path p) override { return !Fails(p) && Real::RemoveFile(p); }
    bool RemoveFolder(Path f) override { return !Fails(f) && Real::RemoveFolder(f); }
    std::vector<FolderEntry> ListFolder(Path folder) override {
        std::vector<FolderEntry> entries = Real::ListFolder(folder);
        std::sort(entries.begin(), entries.end(), [](auto& a, auto& b) { return a.name < b.name; });
        return entries;
    }

    std::string held;
    int changes = 0;
    int failAt = 0;  // none when 0
    bool dies = false;

  private:
    using Real = PosixFiles;
    static FileStatus InUse() { return FileStatus::Failed("The file is in use"); }
    bool Held(Path path) const {
        return !held.empty() && std::filesystem::path(ToPosixPath(path)).lexically_normal() ==
                                    std::filesystem::path(ToPosixPath(held)).lexically_normal();
    }
    bool Fails(Path path, Path other = "") {
        if (Held(path) || Held(other)) return true;
        return ++changes == failAt || (dies && failAt > 0 && changes > failAt);
    }
};
using LockedFile = FileFaults;

// So many lines of text, each ending in CR LF.
std::string ListLines(int count);

// A language file: its header, a comment, an empty line, then lines "t<n>" or as special says.
std::string LanguageFileText(int dataLines, const std::map<int, std::string>& special = {},
                             const std::string& header = "English");

class TestWorld {
  public:
    TestWorld();
    ~TestWorld() { std::filesystem::remove_all(folder); }
    TestWorld(const TestWorld&) = delete;
    TestWorld& operator=(const TestWorld&) = delete;

    // Writes a file below the program folder; the relative path uses "\" like the program.
    // Text is UTF-8 here and lands on disk in code page 1251, as a Windows user's file would.
    void Write(const std::string& relative, const std::string& text);
    void WriteBytes(const std::string& relative, const std::string& bytes);
    void MakeFolder(const std::string& relative) {
        std::filesystem::create_directories(Path(relative));
    }
    // Replaces a smile folder of the pack ("Animated ..." holds .gif, others .bmp) by one with
    // so many images and so many lines in its _define.ini.
    void FillSmileFolder(const std::string& name, int smiles, int defineLines);
    std::string Path(const std::string& relative) const {
        return folder + ToPosixPath("\\" + relative);
    }
    // The checks of the pack as the wizard makes them: its test mode, its log.
    PackChecks Checks() { return PackChecksOf(wizard); }

    std::string folder;
    PosixFiles realFiles;
    ScriptedDialogs dialogs;
    PosixHost host;
    PosixProcesses processes;
    PosixRegistry registry;
    PosixClock clock;
    Platform platform;
    Wizard wizard;
};

// Every file and folder below a folder by its path there: its bytes and "(read-only)", "/" for
// a folder, or "-> " and where a link leads.
using Snapshot = std::map<std::string, std::string>;
Snapshot TakeSnapshot(const std::string& folder);

}  // namespace velmora::test
