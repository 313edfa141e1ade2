#pragma once
// The messenger copy chosen for installation, and the running copies the search found.

#include <array>
#include <string>

namespace velmora {

struct QipTarget {
    std::string folder;  // without a trailing backslash, except at a drive root
    bool isInfium = false;
    bool showFoundMessage = false;  // found without a pick from a list: tell the user where
};

// The full paths of the running copies the simplified search found, in the order found; no
// path twice. An empty slot 1 means that at most one copy runs.
constexpr size_t kFoundQipSlots = 11;
using FoundQipPaths = std::array<std::string, kFoundQipSlots>;

}  // namespace velmora
