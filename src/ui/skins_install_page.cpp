// The QIP 2005 installation in the wizard's window: the skins list, then the progress display.

#include "ui/pages.h"

#include <commctrl.h>

#include "app/installations.h"
#include "platform/win32/wide.h"
#include "ui/progress_window.h"

namespace velmora {
namespace {

class SkinsWindowView : public SkinsChoice {
  public:
    explicit SkinsWindowView(WizardWindow& window) : window_(window) {}

    SkinPick ChooseSkins(const std::string& skinsFolder, SkinList& skins) override {
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
        if (!window_.MainWindow) return {SkinPick::Left::Stop, 0};
        const LRESULT count = SendMessageW(window_.SharedList, LB_GETSELCOUNT, 0, 0);
        std::vector<int> selected(count > 0 ? count : 0);
        if (!selected.empty()) {
            SendMessageW(window_.SharedList, LB_GETSELITEMS, selected.size(),
                         reinterpret_cast<LPARAM>(selected.data()));
        }
        MarkChosenSkins(skins, selected);
        DestroyControls(controls);
        window_.SharedList = window_.ListFrame = nullptr;
        return {HowListWasLeft(result), static_cast<int>(selected.size())};
    }

    void SetBackEnabled(bool enabled) override { EnableWindow(window_.BackButton, enabled); }

  private:
    static SkinPick::Left HowListWasLeft(PageResult result) {
        if (result == PageResult::Stop) return SkinPick::Left::Stop;
        return result == PageResult::Back ? SkinPick::Left::Back : SkinPick::Left::Chosen;
    }

    WizardWindow& window_;
};

}  // namespace

PageResult SkinsInstallPage(WizardWindow& window) {
    SkinsWindowView choice(window);
    ProgressWindowView progress(window);
    return InstallIntoSkins(window.wizard, choice, progress);
}

}  // namespace velmora
