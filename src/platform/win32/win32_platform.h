#pragma once
// The Windows side of the platform: W functions only, texts converted at the call.

#include <windows.h>

#include <mapi.h>

#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/host.h"
#include "platform/processes.h"
#include "platform/registry.h"

namespace velmora {

class Win32Files : public Files {
  public:
    bool IsFile(const std::string& path) override;
    bool IsFolder(const std::string& path) override;
    PathKind KindOf(const std::string& path) override;
    FileText ReadText(const std::string& path) override;
    FileStatus WriteText(const std::string& path, const std::string& text) override;
    FileStatus WriteUtf8Durably(const std::string& path, const std::string& text) override;
    std::vector<FolderEntry> ListFolder(const std::string& folder) override;
    bool CopyFileOver(const std::string& from, const std::string& to) override;
    bool ShellCopy(const std::string& from, const std::string& to) override;
    FileStatus Move(const std::string& from, const std::string& to) override;
    bool MakeFolders(const std::string& folder) override;
    bool RemoveFile(const std::string& path) override;
    bool RemoveFolder(const std::string& folder) override;
};

class Win32Clock : public Clock {
  public:
    uint32_t TickCount() override { return GetTickCount(); }
};

// Every box is system-modal. A box owned by the main window disables it as any owned box
// does; a box without an owner disables the main window too while it is open, so that no
// click on the wizard can slip past the box.
class Win32Dialogs : public Dialogs {
  public:
    BoxAnswer Ask(const MessageBoxRequest& box) override;

    // The wizard's window once it exists; boxes owned by the window need it.
    HWND mainWindow = nullptr;
};

// The top-level windows through EnumWindows, and each process's executable through Tool Help,
// which is looked up in kernel32 at run time. The wizard's own window is marked.
class Win32Processes : public Processes {
  public:
    explicit Win32Processes(const Win32Dialogs& dialogs) : dialogs_(dialogs) {}
    std::vector<TopWindow> TopLevelWindows() override;
    std::string ExecutablePath(uint32_t processId) override;

  private:
    const Win32Dialogs& dialogs_;  // knows the wizard's window
};

// Values under HKEY_LOCAL_MACHINE. A 32-bit program under WOW64 reaches them in the 64-bit view,
// the one the system itself reads: its own view of SOFTWARE is a separate copy.
class Win32Registry : public Registry {
  public:
    bool ReadDword(const std::string& path, uint32_t& value) override;
    bool WriteDword(const std::string& path, uint32_t value) override;
};

// The full path of the running executable.
std::wstring ProgramFilePath();

// Simple MAPI, the system's mail client. Whether the system enables it is found out on the
// first mail, and only then is MAPI32.DLL loaded, from the system folder; that is decided once
// for the run, and the library is released with this object, at the end of the run.
class SimpleMapi {
  public:
    SimpleMapi() = default;
    ~SimpleMapi();
    SimpleMapi(const SimpleMapi&) = delete;
    SimpleMapi& operator=(const SimpleMapi&) = delete;

    // Shows the message in the client's compose window; without a client nothing happens.
    void Send(const MailMessage& message);

  private:
    bool bound_ = false;
    HMODULE library_ = nullptr;
    LPMAPISENDMAIL sendMail_ = nullptr;
};

class Win32Host : public Host {
  public:
    std::string ProgramFolder() override;
    std::vector<std::string> Arguments() override;
    WindowsVersion GetWindowsVersion() override;
    void RestartSystem() override;
    void SendMail(const MailMessage& message) override { mail_.Send(message); }

  private:
    SimpleMapi mail_;
};

}  // namespace velmora
