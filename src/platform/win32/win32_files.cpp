#include "platform/utf8.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_platform.h"

namespace velmora {
namespace {

class FileHandle {
  public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() {
        if (ok()) CloseHandle(handle_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    bool ok() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }

  private:
    HANDLE handle_;
};

FileStatus LastError() {
    return FileStatus::Failed(SystemErrorText(GetLastError()));
}

}  // namespace

bool Win32Files::IsFile(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    return GetFileAttributesExW(WidePath(path).c_str(), GetFileExInfoStandard, &data) &&
           !(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32Files::IsFolder(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(WidePath(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

FileText Win32Files::ReadText(const std::string& path) {
    FileText result;
    FileHandle file(CreateFileW(WidePath(path).c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.ok()) {
        result.status = LastError();
        return result;
    }
    std::string bytes;
    char buffer[4096];
    DWORD got = 0;
    while (true) {
        if (!ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr)) {
            result.status = LastError();
            return result;
        }
        if (got == 0) break;
        bytes.append(buffer, got);
    }
    result.text = StripUtf8Bom(bytes) ? bytes : AnsiToUtf8(bytes);
    return result;
}

FileStatus Win32Files::WriteText(const std::string& path, const std::string& text) {
    FileHandle file(CreateFileW(WidePath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.ok()) return LastError();
    const std::string bytes = Utf8ToAnsi(text);
    DWORD written = 0;
    if (!WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written != bytes.size()) {
        return LastError();
    }
    return {};
}

std::vector<FolderEntry> Win32Files::ListFolder(const std::string& folder) {
    std::vector<FolderEntry> entries;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(WidePath(folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return entries;
    do {
        const std::string name = Utf8(found.cFileName);
        if (name == "." || name == "..") continue;
        entries.push_back({name, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return entries;
}

}  // namespace velmora
