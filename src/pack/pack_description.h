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

// How the pack's variants are checked, shown and installed, by its pack type.
enum PackMode : int {
    kSingleFamilyMode = 0,  // one set: "single" and the one-family types
    kFullLiteMode = 1,      // "fulllite": the lite set is the full set less DeleteLite.ini
    kLightDarkMode = 2,     // "lightdark": light and dark sets, each with its own files
};

PackMode ModeOf(const PackDescription& pack);

// Which kinds of smiles the pack has, by SmileKinds.
inline bool HasAnimatedSmiles(const PackDescription& pack) {
    return pack.SmileKinds >= 0;
}
inline bool HasStaticSmiles(const PackDescription& pack) {
    return pack.SmileKinds <= 0;
}
inline bool HasSmilesOfKind(const PackDescription& pack, bool animated) {
    return animated ? HasAnimatedSmiles(pack) : HasStaticSmiles(pack);
}

// The smiles of one kind that an installation copies, by the declared counts: the Single Full
// Light set, and with both variants the Lite Dark set too. Added in 64 bits, since a pack
// whose check is switched off may declare counts near the integer limit.
int64_t DeclaredSmiles(const PackDescription& pack, bool animated, bool bothVariants);

// The upper end of a progress bar's range for so many smiles: the bar's range is 32-bit, so a
// larger total is held at its end, and a negative one gives an empty range.
int32_t ProgressBarRange(int64_t smiles);

// True for an address the pack's web-page link may open: "http://" or "https://" in any
// letter case, then anything. Whatever else the pack names (a program, a document) is not
// opened.
bool IsWebAddress(const std::string& target);

// The integer rule of every count: optional leading blanks, an optional sign, then decimal
// digits, or hexadecimal digits after "$", "0x" or "x"; the whole text must convert to a
// signed 32-bit number.
bool ParseInteger(const std::string& text, int32_t& value);

// The value of a count of PackDescription; 0 for a text that is not an integer.
int32_t CountValue(const std::string& text);

}  // namespace velmora
