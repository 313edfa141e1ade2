// A language file: the completeness check, the entry of the language list and the line that
// finds it again, and the partial and full loads of its texts.

#include "fuzz_world.h"
#include "lang/language.h"
#include "lang/language_list.h"

void velmora::fuzz::Input(FuzzWorld& world, const std::string& bytes) {
    const std::string path = world.Write("Language\\Fuzzed.txt", bytes);
    IsLanguageFileComplete(world.files, path);
    const LanguageList list = FillLanguageList(world.files, world.folder, true);
    if (list.entries.size() > 1) FindLanguageName(world.files, world.folder, list.entries[1]);
    UiStrings text;
    for (const bool partial : {true, false})
        LoadLanguageFile(world.files, path, partial, "2.2.0.lang", text);
}
