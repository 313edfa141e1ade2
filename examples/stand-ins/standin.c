/* Stand-in messenger for the demo and the end-to-end tests: a small titled window that stays
 * open until it is closed. The wizard recognises a messenger by the name of its executable
 * (qip.exe or infium.exe), by the version of qip.exe and by its folder layout; a running copy
 * is found through its titled top-level window. That is all this program has to provide. */
#include <windows.h>

#ifdef STANDIN_INFIUM
#define STANDIN_TITLE L"QIP Infium (demo stand-in)"
#else
#define STANDIN_TITLE L"QIP 2005 (demo stand-in)"
#endif

static LRESULT CALLBACK StandInProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

static void AddLabel(HWND parent, const wchar_t* text, int y, DWORD style) {
    HWND label = CreateWindowExW(0, L"static", text, WS_CHILD | WS_VISIBLE | SS_LEFT | style, 12, y,
                                 390, 20, parent, NULL, NULL, NULL);
    SendMessageW(label, WM_SETFONT, (WPARAM)GetStockObject(DEFAULT_GUI_FONT), TRUE);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR command_line, int show) {
    (void)previous;
    (void)command_line;

    WNDCLASSW wc;
    ZeroMemory(&wc, sizeof wc);
    wc.lpfnWndProc = StandInProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(NULL, (LPCWSTR)IDI_APPLICATION);
    wc.hCursor = LoadCursorW(NULL, (LPCWSTR)IDC_ARROW);
    wc.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"VelmoraDemoStandIn";
    if (!RegisterClassW(&wc)) return 1;

    HWND window =
        CreateWindowExW(0, wc.lpszClassName, STANDIN_TITLE,
                        WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, CW_USEDEFAULT,
                        CW_USEDEFAULT, 420, 110, NULL, NULL, instance, NULL);
    if (!window) return 1;

    /* Say what this is and where this copy runs from, so that a demo with several copies
     * is easy to follow. */
    wchar_t path[MAX_PATH] = L"";
    GetModuleFileNameW(NULL, path, MAX_PATH);
    AddLabel(window, L"Demo stand-in: close this window to end it.", 12, 0);
    AddLabel(window, path, 36, SS_PATHELLIPSIS);

    ShowWindow(window, show);
    UpdateWindow(window);
    MSG msg;
    while (GetMessageW(&msg, NULL, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return (int)msg.wParam;
}
