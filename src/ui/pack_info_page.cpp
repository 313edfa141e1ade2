// The fourth page: the summary of the pack, after its smile folders were checked.

#include "app/findings.h"
#include "pack/pack_info.h"
#include "ui/pages.h"

namespace velmora {

PageResult PackInfoPage(WizardWindow& window) {
    Wizard& wizard = window.wizard;
    const Findings findings = CheckPackData(PackChecksOf(wizard), wizard.text, wizard.pack);
    ReportFindings(wizard, findings);
    if (HasFatal(findings)) return PageResult::Stop;
    const PackInfoText info = ComposePackInfo(wizard.text, wizard.pack);
    SetText(window.PageCaption, wizard.text[Text::PackInfoCaption]);
    const std::vector<ControlRow> rows = {
        {L"static", SS_ETCHEDFRAME, 78, 151, 344, info.height + 4, 0, Font::None, ""},
        {L"edit", ES_MULTILINE, 80, 153, 340, info.height, 0, Font::Text, info.text},
    };
    std::vector<HWND> controls = MakeControls(window, rows);
    const PageResult result = WaitForPage(window, window.NextButton);
    if (window.MainWindow) DestroyControls(controls);
    return result;
}

}  // namespace velmora
