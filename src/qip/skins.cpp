#include "qip/skins.h"

#include <algorithm>

namespace velmora {

int ListSkins(Files& files, const std::string& skinsFolder, SkinList& skins) {
    int added = 0;
    for (const FolderEntry& entry : files.ListFolder(skinsFolder)) {
        if (!files.IsFolder(skinsFolder + "\\" + entry.name + "\\Smilies")) continue;
        skins.SkinNames.push_back(entry.name);
        skins.SkinStates.push_back(kSkinListed);
        ++added;
    }
    return added;
}

void MarkChosenSkins(SkinList& skins, const std::vector<int>& selected) {
    for (size_t i = 0; i < skins.SkinStates.size(); ++i) {
        const bool chosen = std::count(selected.begin(), selected.end(), static_cast<int>(i)) > 0;
        skins.SkinStates[i] = chosen ? kSkinChosen : kSkinNotChosen;
    }
}

}  // namespace velmora
