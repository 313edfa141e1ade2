#include "platform/win32/wide.h"
#include "platform/win32/win32_platform.h"

namespace velmora {
namespace {

constexpr int kNextButtonId = 1030;

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

BoxAnswer Win32Dialogs::ShowMessage(const MessageBoxRequest& box) {
    const HWND owner = box.owner == BoxOwner::MainWindow ? mainWindow : nullptr;
    const UINT buttons = box.buttons == BoxButtons::YesNo ? MB_YESNO : MB_OK;
    const int answer = MessageBoxW(owner, Wide(box.text).c_str(), Wide(box.title).c_str(),
                                   buttons | IconFlag(box.icon) | MB_SYSTEMMODAL);
    switch (answer) {
        case IDYES:
            return BoxAnswer::Yes;
        case IDNO:
            return BoxAnswer::No;
        default:
            return BoxAnswer::Ok;
    }
}

void Win32Dialogs::EnableNextButton() {
    if (mainWindow) EnableWindow(GetDlgItem(mainWindow, kNextButtonId), TRUE);
}

}  // namespace velmora
