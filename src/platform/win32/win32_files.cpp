#include "platform/win32/win32_platform.h"

#include <shellapi.h>

#include <cstring>

#include "platform/utf8.h"
#include "platform/win32/wide.h"

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

// A path as the shell's file operation takes it: "\\" as the only separator.
std::wstring ShellPath(const std::string& path) {
    std::wstring wide = Wide(path);
    for (wchar_t& c : wide) {
        if (c == L'/') c = L'\\';
    }
    return wide;
}

// The shell's operation can report success for a copy it could not make (Wine's does when
// the destination is held open), so the copy is judged by its result as well: the
// destination can be read and holds the source's bytes.
bool HoldsSameBytes(const std::wstring& copy, const std::wstring& original) {
    const auto open = [](const std::wstring& path) {
        return CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    };
    const FileHandle a(open(copy));
    const FileHandle b(open(original));
    if (!a.ok() || !b.ok()) return false;
    char bufferA[8192];
    char bufferB[8192];
    while (true) {
        DWORD gotA = 0;
        DWORD gotB = 0;
        if (!ReadFile(a.get(), bufferA, sizeof bufferA, &gotA, nullptr) ||
            !ReadFile(b.get(), bufferB, sizeof bufferB, &gotB, nullptr) || gotA != gotB ||
            std::memcmp(bufferA, bufferB, gotA) != 0) {
            return false;
        }
        if (gotA == 0) return true;
    }
}

bool IsFolderAt(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Where the levels of a path begin that may need creating: past "\\?\UNC\", "\\?\" or
// the "\\" of a network path.
size_t FirstLevel(const std::wstring& path) {
    if (path.rfind(L"\\\\?\\UNC\\", 0) == 0) return 8;
    if (path.rfind(L"\\\\?\\", 0) == 0) return 4;
    if (path.rfind(L"\\\\", 0) == 0) return 2;
    return 0;
}

}  // namespace

bool Win32Files::IsFile(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    return GetFileAttributesExW(WidePath(path).c_str(), GetFileExInfoStandard, &data) &&
           !(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32Files::IsFolder(const std::string& path) {
    return IsFolderAt(WidePath(path));
}

PathKind Win32Files::KindOf(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(WidePath(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return PathKind::Missing;
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) return PathKind::Link;
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? PathKind::Folder : PathKind::File;
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
    const std::string bytes = TextFileBytes(text, Utf8ToAnsi, AnsiToUtf8);
    DWORD written = 0;
    if (!WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written != bytes.size()) {
        return LastError();
    }
    return {};
}

FileStatus Win32Files::WriteUtf8Durably(const std::string& path, const std::string& text) {
    FileHandle file(CreateFileW(WidePath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.ok()) return LastError();
    const std::string bytes = "\xEF\xBB\xBF" + text;
    DWORD written = 0;
    if (!WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written != bytes.size() || !FlushFileBuffers(file.get())) {
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
        const DWORD attributes = found.dwFileAttributes;
        entries.push_back({name, (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                           (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0});
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return entries;
}

bool Win32Files::CopyFileOver(const std::string& from, const std::string& to) {
    return CopyFileW(WidePath(from).c_str(), WidePath(to).c_str(), FALSE) != 0;
}

bool Win32Files::ShellCopy(const std::string& from, const std::string& to) {
    const std::wstring source = ShellPath(from);
    const std::wstring destination = ShellPath(to);
    // Given a folder, the shell would copy into it, and a folder as the source is copied with
    // everything below it: only a file goes to a file path.
    const DWORD sourceAttributes = GetFileAttributesW(source.c_str());
    if (sourceAttributes == INVALID_FILE_ATTRIBUTES ||
        (sourceAttributes & FILE_ATTRIBUTE_DIRECTORY) || IsFolderAt(destination)) {
        return false;
    }
    // Each list holds one path and ends with two zero characters.
    const std::wstring sourceList = source + std::wstring(2, L'\0');
    const std::wstring destinationList = destination + std::wstring(2, L'\0');
    SHFILEOPSTRUCTW operation{};
    operation.hwnd = nullptr;
    operation.wFunc = FO_COPY;
    operation.pFrom = sourceList.c_str();
    operation.pTo = destinationList.c_str();
    // FOF_NOERRORUI: on a failure Windows's shell would otherwise stop the copy behind a box
    // of its own, which the program's copy report repeats anyway.
    operation.fFlags =
        FOF_SILENT | FOF_NOCONFIRMATION | FOF_ALLOWUNDO | FOF_NOCONFIRMMKDIR | FOF_NOERRORUI;
    if (SHFileOperationW(&operation) != 0 || operation.fAnyOperationsAborted) return false;
    return HoldsSameBytes(destination, source);
}

FileStatus Win32Files::Move(const std::string& from, const std::string& to) {
    // Without MOVEFILE_COPY_ALLOWED a move to another volume fails instead of copying.
    if (!MoveFileExW(WidePath(from).c_str(), WidePath(to).c_str(), 0)) return LastError();
    return {};
}

bool Win32Files::MakeFolders(const std::string& folder) {
    const std::wstring path = WidePath(folder);
    // Every level from the top; those that exist already refuse, and so do a drive or share.
    for (size_t end = path.find(L'\\', FirstLevel(path)); end != std::wstring::npos;
         end = path.find(L'\\', end + 1)) {
        CreateDirectoryW(path.substr(0, end).c_str(), nullptr);
    }
    CreateDirectoryW(path.c_str(), nullptr);
    return IsFolderAt(path);
}

bool Win32Files::RemoveFile(const std::string& path) {
    const std::wstring file = WidePath(path);
    const DWORD attributes = GetFileAttributesW(file.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    if (attributes & FILE_ATTRIBUTE_READONLY)
        SetFileAttributesW(file.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
    return DeleteFileW(file.c_str()) != 0;
}

bool Win32Files::RemoveFolder(const std::string& folder) {
    return RemoveDirectoryW(WidePath(folder).c_str()) != 0;
}

}  // namespace velmora
