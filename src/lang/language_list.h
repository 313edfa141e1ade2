#pragma once
// The language files of the Language folder: which are usable, what the list shows for them,
// and what a pick in the list loads.

#include <string>
#include <vector>

#include "app/wizard.h"

namespace velmora {

// What the list shows for the built-in texts.
inline const char* const kBuiltInEntry = "Russian [Русский]";

// Appended to a faulty file's entry in test mode, and to its line in the log otherwise.
inline const char* const kFaultyFileMark = " | Error in file, not for loading!";

// A file with at least 103 data lines after its header. A file that cannot be read, or a
// folder with a language file's name, is not complete.
bool IsLanguageFileComplete(Wizard& wizard, const std::string& path);

// Sets LanguageName to the built-in language and returns the number of language files in the
// folder; the lines for the list go into entries (none when there are no files). Incomplete
// files are left out and logged, or listed and marked in test mode.
int FillLanguageList(Wizard& wizard, std::vector<std::string>& entries);

// A pick in the list (selected is -1 when nothing is selected). Returns true when it loaded a
// language: the page then shows that language's Next text and enables Next. A line that
// matches no file any more keeps the previous choice.
bool HandleLanguageChoice(Wizard& wizard, int selected, const std::string& entry);

}  // namespace velmora
