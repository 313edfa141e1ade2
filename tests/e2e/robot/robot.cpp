// robot.exe: drives Velmora's windows for the end-to-end tests.
//
// It runs in the same Wine prefix as the program under test, finds windows and
// controls by class and id, reads them, presses buttons and answers message
// boxes. Every invocation performs one command and exits: 0 on success, 1 on
// failure (one line on stderr), 2 on a usage error. Output is UTF-8 with LF
// line ends. Everything that acts on the program posts its messages, so a
// press that opens a modal box never blocks the robot; only typing sends its
// characters, so that they have arrived when the command returns.
#include <windows.h>

#include <commctrl.h>  // after windows.h, which it needs

#include <algorithm>
#include <cstdlib>
#include <cwchar>
#include <map>
#include <string>
#include <vector>

namespace {

const wchar_t kUsage[] =
    L"usage: robot [--timeout MS] [--until VALUE] COMMAND ARGS...\n"
    L"  wait-window CLASS TITLE|*   windows   box   answer BUTTON (ok, yes, no, cancel...)\n"
    L"  text C   enabled C   visible C   checked C   list C   selected C   point C\n"
    L"  click C   select C INDEX   type C TEXT   close   lock PATH MS\n"
    L"  browse TITLE FOLDER\\FOLDER...|cancel (the shell's folder browser above whose tree\n"
    L"  TITLE stands; the way starts below the desktop)\n"
    L"C is a control of the wizard's window: its id (1030), the n-th of a class (edit#2) or the\n"
    L"one of a class at x,y of the client area (static@80,108). --timeout bounds every wait\n"
    L"(default 30000 ms); --until repeats a reading command until it prints VALUE. TEXT,\n"
    L"TITLE and VALUE may hold \\r, \\n and \\\\ for CR, LF and a backslash.";

const DWORD kDefaultTimeout = 30000;
const DWORD kLeastAnswerTime = 1000;
const DWORD kPollInterval = 50;
// How long a busy program may take to answer a message: the command's timeout, set once when
// the command line is read. Messages are sent without SMTO_ABORTIFHUNG: a program that has
// just been busy for five seconds (copying smiles) counts as hung until its next look at its
// queue, and a box it opens in that moment would not be read at all.
DWORD answerTimeout = kDefaultTimeout;
const wchar_t kMainClass[] = L"myWindow";  // the wizard's window
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
    DWORD timeout = kDefaultTimeout;
    bool repeatUntil = false;  // --until given
    std::wstring until;
};

// What a command prints, one entry per line.
using Lines = std::vector<std::wstring>;

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
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, answerTimeout,
                             &length))
        throw Failure{L"the window does not answer WM_GETTEXTLENGTH"};
    std::vector<wchar_t> buffer(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, buffer.size(),
                             reinterpret_cast<LPARAM>(buffer.data()), SMTO_NORMAL,
                             answerTimeout, &copied))
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

// A visible message box: a dialog with the message text static, so that other dialogs
// (the folder browser) are not taken for one.
HWND FindMessageBox() {
    for (HWND window : TopLevelWindows())
        if (IsWindowVisible(window) && _wcsicmp(ClassOf(window).c_str(), L"#32770") == 0 &&
            ChildWithId(window, kMessageTextId))
            return window;
    return nullptr;
}

HWND WaitForBox(const Options& options) {
    HWND box = PollFor(options.timeout, FindMessageBox);
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

// The static that shows the box's icon, when it has one.
HWND IconStaticOf(HWND box) {
    for (int id : kMessageIconIds) {
        HWND icon = ChildWithId(box, id);
        if (!icon || !IsWindowVisible(icon)) continue;
        DWORD_PTR handle = 0;
        SendMessageTimeoutW(icon, STM_GETICON, 0, 0, SMTO_NORMAL, answerTimeout, &handle);
        if (handle) return icon;
    }
    return nullptr;
}

// Of the pixels that an icon covers fully (drawn alike on black and on white), the share that
// look the same on the screen, each colour within 16. The three pictures lie side by side in
// one bitmap: the screen, the icon on black, the icon on white.
double Likeness(HDC dc, const DWORD* bits, int width, int height, HICON icon) {
    PatBlt(dc, width, 0, width, height, BLACKNESS);
    PatBlt(dc, 2 * width, 0, width, height, WHITENESS);
    DrawIconEx(dc, width, 0, icon, width, height, 0, nullptr, DI_NORMAL);
    DrawIconEx(dc, 2 * width, 0, icon, width, height, 0, nullptr, DI_NORMAL);
    GdiFlush();
    int covered = 0, alike = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const DWORD* at = bits + y * 3 * width + x;
            DWORD screen = at[0], onBlack = at[width] & 0xFFFFFF;
            if (onBlack != (at[2 * width] & 0xFFFFFF)) continue;
            ++covered;
            bool same = true;
            for (int shift = 0; shift < 24; shift += 8)
                same = same && std::abs(static_cast<int>((onBlack >> shift) & 0xFF) -
                                        static_cast<int>((screen >> shift) & 0xFF)) <= 16;
            alike += same;
        }
    return covered ? static_cast<double>(alike) / covered : 0.0;
}

// Which of the system's message box icons the box shows. The icon handle belongs to the
// program's process and cannot be read from here, so the robot compares the screen with its
// own copies of the system icons. The best likeness wins (the question and the information
// icon share their round shape). A box that has just opened may not be painted yet.
std::wstring IconKindOf(const Options& options, HWND box) {
    HWND icon = IconStaticOf(box);
    if (!icon) return L"none";
    static const std::pair<LPCWSTR, const wchar_t*> kinds[] = {{IDI_HAND, L"error"},
                                                               {IDI_QUESTION, L"question"},
                                                               {IDI_EXCLAMATION, L"warning"},
                                                               {IDI_ASTERISK, L"information"}};
    std::wstring kind = L"other";
    PollUntil(options.timeout, [&] {
        RECT client = {};
        POINT corner = {0, 0};
        if (!GetClientRect(icon, &client) || !ClientToScreen(icon, &corner)) return false;
        int width = client.right, height = client.bottom;
        if (width <= 0 || height <= 0) return false;
        BITMAPINFO info = {};
        info.bmiHeader = {sizeof(info.bmiHeader), 3 * width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        DWORD* bits = nullptr;
        HDC dc = CreateCompatibleDC(nullptr), screen = GetDC(nullptr);
        HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS,
                                          reinterpret_cast<void**>(&bits), nullptr, 0);
        HGDIOBJ old = SelectObject(dc, bitmap);
        BitBlt(dc, 0, 0, width, height, screen, corner.x, corner.y, SRCCOPY);
        ReleaseDC(nullptr, screen);
        double best = 0.0;
        for (const auto& [resource, name] : kinds) {
            double likeness =
                bits ? Likeness(dc, bits, width, height, LoadIconW(nullptr, resource)) : 0.0;
            if (likeness > best) {
                best = likeness;
                if (likeness >= 0.9) kind = name;
            }
        }
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
        return best >= 0.9;
    });
    return kind;
}

Lines DescribeBox(const Options& options) {
    HWND box = WaitForBox(options);
    HWND textStatic = ChildWithId(box, kMessageTextId);
    std::wstring buttons;
    for (int id : ButtonsOf(box))
        buttons += (buttons.empty() ? L"" : L" ") + ButtonNames().at(id);
    HWND owner = GetWindow(box, GW_OWNER);
    bool topmost = (GetWindowLongW(box, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    std::wstring iconKind = IconKindOf(options, box);

    return {L"title: " + TitleOf(box),
            L"text: " + EscapeLineBreaks(textStatic ? TextOf(textStatic) : L""),
            L"buttons: " + buttons,
            std::wstring(L"topmost: ") + (topmost ? L"yes" : L"no"),
            L"owner: " + (owner ? ClassOf(owner) : std::wstring(L"none")),
            std::wstring(L"icon: ") + (iconKind == L"none" ? L"no" : L"yes"),
            L"icon kind: " + iconKind};
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

int ParseNumber(const std::wstring& text, const wchar_t* what) {
    wchar_t* end = nullptr;
    long value = std::wcstol(text.c_str(), &end, 0);
    if (text.empty() || *end != L'\0') throw UsageError{std::wstring(what) + L" must be a number"};
    return static_cast<int>(value);
}

// A control of the main window as the command line names it: by id, as the n-th
// of its class, or by its class and the top left corner of its place.
struct ControlName {
    std::wstring written;
    std::wstring className;  // empty: by id
    int id = 0;
    int nth = 0;  // 0: by place
    POINT corner = {0, 0};
};

ControlName ParseControlName(const std::wstring& text) {
    ControlName name;
    name.written = text;
    size_t mark = text.find_first_of(L"#@");
    if (mark == std::wstring::npos) {
        name.id = ParseNumber(text, L"a control id");
        return name;
    }
    name.className = text.substr(0, mark);
    if (name.className.empty()) throw UsageError{L"no class in '" + text + L"'"};
    std::wstring rest = text.substr(mark + 1);
    if (text[mark] == L'#') {
        name.nth = ParseNumber(rest, L"the number after #");
        if (name.nth < 1) throw UsageError{L"controls are counted from 1 in '" + text + L"'"};
        return name;
    }
    size_t comma = rest.find(L',');
    if (comma == std::wstring::npos) throw UsageError{L"'" + text + L"' needs @x,y"};
    name.corner.x = ParseNumber(rest.substr(0, comma), L"x");
    name.corner.y = ParseNumber(rest.substr(comma + 1), L"y");
    return name;
}

POINT CornerInParent(HWND control) {
    RECT place;
    GetWindowRect(control, &place);
    POINT corner = {place.left, place.top};
    ScreenToClient(GetParent(control), &corner);
    return corner;
}

HWND FindControl(HWND main, const ControlName& name) {
    if (name.className.empty()) return ChildWithId(main, name.id);
    int seen = 0;
    for (HWND child : ChildrenOf(main)) {
        if (_wcsicmp(ClassOf(child).c_str(), name.className.c_str()) != 0) continue;
        if (name.nth > 0) {
            if (++seen == name.nth) return child;
        } else {
            POINT corner = CornerInParent(child);
            if (corner.x == name.corner.x && corner.y == name.corner.y) return child;
        }
    }
    return nullptr;
}

HWND WaitForControl(const Options& options, const std::wstring& written) {
    ControlName name = ParseControlName(written);
    HWND control = PollFor(options.timeout, [&] {
        HWND main = FindTopLevel(kMainClass, L"*", false);
        return main ? FindControl(main, name) : nullptr;
    });
    if (!control) throw Failure{L"no control " + name.written + L" in the wizard's window"};
    return control;
}

LRESULT SendOrFail(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, answerTimeout,
                             &result))
        throw Failure{L"the program does not answer (message " + std::to_wstring(message) + L")"};
    return static_cast<LRESULT>(result);
}

bool IsMultipleSelection(HWND list) {
    return (GetWindowLongW(list, GWL_STYLE) & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0;
}

Lines ListLines(HWND list) {
    Lines lines;
    LRESULT count = SendOrFail(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        LRESULT length = SendOrFail(list, LB_GETTEXTLEN, i, 0);
        if (length < 0) throw Failure{L"cannot read line " + std::to_wstring(i)};
        std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
        SendOrFail(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(buffer.data()));
        lines.push_back(EscapeLineBreaks(buffer.data()));
    }
    return lines;
}

// The selected line of a single-selection list, or nothing.
Lines SelectedLine(HWND list) {
    LRESULT current = SendOrFail(list, LB_GETCURSEL, 0, 0);
    return current == LB_ERR ? Lines{} : Lines{std::to_wstring(current)};
}

// The centre of a control in screen coordinates, which under Wine are the X screen's.
std::wstring CentreOnScreen(HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    return std::to_wstring((rect.left + rect.right) / 2) + L" " +
           std::to_wstring((rect.top + rect.bottom) / 2);
}

// Selects a line as a click would: a list without the keyboard focus first tells
// its parent LBN_SETFOCUS (with the old selection still in place), then the
// selection changes, then LBN_SELCHANGE. A multiple-selection list toggles the
// line. All of it is posted, so it arrives in this order.
void SelectLine(HWND list, int index) {
    LRESULT count = SendOrFail(list, LB_GETCOUNT, 0, 0);
    if (index < 0 || index >= count)
        throw Failure{L"the list has " + std::to_wstring(count) + L" lines, no line " +
                      std::to_wstring(index)};
    HWND parent = GetParent(list);
    int id = GetDlgCtrlID(list);
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

// Types as the keyboard would after TranslateMessage, but sends each character,
// so that all of them have been handled when the command returns.
void TypeText(HWND control, const std::wstring& text) {
    for (wchar_t c : text)
        SendOrFail(control, WM_CHAR, c, 1);
}

// ---- the shell's folder browser ---------------------------------------------------

// Memory in another process. A tree view's messages carry pointers that Windows does
// not copy between processes, so their records are placed in the program's own memory.
class RemoteMemory {
  public:
    RemoteMemory(HWND window, size_t size) {
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE |
                                   PROCESS_QUERY_INFORMATION,
                               FALSE, processId);
        if (process_)
            address_ = static_cast<char*>(
                VirtualAllocEx(process_, nullptr, size, MEM_COMMIT, PAGE_READWRITE));
        if (!address_) {
            if (process_) CloseHandle(process_);
            throw Failure{L"cannot reach the memory of the program's process"};
        }
    }
    ~RemoteMemory() {
        VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
        CloseHandle(process_);
    }
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;

    char* at(size_t offset) const { return address_ + offset; }
    // True when the program is a 32-bit one under WOW64 and this robot is not: its records
    // then have 32-bit pointers.
    bool HoldsNarrowPointers() const {
        BOOL processIsWow64 = FALSE, robotIsWow64 = FALSE;
        return IsWow64Process(process_, &processIsWow64) && processIsWow64 &&
               IsWow64Process(GetCurrentProcess(), &robotIsWow64) && !robotIsWow64;
    }
    void Write(size_t offset, const void* data, size_t size) {
        if (!WriteProcessMemory(process_, at(offset), data, size, nullptr))
            throw Failure{L"cannot write into the program's process"};
    }
    void Read(size_t offset, void* data, size_t size) const {
        if (!ReadProcessMemory(process_, at(offset), data, size, nullptr))
            throw Failure{L"cannot read from the program's process"};
    }

  private:
    HANDLE process_ = nullptr;
    char* address_ = nullptr;
};

HWND ChildOfClass(HWND parent, const wchar_t* className) {
    for (HWND child : ChildrenOf(parent))
        if (_wcsicmp(ClassOf(child).c_str(), className) == 0) return child;
    return nullptr;
}

// The folder browser is a dialog with a folder tree and, above it, the title its caller
// gave; its caption is the system's and changes with the language.
HWND FindBrowser(const std::wstring& title) {
    for (HWND window : TopLevelWindows()) {
        if (!IsWindowVisible(window) || _wcsicmp(ClassOf(window).c_str(), L"#32770") != 0 ||
            !ChildOfClass(window, WC_TREEVIEWW))
            continue;
        for (HWND child : ChildrenOf(window))
            if (_wcsicmp(ClassOf(child).c_str(), L"Static") == 0 && IsWindowVisible(child) &&
                TextOf(child) == title)
                return window;
    }
    return nullptr;
}

HTREEITEM TreeItem(HWND tree, UINT relation, HTREEITEM from) {
    return reinterpret_cast<HTREEITEM>(
        SendOrFail(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(from)));
}

// A tree item record as a 32-bit program lays it out.
struct TreeItem32 {
    UINT mask;
    DWORD hItem;
    UINT state;
    UINT stateMask;
    DWORD pszText;
    int cchTextMax;
    int iImage;
    int iSelectedImage;
    int cChildren;
    DWORD lParam;
};

std::wstring TreeItemText(HWND tree, HTREEITEM item) {
    const int kLength = 260;
    const size_t kRecordSize = sizeof(TVITEMW);  // the larger of the two layouts
    RemoteMemory memory(tree, kRecordSize + kLength * sizeof(wchar_t));
    char* text = memory.at(kRecordSize);
    if (memory.HoldsNarrowPointers()) {
        TreeItem32 record = {};
        record.mask = TVIF_TEXT;
        record.hItem = static_cast<DWORD>(reinterpret_cast<ULONG_PTR>(item));
        record.pszText = static_cast<DWORD>(reinterpret_cast<ULONG_PTR>(text));
        record.cchTextMax = kLength;
        memory.Write(0, &record, sizeof(record));
    } else {
        TVITEMW record = {};
        record.mask = TVIF_TEXT;
        record.hItem = item;
        record.pszText = reinterpret_cast<LPWSTR>(text);
        record.cchTextMax = kLength;
        memory.Write(0, &record, sizeof(record));
    }
    if (!SendOrFail(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(memory.at(0))))
        throw Failure{L"cannot read a folder's name in the tree"};
    std::vector<wchar_t> name(kLength, L'\0');
    memory.Read(kRecordSize, name.data(), name.size() * sizeof(wchar_t));
    name.back() = L'\0';
    return name.data();
}

// Chooses a folder in the browser as a click on each name on the way would: from the desktop
// at the tree's root, each folder of the way (names joined by backslashes) is opened and the
// next one looked for among its sub-folders, which the browser lists once it is opened; the
// last one is selected and OK pressed. "cancel" presses Cancel. Waits until the browser has
// closed and returns the class of its owner.
std::wstring Browse(const Options& options, const std::wstring& title, const std::wstring& way) {
    HWND browser = PollFor(options.timeout, [&] { return FindBrowser(title); });
    if (!browser) throw Failure{L"no folder browser titled '" + title + L"'"};
    HWND owner = GetWindow(browser, GW_OWNER);
    int button = IDCANCEL;
    if (way != L"cancel") {
        HWND tree = ChildOfClass(browser, WC_TREEVIEWW);  // as FindBrowser saw
        HTREEITEM item = TreeItem(tree, TVGN_ROOT, nullptr);
        for (size_t from = 0; from <= way.size();) {
            size_t end = std::min(way.find(L'\\', from), way.size());
            std::wstring name = way.substr(from, end - from);
            from = end + 1;
            SendOrFail(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
            HTREEITEM parent = item;
            item = nullptr;
            PollUntil(options.timeout, [&] {
                for (HTREEITEM child = TreeItem(tree, TVGN_CHILD, parent); child && !item;
                     child = TreeItem(tree, TVGN_NEXT, child))
                    if (TreeItemText(tree, child) == name) item = child;
                return item != nullptr;
            });
            if (!item) throw Failure{L"the folder browser shows no folder '" + name + L"'"};
        }
        SendOrFail(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
        button = IDOK;
    }
    PostMessageW(browser, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(browser, button)));
    if (!PollUntil(options.timeout, [&] { return !IsWindow(browser); }))
        throw Failure{L"the folder browser is still open"};
    return owner ? ClassOf(owner) : std::wstring(L"none");
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

void RequireArguments(const std::vector<std::wstring>& args, size_t count) {
    if (args.size() != count + 1)
        throw UsageError{args[0] + L" takes " + std::to_wstring(count) + L" argument(s)"};
}

// The commands that only read, and so may be repeated with --until.
bool IsReading(const std::wstring& command) {
    static const wchar_t* const reading[] = {
        L"text", L"enabled", L"visible", L"checked", L"list", L"selected", L"windows"};
    for (const wchar_t* name : reading)
        if (command == name) return true;
    return false;
}

Lines Run(const Options& options, const std::vector<std::wstring>& args) {
    const std::wstring& command = args[0];
    auto control = [&] { return WaitForControl(options, args[1]); };

    if (command == L"wait-window") {
        RequireArguments(args, 2);
        std::wstring title = UnescapeArgument(args[2]);
        HWND window = PollFor(options.timeout, [&] { return FindTopLevel(args[1], title, true); });
        if (!window)
            throw Failure{L"no visible window of class " + args[1] + L" titled " + args[2]};
        return {TitleOf(window)};
    } else if (command == L"windows") {
        RequireArguments(args, 0);
        Lines lines;
        for (HWND window : TopLevelWindows())
            if (IsWindowVisible(window)) lines.push_back(ClassOf(window) + L"\t" + TitleOf(window));
        return lines;
    } else if (command == L"box") {
        RequireArguments(args, 0);
        return DescribeBox(options);
    } else if (command == L"answer") {
        RequireArguments(args, 1);
        AnswerBox(options, args[1]);
    } else if (command == L"text") {
        RequireArguments(args, 1);
        return {EscapeLineBreaks(TextOf(control()))};
    } else if (command == L"enabled" || command == L"visible") {
        RequireArguments(args, 1);
        HWND found = control();
        bool state = command == L"enabled" ? IsWindowEnabled(found) : IsWindowVisible(found);
        return {state ? L"yes" : L"no"};
    } else if (command == L"checked") {
        RequireArguments(args, 1);
        return {SendOrFail(control(), BM_GETCHECK, 0, 0) == BST_CHECKED ? L"yes" : L"no"};
    } else if (command == L"point") {
        RequireArguments(args, 1);
        return {CentreOnScreen(control())};
    } else if (command == L"click") {
        RequireArguments(args, 1);
        PostMessageW(control(), BM_CLICK, 0, 0);
    } else if (command == L"list") {
        RequireArguments(args, 1);
        return ListLines(control());
    } else if (command == L"selected") {
        RequireArguments(args, 1);
        return SelectedLine(control());
    } else if (command == L"select") {
        RequireArguments(args, 2);
        int index = ParseNumber(args[2], L"INDEX");
        SelectLine(control(), index);
    } else if (command == L"type") {
        RequireArguments(args, 2);
        TypeText(control(), UnescapeArgument(args[2]));
    } else if (command == L"close") {
        RequireArguments(args, 0);
        HWND main = PollFor(options.timeout, [] { return FindTopLevel(kMainClass, L"*", false); });
        if (!main) throw Failure{L"no window of the wizard"};
        PostMessageW(main, WM_CLOSE, 0, 0);
    } else if (command == L"browse") {
        RequireArguments(args, 2);
        return {L"owner: " + Browse(options, UnescapeArgument(args[1]), args[2])};
    } else if (command == L"lock") {
        RequireArguments(args, 2);
        LockFile(args[1], static_cast<DWORD>(ParseNumber(args[2], L"MS")));
    } else {
        throw UsageError{L"unknown command '" + command + L"'"};
    }
    return {};
}

std::wstring JoinLines(const Lines& lines) {
    std::wstring joined;
    for (const std::wstring& line : lines)
        joined += (joined.empty() ? L"" : L"\n") + line;
    return joined;
}

// Repeats a reading command until it prints the expected value: its lines
// joined by LF, compared in the escaped form the robot prints, so that "a\r\nb"
// matches a text box holding two lines. A control that is not there yet counts
// as a wrong value.
Lines RunUntil(const Options& options, const std::vector<std::wstring>& args) {
    if (!IsReading(args[0])) throw UsageError{L"--until only goes with a reading command"};
    Options once = options;
    once.timeout = 0;
    const std::wstring expected = EscapeLineBreaks(UnescapeArgument(options.until));
    Lines lines;
    std::wstring last;
    std::wstring lastFailure;
    bool reached = PollUntil(options.timeout, [&] {
        try {
            lines = Run(once, args);
            last = EscapeLineBreaks(JoinLines(lines));
            lastFailure.clear();
        } catch (const Failure& failure) {
            lastFailure = failure.reason;
            return false;
        }
        return last == expected;
    });
    if (reached) return lines;
    throw Failure{L"waited " + std::to_wstring(options.timeout) + L" ms for '" + expected + L"', " +
                  (lastFailure.empty() ? L"still '" + last + L"'" : lastFailure)};
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    Options options;
    std::vector<std::wstring> args;
    try {
        int i = 1;
        for (; i + 1 < argc && argv[i][0] == L'-' && argv[i][1] == L'-'; i += 2) {
            std::wstring name = argv[i];
            if (name == L"--timeout") {
                options.timeout = static_cast<DWORD>(ParseNumber(argv[i + 1], L"--timeout"));
            } else if (name == L"--until") {
                options.repeatUntil = true;
                options.until = argv[i + 1];
            } else {
                throw UsageError{L"unknown option " + name};
            }
        }
        for (; i < argc; ++i)
            args.push_back(argv[i]);
        if (args.empty()) throw UsageError{L"no command"};
        answerTimeout = std::max(options.timeout, kLeastAnswerTime);
        for (const std::wstring& line :
             options.repeatUntil ? RunUntil(options, args) : Run(options, args))
            PrintLine(line);
        return 0;
    } catch (const UsageError& error) {
        WriteBytes(STD_ERROR_HANDLE, ToUtf8(L"robot: " + error.reason + L"\n" + kUsage + L"\n"));
        return 2;
    } catch (const Failure& error) {
        std::wstring command = args.empty() ? L"" : args[0] + L": ";
        WriteBytes(STD_ERROR_HANDLE, ToUtf8(L"robot: " + command + error.reason + L"\n"));
        return 1;
    } catch (const std::exception& error) {
        WriteBytes(STD_ERROR_HANDLE, std::string("robot: unexpected error: ") + error.what() + "\n");
        return 1;
    }
}
