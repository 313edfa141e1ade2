// The QIP 2005 installation in the wizard's window: the skins list and the progress display.

#include "ui/pages.h"

#include <commctrl.h>

#include "install/skins_install.h"
#include "platform/win32/wide.h"

namespace velmora {
namespace {

class SkinsWindowView : public SkinsInstallView {
  public:
    explicit SkinsWindowView(WizardWindow& window) : window_(window) {}

    int ChooseSkins(const std::string& skinsFolder, SkinList& skins) override {
        SetText(window_.PageCaption, window_.wizard.text[Text::ChooseSkinsCaption]);
        const std::vector<ControlRow> rows = {
            {L"static", SS_ETCHEDFRAME, 87, 149, 326, 155, 0, Font::None, "",
             &WizardWindow::ListFrame},
            {L"listbox",
             LBS_NOTIFY | LBS_MULTIPLESEL | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP, 90, 152,
             320, 150, kCopyListId, Font::Text, "", &WizardWindow::SharedList},
        };
        std::vector<HWND> controls = MakeControls(window_, rows);
        skins = {};
        ListSkins(window_.wizard.sys.files, skinsFolder, skins);
        for (const std::string& name : skins.SkinNames) {
            SendMessageW(window_.SharedList, LB_ADDSTRING, 0,
                         reinterpret_cast<LPARAM>(Wide(name).c_str()));
        }
        WaitForPage(window_, window_.SharedList);
        if (!window_.MainWindow) return 0;
        const LRESULT count = SendMessageW(window_.SharedList, LB_GETSELCOUNT, 0, 0);
        std::vector<int> selected(count > 0 ? count : 0);
        if (!selected.empty()) {
            SendMessageW(window_.SharedList, LB_GETSELITEMS, selected.size(),
                         reinterpret_cast<LPARAM>(selected.data()));
        }
        MarkChosenSkins(skins, selected);
        DestroyControls(controls);
        window_.SharedList = window_.ListFrame = nullptr;
        return static_cast<int>(selected.size());
    }

    void SetBackEnabled(bool enabled) override { EnableWindow(window_.BackButton, enabled); }

    void StartProgress(int overallTotal, const InstallClock& clock) override {
        clock_ = &clock;
        EnableWindow(window_.NextButton, FALSE);
        EnableWindow(window_.ExitButton, FALSE);
        SetText(window_.PageCaption, window_.wizard.text[Text::OverallProgressLabel]);
        MakeProgressDisplay(window_, false, true, overallTotal, 0);
    }

    void ShowOverall(int position) override { SetPosition(window_.OverallBar, position); }

    void ResetStaticBar() override { SetPosition(window_.StaticBar, 0); }

    // Before each file: the window is repainted (no input is taken while copying), the clock
    // and the kind's bar move.
    void BeforeEntry(bool animated, int position) override {
        UpdateWindow(window_.MainWindow);
        const uint32_t elapsed = ElapsedMs(*clock_, window_.wizard.sys.clock.TickCount());
        SetText(window_.ElapsedLabel,
                window_.wizard.text[Text::ElapsedTimeLabel] + " " + FormatElapsed(elapsed));
        SetPosition(animated ? window_.AnimatedBar : window_.StaticBar, position);
    }

    void FinishProgress() override {
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

  private:
    static void SetPosition(HWND bar, int position) {
        if (bar) SendMessageW(bar, PBM_SETPOS, position, 0);
    }

    WizardWindow& window_;
    const InstallClock* clock_ = nullptr;
};

}  // namespace

void SkinsInstallPage(WizardWindow& window) {
    SkinsWindowView view(window);
    InstallIntoSkins(window.wizard, view);
}

}  // namespace velmora
