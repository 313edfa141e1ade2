#include "qip/qip_folder.h"

namespace velmora {
namespace {

constexpr int kFoldersExamined = 5;  // the chosen folder and its four nearest ancestors

std::string FileIn(const std::string& folder, const char* name) {
    const bool root = !folder.empty() && folder.back() == '\\';
    return folder + (root ? "" : "\\") + name;
}

}  // namespace

std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('\\');
    if (slash == std::string::npos) return path;
    std::string folder = path.substr(0, slash);
    if (folder.size() == 2 && folder[1] == ':') folder += '\\';
    return folder;
}

std::string ExecutableName(const std::string& path) {
    const size_t separator = path.find_last_of("\\:");
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

bool IsInfiumVersion(const std::string& versionText) {
    return !versionText.empty() && versionText[0] >= '3' && versionText[0] <= '9';
}

bool IsInfiumExecutable(const std::string& path, const VersionReader& version) {
    if (ExecutableName(path) == "infium.exe") return true;
    return IsInfiumVersion(version(path));
}

QipTarget CheckQipFolder(Files& files, const std::string& folder, const VersionReader& version) {
    std::string examined = folder;
    for (int i = 0; i < kFoldersExamined; ++i, examined = FolderOf(examined)) {
        if (files.IsFile(FileIn(examined, "qip.exe"))) {
            return {examined, IsInfiumVersion(version(FileIn(examined, "qip.exe"))), false};
        }
        if (files.IsFile(FileIn(examined, "infium.exe"))) return {examined, true, false};
    }
    return {};
}

QipTarget RunningCopyTarget(const std::string& executablePath, const VersionReader& version) {
    return {FolderOf(executablePath), IsInfiumExecutable(executablePath, version), false};
}

}  // namespace velmora
