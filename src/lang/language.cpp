#include "lang/language.h"

#include "lang/text_table.h"
#include "platform/text_lines.h"

namespace velmora {
namespace {

constexpr int kLastBuiltInPartialLine = 10;
constexpr int kLastFilePartialLine = 11;

bool IsDataLine(const std::string& line) {
    return !line.empty() && !IsCommentLine(line);
}

void LoadLanguageFile(Wizard& wizard, const std::string& path, bool partial) {
    const std::string& version = wizard.state.ProgramVersion;
    wizard.text[Text::BackButtonText] = "<< Back";
    wizard.text[Text::ElapsedTimeLabel] = "Passed time:";

    const FileText file = wizard.sys.files.ReadText(path);
    if (!file.status.ok) {
        AssignBuiltInTexts(wizard.text, partial ? kLastBuiltInPartialLine : kLastDataLine, version);
        return;
    }
    const std::vector<std::string> lines = SplitLines(file.text);
    const int lastLine = partial ? kLastFilePartialLine : kLastDataLine;
    int counter = 0;
    // The first line is the header, the language's display name, and never data.
    for (size_t i = 1; i < lines.size() && counter < lastLine; ++i) {
        if (!IsDataLine(lines[i])) continue;
        ApplyDataLine(wizard.text, ++counter, lines[i], version);
    }
}

}  // namespace

std::string LanguageFolder(Wizard& wizard) {
    return wizard.sys.host.ProgramFolder() + "\\Language";
}

void LoadLanguage(Wizard& wizard, const std::string& name) {
    const bool partial = !name.empty();
    const std::string& language = partial ? name : wizard.state.LanguageName;
    if (language == kBuiltInLanguage) {
        AssignBuiltInTexts(wizard.text, partial ? kLastBuiltInPartialLine : kLastDataLine,
                           wizard.state.ProgramVersion);
        return;
    }
    LoadLanguageFile(wizard, LanguageFolder(wizard) + "\\" + language, partial);
}

}  // namespace velmora
