// Installing the pack into either messenger: whole installations with what the user sees and
// what changes on disk, a failure or a kill at any change, and the small rules underneath.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/installations.h"
#include "base/text_lines.h"
#include "base/unexpected_error.h"
#include "install/folder_name.h"
#include "install/infium_install.h"
#include "install/infium_names.h"
#include "install/install_run.h"
#include "install/version_record.h"
#include "lang/language.h"
#include "test_world.h"

namespace velmora::test {
namespace {

namespace fs = std::filesystem;
constexpr size_t kNone = std::string::npos;

// Whether the text matches the pattern, in which "*" stands for any text.
bool Like(const std::string& text, const std::string& pattern) {
    size_t t = 0, p = 0, star = kNone, mark = 0;
    while (t < text.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            star = p++, mark = t;
        } else if (p < pattern.size() && pattern[p] == text[t]) {
            ++p, ++t;
        } else if (star == kNone) {
            return false;
        } else {
            p = star + 1, t = ++mark;
        }
    }
    return pattern.find_first_not_of('*', p) == kNone;
}

std::string Replace(std::string text, const std::string& from, const std::string& to) {
    for (size_t at = 0; (at = text.find(from, at)) != kNone; at += to.size())
        text.replace(at, from.size(), to);
    return text;
}

// One installation of the sample pack in a program folder of its own; it plays the window and
// answers the boxes, and what the user is shown becomes its events. The skins go into QIP 2005
// ("24": the second and fourth marked; "|" between showings of the list; "+" first: the second
// install mode; B or X: the list left with Back or Exit), whose five skins hold old smiles, a
// record and a sub-folder; nullptr: into QIP Infium. The pack is its type, then its static lite
// count, kinds and name where they differ. The layout changes the messenger's folder, items split
// by "|", paths below it: "path=bytes" a file, "^path=bytes" a read-only one, "path/" a folder,
// "path>folder" a link, "folder#identity" a record, "-path" removed, "!path" held open.
class Trial : public SkinsChoice, public InstallProgressView, public Dialogs {
  public:
    Trial(const char* skins, const std::string& pack, const std::string& layout,
          const char* answers = "")
        : skins_(skins), script_(skins ? skins : ""), answers_(answers) {
        std::istringstream fields(pack);
        std::string type;
        fields >> type;
        wizard.pack = SunnyPack(world, type);
        fields >> wizard.pack.StaticLiteDarkCount >> wizard.pack.SmileKinds;
        std::getline(fields >> std::ws, wizard.pack.NameAndVersion);
        wizard.state.LanguageName = kBuiltInLanguage;
        LoadLanguage(wizard, "");
        wizard.qip.folder = world.folder + "\\QIP";
        wizard.state.ModeChoice = script_[0] == '+' ? kSecondMode : kFirstMode;
        std::string items = skins ? "" : "Smilies/";
        for (int n = 1; skins && n <= 5; ++n) {
            const std::string s = "Skins/Skin" + std::to_string(n) + "/Smilies/";
            items += "|^" + s + "Animated/old.gif=old|" + s + "Animated/1.gif=old|" + s +
                     "Animated/keep/x.gif=old|" + s + "Animated#Sunny 0.9|" + s +
                     "Static/old.bmp=old";
        }
        std::istringstream list(items + "|" + layout);
        for (std::string item; std::getline(list, item, '|');)
            Lay(item);
        before_ = Snapshot();
    }

    SkinPick ChooseSkins(const std::string& skinsFolder, SkinList& skins) override {
        events += "list | ";
        skins = {};
        ListSkins(files, skinsFolder, skins);
        const std::string marks = script_.substr(0, script_.find('|'));
        script_.erase(0, marks.size() + 1);
        std::vector<int> marked;
        for (const char c : marks)
            if (c >= '1' && c <= '5') marked.push_back(c - '1');
        MarkChosenSkins(skins, marked);
        const size_t left =
            std::string("BX").find(marks.empty() ? 0 : marks.back());  // npos: Chosen
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
    // "[" the icon, the buttons and "w" when the window owns it, the title "]", the text.
    BoxAnswer Ask(const MessageBoxRequest& box) override {
        const char* const buttons[] = {"o", "oc", "yn"};
        events += std::string("[") + "EQIW"[static_cast<int>(box.icon)] +
                  buttons[static_cast<int>(box.buttons)] +
                  (box.owner == BoxOwner::MainWindow ? "w " : " ") + box.title + "] " + box.text +
                  " | ";
        BoxAnswer answer = box.buttons == BoxButtons::YesNo ? BoxAnswer::No : BoxAnswer::Ok;
        if (!answers_.empty())
            answer = static_cast<BoxAnswer>(std::string("OCYN").find(answers_[0]));
        answers_.erase(0, 1);
        return answer;
    }

    PageResult Install() {
        try {
            return skins_ ? InstallIntoSkins(wizard, *this, *this)
                          : InstallIntoInfium(wizard, *this);
        } catch (const UnexpectedFileError&) {
            broke_ = true;
            return PageResult::Stop;
        }
    }
    bool Succeeded() const { return !broke_ && !wizard.state.ErrorsFound; }

    std::string Qip(const std::string& path) const {
        return fs::path(world.Path("QIP\\" + path)).lexically_normal().string();
    }
    velmora::test::Snapshot Snapshot() const { return TakeSnapshot(Qip("")); }

    // The program folder as P, line breaks as "¶", the reports' separator line as "~".
    std::string Shown(const std::string& text) const {
        const std::string line = "\r\n" + std::string(67, '-') + std::string(17, ' ');
        return Replace(Replace(Replace(text, world.folder, "P"), line, "~"), "\r\n", "¶");
    }
    // The events, then the skins' states, whether the installation started and Back is enabled,
    // then the problems logged.
    std::string Events() const {
        std::string text = events + (skins_ ? "skins " : "");
        for (const int32_t state : wizard.skins.SkinStates)
            text += std::to_string(state);
        if (wizard.state.InstallStarted) text += " started";
        if (skins_) text += back_ ? " back | " : " | ";
        if (!wizard.state.ErrorLog.empty()) text += "log" + wizard.state.ErrorLog;
        return Shown(text);
    }
    // Each folder of the messenger whose files changed, "folder: name=bytes ..." (a record as
    // its identity and count), or "folder -" when it is gone.
    std::string Changes() const {
        const auto was = Folders(before_), now = Folders(Snapshot());
        std::string text;
        for (const auto& [folder, files] : now)
            if (!was.count(folder) || was.at(folder) != files) text += folder + ":" + files + " | ";
        for (const auto& [folder, files] : was)
            if (!now.count(folder)) text += folder + " - | ";
        return Shown(text);
    }

    std::string events;
    TestWorld world;
    FileFaults files;
    Platform platform{files, *this, world.host, world.processes, world.registry, world.clock};
    Wizard wizard{platform};

  private:
    void Lay(std::string item) {
        if (item.empty()) return;
        const char op = item[0];
        if (std::string("-!^").find(op) != kNone) item.erase(0, 1);
        const size_t end = item.find_first_of("=#>"), at = end == kNone ? 0 : end;
        const std::string path = Qip(item.substr(0, end));
        if (op == '-') {
            fs::remove_all(path);
        } else if (op == '!') {
            files.held = path;
        } else if (end == kNone) {
            fs::create_directories(path);
        } else if (item[at] == '>') {
            fs::create_directory_symlink(Qip(item.substr(at + 1)), path);
        } else {
            const bool record = item[at] == '#';
            const std::string file = record ? path + "/" + kVersionRecordName : path;
            fs::create_directories(fs::path(file).parent_path());
            std::ofstream(file, std::ios::binary)
                << (record ? "\r\n" + item.substr(at + 1) + "\r\n" : item.substr(at + 1));
            if (op == '^') chmod(file.c_str(), 0444);
        }
    }
    static std::map<std::string, std::string> Folders(const velmora::test::Snapshot& snapshot) {
        std::map<std::string, std::string> folders;
        for (const auto& [path, bytes] : snapshot) {
            const size_t slash = path.rfind('/');
            const std::vector<std::string> lines = SplitLines(bytes);
            const bool record = path.substr(slash + 1) == kVersionRecordName && lines.size() > 3;
            if (bytes == "/")
                folders[path];
            else
                folders[path.substr(0, slash)] += " " + path.substr(slash + 1) + "=" +
                                                  (record ? lines[1] + "/" + lines[3] : bytes);
        }
        return folders;
    }

    const char* skins_;
    std::string script_, answers_;
    bool back_ = true, broke_ = false;  // broke_: an unexpected file error ended the run
    int overall_ = 0;
    velmora::test::Snapshot before_;
};

const std::string kOtherPack = "Smilies/Sunny 1.0 light/|Smilies/Sunny 1.0 light_01#Other 1.0";
const std::string kSamePack =
    "Smilies/Sunny 1.0 full/|^Smilies/Sunny 1.0 full_01/old.gif=old|Smilies/Sunny 1.0 full_01/1.gif="
    "old|Smilies/Sunny 1.0 full_01#SUNNY 1.0 FULL 01.12.2026|Smilies/Sunny 1.0 lite_01 Static/old.bm"
    "p=old|Smilies/Sunny 1.0 lite_01 Static#Sunny 1.0 lite 01.12.2026";
const std::string kOldVersions =
    "../Source SMP/Old_Version_for_Erase.ini=Sunny 1.0 light 01.12.2026\r\nSunny 0.9 light 01.01.200"
    "9\r\n..\\Skins\r\nsunny 0.9 dark 01.01.2009\r\n|Skins#..\\Skins|Smilies/Sunny 0.9 light#Sunny 0"
    ".9 light 01.01.2009|^Smilies/Sunny 0.9 light/a.gif=|Smilies/Sunny 0.9 light Static#Sunny 0.9 l"
    "ight 01.01.2009|Smilies/Sunny 0.9 dark#Sunny 0.9 dark 01.01.2009";

// The events and the changes are patterns.
const struct Installation {
    const char *what, *skins, *pack;
    std::string layout;
    const char* answers;
    PageResult result;
    std::string events, changes;
} kInstallations[] = {
    {"QIP 2005, one set into skins 2 and 4", "24", "LightSingle", "", "", PageResult::Next,
     "list | progress 4 | [Io Отчет о копировании...]  Скин: Skin2¶ Установленный смайл-пак: Sunny "
     "1.0 LightSingle 01.12.2026~¶ Скопированно анимированных смайлов: 3¶ Ошибок при копировании ан"
     "имированных смайлов: 0¶ Скопированно статических смайлов: 2¶ Ошибок при копировании статическ"
     "их смайлов: 0~¶ Смайл-пак установлен успешно! | [Io *Skin4* | done 4 | skins 13131 started | ",
     "Skins/Skin2/Smilies/Animated: 1.gif=F 2.GIF=F 3.gif=F Smile`s_version.txt=Sunny 1.0 LightSing"
     "le 01.12.2026/3 _define.ini=F | Skins/Skin2/Smilies/Static: Smile`s_version.txt=Sunny 1.0 Lig"
     "htSingle 01.12.2026/2 _define.ini=F a.bmp=F b.bmp=F | Skins/Skin4/*Animated: *=F | *Static: *b.bmp=F | "},
    {"QIP 2005, lite version into skin 1", "+1", "FullLite", "", "", PageResult::Next,
     "list | progress 2 | [Io *Sunny 1.0 lite 01.12.2026~*: 2¶*: 1¶*! | done 2 | skins 31111 started"
     " | ",
     "Skins/Skin1/Smilies/Animated: 1.gif=F 3.gif=F Smile`s_version.txt=Sunny 1.0 lite 01.12.2026/2"
     " _define.ini=L | Skins/Skin1/Smilies/Static: *lite 01.12.2026/1 _define.ini=L a.bmp=F | "},
    {"QIP 2005, no skin marked: Yes shows the list again, No goes on", "|", "fulllite", "", "YN",
     PageResult::Next,
     "list | [Qynw Подтверждение...] Не выбран не один скин для установки! Повторить выбор? | list "
     "| [Qynw *] * | skins 11111 back | ",
     ""},
    {"QIP 2005, Back on the list", "1B", "fulllite", "", "", PageResult::Back,
     "list | skins 21111 back | ", ""},
    {"QIP 2005, Exit on the list", "1X", "fulllite", "", "", PageResult::Stop,
     "list | skins 21111 back | ", ""},
    {"QIP Infium, light and dark", nullptr, "lightdark", "", "", PageResult::Next,
     "progress 2 | [Io Отчет о копировании...] Установленный смайл-пак:  Sunny 1.0 light 01.12.202"
     "6¶Установленный смайл-пак:  Sunny 1.0 dark 01.12.2026~¶ Скопированно анимированных смайлов: 4"
     "¶ Ошибок при копировании анимированных смайлов: 0~¶Установленный смайл-пак:  Sunny 1.0 light "
     "Static 01.12.2026¶Установленный смайл-пак:  Sunny 1.0 dark Static 01.12.2026~¶ Скопированно с"
     "татических смайлов: 3¶ Ошибок при копировании статических смайлов: 0~¶ Смайл-пак установлен у"
     "спешно! | done 2 | ",
     "*dark: 1.gif=L *dark 01.12.2026/2 *=L | *dark Static: *dark 01.12.2026/1 *=L c.bmp=L | *light:"
     " *=F *light 01.12.2026/3 *=F | *light Static: *light 01.12.2026/2 _define.ini=F a.bmp=F b.bmp=F"
     " | "},
    {"QIP Infium, full and lite, static only", nullptr, "FullLite 0 -1", "", "", PageResult::Next,
     "progress 2 | [Io *] ¶Установленный смайл-пак:  Sunny 1.0 full Static 01.12.2026~¶ Скопированн"
     "о статических смайлов: 2¶*: 0~¶ *! | done 0 | ",
     "Smilies/Sunny 1.0 full Static: *b.bmp=F | "},
    {"QIP Infium, one set, animated only", nullptr, "single 1 1", "", "", PageResult::Next,
     "progress 2 | [Io *] Установленный смайл-пак:  Sunny 1.0 single 01.12.2026~¶ Скопированно ани"
     "мированных смайлов: 3¶*: 0~¶ *! | done 0 | ",
     "Smilies/Sunny 1.0 single: *Sunny 1.0 single 01.12.2026/3 _define.ini=F | "},
    {"QIP Infium, full and lite", nullptr, "fulllite", "", "", PageResult::Next,
     "progress 2 | [Io *full 01.12.2026¶*lite 01.12.2026~*: 6¶*full Static 01.12.2026¶*lite Static "
     "01.12.2026~*: 4¶*! | done 2 | ",
     "*full: * | *full Static: * | Smilies/Sunny 1.0 lite: 1.gif=L 3.gif=F Smile`s_version.txt=Sunn"
     "y 1.0 lite 01.12.2026/2 _define.ini=L | *lite Static: *lite 01.12.2026/1 *=L a.bmp=F c.bmp=L | "},
    {"QIP Infium, another pack's folder: Cancel", nullptr, "lightdark", kOtherPack, "C",
     PageResult::Back,
     "[Wocw Подтверждение...] Найден смайл-пак с похожим названием (название пакета: Sunny 1.0 ligh"
     "t_01),¶новый пакет будет установлен с названием: Sunny 1.0 light_02 | ",
     ""},
    {"QIP Infium, another pack's folder: OK", nullptr, "lightdark", kOtherPack, "O",
     PageResult::Next,
     "[Wocw *light_02 | progress 2 | [Io *Sunny 1.0 dark Static 01.12.2026~*! | done 2 | ",
     "*dark_02: *dark 01.12.2026/2* | *dark_02 Static: * | *light_02: * | *light_02 Static: *b.bmp=F | "},
    {"QIP Infium, this pack in another letter case: No", nullptr, "fulllite 0", kSamePack, "N",
     PageResult::Back,
     "[Qynw Подтверждение...] Смайл-пак с такими данными уже установлен (название пакета: Sunny 1.0"
     " full_01),¶перезаписать заново? | ",
     ""},
    {"QIP Infium, this pack in another letter case: Yes", nullptr, "fulllite 0", kSamePack, "Y",
     PageResult::Next, "[Qynw *full_01)* | progress 2 | [Io *! | done 2 | ",
     "Smilies/Sunny 1.0 full_01: 1.gif=F 2.GIF=F 3.gif=F Smile`s_version.txt=Sunny 1.0 full 01.12.2"
     "026/3 _define.ini=F | *full_01 Static: * | *lite_01: * | Smilies/Sunny 1.0 lite_01 Static - | "},
    {"QIP Infium, a record in UTF-8", nullptr, "lightdark 1 0 Café 1.0",
     "Smilies/Café 1.0 light/Smile`s_version.txt=\xEF\xBB\xBF\r\nCafé 1.0 light 01.12.2026\r\n",
     "Y", PageResult::Next, "[Qynw *(название пакета: Café 1.0 light)* | done 2 | ",
     "*dark: * | *dark Static: * | *light: *Café 1.0 light 01.12.2026/3 _define.ini=F | *Static: *b.bmp=F | "},
    {"QIP Infium, older versions", nullptr, "lightdark", kOldVersions, "OYN", PageResult::Next,
     "progress 2 | [Io *! | [Qyn Отчет о копировании...] Найдена предыдущая версия этого смайл-пака"
     "!¶¶Папка: \"P\\QIP\\Smilies\\Sunny 0.9 light\"¶Найденная версия: \"Sunny 0.9 light 01.01.200"
     "9\"¶¶Удалить старую версию? | [Qyn *\"P\\QIP\\Smilies\\Sunny 0.9 light Static\"* | done 2 | ",
     "*dark: * | *dark Static: * | *light: * | *light Static: * | Smilies/Sunny 0.9 light - | "},
    {"QIP Infium, a pack name that is no folder name", nullptr, "lightdark 1 0 ..\\..\\x 1.0", "",
     "", PageResult::Stop,
     "[Eo Velmora: Error in smiles-pack...] The smiles pack \"..\\..\\x 1.0\" cannot be installed: "
     "\"..\\..\\x 1.0 light\" cannot be the name of a folder, * Nothing was changed. | log¶The *",
     ""},
    {"QIP 2005, dark version; a link where a folder of skin 2 belongs", "+12", "lightdark 0",
     "elsewhere/x.bmp=x|-Skins/Skin2/Smilies/Static|Skins/Skin2/Smilies/Static>elsewhere", "",
     PageResult::Next,
     "list | progress 4 | [Io *Skin1¶*Sunny 1.0 light 01.12.2026~*! | [Eyn *Skin2¶*анимированных с"
     "майлов: 0¶ Ошибок при копировании анимированных смайлов: 0¶*: 0¶*: 1~*? | done 4 | skins 3311"
     "1 started | log¶Not installed into P\\QIP\\Skins\\Skin2\\Smilies\\Static: it is a junction o"
     "r link to another place",
     "Skins/Skin1/Smilies/Animated: 1.gif=L Smile`s_version.txt=Sunny 1.0 dark 01.12.2026/2 _define"
     ".ini=L | Skins/Skin1/Smilies/Static: Smile`s_version.txt=Sunny 1.0 light 01.12.2026/2 _define"
     ".ini=F a.bmp=F b.bmp=F | "},
    {"QIP Infium, a file where a set's folder goes", nullptr, "single",
     "Smilies/Sunny 1.0 single=user data", "", PageResult::Next,
     "progress 2 | [Io *: 0¶*: 1~*: 0¶*ОШИБКА ПРИ УСТАНОВКЕ!!! | done 2 | log¶Not installed into P\\"
     "QIP\\Smilies\\Sunny 1.0 single: a file stands where the folder belongs",
     ""},
    {"QIP 2005, the lite list held open", "+12", "fulllite 0",
     "!../Source SMP/Animated Lite Dark/_define.ini", "Y", PageResult::Stop,
     "list | progress 4 | [Eyn *анимированных смайлов: 1¶*~¶ ОШИБКА ПРИ УСТАНОВКЕ!!!¶ Выйти из прог"
     "раммы установки? | skins 22111 started | log¶Error at copying file: P\\Source SMP\\Animated Li"
     "te Dark\\_define.ini¶Restored as it was before the installation: P\\QIP\\Skins\\Skin1\\Smilie"
     "s\\Static¶Restored as it was before the installation: P\\QIP\\Skins\\Skin1\\Smilies\\Animated",
     ""},
    {"QIP 2005, a source folder gone", "12", "fulllite", "-../Source SMP/Static Single Full Light",
     "Y", PageResult::Stop,
     "list | progress 4 | [Eyn *статических смайлов: 1~*? | skins 22111 started | log¶Error at copy"
     "ing file: P/Source SMP/Static Single Full Light\\_define.ini",
     ""},
    {"QIP Infium, a failed copy", nullptr, "lightdark",
     kOldVersions + "|-../Source SMP/Static Lite Dark", "", PageResult::Next,
     "progress 2 | [Io *статических смайлов: 1~¶ ОШИБКА ПРИ УСТАНОВКЕ!!! | done 2 | log¶Error at co"
     "pying file: P\\Source SMP\\Static Lite Dark\\_define.ini",
     ""},
};

TEST(Installation, WhatTheUserIsShownAndWhatChangesOnDisk) {
    for (const Installation& row : kInstallations) {
        Trial run(row.skins, row.pack, row.layout, row.answers);
        EXPECT_EQ(run.Install(), row.result) << row.what;
        EXPECT_PRED2(Like, run.Events(), row.events) << row.what;
        EXPECT_PRED2(Like, run.Changes(), row.changes) << row.what;
    }
}

// A real run into each messenger again, with its n-th change failing, for every n it makes; and
// killed there (every change from the n-th on fails), after which the next installation's
// recovery takes over. A unit that failed leaves every folder byte for byte as it was, backup
// and all; one that still succeeded (the shell's copy took over) holds the whole new set. The
// journal a killed run leaves reads back as its plan, and not when cut short.
TEST(Installation, AFailureOrAKillAtAnyChangeLeavesEveryFolderWholeOldOrWholeNew) {
    for (const size_t index : {1, 12}) {
        const Installation& row = kInstallations[index];
        Trial clean(row.skins, row.pack, row.layout, row.answers);
        const Snapshot before = clean.Snapshot();
        clean.Install();
        ASSERT_TRUE(clean.Succeeded()) << row.what;
        const Snapshot installed = clean.Snapshot();
        for (int n = 1; n <= clean.files.changes; ++n) {
            for (const bool dies : {false, true}) {
                Trial run(row.skins, row.pack, row.layout, row.answers);
                run.files.failAt = n;
                run.files.dies = dies;
                run.Install();
                bool succeeded = run.Succeeded();
                run.files.failAt = 0;
                const std::string at = std::string(row.what) + (dies ? ", killed" : "") +
                                       " at change " + std::to_string(n);
                const std::string journal = run.Snapshot()["Velmora backup/journal.txt"];
                UnitPlan plan;
                if (dies && ParsePlanText(journal, plan)) {
                    EXPECT_EQ(PlanText(plan), journal) << at;
                    EXPECT_FALSE(ParsePlanText(journal.substr(0, journal.size() - 5), plan)) << at;
                }
                if (dies) {
                    run.events.clear();
                    RecoverBeforeInstalling(run.files, run.wizard.state, run, "Warning",
                                            "Restored:", run.wizard.qip.folder);
                    EXPECT_EQ(!run.events.empty(), !journal.empty()) << at;
                    succeeded = succeeded && journal.empty();
                }
                const Snapshot after = run.Snapshot();
                if (!succeeded) {
                    EXPECT_EQ(after, before) << at;
                    continue;
                }
                for (const auto& [path, bytes] : installed)
                    EXPECT_EQ(after.count(path) ? after.at(path) : "(missing)", bytes) << at;
            }
        }
    }
}

// The names of the Infium folders are numbered on until every folder taken holds this pack;
// some names cannot be a folder's.
TEST(Installation, InfiumFolderNames) {
    std::string layout = "Smilies/Sunny 1.0 light/";
    for (int k = 1; k <= 9; ++k)
        layout += "|Smilies/Sunny 1.0 dark_0" + std::to_string(k) + " Static/";
    Trial run(nullptr, "lightdark", layout);
    const std::vector<InfiumVariant> variants = InfiumVariantsOf(run.wizard.pack);
    const InfiumNames names = ChooseInfiumNames(run.files, run.wizard.qip.folder + "\\Smilies",
                                                run.wizard.pack, variants);
    EXPECT_EQ(InfiumFolderName(variants[0], names.renames, true), "Sunny 1.0 light_010");
    EXPECT_EQ(names.lastClash, "Sunny 1.0 dark_09 Static");
    for (const char* name : {"..", ".", "x.", "x ", "nul", "COM1.txt", "a\tb", "", "COM¹",
                             "lpt³.x y", "Com²", "a/b", "C:x", "what?"})
        EXPECT_NE(FolderNameFault(name), "") << name;
    for (const char* name : {"Sunny 1.0 light", "..x", " x", "null", "Смайлы 1.0", "COM¹0"})
        EXPECT_EQ(FolderNameFault(name), "") << name;
}

// Six lines in code page 1251, or in UTF-8 after a byte-order mark when the identity needs it;
// a field the record lacks reads empty.
TEST(Installation, TheRecord) {
    Trial run(nullptr, "lightdark", "Smilies/short#Sunny 1.0 dark 01.12.2026");
    const std::string folder = run.wizard.qip.folder + "\\Smilies",
                      record = "\\Smile`s_version.txt";
    for (const auto& [identity, bytes] : std::map<std::string, std::string>{
             {"Весна 2.1 dark 01.09.2010", "\r\n\xC2\xE5\xF1\xED\xE0 2.1 dark 01.09.2010"},
             {"Café 1.0 light 01.09.2010", "\xEF\xBB\xBF\r\nCafé 1.0 light 01.09.2010"}}) {
        WriteVersionRecord(run.files, folder, identity, "Static", "120");
        EXPECT_EQ(run.Snapshot()["Smilies/Smile`s_version.txt"],
                  bytes + "\r\nAmount of smiles:\r\n120\r\nType of smiles:\r\nStatic\r\n");
        EXPECT_EQ(ReadVersionRecord(run.files, folder + record, RecordField::Identity), identity);
        EXPECT_EQ(ReadVersionRecord(run.files, folder + record, RecordField::Type), "Static");
    }
    EXPECT_EQ(ReadVersionRecord(run.files, folder + "\\short" + record, RecordField::Amount), "");
    EXPECT_EQ(ReadVersionRecord(run.files, folder + "\\none" + record, RecordField::Identity), "");
}

TEST(Installation, TheLiteListAndTheElapsedTime) {
    EXPECT_EQ(LiteRemovals({"SMILE01.GIF", "smile01.bmp", "smile02.gif", "smile03.gif",
                            "smile05.gif", "smile03.gif"},
                           {"// smile05", "", "smile01", "smile02 ", "SMILE03", "smile04"}, true),
              (std::vector<std::string>{"SMILE01.GIF", "smile03.gif"}));
    for (const auto& [ms, text] : std::map<uint32_t, std::string>{{3723000, "01:02:03"},
                                                                  {45000, "00:00:45"},
                                                                  {360000000, "100:00:00"},
                                                                  {999, "00:00:00"}})
        EXPECT_EQ(FormatElapsed(ms), text);
    InstallClock clock;
    StartClock(clock, 0xFFFFF000);
    clock.paused = 1000;
    EXPECT_EQ(ElapsedMs(clock, 0x1000), 0x2000u - 1000);
}

}  // namespace
}  // namespace velmora::test
