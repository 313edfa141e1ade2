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
    static const UiStrings text;
    fuzz::ForBothEncodings(data, size, [](const std::string& bytes) {
        world.Write("Source SMP\\Animated Single Full Light\\_define.ini", bytes);
        world.Write("Source SMP\\Animated Lite Dark\\_define.ini", bytes);
        world.Write("Source SMP\\Animated Lite Dark\\DeleteLite.ini", bytes);
        CountFileLines(world.files, world.Path("Source SMP\\Animated Lite Dark\\DeleteLite.ini"));
        PackDescription pack;
        pack.SmileKinds = 1;
        pack.AnimatedFullLightCount = "3";
        pack.AnimatedLiteDarkCount = "2";
        ValidatePackData(fuzz::ChecksOver(world, false), text, kFullLiteMode, pack);
    });
    return 0;
}
