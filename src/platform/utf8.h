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

}  // namespace velmora
