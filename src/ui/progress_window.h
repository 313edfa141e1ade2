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
    WizardWindow& window_;
    const InstallClock* clock_ = nullptr;
};

}  // namespace velmora
