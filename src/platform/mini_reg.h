#pragma once
// The naming rule of the program's registry values, shared by every Registry.

#include <string>

namespace velmora {

// Splits a value path at its last backslash into the key and the value's name. A path without
// a backslash names no value: false, and key and name are left as they were.
bool SplitValuePath(const std::string& path, std::string& key, std::string& name);

}  // namespace velmora
