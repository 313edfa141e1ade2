#pragma once
// Loading the texts of a language: the built-in Russian table or a file of the Language folder.

#include <string>

#include "lang/ui_strings.h"
#include "platform/files.h"

namespace velmora {

// The name that stands for the built-in texts.
inline const char* const kBuiltInLanguage = "Russian";

std::string LanguageFolder(const std::string& programFolder);

// The path of a language file, named with its extension.
std::string LanguageFilePath(const std::string& programFolder, const std::string& fileName);

// Loads the built-in texts: with partial, those the language page needs; otherwise all.
void LoadBuiltInLanguage(bool partial, const std::string& programVersion, UiStrings& text);

// Loads a language file into the table: with partial, the texts the language page needs;
// otherwise all. A file that cannot be read gives the built-in texts instead.
void LoadLanguageFile(Files& files, const std::string& path, bool partial,
                      const std::string& programVersion, UiStrings& text);

}  // namespace velmora
