// The first page: the main window with its chrome, and the choice of the language.

#include "app/findings.h"
#include "lang/language_list.h"
#include "platform/win32/wide.h"
#include "ui/pages.h"

namespace velmora {
namespace {

void MakeUpperChrome(WizardWindow& window) {
    const std::vector<ControlRow> rows = {
        {L"static", SS_ETCHEDHORZ, 10, 320, 475, 10, 0, Font::None, ""},
        {L"static", WS_DISABLED, 12, 334, 210, 14, 0, Font::Text,
         "Velmora " + window.wizard.state.ProgramVersion},
        {L"static", SS_BITMAP | SS_CENTERIMAGE, 0, 0, 495, 90, 0, Font::None, "Test",
         &WizardWindow::HeaderImage},
    };
    MakeControls(window, rows);
    SetHeaderPicture(window, LoadHeaderBitmap());
    MakePageFrame(window);
}

// The navigation buttons and the caption keep these English texts on the language page.
void MakeLowerChrome(WizardWindow& window) {
    const std::vector<ControlRow> rows = {
        {L"button", WS_TABSTOP, 380, 330, 100, 22, kExitId, Font::Text, "Exit",
         &WizardWindow::ExitButton},
        {L"button", WS_TABSTOP, 270, 330, 100, 22, kNextId, Font::Text, "Next >>",
         &WizardWindow::NextButton},
        {L"button", WS_TABSTOP, 160, 330, 100, 22, kBackId, Font::Text, "<< Back",
         &WizardWindow::BackButton},
        {L"static", 0, 80, 108, 340, 28, 0, Font::Title,
         "Please select a language:", &WizardWindow::PageCaption},
    };
    MakeControls(window, rows);
}

std::vector<HWND> MakeLanguageList(WizardWindow& window) {
    const std::vector<ControlRow> rows = {
        {L"static", SS_ETCHEDFRAME, 48, 136, 405, 156, 0, Font::None, "", &WizardWindow::ListFrame},
        {L"listbox", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP, 50, 138, 400, 152,
         kLanguageListId, Font::Text, "", &WizardWindow::SharedList},
    };
    return MakeControls(window, rows);
}

}  // namespace

PageResult LanguagePage(WizardWindow& window) {
    Wizard& wizard = window.wizard;
    for (HWND& control : window.titleBox)
        control = nullptr;

    MakeMainWindow(window, wizard.pack.NameAndVersion, 360, 495, WS_SYSMENU | WS_MINIMIZEBOX);

    MakeUpperChrome(window);
    std::vector<HWND> list = MakeLanguageList(window);
    const LanguageList languages =
        FillLanguageList(wizard.sys.files, wizard.sys.host.ProgramFolder(), wizard.state.TestMode);
    ReportFindings(wizard, languages.findings);
    for (const std::string& entry : languages.entries) {
        SendMessageW(window.SharedList, LB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(Wide(entry).c_str()));
    }
    MakeLowerChrome(window);
    EnableNavigation(window);

    // Without language files there is nothing to choose: the built-in language stays.
    if (languages.files == 0) {
        DestroyControls(list);
        ShowWindow(window.MainWindow, SW_SHOWNORMAL);
        UpdateWindow(window.MainWindow);
        return PageResult::Next;
    }
    const PageResult result = WaitForPage(window, window.SharedList);
    wizard.state.LanguageListLocked = true;
    if (window.MainWindow) DestroyControls(list);
    return result;
}

}  // namespace velmora
