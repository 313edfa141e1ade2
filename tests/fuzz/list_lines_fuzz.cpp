// _define.ini and DeleteLite.ini: their line counts, and the pack data check of a "fulllite"
// pack whose list files are the input, against a few smiles and declared counts.

#include "fuzz_world.h"
#include "pack/pack_data.h"

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static fuzz::FuzzWorld world;
    [[maybe_unused]] static const bool laidOut = [] {
        for (const char* name : {"a.gif", "b.gif", "c.gif"})
            world.Write(std::string("Source SMP\\Animated Single Full Light\\") + name, "GIF89a");
        return true;
    }();
    static const UiStrings text;
    fuzz::ForBothEncodings(data, size, [](const std::string& bytes) {
        world.Write("Source SMP\\Animated Single Full Light\\_define.ini", bytes);
        world.Write("Source SMP\\Animated Lite Dark\\_define.ini", bytes);
        CountFileLines(world.files,
                       world.Write("Source SMP\\Animated Lite Dark\\DeleteLite.ini", bytes));
        PackDescription pack;
        pack.SmileKinds = 1;
        pack.AnimatedFullLightCount = "3";
        pack.AnimatedLiteDarkCount = "2";
        ValidatePackData(world.Checks(false), text, kFullLiteMode, pack);
    });
    return 0;
}
