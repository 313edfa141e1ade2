// LOG.txt: its bytes, replacing an old one, one that cannot be written, the mail.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <tuple>

#include "lang/language.h"
#include "pack/smp_ini.h"
#include "report/log_file.h"
#include "test_world.h"

namespace velmora::test {
namespace {

// LOG.txt as written, in the system's code page.
std::string WrittenLog(const std::string& address) {
    return "Velmora version: 2.2.0.lang\r\nWindows version: 6.1.7601\r\n"
           "Name of smiles-pack & version: \xD1\xEE\xEB\xED\xF6\xE5 1.0\r\nType: smilespack\r\n"
           "Pagers: all\r\nType smiles pack: fulllite\r\n"
           "http of author smiles pack: https://sun.example\r\ne-mail  of author smiles pack: " +
           address +
           "\r\namount of animated smiles [Single Full Light]: 36\r\n"
           "amount of animated smiles [Lite Dark]: 30\r\n"
           "amount of static smiles [Single Full Light]: 12\r\n"
           "amount of static smiles [Lite Dark]: 10\r\n"
           "date of creation of smiles-pack: 01.12.2026\r\n\r\n"
           "Broken.txt | Error in file, not for loading!\r\n"
           "Error at copying file: C:\\Pack\\Animated\\a.gif\r\n";
}

// An old LOG.txt, read-only too, is replaced only after a Yes; one held open is named and
// stays. Only a written log is mailed, and only to a pack author with an address.
TEST(LogFile, AnOldLogIsReplacedOnYesAHeldOneIsNamedAndOnlyAWrittenLogIsMailed) {
    const std::tuple<std::string, std::string, const char*, const char*> cases[] = {
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
    for (const auto& [before, address, answers, outcome] : cases) {
        TestWorld world;
        const std::string path = world.folder + "\\LOG.txt";
        LockedFile files(before == "held" ? path : "");
        Platform platform{files,           world.dialogs,  world.host,
                          world.processes, world.registry, world.clock};
        Wizard wizard{platform};
        world.host.version = {6, 1, 7601};
        world.Write("Source SMP\\SMP.ini",
                    "Солнце 1.0\r\nsmilespack\r\nall\r\nfulllite\r\nhttps://sun.example\r\n" +
                        address + "\r\nyes\r\n36\r\n30\r\n12\r\n10\r\nall\r\nOn\r\n01.12.2026\r\n");
        ASSERT_TRUE(LoadPackDescription(PackChecksOf(wizard), wizard.pack).empty());
        wizard.state.LanguageName = "Russian";
        LoadLanguage(wizard, "");
        wizard.state.LanguagePending = false;
        wizard.state.ProgramVersion = "2.2.0.lang";
        LogProblem(wizard.state, "Broken.txt | Error in file, not for loading!");
        LogProblem(wizard.state, "Error at copying file: C:\\Pack\\Animated\\a.gif");
        if (!before.empty()) {
            world.WriteBytes("LOG.txt", "old log\r\n");
            chmod(world.Path("LOG.txt").c_str(), 0444);
        }
        for (const char* answer = answers; *answer; ++answer)
            world.dialogs.answers.push_back(*answer == 'y' ? BoxAnswer::Yes : BoxAnswer::No);
        WizardOperations operations;
        AddLogFileOperations(wizard, operations);
        CloseWizard(wizard, operations);
        std::ifstream in(world.Path("LOG.txt"), std::ios::binary);
        const std::string log(std::istreambuf_iterator<char>(in), {});

        std::string shown;
        for (const MessageBoxRequest& box : world.dialogs.shown) {
            shown += names.at(box.question);
            if (box.question != Question::LogNotWritten) continue;
            EXPECT_EQ(box.title + "|" + box.text,
                      "Предупреждение...|LOG.txt could not be written.\r\n\r\nFile: \"" + path +
                          "\"\r\nReason: The file is in use");
        }
        shown += log == "old log\r\n"         ? ": old kept"
                 : log == WrittenLog(address) ? ": written"
                                              : log;
        for (const MailMessage& mail : world.host.mails) {
            shown += " mailed";
            EXPECT_EQ(mail.subject + "|" + mail.recipientAddress + "|" + mail.attachmentPath,
                      "LOG with warning or error|" + address + "|" + path);
        }
        EXPECT_EQ(shown.substr(1), outcome);
    }
}

}  // namespace
}  // namespace velmora::test
