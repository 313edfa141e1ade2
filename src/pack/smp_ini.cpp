#include "pack/smp_ini.h"

#include <iterator>
#include <vector>

#include "base/text_lines.h"
#include "platform/file_lines.h"

namespace velmora {
namespace {

constexpr int kRequiredLines = 14;

struct Description {
    int code = kDescriptionSound;
    std::vector<std::string> lines;  // data lines; empty lines count, comments do not
    std::string reason;              // why an unreadable file could not be read
};

bool IsOneOf(const std::string& value, std::initializer_list<const char*> keywords) {
    for (const char* keyword : keywords) {
        if (value == keyword) return true;
    }
    return false;
}

// The code for one data line, or 0 when the line is acceptable.
int CheckDataLine(size_t number, const std::string& line) {
    const std::string value = LowerAscii(line);
    int32_t ignored = 0;
    switch (number) {
        case 2:
            return value == "smilespack" ? 0 : kBadTypeTag;
        case 3:
            return IsOneOf(value, {"all", "qip", "qip2005", "qipinf"}) ? 0 : kBadPagers;
        case 4:
            return IsOneOf(value, {"single", "fulllite", "lightdark", "litesingle", "lightsingle",
                                   "darksingle"})
                       ? 0
                       : kBadPackType;
        case 8:
        case 9:
        case 10:
        case 11:
            return ParseInteger(line, ignored)
                       ? 0
                       : kBadAnimatedFullLightCount + static_cast<int>(number - 8);
        case 12:
            return IsOneOf(value, {"all", "static", "anim"}) ? 0 : kBadSmileKinds;
        default:
            return 0;
    }
}

std::string DescriptionPath(const std::string& programFolder) {
    return PackFilePath(programFolder, "SMP.ini");
}

Description ReadDescription(Files& files, const std::string& programFolder) {
    Description result;
    const std::string path = DescriptionPath(programFolder);
    if (!files.IsFile(path)) {
        result.code = kDescriptionMissing;
        return result;
    }
    const FileLines file = ReadLines(files, path);
    if (!file.status.ok) {
        result.code = kDescriptionUnreadable;
        result.reason = file.status.reason;
        return result;
    }
    for (const std::string& line : file.lines) {
        if (IsCommentLine(line)) continue;
        result.lines.push_back(line);
        // A fault on a later line replaces the code of an earlier one.
        if (const int code = CheckDataLine(result.lines.size(), line)) result.code = code;
    }
    if (result.lines.size() < kRequiredLines) result.code = kTooFewLines;
    return result;
}

std::string DetailText(const Description& description) {
    switch (description.code) {
        case kDescriptionMissing:
            return "Error data: File not found.";
        case kBadTypeTag:
            return "Error in string: \"Type\".";
        case kBadPagers:
            return "Error in string: \"Pagers\".";
        case kBadPackType:
            return "Error in string: \"Type smiles pack\".";
        case kBadAnimatedFullLightCount:
            return "Error in string: \"Amount of animated smiles [Single Full Light]\".";
        case kBadAnimatedLiteDarkCount:
            return "Error in string: \"Amount of animated smiles [Lite Dark]\".";
        case kBadStaticFullLightCount:
            return "Error in string: \"Amount of static smiles [Single Full Light]\".";
        case kBadStaticLiteDarkCount:
            return "Error in string: \"Amount of static smiles [Lite Dark]\".";
        case kBadSmileKinds:
            return "Error in string: \"Type of smiles\".";
        case kTooFewLines:
            return "Error data: \"Amount of strings are not enough\".";
        default:
            return "Error data: File cannot be read (" + description.reason + ").";
    }
}

// A fault of SMP.ini stops the wizard. The faulty file is the pack author's business: outside
// test mode the user reads only that the pack cannot be installed, and the detail goes to the
// log. A file the system would not let us read is the user's, so its reason is shown as well.
Finding DescriptionFault(const PackChecks& checks, const Description& description) {
    const bool detailShown = checks.testMode || description.code == kDescriptionUnreadable;
    return {Severity::Fatal, "Velmora: Error in smiles-pack...",
            "Error in file: \"" + DescriptionPath(checks.programFolder) +
                "\"!\r\nInstallation of smiles-pack is not possible!" +
                (detailShown ? "\r\n\r\n" + DetailText(description) : ""),
            "Error in \"SMP.ini\" " + DetailText(description)};
}

void StoreDescription(PackDescription& pack, const std::vector<std::string>& lines) {
    std::string* const asRead[] = {&pack.NameAndVersion,
                                   &pack.TypeTag,
                                   &pack.Pagers,
                                   &pack.PackType,
                                   &pack.AuthorWebPage,
                                   &pack.AuthorEmail,
                                   nullptr,
                                   &pack.AnimatedFullLightCount,
                                   &pack.AnimatedLiteDarkCount,
                                   &pack.StaticFullLightCount,
                                   &pack.StaticLiteDarkCount,
                                   nullptr,
                                   &pack.InfoPageSwitch,
                                   &pack.CreationDate};
    for (size_t i = 0; i < lines.size() && i < std::size(asRead); ++i) {
        if (asRead[i]) *asRead[i] = lines[i];
    }
    if (lines.size() >= 7) pack.AgreementRequired = LowerAscii(lines[6]) == "yes";
    if (lines.size() >= 12) {
        const std::string kinds = LowerAscii(lines[11]);
        pack.SmileKinds = kinds == "all" ? 0 : kinds == "static" ? -1 : 1;
    }
    if (lines.size() >= 15 && LowerAscii(lines[14]) == "on") pack.TitleOverLogo = true;
}

}  // namespace

int CheckPackDescription(Files& files, const std::string& programFolder) {
    return ReadDescription(files, programFolder).code;
}

Findings LoadPackDescription(const PackChecks& checks, PackDescription& pack) {
    pack.TitleOverLogo = false;
    const Description description = ReadDescription(checks.files, checks.programFolder);
    const bool sound = description.code == kDescriptionSound;
    // Outside test mode the values of a faulty file are still taken, as far as they go.
    if (sound || !checks.testMode) StoreDescription(pack, description.lines);
    if (sound) return {};
    return {DescriptionFault(checks, description)};
}

}  // namespace velmora
