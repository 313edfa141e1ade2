// _define.ini and DeleteLite.ini: their line counts, and the pack data check of a "fulllite"
// pack whose list files are the input, against a few smiles and declared counts.

#include "fuzz_world.h"
#include "pack/pack_data.h"

void velmora::fuzz::Input(FuzzWorld& world, const std::string& bytes) {
    [[maybe_unused]] static const bool laidOut = [&world] {
        for (const char* name : {"a.gif", "b.gif", "c.gif"})
            world.Write(std::string("Source SMP\\Animated Single Full Light\\") + name, "GIF89a");
        return true;
    }();
    static const UiStrings text;
    world.Write("Source SMP\\Animated Single Full Light\\_define.ini", bytes);
    world.Write("Source SMP\\Animated Lite Dark\\_define.ini", bytes);
    CountFileLines(world.files,
                   world.Write("Source SMP\\Animated Lite Dark\\DeleteLite.ini", bytes));
    PackDescription pack;
    pack.SmileKinds = 1;
    pack.AnimatedFullLightCount = "3";
    pack.AnimatedLiteDarkCount = "2";
    ValidatePackData(world.Checks(false), text, kFullLiteMode, pack);
}
