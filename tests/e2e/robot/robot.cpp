// robot.exe: drives Velmora's windows for the end-to-end tests.
//
// It runs in the same Wine prefix as the program under test and performs one command per
// invocation: 0 on success, 1 on failure (one line on stderr), 2 on a usage error. Output is
// UTF-8 with LF line ends. Whatever acts on the program is posted, so a press that opens a
// modal box never blocks the robot; only typing sends, so that the characters have arrived
// when the command returns.
#include <windows.h>

#include <commctrl.h>  // after windows.h, which it needs

#include <algorithm>
#include <cstdlib>
#include <cwchar>
#include <iterator>
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

// The number of arguments of each command.
const std::map<std::wstring, size_t> kArguments = {
    {L"wait-window", 2}, {L"windows", 0}, {L"box", 0},     {L"answer", 1}, {L"text", 1},
    {L"enabled", 1},     {L"visible", 1}, {L"checked", 1}, {L"list", 1},   {L"selected", 1},
    {L"point", 1},       {L"click", 1},   {L"select", 2},  {L"type", 2},   {L"close", 0},
    {L"browse", 2},      {L"lock", 2}};
// The commands that only read, and so may be repeated with --until.
const std::wstring kReading[] = {L"text", L"enabled",  L"visible", L"checked",
                                 L"list", L"selected", L"windows"};
// Message box buttons by id: IDOK (1) to IDCONTINUE (11).
static_assert(IDOK == 1 && IDCLOSE == 8 && IDCONTINUE == 11, "button ids run from 1 to 11");
const wchar_t* const kButtonNames[] = {L"",      L"ok",     L"cancel",   L"abort",
                                       L"retry", L"ignore", L"yes",      L"no",
                                       L"close", L"help",   L"tryagain", L"continue"};

const DWORD kDefaultTimeout = 30000;
const DWORD kPollInterval = 50;
// How long a busy program may take to answer a message: the command's timeout, at least a
// second. No SMTO_ABORTIFHUNG: a program that was just busy copying smiles counts as hung
// until it next looks at its queue, and a box it opens in that moment would go unread.
DWORD answerTimeout = kDefaultTimeout;
const wchar_t kMainClass[] = L"myWindow";  // the wizard's window
const int kMessageTextId = 0xFFFF;         // the text static of a message box
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

using Lines = std::vector<std::wstring>;  // what a command prints, one entry per line

// ---- text -------------------------------------------------------------------

std::string ToUtf8(const std::wstring& text) {
    if (text.empty()) return {};
    int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr,
                                   0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &bytes[0], size,
                        nullptr, nullptr);
    return bytes;
}

void Write(DWORD handleId, const std::wstring& text) {
    std::string bytes = ToUtf8(text);
    DWORD written = 0;
    WriteFile(GetStdHandle(handleId), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
              nullptr);
}

// CR and LF become \r and \n so that a text stays on one line.
std::wstring EscapeLineBreaks(const std::wstring& text) {
    std::wstring out;
    for (wchar_t c : text)
        out += c == L'\r' ? L"\\r" : c == L'\n' ? L"\\n" : std::wstring(1, c);
    return out;
}

// The reverse for arguments: \r, \n and \\ stand for CR, LF and a backslash; any other
// backslash stays, so Windows paths need no doubling.
std::wstring UnescapeArgument(const std::wstring& text) {
    std::wstring out;
    for (size_t i = 0; i < text.size(); ++i) {
        wchar_t next = i + 1 < text.size() ? text[i + 1] : L'\0';
        if (text[i] == L'\\' && (next == L'r' || next == L'n' || next == L'\\')) {
            out += next == L'r' ? L'\r' : next == L'n' ? L'\n' : L'\\';
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

int ParseNumber(const std::wstring& text, const wchar_t* what) {
    wchar_t* end = nullptr;
    long value = std::wcstol(text.c_str(), &end, 0);
    if (text.empty() || *end != L'\0') throw UsageError{std::wstring(what) + L" must be a number"};
    return static_cast<int>(value);
}

// ---- windows ----------------------------------------------------------------

std::wstring ClassOf(HWND window) {
    wchar_t name[256] = L"";
    GetClassNameW(window, name, 256);
    return name;
}

bool IsClass(HWND window, const std::wstring& className) {
    return _wcsicmp(ClassOf(window).c_str(), className.c_str()) == 0;
}

LRESULT SendOrFail(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, answerTimeout, &result))
        throw Failure{L"the program does not answer (message " + std::to_wstring(message) + L")"};
    return static_cast<LRESULT>(result);
}

// The text of a window of another process: WM_GETTEXT is marshalled across processes,
// GetWindowText would only give the caption of a top-level window.
std::wstring TextOf(HWND window) {
    LRESULT length = SendOrFail(window, WM_GETTEXTLENGTH, 0, 0);
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
    LRESULT copied =
        SendOrFail(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
    return std::wstring(buffer.data(), static_cast<size_t>(std::min(copied, length)));
}

std::wstring TitleOf(HWND window) {
    std::vector<wchar_t> buffer(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    GetWindowTextW(window, buffer.data(), static_cast<int>(buffer.size()));
    return buffer.data();
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

std::vector<HWND> ChildrenOf(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

// A top-level window of that class (and that exact title unless title is "*").
HWND FindTopLevel(const std::wstring& className, const std::wstring& title, bool visibleOnly) {
    for (HWND window : TopLevelWindows())
        if ((!visibleOnly || IsWindowVisible(window)) && IsClass(window, className) &&
            (title == L"*" || TitleOf(window) == title))
            return window;
    return nullptr;
}

// Matched on the low 16 bits of the id as dialog templates store it (0xFFFF and -1 alike).
HWND ChildWithId(HWND parent, int id) {
    for (HWND child : ChildrenOf(parent))
        if ((GetDlgCtrlID(child) & 0xFFFF) == (id & 0xFFFF)) return child;
    return nullptr;
}

HWND ChildOfClass(HWND parent, const wchar_t* className) {
    for (HWND child : ChildrenOf(parent))
        if (IsClass(child, className)) return child;
    return nullptr;
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

// The first window that probe returns within the time, or null.
template <class Probe>
HWND PollFor(DWORD timeout, Probe probe) {
    HWND found = nullptr;
    PollUntil(timeout, [&] { return (found = probe()) != nullptr; });
    return found;
}

// ---- message boxes ------------------------------------------------------------

std::wstring ButtonName(int id) {
    return id > 0 && id < static_cast<int>(std::size(kButtonNames)) ? kButtonNames[id] : L"";
}

// A visible message box: a dialog with the message text static, unlike the folder browser.
HWND WaitForBox(const Options& options) {
    HWND box = PollFor(options.timeout, [] {
        for (HWND window : TopLevelWindows())
            if (IsWindowVisible(window) && IsClass(window, L"#32770") &&
                ChildWithId(window, kMessageTextId))
                return window;
        return HWND{};
    });
    if (!box) throw Failure{L"no message box appeared"};
    return box;
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

// Which of the system's message box icons the box shows: none, other or its kind. The icon
// handle belongs to the program's process, so the screen is compared with the robot's own
// copies of the system icons; the best likeness wins (question and information share their
// round shape). A box that has just opened may not be painted yet.
std::wstring IconKindOf(const Options& options, HWND box) {
    HWND icon = nullptr;
    for (int id : kMessageIconIds) {
        HWND candidate = ChildWithId(box, id);
        DWORD_PTR handle = 0;
        if (candidate && IsWindowVisible(candidate) && !icon)
            SendMessageTimeoutW(candidate, STM_GETICON, 0, 0, SMTO_NORMAL, answerTimeout, &handle);
        if (handle) icon = candidate;
    }
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
    std::vector<int> ids;
    for (HWND child : ChildrenOf(box))
        if (IsWindowVisible(child) && IsClass(child, L"Button") &&
            !ButtonName(GetDlgCtrlID(child)).empty())
            ids.push_back(GetDlgCtrlID(child));
    std::sort(ids.begin(), ids.end());
    std::wstring buttons;
    for (int id : ids)
        buttons += (buttons.empty() ? L"" : L" ") + ButtonName(id);
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

// Presses the button and returns once the box has closed, so that no later command finds it.
void AnswerBox(const Options& options, const std::wstring& answer) {
    int id = static_cast<int>(std::find(std::begin(kButtonNames), std::end(kButtonNames), answer) -
                              std::begin(kButtonNames));
    if (ButtonName(id).empty()) throw UsageError{L"unknown button '" + answer + L"'"};
    HWND box = WaitForBox(options);
    HWND button = ChildWithId(box, id);
    if (!button || !IsWindowVisible(button))
        throw Failure{L"the message box '" + TitleOf(box) + L"' has no " + answer + L" button"};
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    if (!PollUntil(options.timeout, [box] { return !IsWindow(box) || !IsWindowVisible(box); }))
        throw Failure{L"the message box did not close after " + answer};
}

// ---- the main window and its controls -------------------------------------------

// A control of the main window as the command line names it: by id ("1030"), as the n-th of
// its class ("edit#2"), or by its class and the top left corner of its place ("static@80,108").
HWND WaitForControl(const Options& options, const std::wstring& text) {
    size_t mark = text.find_first_of(L"#@");
    std::wstring className = mark == std::wstring::npos ? L"" : text.substr(0, mark);
    int id = 0, nth = 0;
    POINT corner = {0, 0};
    if (mark == std::wstring::npos) {
        id = ParseNumber(text, L"a control id");
    } else if (mark == 0) {
        throw UsageError{L"no class in '" + text + L"'"};
    } else if (text[mark] == L'#') {
        nth = ParseNumber(text.substr(mark + 1), L"the number after #");
        if (nth < 1) throw UsageError{L"controls are counted from 1 in '" + text + L"'"};
    } else {
        std::wstring rest = text.substr(mark + 1);
        size_t comma = rest.find(L',');
        if (comma == std::wstring::npos) throw UsageError{L"'" + text + L"' needs @x,y"};
        corner = {ParseNumber(rest.substr(0, comma), L"x"),
                  ParseNumber(rest.substr(comma + 1), L"y")};
    }
    HWND control = PollFor(options.timeout, [&]() -> HWND {
        HWND main = FindTopLevel(kMainClass, L"*", false);
        if (!main) return nullptr;
        if (className.empty()) return ChildWithId(main, id);
        int seen = 0;
        for (HWND child : ChildrenOf(main)) {
            if (!IsClass(child, className)) continue;
            RECT place;
            GetWindowRect(child, &place);
            POINT at = {place.left, place.top};
            ScreenToClient(main, &at);
            if (nth ? ++seen == nth : at.x == corner.x && at.y == corner.y) return child;
        }
        return nullptr;
    });
    if (!control) throw Failure{L"no control " + text + L" in the wizard's window"};
    return control;
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

// The centre of a control in screen coordinates, which under Wine are the X screen's.
std::wstring CentreOnScreen(HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    return std::to_wstring((rect.left + rect.right) / 2) + L" " +
           std::to_wstring((rect.top + rect.bottom) / 2);
}

// Selects a line as a click would: a list without the keyboard focus first tells its parent
// LBN_SETFOCUS (with the old selection still in place), then the selection changes, then
// LBN_SELCHANGE. A multiple-selection list toggles the line. All of it is posted, in order.
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
    if (GetWindowLongW(list, GWL_STYLE) & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL))
        PostMessageW(list, LB_SETSEL, SendOrFail(list, LB_GETSEL, index, 0) > 0 ? FALSE : TRUE,
                     index);
    else
        PostMessageW(list, LB_SETCURSEL, index, 0);
    PostMessageW(parent, WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE), from);
}

// ---- the shell's folder browser ---------------------------------------------------

// Memory in another process. A tree view's messages carry pointers that Windows does not
// copy between processes, so their records are placed in the program's own memory.
class RemoteMemory {
  public:
    RemoteMemory(HWND window, size_t size) {
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        process_ = OpenProcess(
            PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE | PROCESS_QUERY_INFORMATION,
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

// The folder browser is a dialog with a folder tree and, above it, the title its caller
// gave; its caption is the system's and changes with the language.
HWND FindBrowser(const std::wstring& title) {
    for (HWND window : TopLevelWindows()) {
        if (!IsWindowVisible(window) || !IsClass(window, L"#32770") ||
            !ChildOfClass(window, WC_TREEVIEWW))
            continue;
        for (HWND child : ChildrenOf(window))
            if (IsClass(child, L"Static") && IsWindowVisible(child) && TextOf(child) == title)
                return window;
    }
    return nullptr;
}

HTREEITEM TreeItem(HWND tree, UINT relation, HTREEITEM from) {
    return reinterpret_cast<HTREEITEM>(
        SendOrFail(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(from)));
}

// A tree item record with the pointers as wide as the program's process has them.
template <class Pointer>
struct TreeItemRecord {
    UINT mask;
    Pointer hItem;
    UINT state, stateMask;
    Pointer pszText;
    int cchTextMax, iImage, iSelectedImage, cChildren;
    Pointer lParam;
};

template <class Pointer>
void WriteTextRequest(RemoteMemory& memory, HTREEITEM item, char* text, int length) {
    TreeItemRecord<Pointer> record = {};
    record.mask = TVIF_TEXT;
    record.hItem = static_cast<Pointer>(reinterpret_cast<ULONG_PTR>(item));
    record.pszText = static_cast<Pointer>(reinterpret_cast<ULONG_PTR>(text));
    record.cchTextMax = length;
    memory.Write(0, &record, sizeof(record));
}

std::wstring TreeItemText(HWND tree, HTREEITEM item) {
    const int kLength = 260;
    const size_t kRecordSize = sizeof(TVITEMW);  // the larger of the two layouts
    RemoteMemory memory(tree, kRecordSize + kLength * sizeof(wchar_t));
    if (memory.HoldsNarrowPointers())
        WriteTextRequest<DWORD>(memory, item, memory.at(kRecordSize), kLength);
    else
        WriteTextRequest<ULONG_PTR>(memory, item, memory.at(kRecordSize), kLength);
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
        HWND tree = ChildOfClass(browser, WC_TREEVIEWW);
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

// ---- command line -----------------------------------------------------------------

// Holds the file open without sharing; says "locked" once it is held.
void LockFile(const std::wstring& path, DWORD milliseconds) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        throw Failure{L"cannot open " + path + L" (error " + std::to_wstring(GetLastError()) +
                      L")"};
    Write(STD_OUTPUT_HANDLE, L"locked\n");
    Sleep(milliseconds);
    CloseHandle(file);
}

Lines Run(const Options& options, const std::vector<std::wstring>& args) {
    const std::wstring& command = args[0];
    auto arguments = kArguments.find(command);
    if (arguments == kArguments.end()) throw UsageError{L"unknown command '" + command + L"'"};
    if (args.size() != arguments->second + 1)
        throw UsageError{command + L" takes " + std::to_wstring(arguments->second) +
                         L" argument(s)"};
    auto control = [&] { return WaitForControl(options, args[1]); };
    auto yesNo = [](bool value) { return Lines{value ? L"yes" : L"no"}; };

    if (command == L"wait-window") {
        std::wstring title = UnescapeArgument(args[2]);
        HWND window = PollFor(options.timeout, [&] { return FindTopLevel(args[1], title, true); });
        if (!window)
            throw Failure{L"no visible window of class " + args[1] + L" titled " + args[2]};
        return {TitleOf(window)};
    } else if (command == L"windows") {
        Lines lines;
        for (HWND window : TopLevelWindows())
            if (IsWindowVisible(window)) lines.push_back(ClassOf(window) + L"\t" + TitleOf(window));
        return lines;
    } else if (command == L"box") {
        return DescribeBox(options);
    } else if (command == L"answer") {
        AnswerBox(options, args[1]);
    } else if (command == L"text") {
        return {EscapeLineBreaks(TextOf(control()))};
    } else if (command == L"enabled") {
        return yesNo(IsWindowEnabled(control()));
    } else if (command == L"visible") {
        return yesNo(IsWindowVisible(control()));
    } else if (command == L"checked") {
        return yesNo(SendOrFail(control(), BM_GETCHECK, 0, 0) == BST_CHECKED);
    } else if (command == L"point") {
        return {CentreOnScreen(control())};
    } else if (command == L"click") {
        PostMessageW(control(), BM_CLICK, 0, 0);
    } else if (command == L"list") {
        return ListLines(control());
    } else if (command == L"selected") {  // of a single-selection list; nothing when none is
        LRESULT current = SendOrFail(control(), LB_GETCURSEL, 0, 0);
        return current == LB_ERR ? Lines{} : Lines{std::to_wstring(current)};
    } else if (command == L"select") {
        int index = ParseNumber(args[2], L"INDEX");
        SelectLine(control(), index);
    } else if (command == L"type") {  // as the keyboard would after TranslateMessage
        HWND target = control();
        for (wchar_t c : UnescapeArgument(args[2]))
            SendOrFail(target, WM_CHAR, c, 1);
    } else if (command == L"close") {
        HWND main = PollFor(options.timeout, [] { return FindTopLevel(kMainClass, L"*", false); });
        if (!main) throw Failure{L"no window of the wizard"};
        PostMessageW(main, WM_CLOSE, 0, 0);
    } else if (command == L"browse") {
        return {L"owner: " + Browse(options, UnescapeArgument(args[1]), args[2])};
    } else if (command == L"lock") {
        LockFile(args[1], static_cast<DWORD>(ParseNumber(args[2], L"MS")));
    }
    return {};
}

// Repeats a reading command until it prints the expected value: its lines joined by LF,
// compared in the escaped form the robot prints, so that "a\r\nb" matches a text box holding
// two lines. A control that is not there yet counts as a wrong value.
Lines RunUntil(const Options& options, const std::vector<std::wstring>& args) {
    if (std::find(std::begin(kReading), std::end(kReading), args[0]) == std::end(kReading))
        throw UsageError{L"--until only goes with a reading command"};
    Options once = options;
    once.timeout = 0;
    const std::wstring expected = EscapeLineBreaks(UnescapeArgument(options.until));
    Lines lines;
    std::wstring last, lastFailure;
    bool reached = PollUntil(options.timeout, [&] {
        try {
            lines = Run(once, args);
            last.clear();
            for (const std::wstring& line : lines)
                last += (last.empty() ? L"" : L"\n") + line;
            last = EscapeLineBreaks(last);
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
        answerTimeout = std::max<DWORD>(options.timeout, 1000);
        for (const std::wstring& line :
             options.repeatUntil ? RunUntil(options, args) : Run(options, args))
            Write(STD_OUTPUT_HANDLE, line + L"\n");
        return 0;
    } catch (const UsageError& error) {
        Write(STD_ERROR_HANDLE, L"robot: " + error.reason + L"\n" + kUsage + L"\n");
        return 2;
    } catch (const Failure& error) {
        std::wstring command = args.empty() ? L"" : args[0] + L": ";
        Write(STD_ERROR_HANDLE, L"robot: " + command + error.reason + L"\n");
        return 1;
    } catch (const std::exception& error) {
        std::string what = error.what();
        Write(STD_ERROR_HANDLE,
              L"robot: unexpected error: " + std::wstring(what.begin(), what.end()) + L"\n");
        return 1;
    }
}
