// The main window procedure: a click becomes a choice in the wizard's state, or the way the
// page was left.

#include "ui/toolkit.h"

#include <shellapi.h>

#include "app/maker.h"
#include "platform/win32/wide.h"

namespace velmora {
namespace {

void ConfirmExit(WizardWindow& window) {
    MessageBoxRequest box(Question::ExitConfirmation, BoxAnswer::Yes);
    box.text = window.wizard.text[Text::ExitQuestion];
    box.title = window.wizard.text[Text::ExitTitle];
    box.icon = BoxIcon::Question;
    box.buttons = BoxButtons::YesNo;
    box.owner = BoxOwner::MainWindow;
    if (window.dialogs.Ask(box) == BoxAnswer::Yes) DestroyWindow(window.MainWindow);
}

void Open(WizardWindow& window, const std::string& target, int show) {
    ShellExecuteW(window.MainWindow, nullptr, Wide(target).c_str(), nullptr, nullptr, show);
}

std::string ListLine(HWND list, LRESULT index) {
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, index, 0);
    if (length == LB_ERR) return {};
    std::wstring line(length + 1, L'\0');
    line.resize(SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(line.data())));
    return Utf8(line);
}

// The list's selected line, or -1 when none is selected.
int SelectedLine(HWND list) {
    const LRESULT selected = SendMessageW(list, LB_GETCURSEL, 0, 0);
    return selected == LB_ERR ? -1 : static_cast<int>(selected);
}

void OnLanguageList(WizardWindow& window) {
    if (window.wizard.state.LanguageListLocked) return;
    const int index = SelectedLine(window.SharedList);
    const std::string line = index == -1 ? "" : ListLine(window.SharedList, index);
    if (HandleLanguageChoice(window.wizard, index, line)) {
        SetText(window.NextButton, window.wizard.text[Text::NextButtonText]);
        EnableWindow(window.NextButton, TRUE);
    }
}

void OnCopyList(WizardWindow& window) {
    WizardState& state = window.wizard.state;
    const int index = SelectedLine(window.SharedList);
    if (IsNewSelection(index, state.ListIndex)) {
        window.wizard.qip.folder = ListLine(window.SharedList, index);
        EnableWindow(window.NextButton, TRUE);
    }
    state.ListIndex = index;
}

void OnAgreementBox(WizardWindow& window, HWND box) {
    const LRESULT check = SendMessageW(box, BM_GETCHECK, 0, 0);
    if (check == BST_UNCHECKED) window.wizard.state.AgreementAccepted = false;
    if (check == BST_CHECKED) window.wizard.state.AgreementAccepted = true;
    EnableWindow(window.NextButton, window.wizard.state.AgreementAccepted);
}

void LeavePage(WizardWindow& window, PageResult result) {
    window.leftWith = result;
    PostQuitMessage(0);
}

void OnCommand(WizardWindow& window, int id, HWND control) {
    WizardState& state = window.wizard.state;
    const PackDescription& pack = window.wizard.pack;
    if (id == kSimplifiedSearch || id == kManualFolderChoice) {
        state.SearchMethod = id;
        CheckRadioButton(window.MainWindow, kSimplifiedSearch, kManualFolderChoice, id);
    } else if (id == kFirstMode || id == kSecondMode) {
        state.ModeChoice = id;
        CheckRadioButton(window.MainWindow, kFirstMode, kSecondMode, id);
    }
    switch (id) {
        case IDCANCEL:  // Escape
        case kExitId:
            return ConfirmExit(window);
        case kLanguageListId:
            return OnLanguageList(window);
        case kCopyListId:
            return OnCopyList(window);
        case kNextId:
            return LeavePage(window, PageResult::Next);
        case kBackId:
            return LeavePage(window, PageResult::Back);
        case kProgramPageId:
            return Open(window, kMakerWebPage, SW_HIDE);
        case kProgramMailId:
            return Open(window, std::string("mailto:") + kMakerEmail, SW_SHOWMAXIMIZED);
        case kPackPageId:
            // The pack's author writes this line: only a web address is opened, never a
            // program or a document that the line might name.
            if (IsWebAddress(pack.AuthorWebPage)) Open(window, pack.AuthorWebPage, SW_SHOWNORMAL);
            return;
        case kPackMailId:
            return Open(window, "mailto:" + pack.AuthorEmail, SW_SHOWMAXIMIZED);
        case kAgreementId:
            return OnAgreementBox(window, control);
        default:
            return;
    }
}

// Enter presses the focused push button, else Next.
LRESULT DefaultButton(WizardWindow& window) {
    HWND focus = GetFocus();
    int id = kNextId;
    if (focus && GetParent(focus) == window.MainWindow &&
        (SendMessageW(focus, WM_GETDLGCODE, 0, 0) & DLGC_UNDEFPUSHBUTTON)) {
        id = GetDlgCtrlID(focus);
    }
    return MAKELRESULT(id, DC_HASDEFID);
}

LRESULT HandleMessage(WizardWindow& window, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_DESTROY:
            window.leftWith = PageResult::Stop;
            window.MainWindow = nullptr;
            window.dialogs.mainWindow = nullptr;
            PostQuitMessage(0);
            return 0;
        case WM_CLOSE:
            ConfirmExit(window);
            return 0;
        case WM_COMMAND:
            OnCommand(window, LOWORD(wParam), reinterpret_cast<HWND>(lParam));
            return 0;
        case DM_GETDEFID:
            return DefaultButton(window);
        default:
            return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

}  // namespace

LRESULT CALLBACK MainWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* window = reinterpret_cast<WizardWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!window) return DefWindowProcW(hwnd, message, wParam, lParam);
    // Nothing may be thrown through the system's code: the page's wait rethrows it.
    try {
        return HandleMessage(*window, hwnd, message, wParam, lParam);
    } catch (...) {
        window->pendingError = std::current_exception();
        window->leftWith = PageResult::Stop;
        PostQuitMessage(0);
        return 0;
    }
}

}  // namespace velmora
