#include "platform/win32/wide.h"
#include "platform/win32/win32_platform.h"

namespace velmora {
namespace {

UINT IconFlag(BoxIcon icon) {
    switch (icon) {
        case BoxIcon::Error:
            return MB_ICONERROR;
        case BoxIcon::Question:
            return MB_ICONQUESTION;
        case BoxIcon::Warning:
            return MB_ICONWARNING;
        default:
            return MB_ICONINFORMATION;
    }
}

}  // namespace

BoxAnswer Win32Dialogs::Ask(const MessageBoxRequest& box) {
    const HWND owner = box.owner == BoxOwner::MainWindow ? mainWindow : nullptr;
    const UINT buttons = box.buttons == BoxButtons::YesNo      ? MB_YESNO
                         : box.buttons == BoxButtons::OkCancel ? MB_OKCANCEL
                                                               : MB_OK;
    // EnableWindow answers whether the window was disabled already: then it stays so.
    const bool disabledHere = !owner && mainWindow && !EnableWindow(mainWindow, FALSE);
    const int answer = MessageBoxW(owner, Wide(box.text).c_str(), Wide(box.title).c_str(),
                                   buttons | IconFlag(box.icon) | MB_SYSTEMMODAL);
    if (disabledHere && mainWindow) {
        EnableWindow(mainWindow, TRUE);
        // The box took the activation with it; give it back to the wizard.
        if (IsWindowVisible(mainWindow)) SetActiveWindow(mainWindow);
    }
    switch (answer) {
        case IDYES:
            return BoxAnswer::Yes;
        case IDNO:
            return BoxAnswer::No;
        case IDCANCEL:
            return BoxAnswer::Cancel;
        default:
            return BoxAnswer::Ok;
    }
}

}  // namespace velmora
