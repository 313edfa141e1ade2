#pragma once
// A program folder of its own for each test, real files in it, and message boxes that are
// recorded and answered from a script.

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "app/wizard.h"
#include "platform/posix/posix_platform.h"

namespace velmora::test {

class ScriptedDialogs : public Dialogs {
  public:
    BoxAnswer Ask(const MessageBoxRequest& box) override;

    std::vector<MessageBoxRequest> shown;
    std::deque<BoxAnswer> answers;  // taken in order; Ok (or No for questions) when none left
};

// Real files, of which one is held open without sharing, as a running program holds it on
// Windows: it cannot be read, written, copied, replaced by a copy, moved or deleted.
class LockedFile : public PosixFiles {
  public:
    explicit LockedFile(const std::string& path) : locked_(ToPosixPath(path)) {}
    FileText ReadText(const std::string& path) override;
    FileStatus WriteText(const std::string& path, const std::string& text) override;
    bool CopyFileOver(const std::string& from, const std::string& to) override;
    bool ShellCopy(const std::string& from, const std::string& to) override;
    FileStatus Move(const std::string& from, const std::string& to) override;
    bool RemoveFile(const std::string& path) override;

  private:
    bool IsLocked(const std::string& path) const { return ToPosixPath(path) == locked_; }

    std::string locked_;
};

// So many lines of text, each ending in CR LF.
std::string ListLines(int count);

// A language file: its header, a comment and an empty line, then data lines "t<n>" except
// where special says otherwise.
std::string LanguageFileText(int dataLines, const std::map<int, std::string>& special = {},
                             const std::string& header = "English");

class TestWorld {
  public:
    TestWorld();
    ~TestWorld();
    TestWorld(const TestWorld&) = delete;
    TestWorld& operator=(const TestWorld&) = delete;

    // Writes a file below the program folder; the relative path uses "\" like the program.
    // Text is UTF-8 here and lands on disk in code page 1251, as a Windows user's file would.
    void Write(const std::string& relative, const std::string& text);
    void WriteBytes(const std::string& relative, const std::string& bytes);
    void MakeFolder(const std::string& relative);
    // Replaces a smile folder of the pack ("Animated ..." holds .gif, others .bmp) by one with
    // so many images and so many lines in its _define.ini.
    void FillSmileFolder(const std::string& name, int smiles, int defineLines);
    std::string Path(const std::string& relative) const;
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

}  // namespace velmora::test
