#pragma once
// The file version in a program's version resource, read from the block that
// GetFileVersionInfoW fills. The resource comes from the file, so its lengths are not trusted.

#include <windows.h>

#include <string>

namespace velmora {

// VerQueryValueW, or a function of its kind.
using QueryVersionValue = BOOL(WINAPI*)(const void* block, const wchar_t* key, void** value,
                                        UINT* length);

// The "FileVersion" text of the string table for the first language and code page that
// "\VarFileInfo\Translation" lists; empty when there is none. A value is read only as far as
// both its stated length and the block reach, and a text ends at its first zero; a translation
// table without room for one whole entry gives no version.
std::string FileVersionInBlock(const void* block, size_t blockSize, QueryVersionValue query);

}  // namespace velmora
