#pragma once
// Conversions at the Win32 boundary: UTF-8 inside the program, UTF-16 in W calls, and the
// ANSI code page in files.

#include <windows.h>

#include <string>

namespace velmora {

std::wstring Wide(const std::string& utf8);
std::string Utf8(const std::wstring& wide);
std::string Utf8(const wchar_t* wide);

// A path for the file functions. A short one stays as it is; from the length where a plain
// path stops working (CreateDirectoryW's limit, a little below MAX_PATH) it becomes the full
// path in the extended-length form "\\?\", which reaches 32767 characters. The shell's file
// operation takes no such form.
std::wstring WidePath(const std::string& utf8);

// Characters the ANSI code page cannot hold become "?".
std::string AnsiToUtf8(const std::string& ansi);
std::string Utf8ToAnsi(const std::string& utf8);
std::string Utf8ToCodePage(const std::string& utf8, UINT codePage);

// The system's words for an error code, without the trailing line break.
std::string SystemErrorText(DWORD error);

}  // namespace velmora
