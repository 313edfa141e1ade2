#pragma once
// LOG.txt: what the run knows about the pack and the system, followed by the problems it
// collected, written into the program's folder at the end of the run; and the mail that hands
// the file to the pack's author.

#include <string>

#include "base/problem_log.h"
#include "lang/ui_strings.h"
#include "pack/pack_description.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/host.h"

namespace velmora {

// What writing the log works with.
struct LogFileSources {
    Files& files;
    Dialogs& dialogs;
    Host& host;  // the program's folder and the Windows version
    const UiStrings& text;
    const PackDescription& pack;
    std::string programVersion;
    ProblemLog& log;
};

std::string LogFilePath(const std::string& programFolder);

// The whole text of LOG.txt: thirteen lines about the program, the system and the pack, then
// the collected problems (each of which starts a line of its own) and a final line break.
std::string LogFileText(const std::string& programVersion, const WindowsVersion& windows,
                        const PackDescription& pack, const std::string& errorLog);

// Writes LOG.txt. An existing file is replaced only when the user agrees; when the user keeps
// it, or the file cannot be written (a warning then names it and the system's reason),
// ErrorsFound is cleared, so that no mail is offered for a log that was not written.
void WriteLogFile(const LogFileSources& sources);

// Hands LOG.txt to the system's mail client, addressed to the pack's author.
void MailLogFile(Host& host, const std::string& authorEmail);

}  // namespace velmora
