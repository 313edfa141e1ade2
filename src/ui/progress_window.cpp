// The progress bars and labels the installations show while smiles are copied.

#include "ui/progress_window.h"

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

HWND MakeBar(WizardWindow& window, int y, int64_t total) {
    HWND bar = MakeControl(PROGRESS_CLASSW, "", WS_CHILD | WS_VISIBLE, kLeft, y, kWidth, 20,
                           window.MainWindow, 0, window.TextFont);
    SendMessageW(bar, PBM_SETRANGE32, 0, ProgressBarRange(total));
    return bar;
}

void MakeProgressDisplay(WizardWindow& window, const ProgressLayout& layout) {
    const PackDescription& pack = window.wizard.pack;
    if (layout.withOverallBar) {
        window.OverallLabel = MakeLabel(window, 162, 15, Text::OverallProgressLabel);
        window.OverallBar = MakeBar(window, 177, layout.overallTotal);
    }
    if (HasAnimatedSmiles(pack)) {
        window.AnimatedLabel = MakeLabel(window, 202, 20, Text::AnimatedProgressLabel);
        window.AnimatedBar = MakeBar(window, 217, DeclaredSmiles(pack, true, layout.bothVariants));
    }
    if (HasStaticSmiles(pack)) {
        const int shift = HasAnimatedSmiles(pack) ? layout.staticShift : 40;
        window.StaticLabel = MakeLabel(window, 242 - shift, 20, Text::StaticProgressLabel);
        window.StaticBar =
            MakeBar(window, 257 - shift, DeclaredSmiles(pack, false, layout.bothVariants));
    }
    window.ElapsedLabel = MakeLabel(window, 298, 20, Text::ElapsedTimeLabel);
    UpdateWindow(window.MainWindow);
}

void SetPosition(HWND bar, int position) {
    if (bar) SendMessageW(bar, PBM_SETPOS, position, 0);
}

}  // namespace

void ProgressWindowView::ShowProgressCaption() {
    SetText(window_.PageCaption, window_.wizard.text[Text::OverallProgressLabel]);
}

void ProgressWindowView::StartProgress(const ProgressLayout& layout, const InstallClock& clock) {
    clock_ = &clock;
    shownElapsed_.clear();
    pendingBar_ = nullptr;
    drawn_ = false;
    for (HWND button : {window_.NextButton, window_.BackButton, window_.ExitButton})
        EnableWindow(button, FALSE);
    ShowProgressCaption();
    MakeProgressDisplay(window_, layout);
}

void ProgressWindowView::ShowOverall(int position) {
    DrawPending();
    SetPosition(window_.OverallBar, position);
}

void ProgressWindowView::ResetStaticBar() {
    DrawPending();
    SetPosition(window_.StaticBar, 0);
}

// Before each file the clock and the kind's bar move. Drawing them costs more than copying a
// smile where drawing is slow (under emulation, ten times more), so the window is repainted
// at most every kRepaintMs, which looks the same; the label is set only when its text
// changes. No input is taken while copying: the window is only repainted.
void ProgressWindowView::BeforeEntry(bool animated, int position) {
    pendingBar_ = animated ? window_.AnimatedBar : window_.StaticBar;
    pendingPosition_ = position;
    const uint32_t now = window_.wizard.sys.clock.TickCount();
    if (drawn_ && now - lastDrawn_ < kRepaintMs) return;
    Draw(now);
}

void ProgressWindowView::Draw(uint32_t now) {
    std::string label = window_.wizard.text[Text::ElapsedTimeLabel] + " " +
                        FormatElapsed(ElapsedMs(*clock_, now));
    if (label != shownElapsed_) {
        SetText(window_.ElapsedLabel, label);
        shownElapsed_ = std::move(label);
    }
    SetPosition(pendingBar_, pendingPosition_);
    pendingBar_ = nullptr;
    UpdateWindow(window_.MainWindow);
    lastDrawn_ = now;
    drawn_ = true;
}

// What the last files moved is drawn before anything else on the display changes.
void ProgressWindowView::DrawPending() {
    if (pendingBar_) Draw(window_.wizard.sys.clock.TickCount());
}

void ProgressWindowView::FinishProgress() {
    pendingBar_ = nullptr;
    for (HWND WizardWindow::*control :
         {&WizardWindow::OverallLabel, &WizardWindow::OverallBar, &WizardWindow::AnimatedLabel,
          &WizardWindow::AnimatedBar, &WizardWindow::StaticLabel, &WizardWindow::StaticBar,
          &WizardWindow::ElapsedLabel}) {
        if (window_.*control) DestroyWindow(window_.*control);
        window_.*control = nullptr;
    }
    for (HWND button : {window_.NextButton, window_.ExitButton, window_.BackButton})
        EnableWindow(button, TRUE);
}

}  // namespace velmora
