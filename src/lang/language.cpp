#include "lang/language.h"

#include "base/text_lines.h"
#include "lang/text_table.h"
#include "platform/file_lines.h"

namespace velmora {
namespace {

constexpr int kLastBuiltInPartialLine = 10;
constexpr int kLastFilePartialLine = 11;

}  // namespace

std::string LanguageFolder(const std::string& programFolder) {
    return programFolder + "\\Language";
}

std::string LanguageFilePath(const std::string& programFolder, const std::string& fileName) {
    return LanguageFolder(programFolder) + "\\" + fileName;
}

void LoadBuiltInLanguage(bool partial, const std::string& programVersion, UiStrings& text) {
    AssignBuiltInTexts(text, partial ? kLastBuiltInPartialLine : kLastDataLine, programVersion);
}

void LoadLanguageFile(Files& files, const std::string& path, bool partial,
                      const std::string& programVersion, UiStrings& text) {
    text[Text::BackButtonText] = "<< Back";
    text[Text::ElapsedTimeLabel] = "Passed time:";
    text[Text::RecoveryNotice] =
        "An earlier installation into this messenger did not finish. These folders were given "
        "back what they held before it:";

    const FileLines file = ReadLines(files, path);
    if (!file.status.ok) return LoadBuiltInLanguage(partial, programVersion, text);
    const int lastLine = partial ? kLastFilePartialLine : kLastDataLine;
    int counter = 0;
    // The first line is the header, the language's display name, and never data.
    for (size_t i = 1; i < file.lines.size() && counter < lastLine; ++i) {
        if (IsDataLine(file.lines[i]))
            ApplyDataLine(text, ++counter, file.lines[i], programVersion);
    }
}

}  // namespace velmora
