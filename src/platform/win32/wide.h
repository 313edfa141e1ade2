#pragma once
// Conversions at the Win32 boundary: UTF-8 inside the program, UTF-16 in W calls, and the
// ANSI code page in files.

#include <windows.h>

#include <string>

namespace velmora {

std::wstring Wide(const std::string& utf8);
std::string Utf8(const std::wstring& wide);
std::string Utf8(const wchar_t* wide);

// Characters the ANSI code page cannot hold become "?".
std::string AnsiToUtf8(const std::string& ansi);
std::string Utf8ToAnsi(const std::string& utf8);

// The system's words for an error code, without the trailing line break.
std::string SystemErrorText(DWORD error);

}  // namespace velmora
