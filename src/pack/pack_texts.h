#pragma once
// The pack's own texts for the user: aboutSP.ini and LiteStr.ini hold one text per language.

#include <string>
#include <vector>

#include "lang/ui_strings.h"
#include "pack/pack_description.h"
#include "pack/pack_folder.h"

namespace velmora {

// The text of a per-language file's lines for the chosen language, falling back to English and
// then Russian when the chosen language is not declared; empty when there is none.
std::string ReadLanguageSection(const std::vector<std::string>& lines, const std::string& language);

struct PackInfo {
    bool available = false;
    std::string text;
    Findings findings;  // what the check of aboutSP.ini found
};

// The about-pack text for the chosen language (in test mode aboutSP.ini is checked first).
// Without a text, the pack asks for no agreement.
PackInfo ReadPackInfo(const PackChecks& checks, const UiStrings& text, const std::string& language,
                      PackDescription& pack);

// The first inconsistency of aboutSP.ini, for the pack's author only: it is never logged.
Findings CheckAboutFile(const PackChecks& checks, const UiStrings& text);

}  // namespace velmora
