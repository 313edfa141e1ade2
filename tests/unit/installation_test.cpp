// Installing the pack into either messenger: whole installations with what the user sees and
// what changes on disk, a failure or a kill at any change, and the small rules underneath.

#include <fnmatch.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <regex>
#include <sstream>

#include "app/installations.h"
#include "base/unexpected_error.h"
#include "install/folder_name.h"
#include "install/install_run.h"
#include "install/version_record.h"
#include "lang/language.h"
#include "test_world.h"

namespace velmora::test {
namespace {

namespace fs = std::filesystem;
using Tree = std::map<std::string, std::string>;

// A whole installation: the messenger, the pack, the messenger's folder and the user's answers,
// then as a pattern ("*" any text) how the page ended, what the user saw and what changed on disk.
struct Installation {
    const char *what, *skins, *pack;
    std::string layout;
    const char *answers, *shown;
};

// One installation of the pack "Sunny 1.0": 3 animated, 2 static smiles in full; the Lite Dark
// folders hold 1.gif, c.bmp; the lite set leaves out "2", "b"; readme.txt and a sub-folder named
// like a smile are no smiles; each file holds F or L, its folder. The trial plays the window and
// answers ("OCYN"). Skins: QIP 2005, whose five skins hold old smiles, a record and a sub-folder
// ("24|": the second and fourth marked, then the list again; "+": the second mode; B, X: Back,
// Exit); nullptr: QIP Infium. Pack: type, static lite count, kinds, name. Layout: "path=bytes" a
// file, "^" read-only, "path/" a folder, "path>folder" a link, "folder#identity" a record, "-path"
// removed, "!path" held open.
class Trial : public SkinsChoice, public InstallProgressView, public Dialogs {
  public:
    explicit Trial(const Installation& row)
        : skins_(row.skins), script_(row.skins ? row.skins : ""), answers_(row.answers) {
        PackDescription& p = wizard.pack;
        p.NameAndVersion = "Sunny 1.0", p.CreationDate = "01.12.2026";
        p.AnimatedFullLightCount = "3", p.AnimatedLiteDarkCount = "2";
        p.StaticFullLightCount = "2", p.StaticLiteDarkCount = "1";
        std::istringstream fields(row.pack);
        fields >> p.PackType >> p.StaticLiteDarkCount >> p.SmileKinds;
        std::getline(fields >> std::ws, p.NameAndVersion);
        const std::string a = "Source SMP\\Animated ", s = "Source SMP\\Static ",
                          full = "Single Full Light\\", lite = "Lite Dark\\";
        for (const std::string& file :
             {a + full + "1.gif", a + full + "2.GIF", a + full + "3.gif", a + full + "_define.ini",
              a + full + "readme.txt", a + full + "sub.gif\\4.gif", s + full + "a.bmp",
              s + full + "b.bmp", s + full + "_define.ini", a + lite + "1.gif",
              a + lite + "_define.ini", s + lite + "c.bmp", s + lite + "_define.ini"})
            world.WriteBytes(file, file.find(full) != std::string::npos ? "F" : "L");
        world.WriteBytes(a + lite + "DeleteLite.ini", "// left out\r\n2\r\n");
        world.WriteBytes(s + lite + "DeleteLite.ini", "b\r\n");
        wizard.state.LanguageName = kBuiltInLanguage;
        LoadLanguage(wizard, "");
        wizard.qip.folder = world.folder + "\\QIP";
        wizard.state.ModeChoice = script_[0] == '+' ? kSecondMode : kFirstMode;
        std::string items = skins_ ? "" : "Smilies/";
        for (int n = 1; skins_ && n <= 5; ++n) {
            const std::string a = "|Skins/Skin" + std::to_string(n) + "/Smilies/Animated";
            items += a + "/1.gif=old" + a + "/keep/x.gif=old" + a + "#Sunny 0.9|^" + a.substr(1) +
                     "/old.gif=old" + a + "/../Static/old.bmp=old";
        }
        std::istringstream list(items + "|" + row.layout);
        for (std::string item; std::getline(list, item, '|');)
            if (!item.empty()) Lay(item);
        before = Snapshot();
    }

    SkinPick ChooseSkins(const std::string& skinsFolder, SkinList& skins) override {
        events += "list | ";
        ListSkins(files, skinsFolder, skins = {});
        const std::string marks = script_.substr(0, script_.find('|'));
        script_.erase(0, marks.size() + 1);
        std::vector<int> marked;
        for (const char c : marks)
            if (c >= '1' && c <= '5') marked.push_back(c - '1');
        MarkChosenSkins(skins, marked);
        const size_t left = std::string("BX").find(marks.empty() ? 0 : marks.back());
        return {static_cast<SkinPick::Left>(left + 1), static_cast<int>(marked.size())};
    }
    void SetBackEnabled(bool enabled) override { back_ = enabled; }
    void ShowProgressCaption() override {}
    void StartProgress(const ProgressLayout& layout, const InstallClock&) override {
        events += "progress " + std::to_string(layout.overallTotal) + " | ";
    }
    void ShowOverall(int position) override { overall_ = position; }
    void ResetStaticBar() override {}
    void BeforeEntry(bool, int) override {}
    void FinishProgress() override { events += "done " + std::to_string(overall_) + " | "; }
    // "{" the icon, the buttons and "w" when the window owns it, the title "}", the text.
    BoxAnswer Ask(const MessageBoxRequest& box) override {
        const char *const buttons[] = {"o", "oc", "yn"}, *const owners[] = {" ", "w "};
        events += std::string("{") + "EQIW"[static_cast<int>(box.icon)] +
                  buttons[static_cast<int>(box.buttons)] + owners[static_cast<int>(box.owner)] +
                  box.title + "} " + box.text + " | ";
        const char answer = answers_.empty() ? "ON"[box.buttons == BoxButtons::YesNo] : answers_[0];
        answers_.erase(0, 1);
        return static_cast<BoxAnswer>(std::string("OCYN").find(answer));
    }

    PageResult Install() try {
        return skins_ ? InstallIntoSkins(wizard, *this, *this) : InstallIntoInfium(wizard, *this);
    } catch (const UnexpectedFileError&) {
        return PageResult::Stop;
    }
    Tree Snapshot() const { return TakeSnapshot(qip); }
    // What the user saw, the skins' states, "started", Back on, the problems logged; after "=" each
    // changed folder ("folder: name=bytes" or "folder -"). P: program folder, ¶: CR LF, ~: rule.
    std::string Shown() const {
        std::string text = events + (skins_ ? "skins " : "");
        for (const int32_t state : wizard.skins.SkinStates)
            text += std::to_string(state);
        if (wizard.state.InstallStarted) text += " started";
        if (skins_) text += back_ ? " back | " : " | ";
        text += (wizard.state.ErrorLog.empty() ? "" : "log" + wizard.state.ErrorLog + " ") + "=";
        const Tree was = Folders(before), now = Folders(Snapshot());
        for (const auto& [folder, files] : now)
            if (!was.count(folder) || was.at(folder) != files) text += " " + folder + ":" + files;
        for (const auto& [folder, files] : was)
            if (!now.count(folder)) text += " " + folder + " -";
        const std::regex folder(std::regex_replace(world.folder, std::regex(R"([^\w/-])"), "\\$&"));
        text = std::regex_replace(std::regex_replace(text, folder, "P"),
                                  std::regex("\r\n-{67} {17}"), "~");
        return std::regex_replace(text, std::regex("\r\n"), "¶");
    }

    std::string events;
    Tree before;
    TestWorld world;
    const std::string qip = world.Path("QIP") + "/";
    FileFaults files;
    Platform platform{files, *this, world.host, world.processes, world.registry, world.clock};
    Wizard wizard{platform};

  private:
    void Lay(std::string item) {
        const char op = item[0];
        if (std::string("-!^").find(op) != std::string::npos) item.erase(0, 1);
        const size_t end = item.find_first_of("=#>");
        const char kind = end == std::string::npos ? '/' : item[end];
        const std::string path = qip + item.substr(0, end), text = item.substr(end + 1);
        const std::string file = kind == '#' ? path + "/" + kVersionRecordName : path;
        if (op == '-') {
            fs::remove_all(path);
        } else if (op == '!') {
            files.held = path;
        } else if (kind == '/') {
            fs::create_directories(path);
        } else if (kind == '>') {
            fs::create_directory_symlink(qip + text, path);
        } else {
            fs::create_directories(fs::path(file).parent_path());
            std::ofstream(file, std::ios::binary) << (kind == '#' ? "\r\n" + text + "\r\n" : text);
            if (op == '^') chmod(file.c_str(), 0444);
        }
    }
    static Tree Folders(const Tree& tree) {
        Tree folders;
        for (const auto& [path, bytes] : tree) {
            const size_t slash = path.rfind('/');
            std::string& files = folders[bytes == "/" ? path : path.substr(0, slash)];
            if (bytes != "/") files += " " + path.substr(slash + 1) + "=" + bytes;
        }
        return folders;
    }

    const char* skins_;
    std::string script_, answers_;
    bool back_ = true;
    int overall_ = 0;
};

const std::string kOtherPack =
    "Smilies/Sunny 1.0 dark Static/Smile`s_version.txt=|Smilies/Sunny 1.0 light_01#Other 1.0";
const std::string kSamePack =
    "Smilies/Sunny 1.0 full/|^Smilies/Sunny 1.0 full_01/old.gif=old|Smilies/Sunny 1.0 full_01/1.gif="
    "old|Smilies/Sunny 1.0 full_01#SUNNY 1.0 FULL 01.12.2026|Smilies/Sunny 1.0 lite_01 Static/old.bm"
    "p=old|Smilies/Sunny 1.0 lite_01 Static#Sunny 1.0 lite 01.12.2026";
const std::string kOldVersions =
    "../Source SMP/Old_Version_for_Erase.ini=Sunny 1.0 light 01.12.2026\r\nSunny 0.9 light 01.01.200"
    "9\r\n..\\Skins\r\nsunny 0.9 dark 01.01.2009\r\n|Skins#..\\Skins|Smilies/Sunny 0.9 light#Sunny 0"
    ".9 light 01.01.2009|^Smilies/Sunny 0.9 light/a.gif=|Smilies/Sunny 0.9 light Static#Sunny 0.9 l"
    "ight 01.01.2009|Smilies/Sunny 0.9 dark#Sunny 0.9 dark 01.01.2009";

// Installations into QIP 2005 ("2005") or QIP Infium.
const Installation kInstallations[] = {
    {"2005, one set into skins 2 and 4", "24", "LightSingle", "", "",
     "next: list | progress 4 | {Io Отчет о копировании...}  Скин: Skin2¶ Установленный смайл-пак"
     ": Sunny 1.0 LightSingle 01.12.2026~¶ Скопированно анимированных смайлов: 3¶ Ошибок при копи"
     "ровании анимированных смайлов: 0¶ Скопированно статических смайлов: 2¶ Ошибок при копирован"
     "ии статических смайлов: 0~¶ Смайл-пак установлен успешно! | {Io *Skin4* | done 4 | skins 13"
     "131 started | = Skins/Skin2/Smilies/Animated: 1.gif=F 2.GIF=F 3.gif=F Smile`s_version.txt=¶"
     "Sunny 1.0 LightSingle 01.12.2026¶*¶3¶*¶Animated¶ _define.ini=F *Skin2/Smilies/Static: *¶2¶*"
     "¶Static¶ _define.ini=F a.bmp=F b.bmp=F Skins/Skin4/Smilies/Animated: *=F *Static: *b.bmp=F"},
    {"2005, lite version into skin 1", "+1", "FullLite", "", "",
     "next: list | progress 2 | {Io *: 2¶*: 1¶*! | done 2 | skins 31111 started | = *Animated: 1."
     "gif=F 3.gif=F *¶2¶* _define.ini=L *Static: *lite 01.12.2026¶*¶1¶* _define.ini=L a.bmp=F"},
    {"2005, none marked: Yes lists again, No goes on", "|", "fulllite", "", "YN",
     "next: list | {Qynw Подтверждение...} Не выбран не один скин для установки! Повторить выбор?"
     " | list | {Qynw *} * | skins 11111 back | ="},
    {"2005, Back", "1B", "fulllite", "", "", "back: list | skins 21111 back | ="},
    {"2005, Exit", "1X", "fulllite", "", "", "stop: list | skins 21111 back | ="},
    {"Infium, light and dark", nullptr, "lightdark", "", "",
     "next: progress 2 | {Io Отчет о копировании...} Установленный смайл-пак:  Sunny 1.0 light 01"
     ".12.2026¶Установленный смайл-пак:  Sunny 1.0 dark 01.12.2026~¶ Скопированно анимированных с"
     "майлов: 4¶ Ошибок при копировании анимированных смайлов: 0~¶Установленный смайл-пак:  Sunny"
     " 1.0 light Static 01.12.2026¶Установленный смайл-пак:  Sunny 1.0 dark Static 01.12.2026~¶ С"
     "копированно статических смайлов: 3¶ Ошибок при копировании статических смайлов: 0~¶ Смайл-п"
     "ак установлен успешно! | done 2 | = *dark: 1.gif=L *dark 01.12.2026¶*¶2¶*¶Animated¶ *=L *da"
     "rk Static: *dark 01.12.2026¶*¶1¶*¶Static¶ *=L c.bmp=L *light: *=F *light 01.12.2026¶*¶3¶* *"
     "=F *light Static: *light 01.12.2026¶*¶2¶* _define.ini=F a.bmp=F b.bmp=F"},
    {"Infium, static only", nullptr, "FullLite 0 -1", "", "",
     "next: progress 2 | {Io *} ¶*:  Sunny 1.0 full Static 01.12.2026~¶ *статических смайлов: 2¶*"
     ": 0~¶ *! | done 0 | = Smilies/Sunny 1.0 full Static: *b.bmp=F"},
    {"Infium, animated only, a record in code page 1251", nullptr, "single 1 1 Весна 1.0", "", "",
     "next: progress 2 | {Io *:  Весна 1.0 single 01.12.2026~¶ *анимированных смайлов: 3¶*: 0~¶ *"
     "! | done 0 | = Smilies/Весна 1.0 single: *=¶\xC2\xE5\xF1\xED\xE0 1.0 single 01.12.2026¶*¶3¶"
     "* _define.ini=F"},
    {"Infium, full and lite", nullptr, "fulllite", "", "",
     "next: progress 2 | {Io *full 01.12.2026¶*lite 01.12.2026~*: 6¶*full Static 01.12.2026¶*lite"
     " Static 01.12.2026~*: 4¶*! | done 2 | = * Smilies/Sunny 1.0 lite: 1.gif=L 3.gif=F *=¶Sunny "
     "1.0 lite 01.12.2026¶*¶2¶* _define.ini=L *lite Static: *¶1¶* *=L a.bmp=F c.bmp=L"},
    {"Infium, another pack's folders: Cancel", nullptr, "lightdark", kOtherPack, "C",
     "back: {Wocw Подтверждение...} Найден смайл-пак с похожим названием (название пакета: Sunny "
     "1.0 light_01),¶новый пакет будет установлен с названием: Sunny 1.0 light_02 | ="},
    {"Infium, another pack's folders: OK", nullptr, "lightdark", kOtherPack, "O",
     "next: {Wocw *light_02 | progress 2 | {Io *Sunny 1.0 dark Static 01.12.2026~*! | done 2 | = "
     "*dark_02: *dark 01.12.2026¶*¶2* *dark_02 Static: * *light_02: * *light_02 Static: *b.bmp=F"},
    {"Infium, this pack in other letter case: No", nullptr, "fulllite 0", kSamePack, "N",
     "back: {Qynw Подтверждение...} Смайл-пак с такими данными уже установлен (название пакета: S"
     "unny 1.0 full_01),¶перезаписать заново? | ="},
    {"Infium, this pack in other letter case: Yes", nullptr, "fulllite 0", kSamePack, "Y",
     "next: {Qynw *full_01)* | {Io *! | done 2 | = Smilies/Sunny 1.0 full_01: 1.gif=F 2.GIF=F 3.g"
     "if=F *¶Sunny 1.0 full 01.12.2026¶*¶3¶* _define.ini=F *full_01 Static: *lite_01 Static -"},
    {"Infium, a record in UTF-8", nullptr, "lightdark 1 0 Café 1.0",
     "Smilies/Café 1.0 light/Smile`s_version.txt=\xEF\xBB\xBF\r\nCafé 1.0 light 01.12.2026\r\n",
     "Y",
     "next: {Qynw *(название пакета: Café 1.0 light)* | done 2 | = * *light: *=\xEF\xBB\xBF¶Café "
     "1.0 light 01.12.2026¶Amount of smiles:¶3¶Type of smiles:¶Animated¶ _define.ini=F *Static: *"
     "b.bmp=F"},
    {"Infium, older versions", nullptr, "lightdark", kOldVersions, "OYN",
     "next: *! | {Qyn Отчет о копировании...} Найдена предыдущая версия этого смайл-пака!¶¶Папка:"
     " \"P\\QIP\\Smilies\\Sunny 0.9 light\"¶Найденная версия: \"Sunny 0.9 light 01.01.2009\"¶¶Уда"
     "лить старую версию? | {Qyn *0.9 light Static\"* | done 2 | = * Smilies/Sunny 0.9 light -"},
    {"Infium, a pack name that is no folder name", nullptr, "lightdark 1 0 ..\\..\\x 1.0", "", "",
     "stop: {Eo Velmora: Error in smiles-pack...} The smiles pack \"..\\..\\x 1.0\" cannot be ins"
     "talled: \"..\\..\\x 1.0 light\" cannot be the name of a folder, * Nothing was changed. | lo"
     "g¶* ="},
    {"2005, dark; a link where a folder of skin 2 belongs", "+12", "lightdark 0",
     "elsewhere/x.bmp=x|-Skins/Skin2/Smilies/Static|Skins/Skin2/Smilies/Static>elsewhere", "",
     "next: list | progress 4 | {Io *Skin1¶*light 01.12.2026~*! | {Eyn *Skin2¶*: 0¶*: 0¶*: 0¶*: 1"
     "~*? | done 4 | skins 33111 started | log¶Not installed into P\\QIP\\Skins\\Skin2\\Smilies\\"
     "Static: it is a junction or link to another place = *Skin1/Smilies/Animated: 1.gif=L *dark "
     "01.12.2026¶*¶2¶* _define.ini=L Skins/Skin1/Smilies/Static: Smile`s_version.txt=¶Sunny 1.0 l"
     "ight 01.12.2026¶Amount of smiles:¶2¶Type of smiles:¶Static¶ _define.ini=F a.bmp=F b.bmp=F"},
    {"Infium, a file where a set's folder goes", nullptr, "single",
     "Smilies/Sunny 1.0 single=user data", "",
     "next: progress 2 | {Io *: 0¶*: 1~*: 0¶*ОШИБКА ПРИ УСТАНОВКЕ!!! | done 2 | log¶Not installed"
     " into P\\QIP\\Smilies\\Sunny 1.0 single: a file stands where the folder belongs ="},
    {"2005, the lite list held open", "+12", "fulllite 0",
     "!../Source SMP/Animated Lite Dark/_define.ini", "Y",
     "stop: list | * | {Eyn *анимированных смайлов: 1¶*~¶ ОШИБКА ПРИ УСТАНОВКЕ!!!¶ Выйти из прогр"
     "аммы установки? | skins 22111 started | log¶Error at copying file: *Lite Dark\\_define.ini¶"
     "Restored as it was before the installation: *Skin1\\Smilies\\Static¶Restored *Animated ="},
    {"2005, an old smile held open", "1", "LightSingle", "!Skins/Skin1/Smilies/Animated/1.gif", "Y",
     "stop: list | progress 2 | {Eyn *анимированных смайлов: 2¶*: 1¶*статических смайлов: 2¶*: 0~"
     "*? | skins 21111 started | log¶Error at copying file: *Full Light\\1.gif¶Restored*Static¶Re"
     "stored*Animated ="},
    {"2005, a source folder gone", "12", "fulllite", "-../Source SMP/Static Single Full Light", "Y",
     "stop: list | progress 4 | {Eyn *статических смайлов: 1~*? | skins 22111 started | log¶Error"
     " at copying file: P/Source SMP/Static Single Full Light\\_define.ini ="},
    {"Infium, a failed copy", nullptr, "lightdark",
     kOldVersions + "|-../Source SMP/Static Lite Dark", "",
     "next: progress 2 | {Io *статических смайлов: 1~¶ ОШИБКА ПРИ УСТАНОВКЕ!!! | done 2 | log¶Err"
     "or at copying file: P\\Source SMP\\Static Lite Dark\\_define.ini ="},

};

// Each installation as the user sees it and as it changes the disk. One into each messenger runs
// again with its n-th change failing, for every n, or killed there and recovered by the next one:
// a failed unit leaves every folder byte for byte as it was, one that still succeeded (the shell's
// copy took over) the whole new set; a killed run's journal reads back, and not when cut short.
TEST(Installation, WhatTheUserSeesAndWhatChangesOnDiskAlsoWhenAnyChangeFails) {
    const std::string ended[] = {"next: ", "back: ", "stop: "};
    for (const Installation& row : kInstallations) {
        Trial clean(row);
        const std::string end = ended[static_cast<int>(clean.Install())],
                          shown = end + clean.Shown();
        EXPECT_EQ(fnmatch(row.shown, shown.c_str(), FNM_NOESCAPE), 0) << row.what << "\n" << shown;
        const Tree installed = clean.Snapshot();
        const bool faults = &row == &kInstallations[1] || &row == &kInstallations[12];
        for (int step = 2; faults && step < 2 * clean.files.changes + 2; ++step) {
            Trial run(row);
            run.files.failAt = step / 2, run.files.dies = step % 2;
            bool succeeded = run.Install() == PageResult::Next && !run.wizard.state.ErrorsFound;
            run.files.failAt = 0;
            const std::string at = std::string(row.what) + (run.files.dies ? ", killed" : "") +
                                   " at change " + std::to_string(step / 2);
            const std::string journal =
                run.files.ReadText(run.wizard.qip.folder + "\\Velmora backup\\journal.txt").text;
            if (run.files.dies) {
                UnitPlan plan;
                EXPECT_EQ(ParsePlanText(journal, plan) ? PlanText(plan) : "", journal) << at;
                EXPECT_FALSE(ParsePlanText(journal.substr(0, journal.size() - 5), plan)) << at;
                run.events.clear();
                RecoverBeforeInstalling(run.files, run.wizard.state, run, "Warning",
                                        "Restored:", run.wizard.qip.folder);
                EXPECT_EQ(!run.events.empty(), !journal.empty()) << at;
                succeeded = succeeded && journal.empty();
            }
            const Tree after = run.Snapshot();
            for (const auto& [path, bytes] : succeeded ? installed : run.before)
                EXPECT_EQ(after.count(path) ? after.at(path) : "(missing)", bytes) << at;
            EXPECT_TRUE(succeeded || after.size() == run.before.size()) << at;
        }
    }
}

// Names that cannot be a folder's, what the lite list leaves out, the elapsed time as shown,
// the fields of a record as written, a journal's step that names no folder.
TEST(Installation, TheSmallRules) {
    for (const char* name : {"..", "x.", "x ", "COM1.txt", "a\tb", "", "lpt³ .x", "Com²", "what?"})
        EXPECT_NE(FolderNameFault(name), "") << name;
    for (const char* name : {"Sunny 1.0 light", "..x", " x", "null", "Смайлы 1.0", "COM¹0"})
        EXPECT_EQ(FolderNameFault(name), "") << name;
    EXPECT_EQ(LiteRemovals({"SMILE01.GIF", "smile01.bmp", "smile02.gif", "smile03.gif",
                            "smile05.gif", "smile03.gif"},
                           {"// smile05", "", "smile01", "smile02 ", "SMILE03", "smile04"}, true),
              (std::vector<std::string>{"SMILE01.GIF", "smile03.gif"}));
    for (const auto& [ms, text] : {std::pair<uint32_t, const char*>{3723000, "01:02:03"},
                                   {610000, "00:10:10"},
                                   {360000000, "100:00:00"},
                                   {999, "00:00:00"}})
        EXPECT_EQ(FormatElapsed(ms), text);
    InstallClock clock;
    StartClock(clock, 0xFFFFF000);
    clock.paused = 1000;
    EXPECT_EQ(ElapsedMs(clock, 0x1000), 0x2000u - 1000);

    TestWorld world;
    WriteVersionRecord(world.realFiles, world.folder, "Sunny 1.0 full 01.01.2026", "Static", "12");
    const std::string record = world.folder + "\\" + kVersionRecordName;
    for (const auto& [field, text] : {std::pair{RecordField::Identity, "Sunny 1.0 full 01.01.2026"},
                                      {RecordField::Amount, "12"},
                                      {RecordField::Type, "Static"}}) {
        EXPECT_EQ(ReadVersionRecord(world.realFiles, record, field), text);
        EXPECT_EQ(ReadVersionRecord(world.realFiles, record + ".none", field), "");
    }

    UnitPlan plan;
    std::string journal = PlanText(plan);
    EXPECT_TRUE(ParsePlanText(journal, plan));
    EXPECT_FALSE(ParsePlanText(journal.insert(journal.rfind("end"), "copy\tx\r\n"), plan));
}

}  // namespace
}  // namespace velmora::test
