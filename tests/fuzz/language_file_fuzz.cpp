// A language file: the completeness check and the list entry of the language list, and the
// partial and full loads of its texts.

#include "fuzz_world.h"
#include "lang/language.h"
#include "lang/language_list.h"

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static fuzz::FuzzWorld world;
    fuzz::ForBothEncodings(data, size, [](const std::string& bytes) {
        world.Write("Language\\Fuzzed.txt", bytes);
        fuzz::FuzzRun run(world);
        run.wizard.state.TestMode = true;
        IsLanguageFileComplete(run.wizard, world.Path("Language\\Fuzzed.txt"));
        std::vector<std::string> entries;
        FillLanguageList(run.wizard, entries);
        if (entries.size() > 1) HandleLanguageChoice(run.wizard, 1, entries[1]);
        run.wizard.state.LanguageName = "Fuzzed.txt";
        LoadLanguage(run.wizard, "");
    });
    return 0;
}
