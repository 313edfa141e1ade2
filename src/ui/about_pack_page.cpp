// The third page: the pack's logo, its text or agreement, and its author's links.

#include "app/findings.h"
#include "pack/pack_texts.h"
#include "platform/win32/wide.h"
#include "ui/pages.h"

namespace velmora {
namespace {

HBITMAP LoadPackLogo(WizardWindow& window) {
    const std::string path = PackFilePath(window.wizard.sys.host.ProgramFolder(), "LogoSmp.bmp");
    if (!window.wizard.sys.files.IsFile(path)) return nullptr;
    return static_cast<HBITMAP>(
        LoadImageW(nullptr, Wide(path).c_str(), IMAGE_BITMAP, 0, 0,
                   LR_LOADFROMFILE | LR_LOADTRANSPARENT | LR_LOADMAP3DCOLORS));
}

}  // namespace

PageResult AboutPackPage(WizardWindow& window) {
    Wizard& wizard = window.wizard;
    const UiStrings& text = wizard.text;
    const PackInfo info =
        ReadPackInfo(PackChecksOf(wizard), wizard.text, wizard.state.LanguageName, wizard.pack);
    ReportFindings(wizard, info.findings);
    const PackDescription& pack = wizard.pack;

    SetHeaderPicture(window, LoadPackLogo(window));
    if (pack.TitleOverLogo) MakePageFrame(window);
    SetText(window.PageCaption, text[Text::AboutPackCaption]);

    const bool hasText = !info.text.empty();
    if (!hasText && pack.AuthorEmail.empty() && pack.AuthorWebPage.empty()) return PageResult::Skip;

    // Missing pieces move the others down so that the page does not look empty.
    const int s = hasText ? 0 : 40;
    const int m = pack.AuthorEmail.empty() ? 31 : 0;
    const int w = pack.AuthorWebPage.empty() ? 31 : 0;
    const bool agreement = pack.AgreementRequired && hasText;
    const int t = (agreement ? 65 : 80) + m + w;

    std::vector<ControlRow> rows;
    if (!pack.AuthorEmail.empty()) {
        rows.push_back({L"button", WS_TABSTOP, 100, 286 - s, 300, 20, kPackMailId, Font::Text,
                        text[Text::WriteToPackAuthor]});
    }
    if (!pack.AuthorWebPage.empty()) {
        rows.push_back({L"button", WS_TABSTOP, 100, 263 - s + m, 300, 20, kPackPageId, Font::Text,
                        text[Text::OpenPackPage]});
    }
    if (agreement) {
        rows.push_back({L"button", BS_AUTOCHECKBOX | WS_TABSTOP, 80, 234 + m + w, 340, 22,
                        kAgreementId, Font::Text, text[Text::AcceptAgreement]});
    }
    if (hasText) {
        rows.push_back({L"static", SS_ETCHEDFRAME, 78, 130, 344, t + 34, 0, Font::None, ""});
        rows.push_back(
            {L"edit", ES_MULTILINE | WS_VSCROLL, 80, 132, 340, t + 30, 0, Font::Text, info.text});
    }
    std::vector<HWND> controls = MakeControls(window, rows);
    if (agreement) {
        HWND box = GetDlgItem(window.MainWindow, kAgreementId);
        // Coming back to the page: the box is ticked again, and its click enables Next.
        if (wizard.state.AgreementAccepted) {
            SendMessageW(box, BM_CLICK, 0, 0);
        } else {
            EnableWindow(window.NextButton, FALSE);
        }
    }
    const PageResult result = WaitForPage(window, window.NextButton);
    if (window.MainWindow) DestroyControls(controls);
    return result;
}

}  // namespace velmora
