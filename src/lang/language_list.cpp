#include "lang/language_list.h"

#include <algorithm>

#include "base/text_lines.h"
#include "lang/language.h"
#include "platform/file_lines.h"

namespace velmora {
namespace {

constexpr int kDataLinesOfACompleteFile = 103;
constexpr size_t kExtensionLength = 4;  // ".txt"

struct LanguageFile {
    std::string name;  // with its extension
    std::string header;
    int dataLines = 0;
};

bool IsCandidate(const FolderEntry& entry) {
    return entry.name.size() >= kExtensionLength &&
           LowerAscii(entry.name.substr(entry.name.size() - kExtensionLength)) == ".txt";
}

// The candidates in the order the folder lists them, folders named like files included.
std::vector<LanguageFile> ListCandidates(Files& files, const std::string& programFolder) {
    std::vector<LanguageFile> found;
    for (const FolderEntry& entry : files.ListFolder(LanguageFolder(programFolder))) {
        if (IsCandidate(entry)) found.push_back({entry.name, "", 0});
    }
    return found;
}

// Reads the header and counts the data lines; an unreadable file has neither.
void ReadLanguageFile(Files& files, const std::string& path, LanguageFile& file) {
    const std::vector<std::string> lines = ReadLines(files, path).lines;
    if (lines.empty()) return;
    file.header = lines[0];
    file.dataLines = static_cast<int>(std::count_if(lines.begin() + 1, lines.end(), IsDataLine));
}

std::string DisplayText(const LanguageFile& file) {
    const std::string bare = file.name.substr(0, file.name.size() - kExtensionLength);
    return file.header.empty() ? bare : bare + " [" + file.header + "]";
}

}  // namespace

bool IsLanguageFileComplete(Files& files, const std::string& path) {
    LanguageFile file;
    ReadLanguageFile(files, path, file);
    return file.dataLines >= kDataLinesOfACompleteFile;
}

LanguageList FillLanguageList(Files& files, const std::string& programFolder, bool testMode) {
    std::vector<LanguageFile> found = ListCandidates(files, programFolder);
    LanguageList list;
    list.files = static_cast<int>(found.size());
    if (found.empty()) return list;

    list.entries.push_back(kBuiltInEntry);
    for (LanguageFile& file : found) {
        ReadLanguageFile(files, LanguageFilePath(programFolder, file.name), file);
        if (file.dataLines >= kDataLinesOfACompleteFile) {
            list.entries.push_back(DisplayText(file));
            continue;
        }
        const std::string marked = DisplayText(file) + kFaultyFileMark;
        list.findings.push_back({Severity::Warning, "", marked, file.name + kFaultyFileMark});
        if (testMode) list.entries.push_back(marked);
    }
    return list;
}

std::string FindLanguageName(Files& files, const std::string& programFolder,
                             const std::string& entry) {
    if (entry == kBuiltInEntry) return kBuiltInLanguage;
    std::string name;
    for (LanguageFile& file : ListCandidates(files, programFolder)) {
        ReadLanguageFile(files, LanguageFilePath(programFolder, file.name), file);
        if (DisplayText(file) == entry) name = file.name;
    }
    return name;
}

}  // namespace velmora
