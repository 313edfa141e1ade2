#pragma once
// Small UTF-8 helpers used where texts cross into other encodings.

#include <string>

namespace velmora {

// Removes a leading UTF-8 byte-order mark; true when there was one.
bool StripUtf8Bom(std::string& bytes);

// Reads the code point that starts at pos and moves pos past it. A malformed sequence
// yields U+FFFD and consumes one byte.
char32_t NextCodePoint(const std::string& text, size_t& pos);

void AppendUtf8(std::string& out, char32_t codePoint);

// The bytes of a text file: the text in the ANSI code page when that holds every character of
// it, otherwise in UTF-8 after a byte-order mark, which every reader of the program takes as
// UTF-8. The two functions convert to and from the ANSI code page.
std::string TextFileBytes(const std::string& text, std::string (*toAnsi)(const std::string&),
                          std::string (*fromAnsi)(const std::string&));

}  // namespace velmora
