#include "install/copy_smiles.h"

#include <set>

#include "app/unexpected_error.h"
#include "platform/text_lines.h"

namespace velmora {
namespace {

constexpr const char* kListFileName = "_define.ini";

std::string ImageExtension(bool animated) {
    return animated ? ".gif" : ".bmp";
}

// The extension from the last dot, lower-cased; empty when the name has no dot.
std::string LowerExtension(const std::string& name) {
    const size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : LowerAscii(name.substr(dot));
}

std::string TwoDigits(uint32_t value) {
    return (value < 10 ? "0" : "") + std::to_string(value);
}

}  // namespace

void StartClock(InstallClock& clock, uint32_t now) {
    clock.start = now;
    clock.paused = 0;
}

uint32_t ElapsedMs(const InstallClock& clock, uint32_t now) {
    return now - clock.start - clock.paused;
}

std::string FormatElapsed(uint32_t ms) {
    const uint32_t seconds = ms / 1000;
    const uint32_t minutes = seconds / 60;
    return TwoDigits(minutes / 60) + ":" + TwoDigits(minutes % 60) + ":" + TwoDigits(seconds % 60);
}

CopyResult CopySmiles(Files& files, ProblemLog& log, CopyProgress& progress,
                      const std::string& source, const std::string& target, bool animated,
                      int start) {
    CopyResult result{start, 0};
    const std::string extension = ImageExtension(animated);
    for (const FolderEntry& entry : files.ListFolder(source)) {
        progress.BeforeEntry(animated, result.failures + result.total);
        const bool isList = LowerAscii(entry.name) == kListFileName;
        if (!isList && LowerExtension(entry.name) != extension) continue;
        const std::string from = source + "\\" + entry.name;
        const std::string to = target + "\\" + entry.name;
        if (files.CopyFileOver(from, to) || CopyOneFile(files, from, to)) {
            if (!isList) ++result.total;
        } else {
            ++result.failures;
            LogProblem(log, "Error at copying file: " + from);
        }
    }
    return result;
}

int MissingSmileLists(Files& files, ProblemLog& log, const std::vector<std::string>& folders) {
    int missing = 0;
    for (const std::string& folder : folders) {
        const std::string list = folder + "\\" + kListFileName;
        if (files.IsFile(list)) continue;
        LogProblem(log, "Error at copying file: " + list);
        ++missing;
    }
    return missing;
}

bool CopyOneFile(Files& files, const std::string& from, const std::string& to) {
    const size_t separator = to.find_last_of("\\/");
    // A bare name lies in the current folder, which exists.
    const std::string folder = separator == std::string::npos ? "." : to.substr(0, separator);
    files.MakeFolders(folder);
    return files.CopyFileOver(from, to) || files.ShellCopy(from, folder);
}

int RemoveLiteSmiles(Files& files, const std::string& targetFolder,
                     const std::string& liteDarkFolder, bool animated) {
    const std::string listPath = liteDarkFolder + "\\DeleteLite.ini";
    const FileLines list = ReadLines(files, listPath);
    if (!list.status.ok) throw UnexpectedFileError(listPath, list.status.reason);
    const std::string extension = ImageExtension(animated);
    std::set<std::string> leftOut;  // file names, lower-cased
    for (const std::string& line : list.lines) {
        if (IsDataLine(line)) leftOut.insert(LowerAscii(line + extension));
    }
    int removed = 0;
    for (const FolderEntry& entry : files.ListFolder(targetFolder)) {
        if (leftOut.count(LowerAscii(entry.name)) &&
            files.RemoveFile(targetFolder + "\\" + entry.name)) {
            ++removed;
        }
    }
    return removed;
}

void ClearFolderFiles(Files& files, const std::string& folder) {
    for (const FolderEntry& entry : files.ListFolder(folder)) {
        if (!entry.isFolder) files.RemoveFile(folder + "\\" + entry.name);
    }
}

}  // namespace velmora
