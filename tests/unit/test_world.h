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

// Real files with faults on demand, and folders listed in name order so that what a test
// sees reads the same on every file system. A held path is open without sharing, as a running
// program holds it on Windows: it cannot be read, written, copied, replaced, moved or deleted.
// The failAt-th change fails; with dies every change from it on fails, as when the program is
// killed.
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
    std::vector<FolderEntry> ListFolder(const std::string& folder) override;

    std::string held;
    int changes = 0;
    int failAt = 0;  // none when 0
    bool dies = false;

  private:
    using Real = PosixFiles;
    static FileStatus InUse() { return FileStatus::Failed("The file is in use"); }
    bool Held(Path path) const;
    bool Fails(Path path, Path other = "");
};
using LockedFile = FileFaults;

// Every file and folder below a folder by its path there: its bytes and "(read-only)", or "/"
// for a folder, or "-> " and where a link leads.
using Snapshot = std::map<std::string, std::string>;
Snapshot TakeSnapshot(const std::string& folder);

// So many lines of text, each ending in CR LF.
std::string ListLines(int count);

// A language file: its header, a comment and an empty line, then data lines "t<n>" except
// where special says otherwise.
std::string LanguageFileText(int dataLines, const std::map<int, std::string>& special = {},
                             const std::string& header = "English");

class TestWorld;

// The sample pack "Sunny 1.0" of that type, its smile folders written below the program
// folder: 3 animated and 2 static smiles in full; the Lite Dark folders hold 1.gif and c.bmp,
// and the lite set leaves out "2" and "b". Some files are no smiles (readme.txt, a sub-folder
// named like a smile). Each file holds "F" or "L": the folder it comes from.
PackDescription SunnyPack(TestWorld& world, const std::string& type);

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
