#include "pack/pack_data.h"

#include <algorithm>

#include "base/text_lines.h"
#include "platform/file_lines.h"

namespace velmora {
namespace {

constexpr const char* kBoxTitle = "Velmora: Error in Smiles-Pack Data...";
constexpr const char* kTenBlanks = "          ";

// The four smile folders, in the order they are checked. A Lite Dark folder sits two rows
// below the Single Full Light folder of the same kind.
enum FolderIndex { kAnimatedFullLight, kStaticFullLight, kAnimatedLiteDark, kStaticLiteDark };
constexpr int kFolderCount = 4;

struct SmileFolder {
    const char* name;
    bool animated;
    bool liteDark;
    std::string PackDescription::*declared;
    int noDefineCode;
    int tooFewLinesCode;
    int tooManyLinesCode;
    const char* countLabel;  // opens the warning that SMP.ini declares another count
    const char* linesLabel;  // opens the warning that _define.ini has more lines than smiles
};

const SmileFolder kFolders[kFolderCount] = {
    {"Animated Single Full Light", true, false, &PackDescription::AnimatedFullLightCount,
     kNoAnimatedFullLightDefine, kAnimatedFullLightTooFewLines, kAnimatedFullLightTooManyLines,
     "> \"SMP.ini\" - amount of animated smiles [Single Full Light] (",
     "> Animated Single Full Light: amount strings in \"_define.ini\" ("},
    {"Static Single Full Light", false, false, &PackDescription::StaticFullLightCount,
     kNoStaticFullLightDefine, kStaticFullLightTooFewLines, kStaticFullLightTooManyLines,
     "> \"SMP.ini\" - amount of static smiles [Single Full Light] (",
     "> Static Single Full Light: amount strings in \"_define.ini\" ("},
    {"Animated Lite Dark", true, true, &PackDescription::AnimatedLiteDarkCount,
     kNoAnimatedLiteDarkDefine, kAnimatedLiteDarkTooFewLines, kAnimatedLiteDarkTooManyLines,
     "> \"SMP.ini\" - amount of animated smiles [Lite Dark] (",
     "> Animated Lite Dark: amount strings in \"_define.ini\" ("},
    {"Static Lite Dark", false, true, &PackDescription::StaticLiteDarkCount,
     kNoStaticLiteDarkDefine, kStaticLiteDarkTooFewLines, kStaticLiteDarkTooManyLines,
     "> \"SMP.ini\" - amount of static smiles [Lite Dark] (",
     "> Static Lite Dark: amount strings in \"_define.ini\" ("},
};

// The report lists the animated folders before the static ones.
constexpr FolderIndex kReportOrder[] = {kAnimatedFullLight, kAnimatedLiteDark, kStaticFullLight,
                                        kStaticLiteDark};

// What one folder check noted for the warning report.
struct FolderFinding {
    bool countDiffers = false;
    bool linesExceed = false;
    int declared = 0;
    int lines = 0;
    int smiles = 0;
};

// One run of the check over the pack's folders.
class DataCheck {
  public:
    DataCheck(const PackChecks& checks, PackMode mode, PackDescription& pack)
        : checks_(checks), mode_(mode), pack_(pack) {}

    bool IsExamined(FolderIndex index) const {
        const SmileFolder& folder = kFolders[index];
        if (!HasSmilesOfKind(pack_, folder.animated)) return false;
        if (!folder.liteDark) return true;
        if (mode_ == kSingleFamilyMode) return false;
        // A pack may leave out the static lite smiles by declaring none; the animated ones it
        // may not.
        return folder.animated || DeclaredCount(index) > 0;
    }

    PackDataCheck CheckFolder(FolderIndex index, FolderFinding& finding) {
        const SmileFolder& folder = kFolders[index];
        const std::string definePath = FolderPath(index) + "\\_define.ini";
        if (!checks_.files.IsFile(definePath)) return {folder.noDefineCode, "", "", {}};
        int lines = 0;
        PackDataCheck check = CountListLines(definePath, lines);
        if (check.code == kPackDataSound) check = CountSmiles(index, finding.smiles);
        if (check.code != kPackDataSound) return check;

        const int smiles = finding.smiles;
        const int declared = DeclaredCount(index);
        if (smiles > lines) return {folder.tooFewLinesCode, "", "", {}};
        finding.lines = lines;
        finding.declared = declared;
        finding.linesExceed = smiles < lines;
        finding.countDiffers = smiles != declared;
        // Surplus lines are tolerable only while SMP.ini does not claim those smiles as well.
        if (smiles < lines && smiles < declared) return {folder.tooManyLinesCode, "", "", {}};
        if (smiles != declared) pack_.*folder.declared = std::to_string(smiles);
        return {};
    }

  private:
    std::string FolderPath(FolderIndex index) const { return checks_.PathOf(kFolders[index].name); }

    int DeclaredCount(FolderIndex index) const {
        return CountValue(pack_.*kFolders[index].declared);
    }

    // Counts the lines of a list file that the check needs, or says why it cannot.
    PackDataCheck CountListLines(const std::string& path, int& lines) const {
        const LineCount count = CountFileLines(checks_.files, path);
        if (!count.status.ok) return {kListFileUnreadable, path, count.status.reason, {}};
        lines = count.lines;
        return {};
    }

    // The smiles of a folder: its own image files, or for a lite folder of a "fulllite" pack
    // the full set less the smiles its DeleteLite.ini leaves out, and none when it leaves out
    // more than there are.
    PackDataCheck CountSmiles(FolderIndex index, int& smiles) const {
        const SmileFolder& folder = kFolders[index];
        if (!folder.liteDark || mode_ != kFullLiteMode) {
            smiles = CountSmileFiles(checks_.files, FolderPath(index), folder.animated);
            return {};
        }
        const std::string listPath = FolderPath(index) + "\\DeleteLite.ini";
        if (!checks_.files.IsFile(listPath)) return {kListFileMissing, listPath, "", {}};
        int leftOut = 0;
        const PackDataCheck check = CountListLines(listPath, leftOut);
        if (check.code != kPackDataSound) return check;
        const auto fullSet = static_cast<FolderIndex>(index - kAnimatedLiteDark);
        const int full = CountSmileFiles(checks_.files, FolderPath(fullSet), folder.animated);
        smiles = std::max(0, full - leftOut);
        return {};
    }

    const PackChecks& checks_;
    PackMode mode_;
    PackDescription& pack_;
};

std::string WarningReport(const FolderFinding (&findings)[kFolderCount]) {
    std::string report;
    for (const FolderIndex index : kReportOrder) {
        const FolderFinding& f = findings[index];
        if (!f.countDiffers) continue;
        report += kFolders[index].countLabel + std::to_string(f.declared) + ") <> amount smiles (" +
                  std::to_string(f.smiles) + ")" + kTenBlanks + "\r\n";
    }
    for (const FolderIndex index : kReportOrder) {
        const FolderFinding& f = findings[index];
        if (!f.linesExceed) continue;
        report += std::string("\r\n") + kFolders[index].linesLabel + std::to_string(f.lines) +
                  ") > amount smiles (" + std::to_string(f.smiles) + ")" + kTenBlanks;
    }
    return report;
}

// The differences a pack may have: the pack's author reads them under a heading, the log
// gets them as they are.
Finding CountWarning(const UiStrings& text, const FolderFinding (&findings)[kFolderCount]) {
    const std::string report = WarningReport(findings);
    return {Severity::Warning, kBoxTitle, text[Text::PackDataErrorHead] + "\r\n\r\n" + report,
            report};
}

bool HasDifferences(const FolderFinding (&findings)[kFolderCount]) {
    for (const FolderFinding& f : findings) {
        if (f.countDiffers || f.linesExceed) return true;
    }
    return false;
}

// What the user is told (after the line that installation is impossible) and what LOG.txt
// gets after "Critical error: ".
struct FatalMessage {
    std::string text;
    std::string logLine;
};

FatalMessage DescribeFolderFault(const UiStrings& text, int code) {
    for (const SmileFolder& folder : kFolders) {
        const std::string name = folder.name;
        const std::string quoted = " \"" + name + "\".";
        if (code == folder.noDefineCode) {
            return {text[Text::PackDataFolderHead] + name + text[Text::PackDataNoDefineIni],
                    "Not found \"_define.ini\", folder: " + name};
        }
        if (code == folder.tooFewLinesCode) {
            return {text[Text::PackDataTooFewLines] + quoted,
                    "In \"_define.ini\" string count < smiles count, folder: " + name};
        }
        if (code == folder.tooManyLinesCode) {
            return {text[Text::PackDataTooManyLines] + quoted,
                    "In \"_define.ini\" string count & count in \"SMP.ini\" > smiles count, "
                    "folder: " +
                        name};
        }
    }
    return {};
}

FatalMessage DescribeFault(const UiStrings& text, const PackDataCheck& check) {
    if (check.code == kListFileMissing) {
        return {"File not found: \"" + check.file + "\".", "Not found file: " + check.file};
    }
    if (check.code == kListFileUnreadable) {
        return {"File cannot be read: \"" + check.file + "\" (" + check.reason + ").",
                "Cannot read file: " + check.file + " (" + check.reason + ")"};
    }
    return DescribeFolderFault(text, check.code);
}

}  // namespace

LineCount CountFileLines(Files& files, const std::string& path) {
    const FileLines file = ReadLines(files, path);
    return {file.status, static_cast<int>(file.lines.size())};
}

int CountSmileFiles(Files& files, const std::string& folder, bool animated) {
    const std::string wanted = animated ? ".gif" : ".bmp";
    int count = 0;
    for (const FolderEntry& entry : files.ListFolder(folder)) {
        if (entry.isFolder) continue;
        const size_t dot = entry.name.rfind('.');
        if (dot != std::string::npos && LowerAscii(entry.name.substr(dot)) == wanted) ++count;
    }
    return count;
}

PackDataCheck ValidatePackData(const PackChecks& checks, const UiStrings& text, PackMode mode,
                               PackDescription& pack) {
    DataCheck check(checks, mode, pack);
    FolderFinding findings[kFolderCount];
    for (int i = 0; i < kFolderCount; ++i) {
        const auto index = static_cast<FolderIndex>(i);
        if (!check.IsExamined(index)) continue;
        PackDataCheck fatal = check.CheckFolder(index, findings[index]);
        if (fatal.code != kPackDataSound) {
            fatal.findings = {PackDataFault(text, fatal)};
            return fatal;
        }
    }
    PackDataCheck sound;
    if (HasDifferences(findings)) sound.findings = {CountWarning(text, findings)};
    return sound;
}

Finding PackDataFault(const UiStrings& text, const PackDataCheck& check) {
    const FatalMessage message = DescribeFault(text, check);
    return {Severity::Fatal, kBoxTitle,
            text[Text::PackDataInstallImpossible] + "\r\n\r\n" + message.text,
            "Critical error: " + message.logLine};
}

}  // namespace velmora
