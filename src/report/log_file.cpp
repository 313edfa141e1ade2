#include "report/log_file.h"

#include <cstdint>

namespace velmora {
namespace {

const char* const kLineBreak = "\r\n";

// The pack's lines of the log, each a label and the value that follows it.
struct PackLine {
    const char* label;
    std::string PackDescription::*value;
};

const PackLine kPackLines[] = {
    {"Name of smiles-pack & version: ", &PackDescription::NameAndVersion},
    {"Type: ", &PackDescription::TypeTag},
    {"Pagers: ", &PackDescription::Pagers},
    {"Type smiles pack: ", &PackDescription::PackType},
    {"http of author smiles pack: ", &PackDescription::AuthorWebPage},
    {"e-mail  of author smiles pack: ", &PackDescription::AuthorEmail},
    {"amount of animated smiles [Single Full Light]: ", &PackDescription::AnimatedFullLightCount},
    {"amount of animated smiles [Lite Dark]: ", &PackDescription::AnimatedLiteDarkCount},
    {"amount of static smiles [Single Full Light]: ", &PackDescription::StaticFullLightCount},
    {"amount of static smiles [Lite Dark]: ", &PackDescription::StaticLiteDarkCount},
    {"date of creation of smiles-pack: ", &PackDescription::CreationDate},
};

// The three numbers as signed decimals, the way Windows's own reports print them.
std::string VersionText(const WindowsVersion& windows) {
    const auto number = [](unsigned value) { return std::to_string(static_cast<int32_t>(value)); };
    return number(windows.major) + "." + number(windows.minor) + "." + number(windows.build);
}

void WarnNotWritten(const LogFileSources& sources, const std::string& path,
                    const std::string& reason) {
    MessageBoxRequest box(Question::LogNotWritten);
    box.text = "LOG.txt could not be written.\r\n\r\nFile: \"" + path + "\"\r\nReason: " + reason;
    box.title = sources.text[Text::WarningTitle];
    box.icon = BoxIcon::Warning;
    sources.dialogs.Ask(box);
}

}  // namespace

std::string LogFilePath(const std::string& programFolder) {
    return programFolder + "\\LOG.txt";
}

std::string LogFileText(const std::string& programVersion, const WindowsVersion& windows,
                        const PackDescription& pack, const std::string& errorLog) {
    std::string text = "Velmora version: " + programVersion + kLineBreak;
    text += "Windows version: " + VersionText(windows) + kLineBreak;
    for (const PackLine& line : kPackLines)
        text += line.label + pack.*line.value + kLineBreak;
    return text + errorLog + kLineBreak;
}

void WriteLogFile(const LogFileSources& sources) {
    const std::string path = LogFilePath(sources.host.ProgramFolder());
    if (sources.files.IsFile(path)) {
        MessageBoxRequest question(Question::OverwriteLog, BoxAnswer::Yes);
        question.text = sources.text[Text::AskOverwriteLog];
        question.title = sources.text[Text::ConfirmTitle];
        question.icon = BoxIcon::Question;
        question.buttons = BoxButtons::YesNo;
        if (sources.dialogs.Ask(question) == BoxAnswer::Yes) {
            // A file that cannot be deleted is found out by the writing below.
            sources.files.RemoveFile(path);
        } else {
            sources.log.ErrorsFound = false;
        }
    }
    const WindowsVersion windows = sources.host.GetWindowsVersion();
    if (!sources.log.ErrorsFound) return;

    const FileStatus written = sources.files.WriteText(
        path, LogFileText(sources.programVersion, windows, sources.pack, sources.log.ErrorLog));
    if (written.ok) return;
    WarnNotWritten(sources, path, written.reason);
    sources.log.ErrorsFound = false;
}

void MailLogFile(Host& host, const std::string& authorEmail) {
    host.SendMail({"LOG with warning or error", authorEmail, LogFilePath(host.ProgramFolder())});
}

}  // namespace velmora
