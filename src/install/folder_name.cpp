#include "install/folder_name.h"

#include <cstring>

#include "base/text_lines.h"

namespace velmora {
namespace {

// The characters Windows does not allow in a file or folder name, besides the control ones.
constexpr const char* kForbidden = "\\/:*?\"<>|";

// The device names Windows keeps in every folder, with or without an extension; the ports
// numbered with the superscript digits one to three (UTF-8 here) are devices too.
const char* const kDeviceNames[] = {
    "con",         "prn",         "aux",         "nul",        "com1",        "com2",
    "com3",        "com4",        "com5",        "com6",       "com7",        "com8",
    "com9",        "lpt1",        "lpt2",        "lpt3",       "lpt4",        "lpt5",
    "lpt6",        "lpt7",        "lpt8",        "lpt9",       "com\xC2\xB9", "com\xC2\xB2",
    "com\xC2\xB3", "lpt\xC2\xB9", "lpt\xC2\xB2", "lpt\xC2\xB3"};

std::string ForbiddenCharacter(const std::string& name) {
    for (const char c : name) {
        if (static_cast<unsigned char>(c) < 32) return "a control character";
        if (std::strchr(kForbidden, c)) return std::string("the character \"") + c + "\"";
    }
    return {};
}

bool IsDeviceName(const std::string& name) {
    std::string stem = LowerAscii(name.substr(0, name.find('.')));
    while (!stem.empty() && stem.back() == ' ')
        stem.pop_back();
    for (const char* device : kDeviceNames) {
        if (stem == device) return true;
    }
    return false;
}

}  // namespace

std::string FolderNameFault(const std::string& name) {
    if (name.empty()) return "it is empty";
    const std::string character = ForbiddenCharacter(name);
    if (!character.empty()) return "it contains " + character;
    if (name == "." || name == "..") return "it is \"" + name + "\"";
    if (name.back() == ' ' || name.back() == '.') return "it ends in a blank or a dot";
    if (IsDeviceName(name)) return "Windows keeps it for a device";
    return {};
}

}  // namespace velmora
