#include "lang/language_list.h"

#include "lang/language.h"
#include "platform/text_lines.h"

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
std::vector<LanguageFile> ListCandidates(Wizard& wizard) {
    std::vector<LanguageFile> files;
    for (const FolderEntry& entry : wizard.sys.files.ListFolder(LanguageFolder(wizard))) {
        if (IsCandidate(entry)) files.push_back({entry.name, "", 0});
    }
    return files;
}

// Reads the header and counts the data lines; an unreadable file has neither.
void ReadLanguageFile(Wizard& wizard, const std::string& path, LanguageFile& file) {
    const FileText text = wizard.sys.files.ReadText(path);
    if (!text.status.ok) return;
    const std::vector<std::string> lines = SplitLines(text.text);
    if (lines.empty()) return;
    file.header = lines[0];
    for (size_t i = 1; i < lines.size(); ++i) {
        if (!lines[i].empty() && !IsCommentLine(lines[i])) ++file.dataLines;
    }
}

std::string PathOf(Wizard& wizard, const LanguageFile& file) {
    return LanguageFolder(wizard) + "\\" + file.name;
}

std::string DisplayText(const LanguageFile& file) {
    const std::string bare = file.name.substr(0, file.name.size() - kExtensionLength);
    return file.header.empty() ? bare : bare + " [" + file.header + "]";
}

// The file whose current display text is the entry; the last one wins. Empty when none is.
std::string FindLanguageName(Wizard& wizard, const std::string& entry) {
    if (entry == kBuiltInEntry) return kBuiltInLanguage;
    std::string name;
    for (LanguageFile& file : ListCandidates(wizard)) {
        ReadLanguageFile(wizard, PathOf(wizard, file), file);
        if (DisplayText(file) == entry) name = file.name;
    }
    return name;
}

}  // namespace

bool IsLanguageFileComplete(Wizard& wizard, const std::string& path) {
    LanguageFile file;
    ReadLanguageFile(wizard, path, file);
    return file.dataLines >= kDataLinesOfACompleteFile;
}

int FillLanguageList(Wizard& wizard, std::vector<std::string>& entries) {
    std::vector<LanguageFile> files = ListCandidates(wizard);
    wizard.state.LanguageName = kBuiltInLanguage;
    entries.clear();
    if (files.empty()) return 0;

    entries.push_back(kBuiltInEntry);
    for (LanguageFile& file : files) {
        ReadLanguageFile(wizard, PathOf(wizard, file), file);
        const bool complete = file.dataLines >= kDataLinesOfACompleteFile;
        if (!complete && !wizard.state.TestMode) {
            LogProblem(wizard.state, file.name + kFaultyFileMark);
            continue;
        }
        entries.push_back(DisplayText(file) + (complete ? "" : kFaultyFileMark));
    }
    return static_cast<int>(files.size());
}

bool HandleLanguageChoice(Wizard& wizard, int selected, const std::string& entry) {
    WizardState& state = wizard.state;
    bool loaded = false;
    if (selected != -1 && selected != state.ListIndex) {
        const std::string name = FindLanguageName(wizard, entry);
        if (!name.empty()) {
            LoadLanguage(wizard, name);
            state.LanguageName = name;
            loaded = true;
        }
    }
    state.ListIndex = selected;
    return loaded;
}

}  // namespace velmora
