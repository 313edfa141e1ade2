#pragma once
// The pack's own texts for the user: aboutSP.ini and LiteStr.ini hold one text per language.

#include <string>

#include "app/wizard.h"

namespace velmora {

// The text of a per-language file for LanguageName, falling back to English and then Russian
// when the chosen language is not declared; empty when there is none. A file that cannot be
// read has no text.
std::string ReadLanguageSection(Wizard& wizard, const std::string& path);

struct PackInfo {
    bool available = false;
    std::string text;
};

// The about-pack text for the chosen language. Without one, the pack asks for no agreement.
PackInfo ReadPackInfo(Wizard& wizard);

// In test mode: tells the pack's author about the first inconsistency of aboutSP.ini.
void CheckAboutFile(Wizard& wizard);

}  // namespace velmora
