#pragma once
// The skins of QIP 2005 that can receive smiles, and what the user chose among them.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/files.h"

namespace velmora {

enum SkinState : int32_t {
    kSkinListed = 0,
    kSkinNotChosen = 1,
    kSkinChosen = 2,
    kSkinInstalled = 3,  // installed into during this installation
};

// The skin folder names in the order the folder lists them, and each one's state.
struct SkinList {
    std::vector<std::string> SkinNames;
    std::vector<int32_t> SkinStates;
};

// Appends every usable skin of the folder, a sub-folder that holds a "Smilies" folder, as
// listed; returns how many it appended. A missing folder has none.
int ListSkins(Files& files, const std::string& skinsFolder, SkinList& skins);

// After the user's choice: the skins at the selected indexes are chosen, all others not.
void MarkChosenSkins(SkinList& skins, const std::vector<int>& selected);

}  // namespace velmora
