// The QIP 2005 installation in the wizard's window: the skins list, then the progress display.

#include "ui/pages.h"

#include <commctrl.h>

#include "install/skins_install.h"
#include "platform/win32/wide.h"
#include "ui/progress_window.h"

namespace velmora {
namespace {

class SkinsWindowView : public SkinsChoice {
  public:
    explicit SkinsWindowView(WizardWindow& window) : window_(window) {}

    int ChooseSkins(const std::string& skinsFolder, SkinList& skins) override {
        SetText(window_.PageCaption, window_.wizard.text[Text::ChooseSkinsCaption]);
        const std::vector<ControlRow> rows = {
            {L"static", SS_ETCHEDFRAME, 87, 149, 326, 155, 0, Font::None, "",
             &WizardWindow::ListFrame},
            {L"listbox",
             LBS_NOTIFY | LBS_MULTIPLESEL | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP, 90, 152,
             320, 150, kSkinsListId, Font::Text, "", &WizardWindow::SharedList},
        };
        std::vector<HWND> controls = MakeControls(window_, rows);
        skins = {};
        ListSkins(window_.wizard.sys.files, skinsFolder, skins);
        for (const std::string& name : skins.SkinNames) {
            SendMessageW(window_.SharedList, LB_ADDSTRING, 0,
                         reinterpret_cast<LPARAM>(Wide(name).c_str()));
        }
        const PageResult result = WaitForPage(window_, window_.SharedList);
        window_.wizard.state.BackRequested = result == PageResult::Back;
        window_.wizard.state.StopRequested = result == PageResult::Stop;
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

  private:
    WizardWindow& window_;
};

}  // namespace

void SkinsInstallPage(WizardWindow& window) {
    SkinsWindowView choice(window);
    ProgressWindowView progress(window);
    InstallIntoSkins(window.wizard, choice, progress);
}

}  // namespace velmora
