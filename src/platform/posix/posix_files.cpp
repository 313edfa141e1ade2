#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>

#include "platform/posix/cp1251.h"
#include "platform/posix/posix_platform.h"
#include "platform/utf8.h"

namespace velmora {

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
    out << EncodeCp1251(text);
    out.close();
    if (!out) return FileStatus::Failed(std::strerror(errno));
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
        struct stat info {};
        const bool isFolder =
            stat((base + "/" + name).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
        entries.push_back({name, isFolder});
    }
    closedir(dir);
    return entries;
}

}  // namespace velmora
