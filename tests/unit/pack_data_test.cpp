// The pack data check: smiles against _define.ini and SMP.ini, codes, counts and messages.

#include <gtest/gtest.h>

#include <sstream>
#include <tuple>

#include "lang/text_table.h"
#include "pack/pack_data.h"
#include "pack/pack_info.h"
#include "test_world.h"

namespace velmora::test {
namespace {

std::string Folder(const std::string& initials) {
    return (initials[0] == 'A' ? "Animated" : "Static") +
           std::string(initials[1] == 'F' ? " Single Full Light" : " Lite Dark");
}
const std::string kTitle = "Velmora: Error in Smiles-Pack Data...";
const std::string kImpossible = "Установка смайл-пака не возможна!\r\n\r\n";
const std::string kHead = "Ошибка в данных смайл-пака:\r\n\r\n";

// The declared counts, then folders with smiles/lines of _define.ini ("AF 10/12"); "DL n":
// a DeleteLite.ini of n lines, the first a comment (it counts), in the folder before.
void MakePack(TestWorld& world, int32_t kinds, const std::string& description) {
    std::istringstream in(description);
    PackDescription& pack = world.wizard.pack;
    pack.SmileKinds = kinds;
    in >> pack.AnimatedFullLightCount >> pack.AnimatedLiteDarkCount >> pack.StaticFullLightCount >>
        pack.StaticLiteDarkCount;
    std::string last;
    for (std::string folder, size; in >> folder >> size;) {
        if (folder == "DL")
            world.Write("Source SMP\\" + last + "\\DeleteLite.ini",
                        "// left out\r\n" + ListLines(std::stoi(size) - 1));
        else
            world.FillSmileFolder(last = Folder(folder), std::stoi(size),
                                  std::stoi(size.substr(size.find('/') + 1)));
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

// What the user and the log are told of a folder's fault.
const std::map<int, std::string> kFatal = {
    {kNoStaticLiteDarkDefine,
     "В папке: \"Static Lite Dark\" отсутствует файл \"_define.ini\".|"
     "Critical error: Not found \"_define.ini\", folder: Static Lite Dark"},
    {kAnimatedFullLightTooFewLines,
     "Количество строк в \"_define.ini\" меньше, чем количество смайлов, папка: \"Animated Single "
     "Full Light\".|Critical error: In \"_define.ini\" string count < smiles count, folder: "
     "Animated Single Full Light"},
    {kAnimatedLiteDarkTooManyLines,
     "Количество строк в \"_define.ini\" и значение количества в \"SMP.ini\" больше чем смайлов! "
     "Папка: \"Animated Lite Dark\".|Critical error: In \"_define.ini\" string count & count in "
     "\"SMP.ini\" > smiles count, folder: Animated Lite Dark"},
};

// The code, the counts after the check (corrected to the smiles found), and what is told.
TEST(PackData, EachPackItsCodeItsCorrectedCountsAndItsWarning) {
    const PackMode S = kSingleFamilyMode, FL = kFullLiteMode, LD = kLightDarkMode;
    const char* const AF = "animated smiles [Single Full Light]";
    const std::string warning = Differs("animated smiles [Lite Dark]", 1, 2) +
                                Differs("static smiles [Single Full Light]", 9, 3) +
                                Differs("static smiles [Lite Dark]", 7, 5) +
                                Exceeds("Animated Single Full Light", 5, 4) +
                                Exceeds("Animated Lite Dark", 6, 2);
    const std::tuple<int32_t, PackMode, const char*, int, const char*, std::string> cases[] = {
        {1, S, "10 0 0 0 AF 10/12", kPackDataSound, "10 0 0 0",
         Exceeds("Animated Single Full Light", 12, 10)},
        {1, S, "11 0 0 0 AF 10/12", kAnimatedFullLightTooManyLines, "11 0 0 0", ""},
        {1, S, "12 0 0 0 AF 10/10", kPackDataSound, "10 0 0 0", Differs(AF, 12, 10)},
        {1, S, "8 0 0 0 AF 10/12", kPackDataSound, "10 0 0 0",
         Differs(AF, 8, 10) + Exceeds("Animated Single Full Light", 12, 10)},
        {1, S, "0 0 0 0 AF 10/9", kAnimatedFullLightTooFewLines, "0 0 0 0", ""},
        {1, S, "$A 0 0 0 AF 10/10", kPackDataSound, "$A 0 0 0", ""},
        // Which folders are looked at: by the kinds, the mode, a static lite count of 0.
        {-1, S, "0 0 2 1 SF 2/2", kPackDataSound, "0 0 2 1", ""},
        {0, S, "0 0 2 1 SF 2/2", kNoAnimatedFullLightDefine, "0 0 2 1", ""},
        {-1, LD, "0 0 2 0 SF 2/2", kPackDataSound, "0 0 2 0", ""},
        {-1, LD, "0 0 2 1 SF 2/2", kNoStaticLiteDarkDefine, "0 0 2 1", ""},
        {1, LD, "2 0 0 0 AF 2/2", kNoAnimatedLiteDarkDefine, "2 0 0 0", ""},
        {0, LD, "3 3 3 3 AF 3/3 AL 3/3 SL 3/3", kNoStaticFullLightDefine, "3 3 3 3", ""},
        {-1, S, "0 0 3 0 SF 3/2", kStaticFullLightTooFewLines, "0 0 3 0", ""},
        {-1, LD, "0 0 3 4 SF 3/3 SL 3/5", kStaticLiteDarkTooManyLines, "0 0 3 4", ""},
        {1, FL, "40 35 0 0 AF 40/40 AL 3/35 DL 5", kPackDataSound, "40 35 0 0", ""},
        {1, LD, "40 35 0 0 AF 40/40 AL 3/35 DL 5", kAnimatedLiteDarkTooManyLines, "40 35 0 0", ""},
        {1, FL, "40 35 0 0 AF 40/40 AL 3/34 DL 5", kAnimatedLiteDarkTooFewLines, "40 35 0 0", ""},
        {1, FL, "40 35 0 0 AF 40/40 AL 3/0 DL 42", kPackDataSound, "40 0 0 0",
         Differs("animated smiles [Lite Dark]", 35, 0)},
        {1, FL, "3 3 0 0 AF 3/3 AL 0/3", kListFileMissing, "3 3 0 0", ""},
        // Animated folders first; a fault drops the warnings, not the corrections before it.
        {0, LD, "4 1 9 7 AF 4/5 SF 3/3 AL 2/6 SL 5/5", kPackDataSound, "4 2 3 5", warning},
        {0, LD, "3 1 9 7 AF 4/5 SF 3/10 AL 2/6 SL 5/5", kStaticFullLightTooManyLines, "4 1 9 7",
         ""},
        {0, LD, "3 3 3 3 AF 3/3 SF 3/3 AL 3/3 SL 3/2", kStaticLiteDarkTooFewLines, "3 3 3 3", ""},
    };
    for (const auto& [kinds, mode, description, code, counts, log] : cases) {
        TestWorld world;
        MakePack(world, kinds, description);
        const PackDataCheck check =
            ValidatePackData(world.Checks(), world.wizard.text, mode, world.wizard.pack);
        EXPECT_EQ(check.code, code) << description;
        EXPECT_EQ(Counts(world.wizard.pack), counts) << description;
        ASSERT_EQ(check.findings.size(), code || !log.empty() ? 1u : 0u) << description;
        if (check.findings.empty()) continue;
        const Finding& finding = check.findings[0];
        EXPECT_EQ(finding.severity, code ? Severity::Fatal : Severity::Warning);
        const auto fatal = kFatal.find(code);
        if (code && fatal == kFatal.end()) continue;
        EXPECT_EQ(finding.title + "|" + finding.text + "|" + finding.logText,
                  kTitle + "|" + (code ? kImpossible + fatal->second : kHead + log + "|" + log));
    }
}

// A list file that is missing or cannot be read is named, with the reason; which files are smiles.
TEST(PackData, AMissingOrUnreadableListFileIsNamedAndSmilesGoByTheirExtension) {
    TestWorld world;
    MakePack(world, 1, "3 3 0 0 AF 3/3 AL 0/3");
    const std::string lite = world.folder + "\\Source SMP\\Animated Lite Dark\\DeleteLite.ini";
    for (const std::string& held :
         {std::string(), lite, world.folder + "\\Source SMP\\" + Folder("AF") + "\\_define.ini"}) {
        LockedFile files(held);
        const PackDataCheck check = ValidatePackData(
            {files, world.folder, false}, world.wizard.text, kFullLiteMode, world.wizard.pack);
        EXPECT_EQ(check.code, held.empty() ? kListFileMissing : kListFileUnreadable) << held;
        ASSERT_EQ(check.findings.size(), 1u);
        EXPECT_EQ(check.findings[0].text + "|" + check.findings[0].logText,
                  held.empty() ? kImpossible + "File not found: \"" + lite +
                                     "\".|Critical error: Not found file: " + lite
                               : kImpossible + "File cannot be read: \"" + held +
                                     "\" (The file is in use).|Critical error: Cannot read file: " +
                                     held + " (The file is in use)");
        world.Write("Source SMP\\Animated Lite Dark\\DeleteLite.ini", "");
    }
    // Smiles are files by their extension in any letter case.
    for (const char* name : {"A.GIF", "b.gif", "a.gif.txt", "a.jpg", "gif", "c.Bmp", "d.bmp"})
        world.WriteBytes("smiles\\" + std::string(name), "");
    world.MakeFolder("smiles\\sub.gif");
    EXPECT_EQ(CountSmileFiles(world.realFiles, world.Path("smiles"), true), 2);
    EXPECT_EQ(CountSmileFiles(world.realFiles, world.Path("smiles"), false), 2);
}

// The information page's form and height by pack type; a single pack's lite counts become 0.
TEST(PackInformation, EachFormItsLinesAndItsHeight) {
    using Row =
        std::tuple<const char*, const char*, int32_t, const char*, const char*, int, std::string>;
    const Row cases[] = {
        {"LightSingle", "all", 1, "3 2 3 2 AF 3/3", "3 0 3 0", 84,
         " Анимированные смайлы: есть\r\n Кол-во анимированных смайлов: 3\r\n Статический смайлы: "
         "нет\r\n Доступные режимы установки: Простой смайл-пак\r\n Поддерживаемые пейджеры: все"},
        {"LightSingle", "QIP", 0, "3 2 3 2 AF 3/3 SF 3/3", "3 0 3 0", 98,
         " Анимированные смайлы: есть\r\n Кол-во анимированных смайлов: 3\r\n Статический смайлы: "
         "есть\r\n Кол-во статичных смайлов: 3\r\n Доступные режимы установки: Простой "
         "смайл-пак\r\n Поддерживаемые пейджеры: QIP 2005 & Infium"},
        {"fulllite", "qipinf", 0, "3 2 3 2 AF 3/3 SF 3/3 AL 0/2 DL 1 SL 0/2 DL 1", "3 2 3 2", 126,
         " Анимированные смайлы: есть\r\n Кол-во анимированных смайлов (Полная версия): 3\r\n"
         " Кол-во анимированных смайлов (Легкая версия): 2\r\n Статический смайлы: есть\r\n"
         " Кол-во статичных смайлов (Полная версия): 3\r\n Кол-во статичных смайлов (Легкая "
         "версия): 2\r\n Доступные режимы установки: Полная/Легкая версии\r\n Поддерживаемые "
         "пейджеры: QIP Infium"},
        {"lightdark", "qip2005", -1, "3 2 5 2 SF 3/3 SL 2/2", "3 2 3 2", 98,
         " Анимированные смайлы: нет\r\n Статический смайлы: есть\r\n Кол-во статичных смайлов "
         "(Светлый фон): 3\r\n Кол-во статичных смайлов (Темный фон): 2\r\n Доступные режимы "
         "установки: Светлый/Темный фон\r\n Поддерживаемые пейджеры: QIP 2005"},
        {"single", "all", 1, "3 2 3 2", "3 2 3 2", 0, ""},
    };
    for (const auto& [type, pagers, kinds, description, counts, height, text] : cases) {
        TestWorld world;
        PackDescription& pack = world.wizard.pack;
        MakePack(world, kinds, description);
        pack.PackType = type;
        pack.Pagers = pagers;
        const Findings findings = CheckPackData(world.Checks(), world.wizard.text, pack);
        EXPECT_EQ(Counts(pack), counts) << description;
        EXPECT_EQ(HasFatal(findings), text.empty()) << description;
        if (text.empty()) continue;
        const PackInfoText info = ComposePackInfo(world.wizard.text, pack);
        EXPECT_EQ(info.text, " Название смайл-пака: \r\n" + text);
        EXPECT_EQ(info.height, height) << description;
    }
}

}  // namespace
}  // namespace velmora::test
