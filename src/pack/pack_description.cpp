#include "pack/pack_description.h"

#include <algorithm>
#include <cstdint>

#include "base/text_lines.h"

namespace velmora {
namespace {

int DigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}

}  // namespace

bool ParseInteger(const std::string& text, int32_t& value) {
    size_t i = 0;
    const size_t n = text.size();
    while (i < n && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';

    int base = 10;
    if (i < n && text[i] == '$') {
        base = 16, i += 1;
    } else if (i + 1 < n && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16, i += 2;
    } else if (i < n && (text[i] == 'x' || text[i] == 'X')) {
        base = 16, i += 1;
    }
    if (i == n) return false;

    const int64_t limit = negative ? INT64_C(2147483648) : INT64_C(2147483647);
    int64_t magnitude = 0;
    for (; i < n; ++i) {
        const int digit = DigitValue(text[i]);
        if (digit >= base) return false;
        magnitude = magnitude * base + digit;
        if (magnitude > limit) return false;
    }
    value = static_cast<int32_t>(negative ? -magnitude : magnitude);
    return true;
}

int32_t CountValue(const std::string& text) {
    int32_t value = 0;
    return ParseInteger(text, value) ? value : 0;
}

PackMode ModeOf(const PackDescription& pack) {
    const std::string type = LowerAscii(pack.PackType);
    if (type == "fulllite") return kFullLiteMode;
    if (type == "lightdark") return kLightDarkMode;
    return kSingleFamilyMode;
}

int64_t DeclaredSmiles(const PackDescription& pack, bool animated, bool bothVariants) {
    const std::string& fullLight =
        animated ? pack.AnimatedFullLightCount : pack.StaticFullLightCount;
    const std::string& liteDark = animated ? pack.AnimatedLiteDarkCount : pack.StaticLiteDarkCount;
    return int64_t{CountValue(fullLight)} + (bothVariants ? int64_t{CountValue(liteDark)} : 0);
}

int32_t ProgressBarRange(int64_t smiles) {
    return static_cast<int32_t>(std::clamp<int64_t>(smiles, 0, INT32_MAX));
}

bool IsWebAddress(const std::string& target) {
    const std::string start = LowerAscii(target.substr(0, 8));
    return start.compare(0, 7, "http://") == 0 || start == "https://";
}

}  // namespace velmora
