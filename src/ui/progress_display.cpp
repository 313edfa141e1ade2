// The progress bars and labels the installations show while smiles are copied.

#include "ui/toolkit.h"

#include <commctrl.h>

#include "pack/pack_description.h"

namespace velmora {
namespace {

constexpr int kLeft = 80;
constexpr int kWidth = 340;

HWND MakeLabel(WizardWindow& window, int y, int height, Text text) {
    return MakeControl(L"static", window.wizard.text[text], WS_CHILD | WS_VISIBLE, kLeft, y, kWidth,
                       height, window.MainWindow, 0, window.TextFont);
}

// A bar's range is a 16-bit value: larger totals keep their low 16 bits.
HWND MakeBar(WizardWindow& window, int y, int64_t total) {
    HWND bar = MakeControl(PROGRESS_CLASSW, "", WS_CHILD | WS_VISIBLE, kLeft, y, kWidth, 20,
                           window.MainWindow, 0, window.TextFont);
    SendMessageW(bar, PBM_SETRANGE, 0, MAKELPARAM(0, static_cast<WORD>(total & 0xFFFF)));
    return bar;
}

}  // namespace

void MakeProgressDisplay(WizardWindow& window, bool bothVariants, bool withOverallBar,
                         int overallTotal, int staticShift) {
    const PackDescription& pack = window.wizard.pack;
    if (withOverallBar) {
        window.OverallLabel = MakeLabel(window, 162, 15, Text::OverallProgressLabel);
        window.OverallBar = MakeBar(window, 177, overallTotal);
    }
    if (HasAnimatedSmiles(pack)) {
        window.AnimatedLabel = MakeLabel(window, 202, 20, Text::AnimatedProgressLabel);
        window.AnimatedBar = MakeBar(window, 217, DeclaredSmiles(pack, true, bothVariants));
    }
    if (HasStaticSmiles(pack)) {
        const int shift = HasAnimatedSmiles(pack) ? staticShift : 40;
        window.StaticLabel = MakeLabel(window, 242 - shift, 20, Text::StaticProgressLabel);
        window.StaticBar = MakeBar(window, 257 - shift, DeclaredSmiles(pack, false, bothVariants));
    }
    window.ElapsedLabel = MakeLabel(window, 298, 20, Text::ElapsedTimeLabel);
    UpdateWindow(window.MainWindow);
}

}  // namespace velmora
