// aboutSP.ini and LiteStr.ini: the per-language section reader for a declared, an undeclared
// and the built-in language, and the test-mode check of aboutSP.ini.

#include "fuzz_world.h"
#include "pack/pack_texts.h"

void velmora::fuzz::Input(FuzzWorld& world, const std::string& bytes) {
    world.Write("Source SMP\\aboutSP.ini", bytes);
    for (const char* language : {"Russian", "English.txt", "Deutsch.txt"}) {
        PackDescription pack;
        ReadPackInfo(world.Checks(true), BuiltInTexts(), language, pack);
    }
}
