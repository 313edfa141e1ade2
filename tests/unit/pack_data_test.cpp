// The pack data check: smiles against _define.ini and SMP.ini, which folders are looked at,
// the corrected counts, and the exact words of the warnings and the fatal findings.

#include <gtest/gtest.h>

#include <filesystem>

#include "lang/text_table.h"
#include "pack/pack_data.h"
#include "test_world.h"

namespace velmora::test {
namespace {

constexpr const char* kAnimatedFull = "Animated Single Full Light";
constexpr const char* kStaticFull = "Static Single Full Light";
constexpr const char* kAnimatedLite = "Animated Lite Dark";
constexpr const char* kStaticLite = "Static Lite Dark";
const std::string kTitle = "Velmora: Error in Smiles-Pack Data...";
const std::string kImpossible = "Установка смайл-пака не возможна!\r\n\r\n";

std::string Folder(const std::string& name) {
    return "Source SMP\\" + name;
}

// Sets SmileKinds and the declared counts in SMP.ini's order, and the built-in texts.
void Declare(TestWorld& world, int32_t kinds, const char* animatedFull, const char* animatedLite,
             const char* staticFull, const char* staticLite) {
    world.wizard.pack.SmileKinds = kinds;
    world.wizard.pack.AnimatedFullLightCount = animatedFull;
    world.wizard.pack.AnimatedLiteDarkCount = animatedLite;
    world.wizard.pack.StaticFullLightCount = staticFull;
    world.wizard.pack.StaticLiteDarkCount = staticLite;
    AssignBuiltInTexts(world.wizard.text, kLastDataLine, "");
}

PackDataCheck Validate(TestWorld& world, PackMode mode) {
    return ValidatePackData(world.Checks(), world.wizard.text, mode, world.wizard.pack);
}

// What LOG.txt would get of a check that found the pack installable: its warning's line.
std::string WarningLog(const PackDataCheck& check) {
    if (check.findings.empty()) return "";
    EXPECT_EQ(check.findings.size(), 1u);
    EXPECT_EQ(check.findings[0].severity, Severity::Warning);
    return check.findings[0].logText;
}

TEST(PackData, OneFolderAgainstItsDefineAndDeclaredCount) {
    const std::string count = "> \"SMP.ini\" - amount of animated smiles [Single Full Light] ";
    const std::string excess =
        "\r\n> Animated Single Full Light: amount strings in "
        "\"_define.ini\" (12) > amount smiles (10)          ";
    struct Case {
        int smiles, lines;
        const char* declared;
        int code;
        const char* countAfter;
        std::string log;
    } const cases[] = {
        {10, 12, "10", kPackDataSound, "10", excess},
        {10, 12, "11", kAnimatedFullLightTooManyLines, "11", ""},
        {10, 10, "12", kPackDataSound, "10", count + "(12) <> amount smiles (10)          \r\n"},
        {10, 12, "8", kPackDataSound, "10",
         count + "(8) <> amount smiles (10)          \r\n" + excess},
        {10, 9, "0", kAnimatedFullLightTooFewLines, "0", ""},
        {1, 0, "1", kAnimatedFullLightTooFewLines, "1", ""},
        {0, 0, "0", kPackDataSound, "0", ""},
        {10, 10, "$A", kPackDataSound, "$A", ""},  // the value counts, not how it is written
    };
    for (const Case& c : cases) {
        TestWorld world;
        Declare(world, 1, c.declared, "0", "0", "0");
        world.FillSmileFolder(kAnimatedFull, c.smiles, c.lines);
        const PackDataCheck check = Validate(world, kSingleFamilyMode);
        EXPECT_EQ(check.code, c.code)
            << c.smiles << " smiles, " << c.lines << " lines, " << c.declared;
        EXPECT_EQ(world.wizard.pack.AnimatedFullLightCount, c.countAfter) << c.declared;
        if (c.code == kPackDataSound) {
            EXPECT_EQ(WarningLog(check), c.log) << c.smiles << '/' << c.lines;
        }
    }
}

TEST(PackData, EachFolderHasItsOwnCodes) {
    struct Row {
        const char* folder;
        int noDefine, tooFew, tooMany;
    } const rows[] = {{kAnimatedFull, 1, 3, 5},
                      {kStaticFull, 2, 4, 6},
                      {kAnimatedLite, 7, 9, 11},
                      {kStaticLite, 8, 10, 12}};
    for (const Row& row : rows) {
        TestWorld world;
        Declare(world, 0, "3", "3", "3", "3");
        for (const char* name : {kAnimatedFull, kStaticFull, kAnimatedLite, kStaticLite}) {
            world.FillSmileFolder(name, 3, 3);
        }
        std::filesystem::remove(world.Path(Folder(row.folder) + "\\_define.ini"));
        EXPECT_EQ(Validate(world, kLightDarkMode).code, row.noDefine) << row.folder;
        world.FillSmileFolder(row.folder, 3, 2);
        EXPECT_EQ(Validate(world, kLightDarkMode).code, row.tooFew) << row.folder;
        world.FillSmileFolder(row.folder, 3, 5);
        Declare(world, 0, "4", "4", "4", "4");
        EXPECT_EQ(Validate(world, kLightDarkMode).code, row.tooMany) << row.folder;
    }
}

TEST(PackData, FoldersFollowTheKindsTheModeAndAStaticLiteCountOfZero) {
    struct Case {
        int32_t kinds;
        PackMode mode;
        const char* staticLite;
        int code;
    } const cases[] = {
        {-1, kSingleFamilyMode, "1", kPackDataSound},  // neither animated nor lite folders
        {0, kSingleFamilyMode, "1", kNoAnimatedFullLightDefine},
        {-1, kLightDarkMode, "0", kPackDataSound},
        {-1, kFullLiteMode, "0", kPackDataSound},
        {-1, kLightDarkMode, "1", kNoStaticLiteDarkDefine},
        {-1, kFullLiteMode, "1", kNoStaticLiteDarkDefine},
    };
    for (const Case& c : cases) {
        TestWorld world;  // only the static full set is there
        Declare(world, c.kinds, "0", "0", "2", c.staticLite);
        world.FillSmileFolder(kStaticFull, 2, 2);
        EXPECT_EQ(Validate(world, c.mode).code, c.code)
            << "kinds " << c.kinds << ", mode " << c.mode << ", static lite " << c.staticLite;
    }
    TestWorld world;  // the animated lite folder is looked at whatever its declared count
    Declare(world, 1, "2", "0", "0", "0");
    world.FillSmileFolder(kAnimatedFull, 2, 2);
    EXPECT_EQ(Validate(world, kLightDarkMode).code, kNoAnimatedLiteDarkDefine);
}

TEST(PackData, FullLiteCountsTheLiteSmilesThroughDeleteLite) {
    TestWorld world;
    Declare(world, 1, "40", "35", "0", "0");
    world.FillSmileFolder(kAnimatedFull, 40, 40);
    world.FillSmileFolder(kAnimatedLite, 3,
                          35);  // its own images count only in the light-dark mode
    world.Write(Folder(kAnimatedLite) + "\\DeleteLite.ini", ListLines(5));
    const PackDataCheck sound = Validate(world, kFullLiteMode);
    EXPECT_EQ(sound.code, kPackDataSound);
    EXPECT_TRUE(sound.findings.empty());
    EXPECT_EQ(Validate(world, kLightDarkMode).code, kAnimatedLiteDarkTooManyLines);

    world.Write(Folder(kAnimatedLite) + "\\_define.ini", ListLines(34));
    EXPECT_EQ(Validate(world, kFullLiteMode).code, kAnimatedLiteDarkTooFewLines);

    // A DeleteLite.ini that leaves out more than the full set holds leaves an empty lite set,
    // never a negative one: the declared count is corrected to 0 and the warning says so.
    world.Write(Folder(kAnimatedLite) + "\\DeleteLite.ini", ListLines(42));
    world.Write(Folder(kAnimatedLite) + "\\_define.ini", "");
    const PackDataCheck corrected = Validate(world, kFullLiteMode);
    EXPECT_EQ(corrected.code, kPackDataSound);
    EXPECT_EQ(world.wizard.pack.AnimatedLiteDarkCount, "0");
    EXPECT_EQ(WarningLog(corrected),
              "> \"SMP.ini\" - amount of animated smiles [Lite Dark] (35) <> amount smiles (0)"
              "          \r\n");
}

TEST(PackData, TheFirstFatalFindingWinsAndDropsTheWarnings) {
    TestWorld world;
    Declare(world, 0, "8", "0", "2", "0");
    world.FillSmileFolder(kAnimatedFull, 10, 11);
    world.FillSmileFolder(kStaticFull, 1, 3);
    const PackDataCheck check = Validate(world, kSingleFamilyMode);
    EXPECT_EQ(check.code, kStaticFullLightTooManyLines);
    EXPECT_EQ(world.wizard.pack.AnimatedFullLightCount, "10");  // corrected before the fault
    EXPECT_EQ(world.wizard.pack.StaticFullLightCount, "2");
    ASSERT_EQ(check.findings.size(), 1u);
    EXPECT_EQ(check.findings[0].severity, Severity::Fatal);
}

TEST(PackData, WarningsListAnimatedFirstAndOnlyLineExcessComesBack) {
    TestWorld world;
    Declare(world, 0, "4", "1", "9", "7");
    world.FillSmileFolder(kAnimatedFull, 4, 5);
    world.FillSmileFolder(kStaticFull, 3, 3);
    world.FillSmileFolder(kAnimatedLite, 2, 6);
    world.FillSmileFolder(kStaticLite, 5, 5);
    const PackDataCheck check = Validate(world, kLightDarkMode);
    ASSERT_EQ(check.code, kPackDataSound);

    const std::string excess =
        "\r\n> Animated Single Full Light: amount strings in \"_define.ini\" (5) > amount smiles "
        "(4)          \r\n> Animated Lite Dark: amount strings in \"_define.ini\" (6) > amount "
        "smiles (2)          ";
    const std::string differences =
        "> \"SMP.ini\" - amount of animated smiles [Lite Dark] (1) <> amount smiles (2)"
        "          \r\n"
        "> \"SMP.ini\" - amount of static smiles [Single Full Light] (9) <> amount smiles "
        "(3)          \r\n"
        "> \"SMP.ini\" - amount of static smiles [Lite Dark] (7) <> amount smiles (5)"
        "          \r\n" +
        excess;
    ASSERT_EQ(check.findings.size(), 1u);
    EXPECT_EQ(check.findings[0].title, kTitle);
    EXPECT_EQ(check.findings[0].text, "Ошибка в данных смайл-пака:\r\n\r\n" + differences);
    EXPECT_EQ(WarningLog(check), differences);
    const PackDescription& pack = world.wizard.pack;
    EXPECT_EQ(pack.AnimatedLiteDarkCount + pack.StaticFullLightCount + pack.StaticLiteDarkCount,
              "235");

    // As after going back to the page: the counts are right now, the surplus lines remain.
    EXPECT_EQ(WarningLog(Validate(world, kLightDarkMode)), excess);
}

TEST(PackData, FatalMessagesNameTheFolderForTheUserAndTheLog) {
    const std::string tooFew =
        "Количество строк в \"_define.ini\" меньше, чем количество смайлов, ";
    struct Case {
        int code;
        std::string text;
        std::string log;
    } const cases[] = {
        {kNoStaticLiteDarkDefine, "В папке: \"Static Lite Dark\" отсутствует файл \"_define.ini\".",
         "Not found \"_define.ini\", folder: Static Lite Dark"},
        {kAnimatedFullLightTooFewLines, tooFew + "папка: \"Animated Single Full Light\".",
         "In \"_define.ini\" string count < smiles count, folder: Animated Single Full Light"},
        {kAnimatedLiteDarkTooManyLines,
         "Количество строк в \"_define.ini\" и значение количества в \"SMP.ini\" больше чем "
         "смайлов! Папка: \"Animated Lite Dark\".",
         "In \"_define.ini\" string count & count in \"SMP.ini\" > smiles count, folder: "
         "Animated Lite Dark"},
    };
    TestWorld world;
    Declare(world, 0, "0", "0", "0", "0");
    for (const Case& c : cases) {
        const Finding fault = PackDataFault(world.wizard.text, {c.code, "", "", {}});
        EXPECT_EQ(fault.severity, Severity::Fatal);
        EXPECT_EQ(fault.title, kTitle);
        EXPECT_EQ(fault.text, kImpossible + c.text);
        EXPECT_EQ(fault.logText, "Critical error: " + c.log);
    }
}

TEST(PackData, AMissingOrUnreadableListFileIsFatalAndNamed) {
    TestWorld world;
    Declare(world, 1, "3", "3", "0", "0");
    world.FillSmileFolder(kAnimatedFull, 3, 3);
    world.FillSmileFolder(kAnimatedLite, 0, 3);
    const std::string deleteLite = world.folder + "\\" + Folder(kAnimatedLite) + "\\DeleteLite.ini";
    const PackDataCheck missing = Validate(world, kFullLiteMode);
    EXPECT_EQ(missing.code, kListFileMissing);
    EXPECT_EQ(missing.file, deleteLite);
    ASSERT_EQ(missing.findings.size(), 1u);
    EXPECT_EQ(missing.findings[0].text, kImpossible + "File not found: \"" + deleteLite + "\".");
    EXPECT_EQ(missing.findings[0].logText, "Critical error: Not found file: " + deleteLite);

    world.Write(Folder(kAnimatedLite) + "\\DeleteLite.ini", "");
    const std::string define = world.folder + "\\" + Folder(kAnimatedFull) + "\\_define.ini";
    for (const std::string& path : {deleteLite, define}) {
        LockedFile locked(path);
        const PackDataCheck check = ValidatePackData(
            {locked, world.folder, false}, world.wizard.text, kFullLiteMode, world.wizard.pack);
        EXPECT_EQ(check.code, kListFileUnreadable) << path;
        EXPECT_EQ(check.file, path);
        ASSERT_EQ(check.findings.size(), 1u);
        EXPECT_EQ(check.findings[0].text,
                  kImpossible + "File cannot be read: \"" + path + "\" (The file is in use).");
        EXPECT_EQ(check.findings[0].logText,
                  "Critical error: Cannot read file: " + path + " (The file is in use)");
    }
    EXPECT_EQ(Validate(world, kFullLiteMode).code, kPackDataSound);
}

TEST(PackData, ListLinesCountEveryLineAndSmilesGoByTheirExtension) {
    const std::pair<const char*, int> cases[] = {
        {"", 0}, {"a", 1}, {"a\r\n", 1}, {"a\r\nb", 2}, {"\r\n", 1}, {"// note\r\n\r\n\\\\x\n", 3},
    };
    TestWorld world;
    for (const auto& [text, lines] : cases) {
        world.WriteBytes("list.ini", text);
        const LineCount count = CountFileLines(world.realFiles, world.folder + "\\list.ini");
        EXPECT_TRUE(count.status.ok);
        EXPECT_EQ(count.lines, lines) << '"' << text << '"';
    }
    EXPECT_FALSE(CountFileLines(world.realFiles, world.folder + "\\none.ini").status.ok);

    // Smiles go by the extension in any letter case; a folder with such a name is no smile.
    for (const char* name : {"A.GIF", "b.gif", "a.gif.txt", "a.jpg", "gif", "c.Bmp", "d.bmp"}) {
        world.WriteBytes("smiles\\" + std::string(name), "");
    }
    world.MakeFolder("smiles\\sub.gif");
    const std::string folder = world.folder + "\\smiles";
    EXPECT_EQ(CountSmileFiles(world.realFiles, folder, true), 2);
    EXPECT_EQ(CountSmileFiles(world.realFiles, folder, false), 2);
    EXPECT_EQ(CountSmileFiles(world.realFiles, world.folder + "\\none", true), 0);
}

}  // namespace
}  // namespace velmora::test
