// Reads crafted version resources with the system's VerQueryValueW: each block ends right
// before a page that cannot be read, so a read past its end stops the program. Prints one
// line per case and "version text: N passed, M failed"; exits 0 only when all passed.

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "platform/win32/version_resource.h"

namespace {

std::string Bytes(const void* data, size_t size) {
    return std::string(static_cast<const char*>(data), size);
}

void PadToFour(std::string& node) {
    while (node.size() % 4)
        node += '\0';
}

// One node of a version resource as the resource compiler lays it out: its length, the
// length of its value (characters for a text, bytes otherwise), its type (1 text, 0 binary),
// its key, its value and its children. The last node of a block may leave its value short.
std::string Node(const std::wstring& key, const std::string& value, WORD valueLength, bool text,
                 const std::string& children = "") {
    std::string node(6, '\0');
    node += Bytes(key.c_str(), (key.size() + 1) * sizeof(wchar_t));
    PadToFour(node);
    node += value;
    if (!children.empty()) {
        PadToFour(node);
        node += children;
    }
    const WORD header[3] = {static_cast<WORD>(node.size()), valueLength, WORD(text ? 1 : 0)};
    std::memcpy(&node[0], header, sizeof header);
    return node;
}

std::string Text(const std::wstring& text) {
    return Bytes(text.data(), text.size() * sizeof(wchar_t));
}

// A whole resource: the translation table and the string table with its FileVersion, in
// either order, so that either can end the block.
std::string Resource(const std::string& translation, WORD translationLength,
                     const std::wstring& version, WORD versionLength, bool versionLast) {
    std::string strings = Node(
        L"StringFileInfo", "", 0, true,
        Node(L"040904B0", "", 0, true, Node(L"FileVersion", Text(version), versionLength, true)));
    std::string variables = Node(L"VarFileInfo", "", 0, true,
                                 Node(L"Translation", translation, translationLength, false));
    if (versionLast)
        PadToFour(variables);
    else
        PadToFour(strings);
    return Node(L"VS_VERSION_INFO", "", 0, false,
                versionLast ? variables + strings : strings + variables);
}

const std::string kEnglish("\x09\x04\xB0\x04", 4);  // 0409, 04B0

struct Case {
    const char* what;
    std::string resource;
    std::string expected;
};

}  // namespace

int main() {
    const Case cases[] = {
        {"a text with its zero", Resource(kEnglish, 4, std::wstring(L"8.1\0", 4), 4, true), "8.1"},
        {"a text without a zero at the block's end", Resource(kEnglish, 4, L"8.15", 4, true),
         "8.15"},
        {"a text longer than its stated length",
         Resource(kEnglish, 4, std::wstring(L"8.1\0", 4), 2, true), "8."},
        {"a text with a zero inside", Resource(kEnglish, 4, std::wstring(L"2\0x\0", 4), 4, true),
         "2"},
        {"a text whose length runs past the block", Resource(kEnglish, 4, L"3.0", 400, true),
         "3.0"},
        {"a translation table cut short by the block's end",
         Resource(kEnglish.substr(0, 2), 4, L"8", 1, false), ""},
        {"an empty translation table", Resource("", 0, L"8", 1, false), ""},
    };
    SYSTEM_INFO system;
    GetSystemInfo(&system);
    const size_t page = system.dwPageSize;
    int passed = 0, failed = 0;
    for (const Case& test : cases) {
        char* pages = static_cast<char*>(
            VirtualAlloc(nullptr, 2 * page, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
        DWORD old = 0;
        if (!pages || !VirtualProtect(pages + page, page, PAGE_NOACCESS, &old)) {
            std::printf("FAIL %s: no guarded memory\n", test.what);
            return 1;
        }
        char* block = pages + page - test.resource.size();
        std::memcpy(block, test.resource.data(), test.resource.size());
        std::printf("%s: ", test.what);
        std::fflush(stdout);
        const std::string got =
            velmora::FileVersionInBlock(block, test.resource.size(), VerQueryValueW);
        const bool ok = got == test.expected;
        std::printf("%s (got \"%s\", expected \"%s\")\n", ok ? "PASS" : "FAIL", got.c_str(),
                    test.expected.c_str());
        ok ? ++passed : ++failed;
        VirtualFree(pages, 0, MEM_RELEASE);
    }
    std::printf("version text: %d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
