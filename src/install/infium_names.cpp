#include "install/infium_names.h"

#include <algorithm>

#include "base/text_lines.h"
#include "install/version_record.h"

namespace velmora {
namespace {

InfiumVariant MakeVariant(const PackDescription& pack, const std::string& word) {
    const std::string base = pack.NameAndVersion + " " + word;
    return {word, base, base + " " + pack.CreationDate};
}

// True when the folder exists and its record names another pack or none: the folder is
// not this pack's to replace.
bool Clashes(Files& files, const std::string& folder, const InfiumVariant& variant) {
    const std::string record = folder + "\\" + kVersionRecordName;
    return !files.IsFile(record) ||
           LowerAscii(ReadVersionRecord(files, record, RecordField::Identity)) !=
               LowerAscii(variant.identity);
}

}  // namespace

std::vector<InfiumVariant> InfiumVariantsOf(const PackDescription& pack) {
    switch (ModeOf(pack)) {
        case kLightDarkMode:
            return {MakeVariant(pack, "light"), MakeVariant(pack, "dark")};
        case kFullLiteMode:
            return {MakeVariant(pack, "full"), MakeVariant(pack, "lite")};
        default:
            return {MakeVariant(pack, pack.PackType)};
    }
}

bool InstallsSecondStatic(const PackDescription& pack, size_t variantCount) {
    return variantCount > 1 && CountValue(pack.StaticLiteDarkCount) > 0;
}

std::string InfiumFolderName(const InfiumVariant& variant, int renames, bool animated) {
    const std::string suffix = renames > 0 ? "_0" + std::to_string(renames) : "";
    return variant.baseName + suffix + (animated ? "" : " Static");
}

InfiumNames ChooseInfiumNames(Files& files, const std::string& smiliesFolder,
                              const PackDescription& pack,
                              const std::vector<InfiumVariant>& variants) {
    InfiumNames names;
    for (;;) {
        names.firstSamePack.clear();
        bool clash = false;
        for (const bool animated : {true, false}) {
            if (!HasSmilesOfKind(pack, animated)) continue;
            for (const InfiumVariant& variant : variants) {
                const std::string name = InfiumFolderName(variant, names.renames, animated);
                const std::string folder = smiliesFolder + "\\" + name;
                if (!files.IsFolder(folder)) continue;
                if (Clashes(files, folder, variant)) {
                    names.lastClash = name;
                    names.nameChanged = true;
                    names.samePackFound = false;
                    ++names.renames;
                    clash = true;
                    break;
                }
                names.samePackFound = true;
                if (names.firstSamePack.empty()) names.firstSamePack = name;
            }
            if (clash) break;
        }
        if (!clash) return names;
    }
}

std::vector<std::string> ReadOldVersionList(const std::vector<std::string>& lines,
                                            const std::vector<InfiumVariant>& variants) {
    std::vector<std::string> identities;
    for (const std::string& line : lines) {
        const bool own = std::any_of(variants.begin(), variants.end(),
                                     [&](const InfiumVariant& v) { return v.identity == line; });
        if (IsDataLine(line) && !own) identities.push_back(line);
    }
    return identities;
}

}  // namespace velmora
