// The pack data check: smiles against _define.ini and SMP.ini, which folders are looked at,
// the corrected counts, and the exact words of the warnings and the fatal findings.

#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "lang/text_table.h"
#include "pack/pack_data.h"
#include "pack/pack_info.h"
#include "test_world.h"

namespace velmora::test {
namespace {

const std::map<std::string, std::string> kFolders = {{"AF", "Animated Single Full Light"},
                                                     {"SF", "Static Single Full Light"},
                                                     {"AL", "Animated Lite Dark"},
                                                     {"SL", "Static Lite Dark"}};
const std::string kTitle = "Velmora: Error in Smiles-Pack Data...";
const std::string kImpossible = "Установка смайл-пака не возможна!\r\n\r\n";

// A pack in one line: the four counts SMP.ini declares, in its order, then each folder there
// is by its initials with smiles/lines of _define.ini ("AF 10/12"), and "DL n" for a
// DeleteLite.ini of n lines in the folder before it. The built-in texts are loaded.
void MakePack(TestWorld& world, int32_t kinds, const std::string& description) {
    std::istringstream in(description);
    PackDescription& pack = world.wizard.pack;
    pack.SmileKinds = kinds;
    in >> pack.AnimatedFullLightCount >> pack.AnimatedLiteDarkCount >> pack.StaticFullLightCount >>
        pack.StaticLiteDarkCount;
    std::string last;
    for (std::string folder, size; in >> folder >> size;) {
        if (folder == "DL") {
            world.Write("Source SMP\\" + last + "\\DeleteLite.ini", ListLines(std::stoi(size)));
        } else {
            last = kFolders.at(folder);
            world.FillSmileFolder(last, std::stoi(size),
                                  std::stoi(size.substr(size.find('/') + 1)));
        }
    }
    AssignBuiltInTexts(world.wizard.text, kLastDataLine, "");
}

std::string Counts(const PackDescription& pack) {
    return pack.AnimatedFullLightCount + " " + pack.AnimatedLiteDarkCount + " " +
           pack.StaticFullLightCount + " " + pack.StaticLiteDarkCount;
}

std::string Differs(const char* what, int declared, int smiles) {
    return "> \"SMP.ini\" - amount of " + std::string(what) + " (" + std::to_string(declared) +
           ") <> amount smiles (" + std::to_string(smiles) + ")          \r\n";
}

std::string Exceeds(const char* folder, int lines, int smiles) {
    return "\r\n> " + std::string(folder) + ": amount strings in \"_define.ini\" (" +
           std::to_string(lines) + ") > amount smiles (" + std::to_string(smiles) + ")          ";
}

// The code of the check, the counts after it (corrected where the folder holds another number
// of smiles), and for a sound pack the warning's line for LOG.txt.
TEST(PackData, EachPackItsCodeItsCorrectedCountsAndItsWarning) {
    const PackMode S = kSingleFamilyMode, FL = kFullLiteMode, LD = kLightDarkMode;
    const char* const AF = "animated smiles [Single Full Light]";
    const std::string differences = Differs("animated smiles [Lite Dark]", 1, 2) +
                                    Differs("static smiles [Single Full Light]", 9, 3) +
                                    Differs("static smiles [Lite Dark]", 7, 5);
    const std::string excess =
        Exceeds("Animated Single Full Light", 5, 4) + Exceeds("Animated Lite Dark", 6, 2);
    const struct {
        int32_t kinds;
        PackMode mode;
        const char* pack;
        int code;
        const char* counts;
        std::string log;
    } cases[] = {
        // One folder against its _define.ini and its declared count; the value counts, not
        // how it is written.
        {1, S, "10 0 0 0 AF 10/12", kPackDataSound, "10 0 0 0",
         Exceeds("Animated Single Full Light", 12, 10)},
        {1, S, "11 0 0 0 AF 10/12", kAnimatedFullLightTooManyLines, "11 0 0 0", ""},
        {1, S, "12 0 0 0 AF 10/10", kPackDataSound, "10 0 0 0", Differs(AF, 12, 10)},
        {1, S, "8 0 0 0 AF 10/12", kPackDataSound, "10 0 0 0",
         Differs(AF, 8, 10) + Exceeds("Animated Single Full Light", 12, 10)},
        {1, S, "0 0 0 0 AF 10/9", kAnimatedFullLightTooFewLines, "0 0 0 0", ""},
        {1, S, "1 0 0 0 AF 1/0", kAnimatedFullLightTooFewLines, "1 0 0 0", ""},
        {1, S, "0 0 0 0 AF 0/0", kPackDataSound, "0 0 0 0", ""},
        {1, S, "$A 0 0 0 AF 10/10", kPackDataSound, "$A 0 0 0", ""},
        // Which folders are looked at: by the kinds, the mode, and a static lite count of 0.
        {-1, S, "0 0 2 1 SF 2/2", kPackDataSound, "0 0 2 1", ""},
        {0, S, "0 0 2 1 SF 2/2", kNoAnimatedFullLightDefine, "0 0 2 1", ""},
        {-1, LD, "0 0 2 0 SF 2/2", kPackDataSound, "0 0 2 0", ""},
        {-1, FL, "0 0 2 0 SF 2/2", kPackDataSound, "0 0 2 0", ""},
        {-1, LD, "0 0 2 1 SF 2/2", kNoStaticLiteDarkDefine, "0 0 2 1", ""},
        {-1, FL, "0 0 2 1 SF 2/2", kNoStaticLiteDarkDefine, "0 0 2 1", ""},
        {1, LD, "2 0 0 0 AF 2/2", kNoAnimatedLiteDarkDefine, "2 0 0 0", ""},
        {0, LD, "3 3 3 3 AF 3/3 AL 3/3 SL 3/3", kNoStaticFullLightDefine, "3 3 3 3", ""},
        {-1, S, "0 0 3 0 SF 3/2", kStaticFullLightTooFewLines, "0 0 3 0", ""},
        {-1, LD, "0 0 3 4 SF 3/3 SL 3/5", kStaticLiteDarkTooManyLines, "0 0 3 4", ""},
        // The lite smiles of a "fulllite" pack are the full set less DeleteLite.ini; its own
        // images count only in the light-dark mode. Leaving out more than there are leaves none.
        {1, FL, "40 35 0 0 AF 40/40 AL 3/35 DL 5", kPackDataSound, "40 35 0 0", ""},
        {1, LD, "40 35 0 0 AF 40/40 AL 3/35 DL 5", kAnimatedLiteDarkTooManyLines, "40 35 0 0", ""},
        {1, FL, "40 35 0 0 AF 40/40 AL 3/34 DL 5", kAnimatedLiteDarkTooFewLines, "40 35 0 0", ""},
        {1, FL, "40 35 0 0 AF 40/40 AL 3/0 DL 42", kPackDataSound, "40 0 0 0",
         Differs("animated smiles [Lite Dark]", 35, 0)},
        {1, FL, "3 3 0 0 AF 3/3 AL 0/3", kListFileMissing, "3 3 0 0", ""},
        // The warning lists the animated folders first; after the counts are corrected (as
        // when the user comes back to the page) only the surplus lines remain. The first fault
        // drops the warnings, and the counts before it are corrected.
        {0, LD, "4 1 9 7 AF 4/5 SF 3/3 AL 2/6 SL 5/5", kPackDataSound, "4 2 3 5",
         differences + excess},
        {0, LD, "4 2 3 5 AF 4/5 SF 3/3 AL 2/6 SL 5/5", kPackDataSound, "4 2 3 5", excess},
        {0, LD, "3 1 9 7 AF 4/5 SF 3/10 AL 2/6 SL 5/5", kStaticFullLightTooManyLines, "4 1 9 7",
         ""},
        {0, LD, "3 3 3 3 AF 3/3 SF 3/3 AL 3/3 SL 3/2", kStaticLiteDarkTooFewLines, "3 3 3 3", ""},
    };
    for (const auto& c : cases) {
        TestWorld world;
        MakePack(world, c.kinds, c.pack);
        const PackDataCheck check =
            ValidatePackData(world.Checks(), world.wizard.text, c.mode, world.wizard.pack);
        EXPECT_EQ(check.code, c.code) << c.pack;
        EXPECT_EQ(Counts(world.wizard.pack), c.counts) << c.pack;
        ASSERT_EQ(check.findings.size(), c.code || !c.log.empty() ? 1u : 0u) << c.pack;
        if (c.code) {
            EXPECT_EQ(check.findings[0].severity, Severity::Fatal);
        }
        if (c.code || c.log.empty()) continue;
        const Finding& warning = check.findings[0];
        EXPECT_EQ(warning.severity, Severity::Warning);
        EXPECT_EQ(warning.title + "|" + warning.text,
                  kTitle + "|Ошибка в данных смайл-пака:\r\n\r\n" + c.log);
        EXPECT_EQ(warning.logText, c.log) << c.pack;
    }
}

// The fatal messages name the folder or the file for the user and for the log; a short
// _define.ini is the usual one.
TEST(PackData, FatalMessagesNameTheFolderOrTheFile) {
    const struct {
        int code;
        const char *file, *reason;
        std::string text, log;
    } cases[] = {
        {kNoStaticLiteDarkDefine, "", "",
         "В папке: \"Static Lite Dark\" отсутствует файл \"_define.ini\".",
         "Not found \"_define.ini\", folder: Static Lite Dark"},
        {kAnimatedFullLightTooFewLines, "", "",
         "Количество строк в \"_define.ini\" меньше, чем количество смайлов, папка: \"Animated "
         "Single Full Light\".",
         "In \"_define.ini\" string count < smiles count, folder: Animated Single Full Light"},
        {kAnimatedLiteDarkTooManyLines, "", "",
         "Количество строк в \"_define.ini\" и значение количества в \"SMP.ini\" больше чем "
         "смайлов! Папка: \"Animated Lite Dark\".",
         "In \"_define.ini\" string count & count in \"SMP.ini\" > smiles count, folder: "
         "Animated Lite Dark"},
        {kListFileMissing, "C:\\P\\DeleteLite.ini", "",
         "File not found: \"C:\\P\\DeleteLite.ini\".", "Not found file: C:\\P\\DeleteLite.ini"},
        {kListFileUnreadable, "C:\\P\\x.ini", "In use",
         "File cannot be read: \"C:\\P\\x.ini\" (In use).",
         "Cannot read file: C:\\P\\x.ini (In use)"},
    };
    TestWorld world;
    AssignBuiltInTexts(world.wizard.text, kLastDataLine, "");
    for (const auto& c : cases) {
        const Finding fault = PackDataFault(world.wizard.text, {c.code, c.file, c.reason, {}});
        EXPECT_EQ(fault.severity, Severity::Fatal);
        EXPECT_EQ(fault.title + "|" + fault.text, kTitle + "|" + kImpossible + c.text);
        EXPECT_EQ(fault.logText, "Critical error: " + c.log);
    }
}

// A list file that is missing or that the system will not let us read is named with its reason.
TEST(PackData, AMissingOrUnreadableListFileIsNamed) {
    TestWorld world;
    MakePack(world, 1, "3 3 0 0 AF 3/3 AL 0/3");
    const std::string lite = world.folder + "\\Source SMP\\Animated Lite Dark\\DeleteLite.ini";
    const std::string define =
        world.folder + "\\Source SMP\\" + kFolders.at("AF") + "\\_define.ini";
    EXPECT_EQ(
        ValidatePackData(world.Checks(), world.wizard.text, kFullLiteMode, world.wizard.pack).file,
        lite);
    world.Write("Source SMP\\Animated Lite Dark\\DeleteLite.ini", "");
    for (const std::string& path : {lite, define}) {
        LockedFile locked(path);
        const PackDataCheck check = ValidatePackData(
            {locked, world.folder, false}, world.wizard.text, kFullLiteMode, world.wizard.pack);
        EXPECT_EQ(check.code, kListFileUnreadable) << path;
        EXPECT_EQ(check.file + "|" + check.reason, path + "|The file is in use");
    }
}

TEST(PackData, ListLinesCountEveryLineAndSmilesGoByTheirExtension) {
    TestWorld world;
    for (const auto& [text, lines] :
         {std::pair<const char*, int>{"", 0}, {"a\r\nb", 2}, {"// x\r\n\r\n", 2}}) {
        world.WriteBytes("list.ini", text);
        EXPECT_EQ(CountFileLines(world.realFiles, world.Path("list.ini")).lines, lines) << text;
    }
    EXPECT_FALSE(CountFileLines(world.realFiles, world.Path("none.ini")).status.ok);

    // Smiles go by the extension in any letter case; a folder with such a name is no smile.
    for (const char* name : {"A.GIF", "b.gif", "a.gif.txt", "a.jpg", "gif", "c.Bmp", "d.bmp"})
        world.WriteBytes("smiles\\" + std::string(name), "");
    world.MakeFolder("smiles\\sub.gif");
    const std::string folder = world.Path("smiles");
    EXPECT_EQ(CountSmileFiles(world.realFiles, folder, true), 2);
    EXPECT_EQ(CountSmileFiles(world.realFiles, folder, false), 2);
    EXPECT_EQ(CountSmileFiles(world.realFiles, world.Path("none"), true), 0);
}

// The information page: one form for each pack type, a line more for each count shown. A
// single pack has no lite set for any later reader; a fatal check leaves the counts as declared.
TEST(PackInformation, EachFormItsLinesAndItsHeight) {
    const struct {
        const char *type, *pagers;
        int32_t kinds;
        const char *pack, *counts;
        int height;
        std::string text;
    } cases[] = {
        {"LightSingle", "all", 1, "3 2 3 2 AF 3/3", "3 0 3 0", 84,
         " Анимированные смайлы: есть\r\n Кол-во анимированных смайлов: 3\r\n Статический смайлы: "
         "нет\r\n Доступные режимы установки: Простой смайл-пак\r\n Поддерживаемые пейджеры: все"},
        {"LightSingle", "QIP", 0, "3 2 3 2 AF 3/3 SF 3/3", "3 0 3 0", 98,
         " Анимированные смайлы: есть\r\n Кол-во анимированных смайлов: 3\r\n Статический смайлы: "
         "есть\r\n Кол-во статичных смайлов: 3\r\n Доступные режимы установки: Простой "
         "смайл-пак\r\n Поддерживаемые пейджеры: QIP 2005 & Infium"},
        {"fulllite", "qipinf", 0, "3 2 3 2 AF 3/3 SF 3/3 AL 0/2 DL 1 SL 0/2 DL 1", "3 2 3 2", 126,
         " Анимированные смайлы: есть\r\n"
         " Кол-во анимированных смайлов (Полная версия): 3\r\n"
         " Кол-во анимированных смайлов (Легкая версия): 2\r\n"
         " Статический смайлы: есть\r\n"
         " Кол-во статичных смайлов (Полная версия): 3\r\n"
         " Кол-во статичных смайлов (Легкая версия): 2\r\n"
         " Доступные режимы установки: Полная/Легкая версии\r\n"
         " Поддерживаемые пейджеры: QIP Infium"},
        {"lightdark", "qip2005", -1, "3 2 5 2 SF 3/3 SL 2/2", "3 2 3 2", 98,
         " Анимированные смайлы: нет\r\n Статический смайлы: есть\r\n"
         " Кол-во статичных смайлов (Светлый фон): 3\r\n"
         " Кол-во статичных смайлов (Темный фон): 2\r\n"
         " Доступные режимы установки: Светлый/Темный фон\r\n Поддерживаемые пейджеры: QIP 2005"},
        {"single", "all", 1, "3 2 3 2", "3 2 3 2", 0, ""},
    };
    for (const auto& c : cases) {
        TestWorld world;
        PackDescription& pack = world.wizard.pack;
        MakePack(world, c.kinds, c.pack);
        pack.NameAndVersion = "Sunny 1.0";
        pack.PackType = c.type;
        pack.Pagers = c.pagers;
        const Findings findings = CheckPackData(world.Checks(), world.wizard.text, pack);
        EXPECT_EQ(Counts(pack), c.counts) << c.pack;
        EXPECT_EQ(HasFatal(findings), c.text.empty()) << c.pack;
        if (c.text.empty()) continue;
        const PackInfoText info = ComposePackInfo(world.wizard.text, pack);
        EXPECT_EQ(info.text, " Название смайл-пака: Sunny 1.0\r\n" + c.text);
        EXPECT_EQ(info.height, c.height) << c.pack;
    }
}

}  // namespace
}  // namespace velmora::test
