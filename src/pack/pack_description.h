#pragma once
// The pack's description as SMP.ini gives it.

#include <cstdint>
#include <string>

namespace velmora {

struct PackDescription {
    std::string NameAndVersion;
    std::string TypeTag;
    std::string Pagers;
    std::string PackType;
    std::string AuthorWebPage;
    std::string AuthorEmail;
    bool AgreementRequired = false;
    // The counts stay text: they are shown and written back as written.
    std::string AnimatedFullLightCount;
    std::string AnimatedLiteDarkCount;
    std::string StaticFullLightCount;
    std::string StaticLiteDarkCount;
    int32_t SmileKinds = 0;  // 1 animated only, 0 both kinds, -1 static only
    std::string InfoPageSwitch;
    std::string CreationDate;
    bool TitleOverLogo = false;
};

// The integer rule of every count: optional leading blanks, an optional sign, then decimal
// digits, or hexadecimal digits after "$", "0x" or "x"; the whole text must convert to a
// signed 32-bit number.
bool ParseInteger(const std::string& text, int32_t& value);

// The value of a count of PackDescription; 0 for a text that is not an integer.
int32_t CountValue(const std::string& text);

}  // namespace velmora
