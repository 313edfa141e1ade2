#include <dirent.h>
#include <fcntl.h>
#include <sys/sendfile.h>
#include <sys/stat.h>
#include <unistd.h>

#include <stdio.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "platform/posix/cp1251.h"
#include "platform/posix/posix_platform.h"
#include "platform/utf8.h"

namespace velmora {
namespace {

bool IsReadOnly(const struct stat& info) {
    return (info.st_mode & 0222) == 0;
}

class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return fd_; }

  private:
    int fd_;
};

// The permission bits a file created with that mode gets, with the process's umask applied.
mode_t CreatedMode(mode_t mode) {
    static const mode_t mask = [] {
        const mode_t current = umask(0);
        umask(current);
        return current;
    }();
    return mode & ~mask;
}

// Copies the rest of one descriptor's file to the other: in the kernel where it can, else
// through a buffer.
bool CopyBytes(int in, int out, off_t size) {
    while (size > 0) {
        const ssize_t sent = sendfile(out, in, nullptr, size);
        if (sent <= 0) break;
        size -= sent;
    }
    char buffer[65536];
    ssize_t got = 0;
    while ((got = read(in, buffer, sizeof buffer)) > 0) {
        for (ssize_t done = 0; done < got;) {
            const ssize_t put = write(out, buffer + done, got - done);
            if (put < 0) return false;
            done += put;
        }
    }
    return got == 0;
}

// Copies a regular file's bytes and permissions over the destination. Windows's own copy
// refuses a read-only destination and the shell's replaces it: replaceReadOnly says which.
bool CopyRegularFile(const std::string& from, const std::string& to, bool replaceReadOnly) {
    const Descriptor in(open(from.c_str(), O_RDONLY));
    struct stat source {};
    if (in.get() < 0 || fstat(in.get(), &source) != 0 || !S_ISREG(source.st_mode)) return false;
    const mode_t mode = source.st_mode & 0777;
    // Most copies go to a name that is free: made new, the file needs no look at what was there.
    int fd = open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL, mode);
    const bool made = fd >= 0;
    if (!made && errno == EEXIST) {
        struct stat target {};
        if (stat(to.c_str(), &target) == 0) {
            // Truncating the destination would destroy a source that is the same file.
            if (target.st_dev == source.st_dev && target.st_ino == source.st_ino) return false;
            if (IsReadOnly(target)) {
                if (!replaceReadOnly) return false;
                chmod(to.c_str(), target.st_mode | S_IWUSR);
            }
        }
        fd = open(to.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    }
    const Descriptor out(fd);
    if (out.get() < 0 || !CopyBytes(in.get(), out.get(), source.st_size)) return false;
    return (made && CreatedMode(mode) == mode) || fchmod(out.get(), mode) == 0;
}

}  // namespace

std::string ToPosixPath(const std::string& path) {
    std::string out = path;
    for (char& c : out) {
        if (c == '\\') c = '/';
    }
    return out;
}

bool PosixFiles::IsFile(const std::string& path) {
    struct stat info {};
    return stat(ToPosixPath(path).c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool PosixFiles::IsFolder(const std::string& path) {
    struct stat info {};
    return stat(ToPosixPath(path).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

PathKind PosixFiles::KindOf(const std::string& path) {
    struct stat info {};
    if (lstat(ToPosixPath(path).c_str(), &info) != 0) return PathKind::Missing;
    if (S_ISLNK(info.st_mode)) return PathKind::Link;
    return S_ISDIR(info.st_mode) ? PathKind::Folder : PathKind::File;
}

std::string PosixProcesses::ExecutablePath(uint32_t processId) {
    for (const auto& [id, path] : executables) {
        if (id == processId) return path;
    }
    return kNoExecutable;
}

FileText PosixFiles::ReadText(const std::string& path) {
    FileText result;
    const int fd = open(ToPosixPath(path).c_str(), O_RDONLY);
    if (fd < 0) {
        result.status = FileStatus::Failed(std::strerror(errno));
        return result;
    }
    std::string bytes;
    char buffer[4096];
    ssize_t got = 0;
    while ((got = read(fd, buffer, sizeof buffer)) > 0)
        bytes.append(buffer, got);
    if (got < 0) result.status = FileStatus::Failed(std::strerror(errno));
    close(fd);
    if (result.status.ok) result.text = StripUtf8Bom(bytes) ? bytes : DecodeCp1251(bytes);
    return result;
}

FileStatus PosixFiles::WriteText(const std::string& path, const std::string& text) {
    std::ofstream out(ToPosixPath(path), std::ios::binary | std::ios::trunc);
    if (!out) return FileStatus::Failed(std::strerror(errno));
    out << TextFileBytes(text, EncodeCp1251, DecodeCp1251);
    out.close();
    if (!out) return FileStatus::Failed(std::strerror(errno));
    return {};
}

FileStatus PosixFiles::WriteUtf8Durably(const std::string& path, const std::string& text) {
    const Descriptor out(open(ToPosixPath(path).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644));
    if (out.get() < 0) return FileStatus::Failed(std::strerror(errno));
    const std::string bytes = "\xEF\xBB\xBF" + text;
    for (size_t done = 0; done < bytes.size();) {
        const ssize_t put = write(out.get(), bytes.data() + done, bytes.size() - done);
        if (put < 0) return FileStatus::Failed(std::strerror(errno));
        done += put;
    }
    if (fsync(out.get()) != 0) return FileStatus::Failed(std::strerror(errno));
    return {};
}

std::vector<FolderEntry> PosixFiles::ListFolder(const std::string& folder) {
    std::vector<FolderEntry> entries;
    const std::string base = ToPosixPath(folder);
    DIR* dir = opendir(base.c_str());
    if (!dir) return entries;
    while (const dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..") continue;
        // The entry's type comes with its name; a link, or a file system that does not say,
        // needs a look at what the name leads to.
        bool isFolder = entry->d_type == DT_DIR;
        if (entry->d_type == DT_UNKNOWN || entry->d_type == DT_LNK) {
            struct stat info {};
            isFolder = stat((base + "/" + name).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
        }
        // As on Windows under Wine, a name that starts with a dot is a hidden one.
        entries.push_back({name, isFolder, name[0] == '.'});
    }
    closedir(dir);
    return entries;
}

bool PosixFiles::CopyFileOver(const std::string& from, const std::string& to) {
    return CopyRegularFile(ToPosixPath(from), ToPosixPath(to), false);
}

bool PosixFiles::ShellCopy(const std::string& from, const std::string& to) {
    return CopyRegularFile(ToPosixPath(from), ToPosixPath(to), true);
}

FileStatus PosixFiles::Move(const std::string& from, const std::string& to) {
    if (renameat2(AT_FDCWD, ToPosixPath(from).c_str(), AT_FDCWD, ToPosixPath(to).c_str(),
                  RENAME_NOREPLACE) != 0) {
        return FileStatus::Failed(std::strerror(errno));
    }
    return {};
}

bool PosixFiles::MakeFolders(const std::string& folder) {
    std::error_code error;
    std::filesystem::create_directories(ToPosixPath(folder), error);
    return IsFolder(folder);
}

bool PosixFiles::RemoveFile(const std::string& path) {
    // A file's own permissions do not keep it from being deleted here, and a folder is
    // refused.
    return unlink(ToPosixPath(path).c_str()) == 0;
}

bool PosixFiles::RemoveFolder(const std::string& folder) {
    return rmdir(ToPosixPath(folder).c_str()) == 0;
}

}  // namespace velmora
