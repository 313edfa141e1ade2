#include "platform/win32/version_resource.h"

#include <algorithm>
#include <cstring>

#include "platform/win32/wide.h"

namespace velmora {
namespace {

// How many bytes of the block lie from value on; none when value lies outside it.
size_t BytesLeftFrom(const void* block, size_t blockSize, const void* value) {
    const char* const begin = static_cast<const char*>(block);
    const char* const at = static_cast<const char*>(value);
    if (at < begin || at >= begin + blockSize) return 0;
    return static_cast<size_t>(begin + blockSize - at);
}

}  // namespace

std::string FileVersionInBlock(const void* block, size_t blockSize, QueryVersionValue query) {
    void* value = nullptr;
    UINT length = 0;
    if (!query(block, L"\\VarFileInfo\\Translation", &value, &length) || !value) return {};
    WORD translation[2];
    if (std::min<size_t>(length, BytesLeftFrom(block, blockSize, value)) < sizeof translation)
        return {};
    std::memcpy(translation, value, sizeof translation);

    wchar_t key[64];
    wsprintfW(key, L"\\StringFileInfo\\%04X%04X\\FileVersion", translation[0], translation[1]);
    value = nullptr;
    length = 0;
    if (!query(block, key, &value, &length) || !value) return {};
    // The length of a text counts characters.
    const size_t room = BytesLeftFrom(block, blockSize, value) / sizeof(wchar_t);
    std::wstring text(std::min<size_t>(length, room), L'\0');
    std::memcpy(&text[0], value, text.size() * sizeof(wchar_t));
    text.resize(std::min(text.find(L'\0'), text.size()));
    return Utf8(text);
}

}  // namespace velmora
