#pragma once
// The messenger copy chosen for installation.

#include <string>

namespace velmora {

struct QipTarget {
    std::string folder;  // without a trailing backslash
    bool isInfium = false;
    bool showFoundMessage = false;  // found without a pick from a list: tell the user where
};

}  // namespace velmora
