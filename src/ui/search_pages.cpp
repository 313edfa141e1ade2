// Finding the messenger: the search-method page with the folder browser, the simplified-search
// page, and the search's results with the copy-choice list.

#include <shlobj.h>

#include "platform/win32/wide.h"
#include "qip/qip_folder.h"
#include "qip/running_qip.h"
#include "ui/pages.h"

namespace velmora {
namespace {

constexpr int kPathCharacters = 261;

// The shell's folder browser over the wizard's window; empty text when the user cancels.
std::string BrowseForQipFolder(WizardWindow& window) {
    const std::wstring title = Wide(window.wizard.text[Text::BrowseFolderTitle]);
    wchar_t displayName[kPathCharacters] = L"";
    BROWSEINFOW browse = {};
    browse.hwndOwner = window.MainWindow;
    browse.pszDisplayName = displayName;
    browse.lpszTitle = title.c_str();
    browse.ulFlags = BIF_RETURNONLYFSDIRS;
    LPITEMIDLIST chosen = SHBrowseForFolderW(&browse);
    if (!chosen) return {};
    wchar_t path[kPathCharacters] = L"";
    const BOOL converted = SHGetPathFromIDListW(chosen, path);
    CoTaskMemFree(chosen);
    return converted ? Utf8(path) : std::string();
}

// The copy-choice list in the wizard's window; Next waits for a pick.
class WindowCopyList : public CopyList {
  public:
    explicit WindowCopyList(WizardWindow& window) : window_(window) {}

    void Open(const std::string& first, const std::string& second) override {
        EnableWindow(window_.NextButton, FALSE);
        const std::vector<ControlRow> rows = {
            {L"static", SS_ETCHEDFRAME, 78, 141, 345, 154, 0, Font::None, "",
             &WizardWindow::ListFrame},
            {L"listbox", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP, 80, 143, 340,
             150, kCopyListId, Font::Text, "", &WizardWindow::SharedList},
        };
        MakeControls(window_, rows);
        Add(first);
        Add(second);
    }

    void Add(const std::string& path) override {
        SendMessageW(window_.SharedList, LB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(Wide(path).c_str()));
    }

  private:
    WizardWindow& window_;
};

// Waits until the user leaves the page or chooses a folder that holds the messenger; the folder
// is asked for whichever button left the page while the manual choice is ticked. Each wait
// gives the focus to the choice that is ticked: a radio button that gets the focus may tick
// itself, and the manual choice must stay after a cancelled browser or a folder without QIP.
PageResult ChooseFolderByHand(WizardWindow& window, HWND simplifiedSearch, HWND manualChoice) {
    Wizard& wizard = window.wizard;
    for (;;) {
        const bool manual = wizard.state.SearchMethod == kManualFolderChoice;
        const PageResult result = WaitForPage(window, manual ? manualChoice : simplifiedSearch);
        if (result == PageResult::Stop || wizard.state.SearchMethod != kManualFolderChoice)
            return result;
        wizard.qip.folder.clear();
        const std::string chosen = BrowseForQipFolder(window);
        if (chosen.empty()) continue;
        const QipTarget found = CheckQipFolder(wizard.sys.files, chosen, GetFileVersionText);
        if (found.folder.empty()) {
            ShowWarning(window, Question::NoQipInFolder, wizard.text[Text::NoQipInFolder]);
            continue;
        }
        wizard.qip = found;
        wizard.qip.showFoundMessage = true;
        return result;
    }
}

// Several copies run: the user picks one from the list, or goes back.
PageResult ChooseAmongCopies(WizardWindow& window) {
    WizardState& state = window.wizard.state;
    window.wizard.qip.folder.clear();
    state.ListIndex = 0;
    SetText(window.PageCaption, window.wizard.text[Text::ChooseQipCopyCaption]);
    const PageResult result = WaitForPage(window, window.SharedList);
    DestroyWindow(window.SharedList);
    DestroyWindow(window.ListFrame);
    window.SharedList = window.ListFrame = nullptr;
    return result;
}

}  // namespace

PageResult SearchMethodPage(WizardWindow& window) {
    const UiStrings& text = window.wizard.text;
    SetText(window.PageCaption, text[Text::SearchMethodCaption]);
    // The radio group is one tab stop; the arrow keys move the choice within it.
    const DWORD radio = BS_AUTORADIOBUTTON;
    const std::vector<ControlRow> rows = {
        {L"static", SS_ETCHEDFRAME, 105, 142, 290, 50, 0, Font::None, ""},
        {L"button", radio | WS_GROUP | WS_TABSTOP, 110, 147, 280, 20, kSimplifiedSearch, Font::Text,
         text[Text::SimplifiedSearch]},
        {L"button", radio, 110, 167, 280, 20, kManualFolderChoice, Font::Text,
         text[Text::ManualFolderChoice]},
        {L"static", SS_ETCHEDFRAME | WS_GROUP, 104, 201, 293, 88, 0, Font::None, ""},
        {L"edit", ES_MULTILINE | WS_VSCROLL, 105, 202, 290, 85, 0, Font::Text,
         text[Text::SearchMethodHint]},
    };
    std::vector<HWND> controls = MakeControls(window, rows);
    SendMessageW(controls[1], BM_CLICK, 0, 0);  // each visit starts from the simplified search
    const PageResult result = ChooseFolderByHand(window, controls[1], controls[2]);
    if (window.MainWindow) DestroyControls(controls);
    return result;
}

PageResult SimpleSearchPage(WizardWindow& window) {
    const UiStrings& text = window.wizard.text;
    SetText(window.PageCaption, text[Text::SimpleSearchCaption]);
    const std::vector<ControlRow> rows = {
        {L"static", SS_ETCHEDFRAME, 89, 144, 323, 143, 0, Font::None, ""},
        {L"edit", ES_MULTILINE | WS_VSCROLL, 90, 145, 320, 140, 0, Font::Text,
         text[Text::SimpleSearchInstructions]},
    };
    std::vector<HWND> controls = MakeControls(window, rows);
    SetText(window.NextButton, text[Text::SearchButtonText]);
    const PageResult result = WaitForPage(window, window.NextButton);
    if (!window.MainWindow) return PageResult::Stop;
    DestroyControls(controls);
    SetText(window.NextButton, text[Text::NextButtonText]);
    return result;
}

PageResult SearchResultsPage(WizardWindow& window) {
    Wizard& wizard = window.wizard;
    FoundQipPaths& found = wizard.foundQip;
    found.fill("");
    wizard.qip = {};
    WindowCopyList list(window);
    FindRunningQip(wizard.sys.processes, found, list);

    if (found[0].empty()) {
        ShowWarning(window, Question::NoRunningQip, wizard.text[Text::NoRunningQip]);
        return PageResult::Next;
    }
    std::string chosen = found[0];
    PageResult result = PageResult::Next;
    if (!found[1].empty()) {
        result = ChooseAmongCopies(window);
        chosen = wizard.qip.folder;  // the picked line, a full path, or empty
    }
    wizard.qip = chosen.empty() ? QipTarget{} : RunningCopyTarget(chosen, GetFileVersionText);
    wizard.qip.showFoundMessage = found[1].empty();
    return result;
}

}  // namespace velmora
