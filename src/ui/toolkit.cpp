#include "ui/toolkit.h"

#include <stdexcept>

#include "platform/win32/system_library.h"
#include "platform/win32/version_resource.h"
#include "platform/win32/wide.h"

namespace velmora {
namespace {

// The file-version functions of version.dll, bound from the system folder on first use and
// kept for the run. Missing ones stay empty, and then no file has a version.
struct VersionFunctions {
    DWORD(WINAPI* infoSize)(const wchar_t*, DWORD*) = nullptr;
    BOOL(WINAPI* info)(const wchar_t*, DWORD, DWORD, void*) = nullptr;
    QueryVersionValue queryValue = nullptr;

    bool complete() const { return infoSize && info && queryValue; }
};

const VersionFunctions& BoundVersionFunctions() {
    static const VersionFunctions bound = [] {
        VersionFunctions functions;
        const HMODULE library = LoadSystemLibrary(L"version.dll");
        Bind(library, "GetFileVersionInfoSizeW", functions.infoSize);
        Bind(library, "GetFileVersionInfoW", functions.info);
        Bind(library, "VerQueryValueW", functions.queryValue);
        return functions;
    }();
    return bound;
}

constexpr DWORD kChildStyle = WS_CHILD | WS_VISIBLE;
const wchar_t kWindowClass[] = L"myWindow";

HFONT MakeFont(int height, int weight) {
    return CreateFontW(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0,
                       L"Tahoma");
}

HFONT FontOf(const WizardWindow& window, Font font) {
    switch (font) {
        case Font::Text:
            return window.TextFont;
        case Font::Title:
            return window.TitleFont;
        default:
            return nullptr;
    }
}

LRESULT CALLBACK ReadOnlyEditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto saved = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(edit, GWLP_USERDATA));
    switch (message) {
        case WM_CHAR:
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        // A double click would select a word, and the right button's release would still
        // bring up the edit menu with Cut and Paste.
        case WM_LBUTTONDBLCLK:
        case WM_CONTEXTMENU:
            return 0;
        default:
            return CallWindowProcW(saved, edit, message, wParam, lParam);
    }
}

// Without its window the wizard cannot go on: the guard ends it and tells the user why.
[[noreturn]] void ThrowWindowError(const char* what) {
    throw std::runtime_error(std::string("The wizard's window could not be ") + what + " (" +
                             SystemErrorText(GetLastError()) + ").");
}

}  // namespace

HWND MakeControl(const wchar_t* className, const std::string& text, DWORD style, int x, int y,
                 int width, int height, HWND parent, int id, HFONT font) {
    HWND control = CreateWindowExW(0, className, Wide(text).c_str(), style, x, y, width, height,
                                   parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   GetModuleHandleW(nullptr), nullptr);
    if (control && font) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
    return control;
}

std::vector<HWND> MakeControls(WizardWindow& window, const std::vector<ControlRow>& rows) {
    std::vector<HWND> made;
    for (const ControlRow& row : rows) {
        HWND control =
            MakeControl(row.className, row.text, kChildStyle | row.style, row.x, row.y, row.width,
                        row.height, window.MainWindow, row.id, FontOf(window, row.font));
        if (lstrcmpiW(row.className, L"edit") == 0) MakeReadOnly(control);
        if (row.keep) window.*row.keep = control;
        made.push_back(control);
    }
    return made;
}

void DestroyControls(std::vector<HWND>& controls) {
    for (HWND control : controls) {
        if (control) DestroyWindow(control);
    }
    controls.clear();
}

void MakeMainWindow(WizardWindow& window, const std::string& title, int clientHeight,
                    int clientWidth, DWORD style) {
    window.TextFont = MakeFont(-11, FW_NORMAL);
    window.TitleFont = MakeFont(13, FW_BOLD);

    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = ExtractIconW(instance, ProgramFilePath().c_str(), 1);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kWindowClass;
    if (!RegisterClassExW(&windowClass)) ThrowWindowError("registered");

    const int width = clientWidth + 2 * GetSystemMetrics(SM_CXBORDER);
    const int height = clientHeight + GetSystemMetrics(SM_CYCAPTION) +
                       2 * (GetSystemMetrics(SM_CYBORDER) + GetSystemMetrics(SM_CYFRAME) - 2);
    const int x = GetSystemMetrics(SM_CXSCREEN) / 2 - width / 2;
    const int y = GetSystemMetrics(SM_CYSCREEN) / 2 - height / 2;
    window.MainWindow =
        MakeControl(kWindowClass, title, style, x, y, width, height, nullptr, 0, nullptr);
    if (!window.MainWindow) ThrowWindowError("created");
    SetWindowLongPtrW(window.MainWindow, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&window));
    window.dialogs.mainWindow = window.MainWindow;
}

PageResult WaitForPage(WizardWindow& window, HWND focus) {
    if (!window.MainWindow) return PageResult::Stop;
    window.leftWith = PageResult::Stop;
    ShowWindow(window.MainWindow, SW_SHOWNORMAL);
    UpdateWindow(window.MainWindow);
    BringWindowToTop(window.MainWindow);
    if (focus) SetFocus(focus);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) != 0) {
        // Tab, Enter and Escape work as in any dialog.
        if (window.MainWindow && IsDialogMessageW(window.MainWindow, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    if (window.pendingError) {
        const std::exception_ptr error = window.pendingError;
        window.pendingError = nullptr;
        std::rethrow_exception(error);
    }
    return window.leftWith;
}

void EnableNavigation(WizardWindow& window) {
    if (window.BackButton) EnableWindow(window.BackButton, window.backEnabled);
    if (window.NextButton) EnableWindow(window.NextButton, window.nextEnabled);
}

void MakeReadOnly(HWND edit) {
    const LONG_PTR saved =
        SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ReadOnlyEditProc));
    SetWindowLongPtrW(edit, GWLP_USERDATA, saved);
}

void MakePageFrame(WizardWindow& window) {
    for (HWND& control : window.titleBox) {
        if (control) DestroyWindow(control);
        control = nullptr;
    }
    const std::vector<ControlRow> rows = {
        {L"static", SS_ETCHEDFRAME, 177, 20, 228, 24, 0, Font::None, ""},
        {L"static", 0, 178, 21, 225, 21, 0, Font::None, ""},  // hides the picture inside
        {L"static", SS_CENTER, 178, 25, 225, 15, 0, Font::Title, window.wizard.pack.NameAndVersion},
    };
    const std::vector<HWND> made = MakeControls(window, rows);
    std::copy(made.begin(), made.end(), window.titleBox);
}

HBITMAP LoadHeaderBitmap() {
    return LoadBitmapW(GetModuleHandleW(nullptr), L"BGIMAGE");
}

void SetHeaderPicture(WizardWindow& window, HBITMAP picture) {
    if (!picture) return;
    SendMessageW(window.HeaderImage, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture));
    if (window.headerBitmap && window.headerBitmap != picture) DeleteObject(window.headerBitmap);
    window.headerBitmap = picture;
}

void ShowWarning(WizardWindow& window, Question question, const std::string& text) {
    MessageBoxRequest box(question);
    box.text = text;
    box.title = window.wizard.text[Text::WarningTitle];
    box.icon = BoxIcon::Warning;
    box.owner = BoxOwner::MainWindow;
    window.dialogs.Ask(box);
}

void SetText(HWND control, const std::string& text) {
    SetWindowTextW(control, Wide(text).c_str());
}

std::string GetText(HWND control) {
    std::wstring text(GetWindowTextLengthW(control) + 1, L'\0');
    text.resize(GetWindowTextW(control, text.data(), text.size()));
    return Utf8(text);
}

std::string GetFileVersionText(const std::string& path) {
    const VersionFunctions& version = BoundVersionFunctions();
    if (!version.complete()) return {};
    const std::wstring file = Wide(path);
    DWORD ignored = 0;
    const DWORD size = version.infoSize(file.c_str(), &ignored);
    if (size == 0) return {};
    std::vector<char> info(size);
    if (!version.info(file.c_str(), 0, size, info.data())) return {};
    return FileVersionInBlock(info.data(), info.size(), version.queryValue);
}

}  // namespace velmora
