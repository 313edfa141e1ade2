// LOG.txt: its bytes, the question before an existing one is replaced, a file that cannot be
// written, and the mail to the pack's author.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "lang/language.h"
#include "pack/pack_info.h"
#include "report/log_file.h"
#include "test_world.h"

namespace velmora::test {
namespace {

// A run that ends with two problems collected, in Russian, before LOG.txt is written.
struct LogRun {
    LogRun() {
        world.wizard.state.LanguageName = "Russian";
        LoadLanguage(world.wizard, "");
        world.wizard.state.LanguagePending = false;
        PackDescription& pack = world.wizard.pack;
        pack = {"Солнце 1.0", "smilespack", "all", "fulllite", "https://sun.example",
                "sun@sun.example", true, "36", "30", "12", "10", 0, "On", "01.12.2026", false};
        LogProblem(world.wizard.state, "Broken.txt | Error in file, not for loading!");
        LogProblem(world.wizard.state, "Error at copying file: C:\\Pack\\Animated\\a.gif");
    }

    void Write(Files& files) {
        WriteLogFile({files, world.dialogs, world.host, world.wizard.text, world.wizard.pack,
                      "2.2.0.lang", world.wizard.state});
    }

    std::string Bytes() const {
        std::ifstream in(world.Path("LOG.txt"), std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }

    TestWorld world;
    const std::string logPath = world.folder + "\\LOG.txt";
};

TEST(LogFile, ThirteenLinesThenAnEmptyOneThenEachProblemInTheAnsiCodePage) {
    LogRun run;
    run.world.host.version = {6, 1, 7601};
    run.Write(run.world.realFiles);
    EXPECT_EQ(run.Bytes(),
              "Velmora version: 2.2.0.lang\r\n"
              "Windows version: 6.1.7601\r\n"
              "Name of smiles-pack & version: \xD1\xEE\xEB\xED\xF6\xE5 1.0\r\n"
              "Type: smilespack\r\n"
              "Pagers: all\r\n"
              "Type smiles pack: fulllite\r\n"
              "http of author smiles pack: https://sun.example\r\n"
              "e-mail  of author smiles pack: sun@sun.example\r\n"
              "amount of animated smiles [Single Full Light]: 36\r\n"
              "amount of animated smiles [Lite Dark]: 30\r\n"
              "amount of static smiles [Single Full Light]: 12\r\n"
              "amount of static smiles [Lite Dark]: 10\r\n"
              "date of creation of smiles-pack: 01.12.2026\r\n"
              "\r\n"
              "Broken.txt | Error in file, not for loading!\r\n"
              "Error at copying file: C:\\Pack\\Animated\\a.gif\r\n");
    EXPECT_TRUE(run.world.dialogs.shown.empty());
    EXPECT_TRUE(run.world.wizard.state.ErrorsFound);
}

// No keeps the old file byte for byte and takes back the offer of the mail; Yes replaces the
// file, a read-only one too.
TEST(LogFile, AnExistingLogIsReplacedOnlyAfterTheUsersYes) {
    for (const BoxAnswer answer : {BoxAnswer::No, BoxAnswer::Yes}) {
        LogRun run;
        run.world.WriteBytes("LOG.txt", "old log\r\n");
        chmod(run.world.Path("LOG.txt").c_str(), 0444);
        run.world.dialogs.answers = {answer};
        run.Write(run.world.realFiles);

        ASSERT_EQ(run.world.dialogs.shown.size(), 1u);
        const MessageBoxRequest& question = run.world.dialogs.shown[0];
        EXPECT_EQ(question.text, "LOG-файл уже существует, перезаписать его заново?");
        EXPECT_EQ(question.title, "Подтверждение...");
        EXPECT_EQ(question.buttons, BoxButtons::YesNo);
        EXPECT_EQ(question.owner, BoxOwner::None);
        const bool replaced = answer == BoxAnswer::Yes;
        EXPECT_EQ(run.Bytes().rfind("Velmora version: ", 0) == 0, replaced);
        if (!replaced) {
            EXPECT_EQ(run.Bytes(), "old log\r\n");
        }
        EXPECT_EQ(run.world.wizard.state.ErrorsFound, replaced);
    }
}

// Another program holds LOG.txt open: the user is told which file and why, the old file stays,
// and no mail is offered for it.
TEST(LogFile, ALogThatCannotBeWrittenIsNamedInAWarning) {
    LogRun run;
    run.world.WriteBytes("LOG.txt", "old log\r\n");
    LockedFile held(run.logPath);
    run.world.dialogs.answers = {BoxAnswer::Yes};
    run.Write(held);

    ASSERT_EQ(run.world.dialogs.shown.size(), 2u);
    const MessageBoxRequest& warning = run.world.dialogs.shown[1];
    EXPECT_EQ(warning.text, "LOG.txt could not be written.\r\n\r\nFile: \"" + run.logPath +
                                "\"\r\nReason: The file is in use");
    EXPECT_EQ(warning.title, "Предупреждение...");
    EXPECT_EQ(warning.icon, BoxIcon::Warning);
    EXPECT_EQ(run.Bytes(), "old log\r\n");
    EXPECT_FALSE(run.world.wizard.state.ErrorsFound);
}

// The closing sequence with the wizard's own operations: the mail is offered only for a pack
// that names its author's address, and carries the file written.
TEST(LogFile, TheLogIsMailedToTheAuthorsAddressOnly) {
    for (const std::string address : {"", "sun@sun.example"}) {
        LogRun run;
        run.world.wizard.pack.AuthorEmail = address;
        run.world.dialogs.answers = {BoxAnswer::Yes, BoxAnswer::Yes};
        WizardOperations operations;
        AddLogFileOperations(run.world.wizard, operations);
        CloseWizard(run.world.wizard, operations);

        EXPECT_NE(run.Bytes().find("\r\ne-mail  of author smiles pack: " + address + "\r\n"),
                  std::string::npos);
        const std::vector<MailMessage>& mails = run.world.host.mails;
        if (address.empty()) {
            EXPECT_EQ(run.world.dialogs.shown.size(), 1u);
            EXPECT_TRUE(mails.empty());
            continue;
        }
        ASSERT_EQ(run.world.dialogs.shown.size(), 2u);
        ASSERT_EQ(mails.size(), 1u);
        EXPECT_EQ(mails[0].subject, "LOG with warning or error");
        EXPECT_EQ(mails[0].recipientAddress, address);
        EXPECT_EQ(mails[0].attachmentPath, run.logPath);
    }
}

TEST(LogFile, ASingleFamilyPackHasNoLiteDarkSmilesAfterTheInformationPage) {
    LogRun run;
    PackDescription& pack = run.world.wizard.pack;
    pack.PackType = "LightSingle";
    pack.SmileKinds = 1;
    pack.AnimatedFullLightCount = "3";
    run.world.FillSmileFolder("Animated Single Full Light", 3, 3);
    ASSERT_TRUE(CheckPackData(run.world.Checks(), run.world.wizard.text, pack).empty());
    run.Write(run.world.realFiles);
    const std::string log = run.Bytes();
    EXPECT_NE(log.find("\r\namount of animated smiles [Lite Dark]: 0\r\n"), std::string::npos);
    EXPECT_NE(log.find("\r\namount of static smiles [Lite Dark]: 0\r\n"), std::string::npos);
}

}  // namespace
}  // namespace velmora::test
