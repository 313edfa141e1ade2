// LOG.txt: its bytes, the question before an existing one is replaced, a file that cannot be
// written, and the mail to the pack's author.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <sstream>

#include "lang/language.h"
#include "report/log_file.h"
#include "test_world.h"

namespace velmora::test {
namespace {

// A run in Russian that ends with two problems collected and offers LOG.txt through the
// wizard's own closing operations; its files may hold LOG.txt open.
struct LogRun {
    explicit LogRun(bool held = false) : files(held ? world.folder + "\\LOG.txt" : "") {
        wizard.state.LanguageName = "Russian";
        LoadLanguage(wizard, "");
        wizard.state.LanguagePending = false;
        wizard.state.ProgramVersion = "2.2.0.lang";
        wizard.pack = {"Солнце 1.0",
                       "smilespack",
                       "all",
                       "fulllite",
                       "https://sun.example",
                       "sun@sun.example",
                       true,
                       "36",
                       "30",
                       "12",
                       "10",
                       0,
                       "On",
                       "01.12.2026",
                       false};
        LogProblem(wizard.state, "Broken.txt | Error in file, not for loading!");
        LogProblem(wizard.state, "Error at copying file: C:\\Pack\\Animated\\a.gif");
    }

    // Runs the closing sequence and returns what LOG.txt holds after it.
    std::string Close() {
        WizardOperations operations;
        AddLogFileOperations(wizard, operations);
        CloseWizard(wizard, operations);
        std::ifstream in(world.Path("LOG.txt"), std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }

    TestWorld world;
    LockedFile files;
    Platform platform{files,           world.dialogs,  world.host,
                      world.processes, world.registry, world.clock};
    Wizard wizard{platform};
};

// LOG.txt as it is written: thirteen lines, an empty one, then each problem, in the code page
// of the system.
std::string WrittenLog(const std::string& address) {
    return "Velmora version: 2.2.0.lang\r\n"
           "Windows version: 6.1.7601\r\n"
           "Name of smiles-pack & version: \xD1\xEE\xEB\xED\xF6\xE5 1.0\r\n"
           "Type: smilespack\r\n"
           "Pagers: all\r\n"
           "Type smiles pack: fulllite\r\n"
           "http of author smiles pack: https://sun.example\r\n"
           "e-mail  of author smiles pack: " +
           address +
           "\r\n"
           "amount of animated smiles [Single Full Light]: 36\r\n"
           "amount of animated smiles [Lite Dark]: 30\r\n"
           "amount of static smiles [Single Full Light]: 12\r\n"
           "amount of static smiles [Lite Dark]: 10\r\n"
           "date of creation of smiles-pack: 01.12.2026\r\n"
           "\r\n"
           "Broken.txt | Error in file, not for loading!\r\n"
           "Error at copying file: C:\\Pack\\Animated\\a.gif\r\n";
}

// An old LOG.txt, read-only too, is replaced only after a Yes; one held open is named in a
// warning and stays. The mail is offered only for a written log and a pack that names its
// author's address, and carries that file.
TEST(LogFile, AnOldLogIsReplacedOnYesAHeldOneIsNamedAndOnlyAWrittenLogIsMailed) {
    const struct {
        const char *before, *address, *answers, *outcome;
    } cases[] = {
        {"", "", "y", "log: written"},
        {"", "sun@sun.example", "yy", "log mail: written mailed"},
        {"", "sun@sun.example", "yn", "log mail: written"},
        {"old", "sun@sun.example", "yn", "log overwrite: old kept"},
        {"old", "sun@sun.example", "yyy", "log overwrite mail: written mailed"},
        {"held", "sun@sun.example", "yy", "log overwrite warning: old kept"},
    };
    const std::map<Question, std::string> names = {{Question::WriteLog, " log"},
                                                   {Question::OverwriteLog, " overwrite"},
                                                   {Question::LogNotWritten, " warning"},
                                                   {Question::MailLog, " mail"}};
    for (const auto& c : cases) {
        LogRun run(c.before == std::string("held"));
        run.world.host.version = {6, 1, 7601};
        const std::string path = run.world.folder + "\\LOG.txt";
        if (*c.before) {
            run.world.WriteBytes("LOG.txt", "old log\r\n");
            chmod(run.world.Path("LOG.txt").c_str(), 0444);
        }
        run.wizard.pack.AuthorEmail = c.address;
        for (const char* answer = c.answers; *answer; ++answer)
            run.world.dialogs.answers.push_back(*answer == 'y' ? BoxAnswer::Yes : BoxAnswer::No);
        const std::string log = run.Close();

        std::string outcome;
        for (const MessageBoxRequest& box : run.world.dialogs.shown) {
            outcome += names.at(box.question);
            if (box.question == Question::LogNotWritten) {
                EXPECT_EQ(box.title + "|" + box.text,
                          "Предупреждение...|LOG.txt could not be written.\r\n\r\nFile: \"" + path +
                              "\"\r\nReason: The file is in use");
            }
        }
        outcome += log == "old log\r\n"           ? ": old kept"
                   : log == WrittenLog(c.address) ? ": written"
                                                  : log;
        for (const MailMessage& mail : run.world.host.mails) {
            outcome += " mailed";
            EXPECT_EQ(mail.subject, "LOG with warning or error");
            EXPECT_EQ(mail.recipientAddress, c.address);
            EXPECT_EQ(mail.attachmentPath, path);
        }
        EXPECT_EQ(outcome.substr(1), c.outcome);
    }
}

}  // namespace
}  // namespace velmora::test
