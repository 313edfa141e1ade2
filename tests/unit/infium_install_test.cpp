// Installing into QIP Infium: the names the folders take, the questions before anything
// changes, the report, the older versions offered for removal, and the packs that must
// change nothing.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "install/folder_name.h"
#include "install/infium_install.h"
#include "install/infium_names.h"
#include "install/version_record.h"
#include "lang/language.h"
#include "test_world.h"

namespace velmora::test {
namespace {

class CountingProgress : public InstallProgressView {
  public:
    void ShowProgressCaption() override {}
    void StartProgress(const ProgressLayout&, const InstallClock&) override { trace += "start;"; }
    void ShowOverall(int position) override { trace += "overall " + std::to_string(position) + ";"; }
    void ResetStaticBar() override {}
    void BeforeEntry(bool, int) override {}
    void FinishProgress() override { trace += "finish;"; }

    std::string trace;
};

const std::string kSeparator = "\r\n" + std::string(67, '-') + std::string(17, ' ');

class InfiumInstall : public ::testing::Test {
  protected:
    InfiumInstall() {
        world.wizard.state.LanguageName = kBuiltInLanguage;
        LoadLanguage(world.wizard, "");
        PackDescription& pack = world.wizard.pack;
        pack.NameAndVersion = "Vesna 2.1";
        pack.CreationDate = "01.09.2010";
        pack.PackType = "lightdark";
        pack.AnimatedFullLightCount = pack.StaticFullLightCount = "3";
        pack.AnimatedLiteDarkCount = pack.StaticLiteDarkCount = "2";
        world.FillSmileFolder("Animated Single Full Light", 3, 3);
        world.FillSmileFolder("Animated Lite Dark", 2, 2);
        world.FillSmileFolder("Static Single Full Light", 3, 3);
        world.FillSmileFolder("Static Lite Dark", 2, 2);
        world.wizard.qip.folder = world.Path("QIP");
        world.MakeFolder("QIP\\Smilies");
    }

    InfiumOutcome Install() {
        const InfiumJob job{world.realFiles,       world.dialogs,      world.clock,
                            world.wizard.state,    world.wizard.text,  world.wizard.pack,
                            world.folder,          world.wizard.qip.folder};
        return InstallPackIntoInfium(job, progress);
    }

    // A folder below Smilies, with a record naming the identity when one is given.
    void MakeSmiles(const std::string& name, const std::string& identity = "") {
        world.Write("QIP\\Smilies\\" + name + "\\old.gif", "old");
        if (!identity.empty())
            WriteVersionRecord(world.realFiles, Smilies(name), identity, "Animated", "1");
    }
    std::string Smilies(const std::string& name = "") const {
        return world.Path("QIP\\Smilies") + (name.empty() ? "" : "\\" + name);
    }
    std::vector<std::string> Folders() {
        std::vector<std::string> names;
        for (const FolderEntry& entry : world.realFiles.ListFolder(Smilies()))
            names.push_back(entry.name);
        std::sort(names.begin(), names.end());
        return names;
    }
    std::string Identity(const std::string& folder) {
        return ReadVersionRecord(world.realFiles, Smilies(folder) + "\\" + kVersionRecordName,
                                 RecordField::Identity);
    }

    TestWorld world;
    CountingProgress progress;
};

// The report for each pack type, with and without static Lite Dark smiles; the running
// totals cover both variants of a kind, less the smiles the lite step removed.
TEST_F(InfiumInstall, TheReportNamesTheBaseNamesAndCountsBothVariants) {
    const std::string ok = kSeparator + "\r\n Смайл-пак установлен успешно!";
    const std::string animated = "Установленный смайл-пак:  Vesna 2.1 ";
    const std::string statics = "\r\nУстановленный смайл-пак:  Vesna 2.1 ";
    const auto counts = [](const char* kind, int copied) {
        return std::string("\r\n Скопированно ") + kind + " смайлов: " + std::to_string(copied) +
               "\r\n Ошибок при копировании " + kind + " смайлов: 0";
    };
    const struct {
        const char* type;
        const char* staticLite;
        int32_t kinds;
        std::string report;
    } rows[] = {
        {"lightdark", "2", 0,
         animated + "light 01.09.2010\r\n" + animated + "dark 01.09.2010" + kSeparator +
             counts("анимированных", 5) + kSeparator + statics + "light Static 01.09.2010" +
             statics + "dark Static 01.09.2010" + kSeparator + counts("статических", 5) + ok},
        {"FullLite", "0", -1,
         statics + "full Static 01.09.2010" + kSeparator + counts("статических", 3) + ok},
        {"single", "2", 1, animated + "single 01.09.2010" + kSeparator +
                               counts("анимированных", 3) + ok},
    };
    for (const auto& row : rows) {
        std::filesystem::remove_all(Smilies());
        world.dialogs.shown.clear();
        world.wizard.pack.PackType = row.type;
        world.wizard.pack.StaticLiteDarkCount = row.staticLite;
        world.wizard.pack.SmileKinds = row.kinds;
        EXPECT_EQ(Install(), InfiumOutcome::Installed) << row.type;
        ASSERT_EQ(world.dialogs.shown.size(), 1u) << row.type;
        EXPECT_EQ(world.dialogs.shown[0].text, row.report) << row.type;
    }
    EXPECT_EQ(Folders(), (std::vector<std::string>{"Vesna 2.1 single"}));

    // "fulllite": the lite folders hold the full set less what DeleteLite.ini names.
    world.FillSmileFolder("Animated Lite Dark", 0, 2);
    world.FillSmileFolder("Static Lite Dark", 0, 1);
    world.Write("Source SMP\\Animated Lite Dark\\DeleteLite.ini", "// left out\r\n0\r\n");
    world.Write("Source SMP\\Static Lite Dark\\DeleteLite.ini", "1\r\n2\r\n");
    world.wizard.pack.PackType = "fulllite";
    world.wizard.pack.SmileKinds = 0;
    world.dialogs.shown.clear();
    progress.trace.clear();
    std::filesystem::remove_all(Smilies());
    Install();
    EXPECT_EQ(progress.trace, "start;overall 1;overall 2;finish;");
    EXPECT_EQ(world.dialogs.shown[0].text,
              animated + "full 01.09.2010\r\n" + animated + "lite 01.09.2010" + kSeparator +
                  counts("анимированных", 5) + kSeparator + statics + "full Static 01.09.2010" +
                  statics + "lite Static 01.09.2010" + kSeparator + counts("статических", 4) + ok);
    EXPECT_EQ(Identity("Vesna 2.1 lite Static"), "Vesna 2.1 lite 01.09.2010");
    EXPECT_FALSE(world.realFiles.IsFile(Smilies("Vesna 2.1 lite") + "\\0.gif"));
    EXPECT_TRUE(world.realFiles.IsFile(Smilies("Vesna 2.1 lite Static") + "\\0.bmp"));
    EXPECT_FALSE(world.realFiles.IsFile(Smilies("Vesna 2.1 lite Static") + "\\1.bmp"));
    EXPECT_EQ(world.realFiles.ReadText(Smilies("Vesna 2.1 lite Static") + "\\_define.ini").text,
              ListLines(1));
}

TEST_F(InfiumInstall, AFolderOfAnotherPackMakesNumberedNamesAndLeavesItAlone) {
    MakeSmiles("Vesna 2.1 light");                                  // no record
    MakeSmiles("Vesna 2.1 light_01", "Other 1.0 light 01.09.2010");  // another pack
    world.dialogs.answers = {BoxAnswer::Cancel};
    EXPECT_EQ(Install(), InfiumOutcome::Cancelled);
    EXPECT_EQ(Folders().size(), 2u);

    EXPECT_EQ(Install(), InfiumOutcome::Installed);
    ASSERT_EQ(world.dialogs.shown.size(), 3u);
    const MessageBoxRequest& warning = world.dialogs.shown[1];
    EXPECT_EQ(warning.text,
              "Найден смайл-пак с похожим названием (название пакета: Vesna 2.1 light_01),\r\n"
              "новый пакет будет установлен с названием: Vesna 2.1 light_02");
    EXPECT_EQ(warning.buttons, BoxButtons::OkCancel);
    EXPECT_EQ(warning.owner, BoxOwner::MainWindow);
    EXPECT_EQ(Identity("Vesna 2.1 dark_02 Static"), "Vesna 2.1 dark 01.09.2010");
    EXPECT_TRUE(world.realFiles.IsFile(Smilies("Vesna 2.1 light") + "\\old.gif"));
    EXPECT_EQ(Identity("Vesna 2.1 light_01"), "Other 1.0 light 01.09.2010");
    EXPECT_NE(world.dialogs.shown[2].text.find(" Vesna 2.1 light 01.09.2010"), std::string::npos);
}

TEST_F(InfiumInstall, NamesChangeUntilEveryFolderTakenHoldsThisPack) {
    const std::vector<InfiumVariant> variants = InfiumVariantsOf(world.wizard.pack);
    MakeSmiles("Vesna 2.1 light");
    for (int k = 1; k <= 9; ++k) MakeSmiles("Vesna 2.1 dark_0" + std::to_string(k) + " Static");
    InfiumNames names =
        ChooseInfiumNames(world.realFiles, Smilies(), world.wizard.pack, variants);
    EXPECT_EQ(names.renames, 10);
    EXPECT_EQ(InfiumFolderName(variants[0], names.renames, true), "Vesna 2.1 light_010");
    EXPECT_EQ(names.lastClash, "Vesna 2.1 dark_09 Static");

    // This pack found under a changed name (its identity in another letter case): only the
    // overwrite question, naming that folder; No changes nothing.
    std::filesystem::remove_all(Smilies());
    MakeSmiles("Vesna 2.1 light");
    MakeSmiles("Vesna 2.1 light_01", "VESNA 2.1 LIGHT 01.09.2010");
    EXPECT_EQ(Install(), InfiumOutcome::Cancelled);
    ASSERT_EQ(world.dialogs.shown.size(), 1u);
    EXPECT_EQ(world.dialogs.shown[0].text,
              "Смайл-пак с такими данными уже установлен (название пакета: Vesna 2.1 light_01),"
              "\r\nперезаписать заново?");
    EXPECT_TRUE(world.realFiles.IsFile(Smilies("Vesna 2.1 light_01") + "\\old.gif"));
    EXPECT_EQ(Folders().size(), 2u);

    // Yes empties and replaces the pack's own folders only.
    world.dialogs.answers = {BoxAnswer::Yes};
    EXPECT_EQ(Install(), InfiumOutcome::Installed);
    EXPECT_FALSE(world.realFiles.IsFile(Smilies("Vesna 2.1 light_01") + "\\old.gif"));
    EXPECT_EQ(Identity("Vesna 2.1 light_01"), "Vesna 2.1 light 01.09.2010");
    EXPECT_TRUE(world.realFiles.IsFile(Smilies("Vesna 2.1 light") + "\\old.gif"));
}

// A record whose identity code page 1251 cannot hold is written in UTF-8 after a byte-order
// mark, so that a second installation still recognises the pack's own folders.
TEST_F(InfiumInstall, ARecordOutsideTheCodePageIsUtf8AndRecognisedAgain) {
    const auto recordBytes = [&](const std::string& folder) {
        std::ifstream file(world.Path("QIP\\Smilies\\" + folder + "\\" + kVersionRecordName),
                           std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    };
    const std::string tail = " light 01.09.2010\r\nAmount of smiles:\r\n3\r\nType of smiles:\r\n";
    world.wizard.pack.NameAndVersion = "Весна 2.1";
    Install();
    EXPECT_EQ(recordBytes("Весна 2.1 light"),
              "\r\n\xC2\xE5\xF1\xED\xE0 2.1" + tail + "Animated\r\n");

    world.wizard.pack.NameAndVersion = "Café 1.0";
    Install();
    EXPECT_EQ(recordBytes("Café 1.0 light Static"),
              "\xEF\xBB\xBF\r\nCafé 1.0" + tail + "Static\r\n");
    world.dialogs.shown.clear();
    world.dialogs.answers = {BoxAnswer::Yes};
    Install();
    ASSERT_EQ(world.dialogs.shown.size(), 2u);
    EXPECT_EQ(world.dialogs.shown[0].text,
              "Смайл-пак с такими данными уже установлен (название пакета: Café 1.0 light),"
              "\r\nперезаписать заново?");
    EXPECT_EQ(Folders().size(), 8u);
}

TEST(InfiumOldVersions, TheListSkipsCommentsEmptyLinesAndTheNewIdentities) {
    PackDescription pack;
    pack.NameAndVersion = "Vesna 2.1";
    pack.PackType = "fulllite";
    pack.CreationDate = "01.09.2010";
    const std::vector<std::string> lines = {
        "// older versions", "\\\\ also a comment", "", "Vesna 2.0 full 01.01.2009 ",
        "Vesna 2.1 lite 01.09.2010", "vesna 2.1 full 01.09.2010", " ", "..\\Skins"};
    EXPECT_EQ(ReadOldVersionList(lines, InfiumVariantsOf(pack)),
              (std::vector<std::string>{"Vesna 2.0 full 01.01.2009 ", "vesna 2.1 full 01.09.2010",
                                        " ", "..\\Skins"}));
}

// Only folders directly inside Smilies whose record names a listed version exactly are
// offered, one question each; a list entry that names a path reaches nothing.
TEST_F(InfiumInstall, OlderVersionsAreOfferedFolderByFolderAfterACleanCopy) {
    world.Write("Source SMP\\Old_Version_for_Erase.ini",
                "Vesna 2.0 light 01.01.2009\r\n..\\Skins\r\n" + world.Path("QIP\\Skins") +
                    "\r\nvesna 2.0 dark 01.01.2009\r\n");
    world.Write("QIP\\Skins\\Smile`s_version.txt", "\r\n..\\Skins\r\n");
    world.Write("QIP\\Skins\\keep.txt", "kept");
    MakeSmiles("Vesna 2.0 light", "Vesna 2.0 light 01.01.2009");
    MakeSmiles("Vesna 2.0 light Static", "Vesna 2.0 light 01.01.2009");
    MakeSmiles("Vesna 2.0 dark", "Vesna 2.0 dark 01.01.2009");
    world.dialogs.answers = {BoxAnswer::Ok, BoxAnswer::Yes, BoxAnswer::No};
    Install();
    ASSERT_EQ(world.dialogs.shown.size(), 3u);
    const std::string folder = world.wizard.qip.folder + "\\Smilies\\Vesna 2.0 light";
    const std::string question = world.dialogs.shown[1].text + world.dialogs.shown[2].text;
    EXPECT_NE(question.find("Найдена предыдущая версия этого смайл-пака!\r\n\r\nПапка: \"" +
                            folder + "\"\r\nНайденная версия: \"Vesna 2.0 light 01.01.2009\"\r\n\r\n"
                            "Удалить старую версию?"),
              std::string::npos);
    EXPECT_EQ(Folders().size(), 6u);  // one removed, one kept by No, the dark one not listed
    EXPECT_TRUE(world.realFiles.IsFile(world.Path("QIP\\Skins\\keep.txt")));

    // After a failed copy nothing is offered.
    std::filesystem::remove_all(Smilies());
    MakeSmiles("Vesna 2.0 light", "Vesna 2.0 light 01.01.2009");
    std::filesystem::remove_all(world.Path("Source SMP\\Static Lite Dark"));
    world.dialogs.shown.clear();
    Install();
    ASSERT_EQ(world.dialogs.shown.size(), 1u);
    EXPECT_NE(world.dialogs.shown[0].text.find("статических смайлов: 1"), std::string::npos);
    EXPECT_NE(world.dialogs.shown[0].text.find("ОШИБКА ПРИ УСТАНОВКЕ!!!"), std::string::npos);
    EXPECT_NE(world.wizard.state.ErrorLog.find("Static Lite Dark\\_define.ini"), std::string::npos);
    // The installation's folders succeed or fail together: none is made.
    EXPECT_EQ(Folders(), (std::vector<std::string>{"Vesna 2.0 light"}));
}

TEST_F(InfiumInstall, APackNameThatIsNoFolderNameChangesNothing) {
    for (const char* name : {"..\\..\\x 1.0", "a/b 1.0", "C:x 1.0", "what? 1.0"}) {
        world.wizard.pack.NameAndVersion = name;
        world.wizard.state.ErrorLog.clear();
        EXPECT_EQ(Install(), InfiumOutcome::Refused) << name;
        EXPECT_TRUE(Folders().empty()) << name;
        EXPECT_NE(world.wizard.state.ErrorLog.find(name), std::string::npos);
    }
    EXPECT_EQ(world.dialogs.shown.back().icon, BoxIcon::Error);
    EXPECT_EQ(world.dialogs.shown.back().title, "Velmora: Error in smiles-pack...");
    EXPECT_FALSE(std::filesystem::exists(world.Path("x 1.0 light")));

    for (const char* name :
         {"..", ".", "x.", "x ", "nul", "COM1.txt", "a\tb", "", "COM¹", "lpt³.x y", "Com²"})
        EXPECT_NE(FolderNameFault(name), "") << name;
    for (const char* name : {"Vesna 2.1 light", "..x", " x", "null", "Смайлы 1.0", "COM¹0"})
        EXPECT_EQ(FolderNameFault(name), "") << name;
}

}  // namespace
}  // namespace velmora::test
