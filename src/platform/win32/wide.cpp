#include "platform/win32/wide.h"

namespace velmora {
namespace {

std::wstring ToWide(UINT codePage, const std::string& text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
    std::wstring wide(length, L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), length);
    return wide;
}

std::string FromWide(UINT codePage, const std::wstring& wide) {
    if (wide.empty()) return {};
    const int size = static_cast<int>(wide.size());
    // The UTF-8 conversion takes no default character.
    const char* fallback = codePage == CP_UTF8 ? nullptr : "?";
    const int length =
        WideCharToMultiByte(codePage, 0, wide.data(), size, nullptr, 0, fallback, nullptr);
    std::string text(length, '\0');
    WideCharToMultiByte(codePage, 0, wide.data(), size, text.data(), length, fallback, nullptr);
    return text;
}

}  // namespace

std::wstring Wide(const std::string& utf8) {
    return ToWide(CP_UTF8, utf8);
}
std::string Utf8(const std::wstring& wide) {
    return FromWide(CP_UTF8, wide);
}
std::string Utf8(const wchar_t* wide) {
    return Utf8(std::wstring(wide ? wide : L""));
}
std::wstring WidePath(const std::string& utf8) {
    const std::wstring path = Wide(utf8);
    if (path.size() < MAX_PATH - 12 || path.rfind(L"\\\\?\\", 0) == 0) return path;
    // The extended form is taken as it stands: the full path resolves "/", "." and "..".
    const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (size == 0) return path;
    std::wstring full(size, L'\0');
    const DWORD length = GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
    if (length == 0 || length >= size) return path;
    full.resize(length);
    if (full.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + full.substr(2);
    return L"\\\\?\\" + full;
}
std::string AnsiToUtf8(const std::string& ansi) {
    return Utf8(ToWide(CP_ACP, ansi));
}
std::string Utf8ToAnsi(const std::string& utf8) {
    return Utf8ToCodePage(utf8, CP_ACP);
}
std::string Utf8ToCodePage(const std::string& utf8, UINT codePage) {
    return FromWide(codePage, Wide(utf8));
}

std::string SystemErrorText(DWORD error) {
    wchar_t* buffer = nullptr;
    const DWORD flags =
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
    const DWORD length =
        FormatMessageW(flags, nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text = length ? std::wstring(buffer, length) : std::wstring();
    if (buffer) LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' '))
        text.pop_back();
    if (text.empty()) return "system error " + std::to_string(error);
    return Utf8(text);
}

}  // namespace velmora
