#pragma once
// The progress display of an installation in the wizard's window: the bars, their labels and
// the elapsed time, shown while smiles are copied.

#include "install/copy_smiles.h"
#include "ui/toolkit.h"

namespace velmora {

class ProgressWindowView : public InstallProgressView {
  public:
    explicit ProgressWindowView(WizardWindow& window) : window_(window) {}

    void ShowProgressCaption() override;
    void StartProgress(const ProgressLayout& layout, const InstallClock& clock) override;
    void ShowOverall(int position) override;
    void ResetStaticBar() override;
    void BeforeEntry(bool animated, int position) override;
    void FinishProgress() override;

  private:
    static constexpr uint32_t kRepaintMs = 100;

    void Draw(uint32_t now);
    void DrawPending();

    WizardWindow& window_;
    const InstallClock* clock_ = nullptr;
    std::string shownElapsed_;  // the elapsed-time label's text as last set
    HWND pendingBar_ = nullptr;  // the bar whose new position is not drawn yet, and that position
    int pendingPosition_ = 0;
    uint32_t lastDrawn_ = 0;
    bool drawn_ = false;  // whether anything was drawn since the display was made
};

}  // namespace velmora
