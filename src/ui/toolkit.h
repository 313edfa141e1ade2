#pragma once
// The main window and the controls every page uses. Pages lay out their controls as tables of
// ControlRow; the window procedure turns clicks into choices and says how a page was left.

#include <windows.h>

#include <exception>
#include <string>
#include <vector>

#include "app/wizard.h"
#include "platform/win32/win32_platform.h"

namespace velmora {

// Control ids the window procedure acts on.
enum ControlId : int {
    kExitId = 1027,
    kLanguageListId = 1028,
    kCopyListId = 1029,
    kNextId = 1030,
    kProgramPageId = 1031,
    kProgramMailId = 1032,
    kPackPageId = 1033,
    kPackMailId = 1034,
    kAgreementId = 1035,
    kSkinsListId = 1036,
    kBackId = 1046,
};

enum class Font { None, Text, Title };

// The toolkit's state for the run, with the records the pages read and write.
struct WizardWindow {
    WizardWindow(Wizard& w, Win32Dialogs& d) : wizard(w), dialogs(d) {}

    Wizard& wizard;
    Win32Dialogs& dialogs;

    HWND MainWindow = nullptr;
    HFONT TextFont = nullptr;
    HFONT TitleFont = nullptr;
    HWND HeaderImage = nullptr;
    HBITMAP headerBitmap = nullptr;  // the picture HeaderImage shows, owned by us
    HWND PageCaption = nullptr;
    HWND ExitButton = nullptr;
    HWND NextButton = nullptr;
    HWND BackButton = nullptr;
    HWND SharedList = nullptr;
    HWND ListFrame = nullptr;
    HWND titleBox[3] = {};  // the pack-title box over the header picture
    HWND OverallLabel = nullptr, OverallBar = nullptr, AnimatedLabel = nullptr,
         AnimatedBar = nullptr, StaticLabel = nullptr, StaticBar = nullptr, ElapsedLabel = nullptr;

    // How the page being shown was left; the window's end leaves it with Stop.
    PageResult leftWith = PageResult::Stop;
    // The navigation buttons the page starts with, as the driver asked.
    bool backEnabled = false;
    bool nextEnabled = false;

    // An error thrown while a message was handled; the page's wait rethrows it.
    std::exception_ptr pendingError;
};

// One control of a page: its class, style bits beyond WS_CHILD | WS_VISIBLE, place and size in
// client pixels, id, font and text; the handle is kept in the toolkit when a member is named.
struct ControlRow {
    const wchar_t* className;
    DWORD style;
    int x, y, width, height;
    int id;
    Font font;
    std::string text;
    HWND WizardWindow::*keep = nullptr;
};

HWND MakeControl(const wchar_t* className, const std::string& text, DWORD style, int x, int y,
                 int width, int height, HWND parent, int id, HFONT font);

// Makes the controls of a table in the main window, in table order. Edit boxes are displays
// and are made read-only.
std::vector<HWND> MakeControls(WizardWindow& window, const std::vector<ControlRow>& rows);
void DestroyControls(std::vector<HWND>& controls);

// Makes the fonts, registers the class "myWindow" and creates the main window, hidden, with
// the given client size, centred on the screen. A window that cannot be made ends the wizard
// through the guard, with the system's reason.
void MakeMainWindow(WizardWindow& window, const std::string& title, int clientHeight,
                    int clientWidth, DWORD style);

// Shows the main window and handles messages until the page is left, and says how; the control
// given gets the keyboard focus first. Without a window the page is left with Stop at once.
PageResult WaitForPage(WizardWindow& window, HWND focus = nullptr);

// Enables Back and Next as the driver asked the page to start (they may not exist yet: the
// language page makes them).
void EnableNavigation(WizardWindow& window);

// Makes an edit box a display: no typing, no caret or selection by mouse, no context menu.
void MakeReadOnly(HWND edit);

// (Re)creates the pack-title box over the header picture.
void MakePageFrame(WizardWindow& window);

// Puts a picture into the header and releases the one it replaces.
void SetHeaderPicture(WizardWindow& window, HBITMAP picture);
HBITMAP LoadHeaderBitmap();

// A warning for the user, owned by the wizard's window.
void ShowWarning(WizardWindow& window, Question question, const std::string& text);

void SetText(HWND control, const std::string& text);
std::string GetText(HWND control);

// The "FileVersion" text of a file's version resource, or empty text.
std::string GetFileVersionText(const std::string& path);

LRESULT CALLBACK MainWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace velmora
