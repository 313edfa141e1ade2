#pragma once
// The language files of the Language folder: which are usable, what the list shows for them,
// and which file a line of the list stands for.

#include <string>
#include <vector>

#include "base/finding.h"
#include "platform/files.h"

namespace velmora {

// What the list shows for the built-in texts.
inline const char* const kBuiltInEntry = "Russian [Русский]";

// Appended to a faulty file's entry in test mode, and to its line in the log otherwise.
inline const char* const kFaultyFileMark = " | Error in file, not for loading!";

// A file with at least 103 data lines after its header. A file that cannot be read, or a
// folder with a language file's name, is not complete.
bool IsLanguageFileComplete(Files& files, const std::string& path);

struct LanguageList {
    int files = 0;                     // language files in the folder, usable or not
    std::vector<std::string> entries;  // the list's lines; none when there are no files
    Findings findings;                 // one for each incomplete file, in the list's order
};

// The lines of the language list: the built-in texts first, then the files. Incomplete files
// are left out, or in test mode listed and marked; either way each is a finding, which test
// mode shows in the list and LOG.txt gets otherwise.
LanguageList FillLanguageList(Files& files, const std::string& programFolder, bool testMode);

// The language a line of the list stands for: kBuiltInLanguage, or the name of the file whose
// line it is now (the last such file); empty when no file has that line any more.
std::string FindLanguageName(Files& files, const std::string& programFolder,
                             const std::string& entry);

}  // namespace velmora
