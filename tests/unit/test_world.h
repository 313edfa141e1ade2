#pragma once
// A program folder of its own for each test, real files in it, and message boxes that are
// recorded and answered from a script.

#include <deque>
#include <string>
#include <vector>

#include "app/wizard.h"
#include "platform/posix/posix_platform.h"

namespace velmora::test {

class ScriptedDialogs : public Dialogs {
  public:
    BoxAnswer ShowMessage(const MessageBoxRequest& box) override;
    void EnableNextButton() override { ++nextEnabled; }

    std::vector<MessageBoxRequest> shown;
    std::deque<BoxAnswer> answers;  // taken in order; Ok (or No for questions) when none left
    int nextEnabled = 0;
};

// A file layer on which one file exists but cannot be read, as a locked file on Windows.
class LockedFile : public Files {
  public:
    LockedFile(Files& real, std::string path) : real_(real), locked_(std::move(path)) {}
    bool IsFile(const std::string& path) override { return real_.IsFile(path); }
    FileText ReadText(const std::string& path) override;
    FileStatus WriteText(const std::string& path, const std::string& text) override {
        return real_.WriteText(path, text);
    }
    std::vector<FolderEntry> ListFolder(const std::string& folder) override {
        return real_.ListFolder(folder);
    }

  private:
    Files& real_;
    std::string locked_;
};

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
    std::string Path(const std::string& relative) const;

    std::string folder;
    PosixFiles realFiles;
    ScriptedDialogs dialogs;
    PosixHost host;
    Platform platform;
    Wizard wizard;
};

}  // namespace velmora::test
