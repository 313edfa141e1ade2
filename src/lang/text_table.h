#pragma once
// Where each text of UiStrings comes from: its data line in a language file, the words the
// loader adds around that line, and the built-in Russian wording.

#include <string>

#include "lang/ui_strings.h"

namespace velmora {

struct TextRow {
    int line;  // data line of a language file
    Text id;
    const char* prefix;  // added before the line as read
    const char* suffix;  // added after it
    const char* builtIn;
};

// Data lines 6 and 74 continue the texts of lines 5 and 73 and have no row of their own.
const TextRow* FindTextRow(int line);

// Fills the built-in texts of every row up to the given data line (all rows and the elapsed
// time label when it is 106 or more).
void AssignBuiltInTexts(UiStrings& texts, int lastLine, const std::string& programVersion);

// Builds the text of one data line of a language file into the table.
void ApplyDataLine(UiStrings& texts, int line, const std::string& data,
                   const std::string& programVersion);

constexpr int kLastDataLine = 106;

}  // namespace velmora
