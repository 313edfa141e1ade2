#pragma once
// Loading the texts of a language: the built-in Russian table or a file of the Language folder.

#include <string>

#include "app/wizard.h"

namespace velmora {

// The name that stands for the built-in texts.
inline const char* const kBuiltInLanguage = "Russian";

// With a name: the partial load of that language, the texts the language page needs.
// With an empty name: the full load of LanguageName. A file that cannot be read gives the
// built-in texts instead.
void LoadLanguage(Wizard& wizard, const std::string& name);

std::string LanguageFolder(Wizard& wizard);

}  // namespace velmora
