#include "report/pack_check.h"

#include "base/text_lines.h"
#include "lang/language.h"
#include "lang/language_list.h"
#include "pack/pack_info.h"
#include "pack/pack_texts.h"
#include "pack/smp_ini.h"

namespace velmora {
namespace {

// A text of several lines as one: its lines trimmed of blanks and joined by one blank.
std::string OneLine(const std::string& text) {
    std::string joined;
    for (std::string line : SplitLines(text)) {
        const size_t first = line.find_first_not_of(' ');
        if (first == std::string::npos) continue;
        line = line.substr(first, line.find_last_not_of(' ') - first + 1);
        joined += (joined.empty() ? "" : " ") + line;
    }
    return joined;
}

// A finding as test mode shows it: a box's text as one line, a line of the language list as
// it is.
std::string FindingLine(const Finding& finding) {
    return finding.title.empty() ? finding.text : OneLine(finding.text);
}

void LoadTexts(Files& files, const std::string& programFolder, const std::string& language,
               const std::string& version, UiStrings& text) {
    if (language == kBuiltInLanguage) return LoadBuiltInLanguage(false, version, text);
    LoadLanguageFile(files, LanguageFilePath(programFolder, language), false, version, text);
}

// The language file the name stands for, as the wizard names it (with its extension).
std::string LanguageFileName(Files& files, const std::string& programFolder,
                             const std::string& requested) {
    if (requested == kBuiltInLanguage) return requested;
    for (const std::string& name : {requested, requested + ".txt"}) {
        if (files.IsFile(LanguageFilePath(programFolder, name))) return name;
    }
    return {};
}

std::string WithNewlines(const std::string& text) {
    std::string lines;
    for (const std::string& line : SplitLines(text)) lines += (lines.empty() ? "" : "\n") + line;
    return lines;
}

}  // namespace

PackCheckReport CheckPackForAuthor(Files& files, const std::string& programFolder,
                                   const std::string& language, const std::string& version) {
    const PackChecks checks{files, programFolder, true};
    UiStrings text;
    LoadTexts(files, programFolder, language, version, text);

    // In the wizard's order: SMP.ini as it starts, then the language list, the about-pack
    // page and the pack-information page.
    PackCheckReport report;
    PackDescription pack;
    Findings findings = LoadPackDescription(checks, pack);
    if (!HasFatal(findings)) {
        Append(findings, FillLanguageList(files, programFolder, true).findings);
        Append(findings, ReadPackInfo(checks, text, language, pack).findings);
        Append(findings, CheckPackData(checks, text, pack));
        if (!HasFatal(findings)) {
            report.packInfo =
                text[Text::PackInfoCaption] + "\n" + WithNewlines(ComposePackInfo(text, pack).text);
        }
    }
    // In test mode every finding is shown, none only logged.
    for (const Finding& finding : findings) report.findings.push_back(FindingLine(finding));
    report.verdict = HasFatal(findings)        ? PackVerdict::NotInstallable
                     : report.findings.empty() ? PackVerdict::Installs
                                               : PackVerdict::WarningsOnly;
    return report;
}

CheckArguments ParseCheckArguments(const std::vector<std::string>& arguments) {
    CheckArguments parsed;
    for (size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == "--lang" && i + 1 < arguments.size()) {
            parsed.language = arguments[++i];
        } else if (arguments[i].rfind("-", 0) == 0 || !parsed.folder.empty()) {
            parsed.error = "unexpected argument \"" + arguments[i] + "\"";
        } else {
            parsed.folder = arguments[i];
        }
    }
    if (parsed.error.empty() && parsed.folder.empty()) parsed.error = "no folder given";
    if (!parsed.error.empty()) parsed.folder.clear();
    return parsed;
}

int RunPackCheck(Files& files, const std::vector<std::string>& arguments,
                 const std::string& version, std::string& output) {
    const CheckArguments parsed = ParseCheckArguments(arguments);
    const std::string language =
        parsed.folder.empty() ? "" : LanguageFileName(files, parsed.folder, parsed.language);
    std::string error = parsed.error;
    if (error.empty() && !files.IsFolder(parsed.folder)) {
        error = "\"" + parsed.folder + "\" is not a folder";
    } else if (error.empty() && language.empty()) {
        error = "no language file \"" + parsed.language + "\" in the folder's Language folder";
    }
    if (!error.empty()) {
        output = "velmora-check: " + error + "\n" + kCheckUsage + "\n";
        return 3;
    }
    const PackCheckReport report = CheckPackForAuthor(files, parsed.folder, language, version);
    output.clear();
    for (const std::string& finding : report.findings) output += finding + "\n";
    if (!report.packInfo.empty()) {
        output += (output.empty() ? "" : "\n") + report.packInfo + "\n";
    }
    return static_cast<int>(report.verdict);
}

}  // namespace velmora
