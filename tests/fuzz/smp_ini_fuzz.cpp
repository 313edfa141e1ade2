// SMP.ini: the check, the load into the pack description, and the pack information built
// from what was loaded, in test mode and outside it.

#include "fuzz_world.h"
#include "pack/pack_info.h"
#include "pack/smp_ini.h"

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static fuzz::FuzzWorld world;
    fuzz::ForBothEncodings(data, size, [](const std::string& bytes) {
        world.Write("Source SMP\\SMP.ini", bytes);
        CheckPackDescription(world.files, world.folder);
        for (const bool testMode : {false, true}) {
            const PackChecks checks = world.Checks(testMode);
            PackDescription pack;
            if (!LoadPackDescription(checks, pack).empty()) continue;
            if (!HasFatal(CheckPackData(checks, fuzz::BuiltInTexts(), pack)))
                ComposePackInfo(fuzz::BuiltInTexts(), pack);
        }
    });
    return 0;
}
