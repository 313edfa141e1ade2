// _define.ini and DeleteLite.ini: their line counts, and the pack data check of a "fulllite"
// pack whose list files are the input, against a few smiles and declared counts.

#include "fuzz_world.h"
#include "pack/pack_data.h"

using namespace velmora;

namespace {

void LayOutSmiles(fuzz::FuzzWorld& world) {
    for (const char* name : {"a.gif", "b.gif", "c.gif"})
        world.Write(std::string("Source SMP\\Animated Single Full Light\\") + name, "GIF89a");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static fuzz::FuzzWorld world;
    static const bool laidOut = (LayOutSmiles(world), true);
    (void)laidOut;
    fuzz::ForBothEncodings(data, size, [](const std::string& bytes) {
        world.Write("Source SMP\\Animated Single Full Light\\_define.ini", bytes);
        world.Write("Source SMP\\Animated Lite Dark\\_define.ini", bytes);
        world.Write("Source SMP\\Animated Lite Dark\\DeleteLite.ini", bytes);
        fuzz::FuzzRun run(world);
        CountFileLines(run.wizard, world.Path("Source SMP\\Animated Lite Dark\\DeleteLite.ini"));
        run.wizard.pack.SmileKinds = 1;
        run.wizard.pack.AnimatedFullLightCount = "3";
        run.wizard.pack.AnimatedLiteDarkCount = "2";
        for (const bool testMode : {false, true}) {
            run.wizard.state.TestMode = testMode;
            const PackDataCheck check = ValidatePackData(run.wizard, kFullLiteMode);
            if (check.code != kPackDataSound) ReportPackDataError(run.wizard, check);
        }
    });
    return 0;
}
