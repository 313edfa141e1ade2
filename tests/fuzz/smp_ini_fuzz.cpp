// SMP.ini: the check, the load into the pack description, and the pack information built
// from what was loaded, in test mode and outside it.

#include "fuzz_world.h"
#include "pack/pack_info.h"
#include "pack/smp_ini.h"

void velmora::fuzz::Input(FuzzWorld& world, const std::string& bytes) {
    world.Write("Source SMP\\SMP.ini", bytes);
    CheckPackDescription(world.files, world.folder);
    for (const bool testMode : {false, true}) {
        const PackChecks checks = world.Checks(testMode);
        PackDescription pack;
        if (!LoadPackDescription(checks, pack).empty()) continue;
        if (!HasFatal(CheckPackData(checks, BuiltInTexts(), pack)))
            ComposePackInfo(BuiltInTexts(), pack);
    }
}
