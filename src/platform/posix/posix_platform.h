#pragma once
// The POSIX side of the platform, used by the native tests: real files in real folders,
// with "\" in paths taken as "/" and code page 1251 as the ANSI code page. A file without any
// write permission stands in for a file with the read-only attribute.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/files.h"
#include "platform/host.h"
#include "platform/processes.h"
#include "platform/registry.h"

namespace velmora {

std::string ToPosixPath(const std::string& path);

class PosixFiles : public Files {
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

// A tick count that stands still until the caller moves it.
class PosixClock : public Clock {
  public:
    uint32_t TickCount() override { return now; }

    uint32_t now = 0;
};

// A host whose facts are set by the caller. A restart is only counted, a mail only kept.
class PosixHost : public Host {
  public:
    explicit PosixHost(std::string programFolder) : folder_(std::move(programFolder)) {}

    std::string ProgramFolder() override { return folder_; }
    std::vector<std::string> Arguments() override { return arguments; }
    WindowsVersion GetWindowsVersion() override { return version; }
    void RestartSystem() override { ++restarts; }
    void SendMail(const MailMessage& message) override { mails.push_back(message); }

    std::vector<std::string> arguments;
    WindowsVersion version{5, 1, 2600};
    int restarts = 0;
    std::vector<MailMessage> mails;

  private:
    std::string folder_;
};

// Running programs as the caller lays them out: Linux has no windows of Windows programs.
class PosixProcesses : public Processes {
  public:
    std::vector<TopWindow> TopLevelWindows() override { return windows; }
    std::string ExecutablePath(uint32_t processId) override;

    std::vector<TopWindow> windows;
    std::vector<std::pair<uint32_t, std::string>> executables;  // process id, path
};

// The registry in memory: each value under its full path, with its registry type and its bytes
// as Windows stores them (a DWORD little-endian), so that a value of any type or size can be
// planted. While writable is false every write fails, as without administrator rights.
class PosixRegistry : public Registry {
  public:
    static constexpr uint32_t kString = 1;  // REG_SZ
    static constexpr uint32_t kDword = 4;   // REG_DWORD

    struct Value {
        uint32_t type = 0;
        std::string bytes;

        bool operator==(const Value& other) const {
            return type == other.type && bytes == other.bytes;
        }
    };

    bool ReadDword(const std::string& path, uint32_t& value) override;
    bool WriteDword(const std::string& path, uint32_t value) override;

    std::map<std::string, Value> values;
    bool writable = true;
};

}  // namespace velmora
