// robot.exe: drives Velmora's windows for the end-to-end tests.
//
// It runs in the same Wine prefix as the program under test, finds windows and
// controls by class and id, reads them, presses buttons and answers message
// boxes. Every invocation performs one command and exits: 0 on success, 1 on
// failure (one line on stderr), 2 on a usage error. Output is UTF-8 with LF
// line ends. Everything that acts on the program posts its messages, so a
// press that opens a modal box never blocks the robot.
#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <map>
#include <string>
#include <vector>

namespace {

const wchar_t kUsage[] =
    L"usage: robot [--timeout MS] [--main CLASS] COMMAND ARGS...\n"
    L"  wait-window CLASS TITLE|*   gone CLASS TITLE|*   windows\n"
    L"  box   answer ok|cancel|yes|no|abort|retry|ignore|close|help|tryagain|continue\n"
    L"  text ID   enabled ID   visible ID   click ID   list ID   selected ID\n"
    L"  select ID INDEX   type ID TEXT   controls   close   lock PATH MS\n"
    L"TEXT and TITLE may hold \\r, \\n and \\\\ for CR, LF and a backslash.";

const UINT kMessageTimeout = 2000;  // for reading a control of a busy program
const DWORD kPollInterval = 50;
const int kMessageTextId = 0xFFFF;  // the text static of a message box
// The icon static of a message box: 0x14 in Windows' template, 0x440 in Wine's.
const int kMessageIconIds[] = {0x14, 0x440};

struct Failure {
    std::wstring reason;
};
struct UsageError {
    std::wstring reason;
};

struct Options {
    DWORD timeout = 10000;
    std::wstring mainClass = L"myWindow";
};

// ---- output -----------------------------------------------------------------

std::string ToUtf8(const std::wstring& text) {
    if (text.empty()) return {};
    int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr,
                                   0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &bytes[0], size,
                        nullptr, nullptr);
    return bytes;
}

void WriteBytes(DWORD handleId, const std::string& bytes) {
    HANDLE handle = GetStdHandle(handleId);
    DWORD written = 0;
    size_t done = 0;
    while (done < bytes.size()) {
        if (!WriteFile(handle, bytes.data() + done, static_cast<DWORD>(bytes.size() - done),
                       &written, nullptr) ||
            written == 0)
            return;
        done += written;
    }
}

void PrintLine(const std::wstring& line) {
    WriteBytes(STD_OUTPUT_HANDLE, ToUtf8(line) + "\n");
}

// CR and LF become the two-character escapes \r and \n so that a text stays on one line.
std::wstring EscapeLineBreaks(const std::wstring& text) {
    std::wstring out;
    for (wchar_t c : text) {
        if (c == L'\r')
            out += L"\\r";
        else if (c == L'\n')
            out += L"\\n";
        else
            out += c;
    }
    return out;
}

// The reverse for arguments: \r, \n and \\ stand for CR, LF and a backslash; any
// other backslash is taken as it is, so Windows paths need no doubling.
std::wstring UnescapeArgument(const std::wstring& text) {
    std::wstring out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\\' && i + 1 < text.size()) {
            wchar_t next = text[i + 1];
            if (next == L'r' || next == L'n' || next == L'\\') {
                out += next == L'r' ? L'\r' : next == L'n' ? L'\n' : L'\\';
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

// ---- windows ----------------------------------------------------------------

std::wstring ClassOf(HWND window) {
    wchar_t name[256] = L"";
    GetClassNameW(window, name, 256);
    return name;
}

// The text of a window of another process: WM_GETTEXT is marshalled across
// processes, GetWindowText would only give the caption of a top-level window.
std::wstring TextOf(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kMessageTimeout,
                             &length))
        throw Failure{L"the window does not answer WM_GETTEXTLENGTH"};
    std::vector<wchar_t> buffer(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, buffer.size(),
                             reinterpret_cast<LPARAM>(buffer.data()), SMTO_ABORTIFHUNG,
                             kMessageTimeout, &copied))
        throw Failure{L"the window does not answer WM_GETTEXT"};
    return std::wstring(buffer.data(), std::min<size_t>(copied, length));
}

std::wstring TitleOf(HWND window) {
    int length = GetWindowTextLengthW(window);
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
    int copied = GetWindowTextW(window, buffer.data(), length + 1);
    return std::wstring(buffer.data(), static_cast<size_t>(std::max(copied, 0)));
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

std::vector<HWND> TopLevelWindows() {
    std::vector<HWND> windows;
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

// A top-level window of that class (and that exact title unless title is "*").
HWND FindTopLevel(const std::wstring& className, const std::wstring& title, bool visibleOnly) {
    for (HWND window : TopLevelWindows()) {
        if (visibleOnly && !IsWindowVisible(window)) continue;
        if (_wcsicmp(ClassOf(window).c_str(), className.c_str()) != 0) continue;
        if (title != L"*" && TitleOf(window) != title) continue;
        return window;
    }
    return nullptr;
}

// Direct children only, matched on the low 16 bits of the id as dialog
// templates store it (so 0xFFFF and -1 are the same id).
std::vector<HWND> ChildrenOf(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

HWND ChildWithId(HWND parent, int id) {
    for (HWND child : ChildrenOf(parent))
        if ((GetDlgCtrlID(child) & 0xFFFF) == (id & 0xFFFF)) return child;
    return nullptr;
}

// Calls probe every 50 ms until it returns a non-null window or the time is up.
template <class Probe>
HWND PollFor(DWORD timeout, Probe probe) {
    DWORD start = GetTickCount();
    for (;;) {
        if (HWND found = probe()) return found;
        if (GetTickCount() - start >= timeout) return nullptr;
        Sleep(kPollInterval);
    }
}

template <class Condition>
bool PollUntil(DWORD timeout, Condition condition) {
    DWORD start = GetTickCount();
    for (;;) {
        if (condition()) return true;
        if (GetTickCount() - start >= timeout) return false;
        Sleep(kPollInterval);
    }
}

// ---- message boxes ------------------------------------------------------------

const std::map<int, std::wstring>& ButtonNames() {
    static const std::map<int, std::wstring> names = {{IDOK, L"ok"},
                                                      {IDCANCEL, L"cancel"},
                                                      {IDABORT, L"abort"},
                                                      {IDRETRY, L"retry"},
                                                      {IDIGNORE, L"ignore"},
                                                      {IDYES, L"yes"},
                                                      {IDNO, L"no"},
                                                      {IDCLOSE, L"close"},
                                                      {IDHELP, L"help"},
                                                      {IDTRYAGAIN, L"tryagain"},
                                                      {IDCONTINUE, L"continue"}};
    return names;
}

HWND WaitForBox(const Options& options) {
    HWND box = PollFor(options.timeout, [] { return FindTopLevel(L"#32770", L"*", true); });
    if (!box) throw Failure{L"no message box appeared"};
    return box;
}

std::vector<int> ButtonsOf(HWND box) {
    std::vector<int> ids;
    for (HWND child : ChildrenOf(box)) {
        int id = GetDlgCtrlID(child);
        if (IsWindowVisible(child) && _wcsicmp(ClassOf(child).c_str(), L"Button") == 0 &&
            ButtonNames().count(id))
            ids.push_back(id);
    }
    std::sort(ids.begin(), ids.end());
    return ids;
}

bool HasIcon(HWND box) {
    for (int id : kMessageIconIds) {
        HWND icon = ChildWithId(box, id);
        if (!icon || !IsWindowVisible(icon)) continue;
        DWORD_PTR handle = 0;
        SendMessageTimeoutW(icon, STM_GETICON, 0, 0, SMTO_ABORTIFHUNG, kMessageTimeout, &handle);
        if (handle) return true;
    }
    return false;
}

void DescribeBox(const Options& options) {
    HWND box = WaitForBox(options);
    HWND textStatic = ChildWithId(box, kMessageTextId);
    std::wstring buttons;
    for (int id : ButtonsOf(box))
        buttons += (buttons.empty() ? L"" : L" ") + ButtonNames().at(id);
    HWND owner = GetWindow(box, GW_OWNER);
    bool topmost = (GetWindowLongW(box, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;

    PrintLine(L"title: " + TitleOf(box));
    PrintLine(L"text: " + EscapeLineBreaks(textStatic ? TextOf(textStatic) : L""));
    PrintLine(L"buttons: " + buttons);
    PrintLine(std::wstring(L"topmost: ") + (topmost ? L"yes" : L"no"));
    PrintLine(L"owner: " + (owner ? ClassOf(owner) : std::wstring(L"none")));
    PrintLine(std::wstring(L"icon: ") + (HasIcon(box) ? L"yes" : L"no"));
}

void AnswerBox(const Options& options, const std::wstring& answer) {
    int id = 0;
    for (const auto& [buttonId, name] : ButtonNames())
        if (name == answer) id = buttonId;
    if (!id) throw UsageError{L"unknown button '" + answer + L"'"};

    HWND box = WaitForBox(options);
    HWND button = ChildWithId(box, id);
    if (!button || !IsWindowVisible(button))
        throw Failure{L"the message box '" + TitleOf(box) + L"' has no " + answer + L" button"};
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    // Return only when the box has closed, so that the next command cannot find it again.
    if (!PollUntil(options.timeout, [box] { return !IsWindow(box) || !IsWindowVisible(box); }))
        throw Failure{L"the message box did not close after " + answer};
}

// ---- the main window and its controls -------------------------------------------

HWND WaitForControl(const Options& options, int id) {
    HWND control = PollFor(options.timeout, [&] {
        HWND main = FindTopLevel(options.mainClass, L"*", false);
        return main ? ChildWithId(main, id) : nullptr;
    });
    if (!control)
        throw Failure{L"no control " + std::to_wstring(id) + L" in a window of class " +
                      options.mainClass};
    return control;
}

LRESULT SendOrFail(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kMessageTimeout,
                             &result))
        throw Failure{L"the program does not answer (message " + std::to_wstring(message) + L")"};
    return static_cast<LRESULT>(result);
}

bool IsMultipleSelection(HWND list) {
    return (GetWindowLongW(list, GWL_STYLE) & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0;
}

void PrintListLines(HWND list) {
    LRESULT count = SendOrFail(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        LRESULT length = SendOrFail(list, LB_GETTEXTLEN, i, 0);
        if (length < 0) throw Failure{L"cannot read line " + std::to_wstring(i)};
        std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
        SendOrFail(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(buffer.data()));
        PrintLine(EscapeLineBreaks(buffer.data()));
    }
}

void PrintSelectedLines(HWND list) {
    if (!IsMultipleSelection(list)) {
        LRESULT current = SendOrFail(list, LB_GETCURSEL, 0, 0);
        if (current != LB_ERR) PrintLine(std::to_wstring(current));
        return;
    }
    LRESULT count = SendOrFail(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i)
        if (SendOrFail(list, LB_GETSEL, i, 0) > 0) PrintLine(std::to_wstring(i));
}

// Selects a line as a click would: a list without the keyboard focus first tells
// its parent LBN_SETFOCUS (with the old selection still in place), then the
// selection changes, then LBN_SELCHANGE. A multiple-selection list toggles the
// line. All of it is posted, so it arrives in this order.
void SelectLine(HWND list, int id, int index) {
    LRESULT count = SendOrFail(list, LB_GETCOUNT, 0, 0);
    if (index < 0 || index >= count)
        throw Failure{L"the list has " + std::to_wstring(count) + L" lines, no line " +
                      std::to_wstring(index)};
    HWND parent = GetParent(list);
    GUITHREADINFO thread = {};
    thread.cbSize = sizeof(thread);
    bool focused = GetGUIThreadInfo(GetWindowThreadProcessId(list, nullptr), &thread) &&
                   thread.hwndFocus == list;
    LPARAM from = reinterpret_cast<LPARAM>(list);
    if (!focused) PostMessageW(parent, WM_COMMAND, MAKEWPARAM(id, LBN_SETFOCUS), from);
    if (IsMultipleSelection(list)) {
        bool selected = SendOrFail(list, LB_GETSEL, index, 0) > 0;
        PostMessageW(list, LB_SETSEL, selected ? FALSE : TRUE, index);
    } else {
        PostMessageW(list, LB_SETCURSEL, index, 0);
    }
    PostMessageW(parent, WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE), from);
}

void PrintControls(const Options& options) {
    HWND main =
        PollFor(options.timeout, [&] { return FindTopLevel(options.mainClass, L"*", false); });
    if (!main) throw Failure{L"no window of class " + options.mainClass};
    for (HWND child : ChildrenOf(main)) {
        PrintLine(std::to_wstring(GetDlgCtrlID(child)) + L"\t" + ClassOf(child) + L"\t" +
                  (IsWindowVisible(child) ? L"visible" : L"hidden") + L"\t" +
                  (IsWindowEnabled(child) ? L"enabled" : L"disabled") + L"\t" +
                  EscapeLineBreaks(TextOf(child)));
    }
}

// ---- files --------------------------------------------------------------------

void LockFile(const std::wstring& path, DWORD milliseconds) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        throw Failure{L"cannot open " + path + L" (error " + std::to_wstring(GetLastError()) +
                      L")"};
    PrintLine(L"locked");
    Sleep(milliseconds);
    CloseHandle(file);
}

// ---- command line -----------------------------------------------------------------

int ParseNumber(const std::wstring& text, const wchar_t* what) {
    wchar_t* end = nullptr;
    long value = std::wcstol(text.c_str(), &end, 0);
    if (text.empty() || *end != L'\0') throw UsageError{std::wstring(what) + L" must be a number"};
    return static_cast<int>(value);
}

void RequireArguments(const std::vector<std::wstring>& args, size_t count) {
    if (args.size() != count + 1)
        throw UsageError{args[0] + L" takes " + std::to_wstring(count) + L" argument(s)"};
}

void Run(const Options& options, const std::vector<std::wstring>& args) {
    const std::wstring& command = args[0];
    auto idArg = [&] { return ParseNumber(args[1], L"ID"); };

    if (command == L"wait-window") {
        RequireArguments(args, 2);
        std::wstring title = UnescapeArgument(args[2]);
        HWND window = PollFor(options.timeout, [&] { return FindTopLevel(args[1], title, true); });
        if (!window)
            throw Failure{L"no visible window of class " + args[1] + L" titled " + args[2]};
        PrintLine(TitleOf(window));
    } else if (command == L"gone") {
        RequireArguments(args, 2);
        std::wstring title = UnescapeArgument(args[2]);
        if (!PollUntil(options.timeout, [&] { return !FindTopLevel(args[1], title, false); }))
            throw Failure{L"a window of class " + args[1] + L" is still there"};
    } else if (command == L"windows") {
        RequireArguments(args, 0);
        for (HWND window : TopLevelWindows())
            if (IsWindowVisible(window)) PrintLine(ClassOf(window) + L"\t" + TitleOf(window));
    } else if (command == L"box") {
        RequireArguments(args, 0);
        DescribeBox(options);
    } else if (command == L"answer") {
        RequireArguments(args, 1);
        AnswerBox(options, args[1]);
    } else if (command == L"text") {
        RequireArguments(args, 1);
        PrintLine(EscapeLineBreaks(TextOf(WaitForControl(options, idArg()))));
    } else if (command == L"enabled" || command == L"visible") {
        RequireArguments(args, 1);
        HWND control = WaitForControl(options, idArg());
        bool state = command == L"enabled" ? IsWindowEnabled(control) : IsWindowVisible(control);
        PrintLine(state ? L"yes" : L"no");
    } else if (command == L"click") {
        RequireArguments(args, 1);
        PostMessageW(WaitForControl(options, idArg()), BM_CLICK, 0, 0);
    } else if (command == L"list") {
        RequireArguments(args, 1);
        PrintListLines(WaitForControl(options, idArg()));
    } else if (command == L"selected") {
        RequireArguments(args, 1);
        PrintSelectedLines(WaitForControl(options, idArg()));
    } else if (command == L"select") {
        RequireArguments(args, 2);
        int id = idArg();
        SelectLine(WaitForControl(options, id), id, ParseNumber(args[2], L"INDEX"));
    } else if (command == L"type") {
        RequireArguments(args, 2);
        HWND control = WaitForControl(options, idArg());
        for (wchar_t c : UnescapeArgument(args[2]))
            PostMessageW(control, WM_CHAR, c, 1);
    } else if (command == L"controls") {
        RequireArguments(args, 0);
        PrintControls(options);
    } else if (command == L"close") {
        RequireArguments(args, 0);
        HWND main =
            PollFor(options.timeout, [&] { return FindTopLevel(options.mainClass, L"*", false); });
        if (!main) throw Failure{L"no window of class " + options.mainClass};
        PostMessageW(main, WM_CLOSE, 0, 0);
    } else if (command == L"lock") {
        RequireArguments(args, 2);
        LockFile(args[1], static_cast<DWORD>(ParseNumber(args[2], L"MS")));
    } else {
        throw UsageError{L"unknown command '" + command + L"'"};
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    Options options;
    std::vector<std::wstring> args;
    try {
        int i = 1;
        for (; i + 1 < argc && argv[i][0] == L'-' && argv[i][1] == L'-'; i += 2) {
            std::wstring name = argv[i];
            if (name == L"--timeout")
                options.timeout = static_cast<DWORD>(ParseNumber(argv[i + 1], L"--timeout"));
            else if (name == L"--main")
                options.mainClass = argv[i + 1];
            else
                throw UsageError{L"unknown option " + name};
        }
        for (; i < argc; ++i)
            args.push_back(argv[i]);
        if (args.empty()) throw UsageError{L"no command"};
        Run(options, args);
        return 0;
    } catch (const UsageError& error) {
        WriteBytes(STD_ERROR_HANDLE, ToUtf8(L"robot: " + error.reason + L"\n" + kUsage + L"\n"));
        return 2;
    } catch (const Failure& error) {
        std::wstring command = args.empty() ? L"" : args[0] + L": ";
        WriteBytes(STD_ERROR_HANDLE, ToUtf8(L"robot: " + command + error.reason + L"\n"));
        return 1;
    }
}
