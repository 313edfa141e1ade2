#pragma once
// Telling a messenger folder by its executable: "qip.exe" is QIP 2005 unless its version says
// QIP Infium, "infium.exe" is QIP Infium.

#include <functional>
#include <string>

#include "platform/files.h"
#include "qip/qip_target.h"

namespace velmora {

// The "FileVersion" text of an executable's version resource, or empty text.
using VersionReader = std::function<std::string(const std::string& path)>;

// The folder part of a path: everything before the last "\", a drive root keeping its
// backslash ("C:\qip.exe" gives "C:\"). Empty stays empty.
std::string FolderOf(const std::string& path);

// The file name of an executable path: the part after the last "\" or ":".
std::string ExecutableName(const std::string& path);

// A "qip.exe" whose version text begins with a digit of 3 or more is QIP Infium.
bool IsInfiumVersion(const std::string& versionText);

// Whether the messenger executable at the path is QIP Infium: "infium.exe" is; "qip.exe" is
// decided by its version.
bool IsInfiumExecutable(const std::string& path, const VersionReader& version);

// Looks for "qip.exe", then "infium.exe", in the folder and its four nearest ancestors. The
// folder of the first hit and which messenger it holds; an empty folder when none holds one.
QipTarget CheckQipFolder(Files& files, const std::string& folder, const VersionReader& version);

// A running copy picked by the search: its folder, and which messenger it is.
QipTarget RunningCopyTarget(const std::string& executablePath, const VersionReader& version);

}  // namespace velmora
