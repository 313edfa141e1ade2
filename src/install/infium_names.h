#pragma once
// QIP Infium keeps each smile set in a folder of its own below its Smilies folder, and a pack
// is installed there as every variant it has, side by side. This names those folders: the
// variants and their base names, the numbered names that step around a folder holding
// something else, and the older versions the pack lists for removal.

#include <string>
#include <vector>

#include "pack/pack_description.h"
#include "platform/files.h"

namespace velmora {

// One variant of the pack as QIP Infium receives it.
struct InfiumVariant {
    std::string word;      // the variant word of the record
    std::string baseName;  // NameAndVersion and the word: the folder's name before any suffix
    std::string identity;  // the base name and the creation date, as the record names it
};

// The variants a pack type installs: its one set, or light and dark, or full and lite.
std::vector<InfiumVariant> InfiumVariantsOf(const PackDescription& pack);

// The static variant of the second set is installed only when the pack declares static
// Lite Dark smiles; the naming looks at its folder name regardless.
bool InstallsSecondStatic(const PackDescription& pack, size_t variantCount);

// The folder of a variant and kind after so many name changes: the base name, "_0" and the
// count when there were changes, and " Static" for the static kind.
std::string InfiumFolderName(const InfiumVariant& variant, int renames, bool animated);

// What the naming found in the Smilies folder.
struct InfiumNames {
    int renames = 0;
    bool nameChanged = false;
    bool samePackFound = false;
    std::string firstSamePack;  // the first folder found holding this very pack variant
    std::string lastClash;      // the last folder found holding something else
};

// Looks at the folders the pack's variants would take, animated before static, and changes
// the names until each existing folder among them holds this very pack variant (its record's
// identity, compared without regard to ASCII letter case). Reads only.
InfiumNames ChooseInfiumNames(Files& files, const std::string& smiliesFolder,
                              const PackDescription& pack,
                              const std::vector<InfiumVariant>& variants);

// The identities of older versions in the lines of Old_Version_for_Erase.ini, in file order:
// every line but empty ones, comments and the identities being installed now. Lines are
// taken as they stand.
std::vector<std::string> ReadOldVersionList(const std::vector<std::string>& lines,
                                            const std::vector<InfiumVariant>& variants);

}  // namespace velmora
