#pragma once
// The line rules shared by the pack's text files, SMP.ini and the language files.

#include <string>
#include <vector>

namespace velmora {

// Splits a text into lines. A line ends at CR LF or LF; a line break at the very end adds no
// empty line; lines are never trimmed.
std::vector<std::string> SplitLines(const std::string& text);

// A comment line starts with "//" or with two backslashes.
bool IsCommentLine(const std::string& line);

// A line that carries data: neither empty nor a comment.
bool IsDataLine(const std::string& line);

// Lower-cases the ASCII letters A to Z only; every other byte stays as it is.
std::string LowerAscii(std::string text);

}  // namespace velmora
