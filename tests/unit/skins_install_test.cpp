// Installing into QIP 2005 skins: which skins and folders change, the variant each kind gets,
// the reports, and what a failed skin or a quit leaves behind.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "app/installations.h"
#include "install/version_record.h"
#include "lang/language.h"
#include "test_world.h"

namespace velmora::test {
namespace {

// The window's part, acted out: the skins list marks the skins a script names.
class ScriptedSkinsView : public SkinsChoice, public InstallProgressView {
  public:
    SkinPick ChooseSkins(const std::string& skinsFolder, SkinList& skins) override {
        skins = {};
        ListSkins(files, skinsFolder, skins);
        std::sort(skins.SkinNames.begin(), skins.SkinNames.end());  // as a folder may list them
        std::vector<int> marked = marks.empty() ? std::vector<int>{} : marks.front();
        if (!marks.empty()) marks.pop_front();
        MarkChosenSkins(skins, marked);
        return {left, static_cast<int>(marked.size())};
    }
    void SetBackEnabled(bool enabled) override { backEnabled = enabled; }
    void ShowProgressCaption() override {}
    void StartProgress(const ProgressLayout& layout, const InstallClock&) override {
        trace += "progress " + std::to_string(layout.overallTotal) + ";";
    }
    void ShowOverall(int position) override {
        overall = position;
        if (afterOverall) afterOverall(position);
    }
    void ResetStaticBar() override {}
    void BeforeEntry(bool, int) override { ++entries; }
    void FinishProgress() override { trace += "finished;"; }

    PosixFiles files;
    std::deque<std::vector<int>> marks;  // skin indexes in name order, per showing of the list
    SkinPick::Left left = SkinPick::Left::Chosen;  // the button that leaves the list
    bool backEnabled = true;
    int overall = 0;
    int entries = 0;
    std::string trace;
    std::function<void(int)> afterOverall;  // what happens on disk meanwhile
};

class SkinsInstall : public ::testing::Test {
  protected:
    SkinsInstall() {
        world.wizard.state.LanguageName = kBuiltInLanguage;
        LoadLanguage(world.wizard, "");
        PackDescription& pack = world.wizard.pack;
        pack.NameAndVersion = "Sunny 1.0";
        pack.CreationDate = "01.12.2026";
        pack.PackType = "fulllite";
        pack.AnimatedFullLightCount = "4";
        pack.AnimatedLiteDarkCount = "3";
        pack.StaticFullLightCount = "2";
        pack.StaticLiteDarkCount = "0";
        world.FillSmileFolder("Animated Single Full Light", 4, 4);
        world.FillSmileFolder("Static Single Full Light", 2, 2);
        world.Write("Source SMP\\Animated Lite Dark\\_define.ini", ListLines(3));
        world.Write("Source SMP\\Animated Lite Dark\\DeleteLite.ini",
                    "// not in the lite set\r\n2\r\n");
        for (int skin = 1; skin <= 5; ++skin) {
            for (const char* kind : {"Animated", "Static"})
                world.Write(SkinFolder(skin, kind) + "\\old.gif", "old smile");
        }
        world.wizard.qip.folder = world.folder + "\\QIP";
    }

    static std::string SkinFolder(int skin, const char* kind) {
        return "QIP\\Skins\\Skin" + std::to_string(skin) + "\\Smilies\\" + kind;
    }
    std::vector<std::string> FilesIn(int skin, const char* kind) {
        std::vector<std::string> names;
        for (const FolderEntry& entry :
             world.realFiles.ListFolder(world.Path(SkinFolder(skin, kind))))
            names.push_back(entry.name);
        std::sort(names.begin(), names.end());
        return names;
    }
    std::string Record(int skin, const char* kind) {
        std::ifstream file(world.Path(SkinFolder(skin, kind) + "\\Smile`s_version.txt"),
                           std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }

    TestWorld world;
    ScriptedSkinsView view;
};

TEST_F(SkinsInstall, MarkedSkinsGetOnlyTheNewPackAndTheOthersStayAsTheyWere) {
    view.marks = {{1, 3}};
    EXPECT_EQ(InstallIntoSkins(world.wizard, view, view), PageResult::Next);

    for (int skin : {1, 3, 5})
        EXPECT_EQ(FilesIn(skin, "Animated"), (std::vector<std::string>{"old.gif"})) << skin;
    for (int skin : {2, 4}) {
        EXPECT_EQ(FilesIn(skin, "Animated"),
                  (std::vector<std::string>{"0.gif", "1.gif", "2.gif", "3.gif",
                                            "Smile`s_version.txt", "_define.ini"}));
        EXPECT_EQ(
            FilesIn(skin, "Static"),
            (std::vector<std::string>{"0.bmp", "1.bmp", "Smile`s_version.txt", "_define.ini"}));
        EXPECT_EQ(Record(skin, "Animated"),
                  "\r\nSunny 1.0 full 01.12.2026\r\nAmount of smiles:\r\n4\r\nType of smiles:\r\n"
                  "Animated\r\n");
    }
    EXPECT_EQ(world.wizard.skins.SkinStates,
              (std::vector<int32_t>{kSkinNotChosen, kSkinInstalled, kSkinNotChosen, kSkinInstalled,
                                    kSkinNotChosen}));
    ASSERT_EQ(world.dialogs.shown.size(), 2u);  // 4 smiles: no quota question
    const std::string separator = "\r\n" + std::string(67, '-') + std::string(17, ' ');
    EXPECT_EQ(world.dialogs.shown[0].title, "Отчет о копировании...");
    EXPECT_EQ(world.dialogs.shown[0].text,
              " Скин: Skin2\r\n Установленный смайл-пак: Sunny 1.0 full 01.12.2026" + separator +
                  "\r\n Скопированно анимированных смайлов: 4\r\n Ошибок при копировании "
                  "анимированных смайлов: 0\r\n Скопированно статических смайлов: 2\r\n Ошибок при "
                  "копировании статических смайлов: 0" +
                  separator + "\r\n Смайл-пак установлен успешно!");
    EXPECT_EQ(view.trace, "progress 4;finished;");
    EXPECT_EQ(view.overall, 4);
    EXPECT_TRUE(world.wizard.state.InstallStarted);
    EXPECT_FALSE(world.wizard.state.ErrorsFound);
}

TEST_F(SkinsInstall, TheLiteVersionLeavesOutWhatDeleteLiteNamesAndKeepsTheStaticSetFull) {
    world.wizard.state.ModeChoice = kSecondMode;
    view.marks = {{0}};
    InstallIntoSkins(world.wizard, view, view);
    EXPECT_EQ(FilesIn(1, "Animated"),
              (std::vector<std::string>{"0.gif", "1.gif", "3.gif", "Smile`s_version.txt",
                                        "_define.ini"}));
    EXPECT_NE(Record(1, "Animated").find("Sunny 1.0 lite 01.12.2026\r\nAmount of smiles:\r\n3\r\n"),
              std::string::npos);
    // No static lite count: the static kind is installed in full, and the report says so.
    EXPECT_NE(Record(1, "Static").find("Sunny 1.0 full"), std::string::npos);
    EXPECT_NE(world.dialogs.shown[0].text.find("full 01.12.2026"), std::string::npos);
    EXPECT_NE(world.dialogs.shown[0].text.find("анимированных смайлов: 3\r\n"), std::string::npos);
}

TEST(SkinVariants, PackTypeAndChoicePickFolderWordAndCount) {
    PackDescription pack;
    pack.AnimatedFullLightCount = "10";
    pack.AnimatedLiteDarkCount = "8";
    pack.StaticFullLightCount = "6";
    pack.StaticLiteDarkCount = "0";
    const struct {
        const char* type;
        bool animated;
        int32_t choice;
        const char* source;
        const char* word;
        const char* count;
        bool liteStep;
    } rows[] = {
        {"LightSingle", true, kSecondMode, "P\\Source SMP\\Animated Single Full Light",
         "LightSingle", "10", false},
        {"lightdark", true, kSecondMode, "P\\Source SMP\\Animated Lite Dark", "dark", "8", false},
        {"lightdark", false, kSecondMode, "P\\Source SMP\\Static Single Full Light", "light", "6",
         false},
        {"FullLite", true, kSecondMode, "P\\Source SMP\\Animated Single Full Light", "lite", "8",
         true},
        {"fulllite", false, kFirstMode, "P/Source SMP/Static Single Full Light", "full", "6",
         false},
    };
    for (const auto& row : rows) {
        pack.PackType = row.type;
        const KindVariant variant =
            ChooseKindVariant(pack, "P", row.animated, row.choice == kSecondMode);
        EXPECT_EQ(variant.source, row.source) << row.type << row.animated;
        EXPECT_EQ(variant.word, row.word) << row.type << row.animated;
        EXPECT_EQ(variant.count, row.count) << row.type << row.animated;
        EXPECT_EQ(variant.liteStep, row.liteStep) << row.type << row.animated;
    }
}

// A skin whose installation fails is left as it was, both kinds, and the failed kind is
// reported: a source folder that went missing (the skin is not touched), or a lite _define.ini
// that neither the plain nor the shell's copy can take (the skin is given back what it held).
// Yes to the question then ends the wizard before the next skin.
TEST_F(SkinsInstall, AFailedSkinIsLeftAsItWasAndYesQuits) {
    const std::string liteList = world.folder + "\\Source SMP\\Animated Lite Dark\\_define.ini";
    const struct {
        const char* what;
        int32_t mode;
        const char* gone;  // a source folder removed before the installation
        std::string held;  // a file held open without sharing
        const char* failures;
        std::string log;
    } rows[] = {
        {"the lite list held", kSecondMode, nullptr, liteList, "анимированных смайлов: 1",
         "\r\nError at copying file: " + liteList +
             "\r\nRestored as it was before the installation: " + world.folder +
             "\\QIP\\Skins\\Skin1\\Smilies\\Static\r\nRestored as it was before the "
             "installation: " + world.folder + "\\QIP\\Skins\\Skin1\\Smilies\\Animated"},
        {"a source folder gone", kFirstMode, "Source SMP\\Static Single Full Light", "",
         "статических смайлов: 1",
         "\r\nError at copying file: " + world.folder +
             "/Source SMP/Static Single Full Light\\_define.ini"},
    };
    for (const auto& row : rows) {
        if (row.gone) std::filesystem::remove_all(world.Path(row.gone));
        LockedFile files(row.held);
        Platform platform{files, world.dialogs, world.host, world.processes, world.registry,
                          world.clock};
        Wizard wizard(platform);
        wizard.text = world.wizard.text;
        wizard.pack = world.wizard.pack;
        wizard.qip = world.wizard.qip;
        wizard.state.ModeChoice = row.mode;
        view.marks = {{0, 1}};
        view.trace.clear();
        world.dialogs.shown.clear();
        world.dialogs.answers = {BoxAnswer::Yes};
        EXPECT_EQ(InstallIntoSkins(wizard, view, view), PageResult::Stop) << row.what;
        for (int skin : {1, 2}) {
            for (const char* kind : {"Static", "Animated"})
                EXPECT_EQ(FilesIn(skin, kind), (std::vector<std::string>{"old.gif"})) << row.what;
        }
        EXPECT_FALSE(std::filesystem::exists(world.Path("QIP\\Velmora backup"))) << row.what;
        ASSERT_EQ(world.dialogs.shown.size(), 1u) << row.what;
        const MessageBoxRequest& report = world.dialogs.shown[0];
        EXPECT_EQ(report.icon, BoxIcon::Error);
        EXPECT_EQ(report.buttons, BoxButtons::YesNo);
        EXPECT_NE(report.text.find(std::string("Ошибок при копировании ") + row.failures),
                  std::string::npos)
            << row.what;
        const std::string ending = " ОШИБКА ПРИ УСТАНОВКЕ!!!\r\n Выйти из программы установки?";
        EXPECT_EQ(report.text.substr(report.text.size() - ending.size()), ending);
        EXPECT_EQ(wizard.state.ErrorLog, row.log) << row.what;
        EXPECT_EQ(view.trace, "progress 4;");  // the display stays, the buttons stay disabled
    }
}

// A folder that goes missing after the first skin: the second skin's report counts nothing
// copied of that kind, not the first skin's smiles.
TEST_F(SkinsInstall, AKindGoneAfterTheFirstSkinCountsNothingCopiedInTheNext) {
    view.afterOverall = [&](int position) {
        if (position == 2)
            std::filesystem::remove_all(world.Path("Source SMP\\Animated Single Full Light"));
    };
    view.marks = {{0, 1}};
    InstallIntoSkins(world.wizard, view, view);
    ASSERT_EQ(world.dialogs.shown.size(), 2u);
    EXPECT_NE(world.dialogs.shown[0].text.find("анимированных смайлов: 4\r\n"), std::string::npos);
    EXPECT_NE(world.dialogs.shown[1].text.find("Скопированно анимированных смайлов: 0\r\n Ошибок "
                                               "при копировании анимированных смайлов: 1"),
              std::string::npos);
}

TEST_F(SkinsInstall, NoSkinMarkedAsksAgainAndNoGoesOnWithBackEnabled) {
    view.marks = {{}, {}};
    world.dialogs.answers = {BoxAnswer::Yes, BoxAnswer::No};
    EXPECT_EQ(InstallIntoSkins(world.wizard, view, view), PageResult::Next);
    ASSERT_EQ(world.dialogs.shown.size(), 2u);
    EXPECT_EQ(world.dialogs.shown[0].text,
              "Не выбран не один скин для установки! Повторить выбор?");
    EXPECT_EQ(world.dialogs.shown[0].owner, BoxOwner::MainWindow);
    EXPECT_FALSE(world.wizard.state.InstallStarted);
    EXPECT_TRUE(view.backEnabled);
    EXPECT_EQ(FilesIn(1, "Animated"), (std::vector<std::string>{"old.gif"}));
}

// Back or Exit on the list installs nothing, whatever was marked, and asks nothing.
TEST_F(SkinsInstall, LeavingTheListWithBackOrExitInstallsNothing) {
    const struct {
        SkinPick::Left left;
        PageResult result;
    } rows[] = {{SkinPick::Left::Back, PageResult::Back}, {SkinPick::Left::Stop, PageResult::Stop}};
    for (const auto& row : rows) {
        view.marks = {{0}};
        view.left = row.left;
        EXPECT_EQ(InstallIntoSkins(world.wizard, view, view), row.result);
        EXPECT_TRUE(world.dialogs.shown.empty());
        EXPECT_FALSE(world.wizard.state.InstallStarted);
        EXPECT_EQ(FilesIn(1, "Animated"), (std::vector<std::string>{"old.gif"}));
    }
}

}  // namespace
}  // namespace velmora::test
