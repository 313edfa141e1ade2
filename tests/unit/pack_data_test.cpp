// The pack data check: smiles against _define.ini and SMP.ini, which folders are looked at,
// the corrected counts, and the exact words of the warnings and the fatal messages.

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

std::string Lines(int count) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += ":-) smile.gif\r\n";
    return text;
}

std::string Folder(const std::string& name) {
    return "Source SMP\\" + name;
}

// Replaces a smile folder by one with so many images of its kind and _define.ini lines.
void Fill(TestWorld& world, const std::string& name, int smiles, int lines) {
    std::filesystem::remove_all(world.Path(Folder(name)));
    const char* extension = name.rfind("Animated", 0) == 0 ? ".gif" : ".bmp";
    for (int i = 0; i < smiles; ++i) {
        world.WriteBytes(Folder(name) + "\\" + std::to_string(i) + extension, "");
    }
    world.Write(Folder(name) + "\\_define.ini", Lines(lines));
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

TEST(PackData, OneFolderAgainstItsDefineAndDeclaredCount) {
    const std::string count = "\r\n> \"SMP.ini\" - amount of animated smiles [Single Full Light] ";
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
        {10, 12, "10", kPackDataSound, "10", "\r\n" + excess},
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
        Fill(world, kAnimatedFull, c.smiles, c.lines);
        const int code = ValidatePackData(world.wizard, kSingleFamilyMode).code;
        EXPECT_EQ(code, c.code) << c.smiles << " smiles, " << c.lines << " lines, " << c.declared;
        EXPECT_EQ(world.wizard.pack.AnimatedFullLightCount, c.countAfter) << c.declared;
        EXPECT_EQ(world.wizard.state.ErrorLog, c.log) << c.smiles << '/' << c.lines;
        EXPECT_TRUE(world.dialogs.shown.empty());
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
            Fill(world, name, 3, 3);
        }
        std::filesystem::remove(world.Path(Folder(row.folder) + "\\_define.ini"));
        EXPECT_EQ(ValidatePackData(world.wizard, kLightDarkMode).code, row.noDefine) << row.folder;
        Fill(world, row.folder, 3, 2);
        EXPECT_EQ(ValidatePackData(world.wizard, kLightDarkMode).code, row.tooFew) << row.folder;
        Fill(world, row.folder, 3, 5);
        Declare(world, 0, "4", "4", "4", "4");
        EXPECT_EQ(ValidatePackData(world.wizard, kLightDarkMode).code, row.tooMany) << row.folder;
    }
}

TEST(PackData, FoldersFollowTheKindsTheModeAndAStaticLiteCountOfZero) {
    struct Case {
        int32_t kinds;
        int mode;
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
        Fill(world, kStaticFull, 2, 2);
        EXPECT_EQ(ValidatePackData(world.wizard, c.mode).code, c.code)
            << "kinds " << c.kinds << ", mode " << c.mode << ", static lite " << c.staticLite;
    }
    TestWorld world;  // the animated lite folder is looked at whatever its declared count
    Declare(world, 1, "2", "0", "0", "0");
    Fill(world, kAnimatedFull, 2, 2);
    EXPECT_EQ(ValidatePackData(world.wizard, kLightDarkMode).code, kNoAnimatedLiteDarkDefine);
}

TEST(PackData, FullLiteCountsTheLiteSmilesThroughDeleteLite) {
    TestWorld world;
    Declare(world, 1, "40", "35", "0", "0");
    Fill(world, kAnimatedFull, 40, 40);
    Fill(world, kAnimatedLite, 3, 35);  // its own images count only in the light-dark mode
    world.Write(Folder(kAnimatedLite) + "\\DeleteLite.ini", Lines(5));
    EXPECT_EQ(ValidatePackData(world.wizard, kFullLiteMode).code, kPackDataSound);
    EXPECT_EQ(world.wizard.state.ErrorLog, "");
    EXPECT_EQ(ValidatePackData(world.wizard, kLightDarkMode).code, kAnimatedLiteDarkTooManyLines);

    world.Write(Folder(kAnimatedLite) + "\\_define.ini", Lines(34));
    EXPECT_EQ(ValidatePackData(world.wizard, kFullLiteMode).code, kAnimatedLiteDarkTooFewLines);
}

TEST(PackData, TheFirstFatalFindingWinsAndDropsTheWarnings) {
    TestWorld world;
    Declare(world, 0, "8", "0", "2", "0");
    Fill(world, kAnimatedFull, 10, 11);
    Fill(world, kStaticFull, 1, 3);
    EXPECT_EQ(ValidatePackData(world.wizard, kSingleFamilyMode).code, kStaticFullLightTooManyLines);
    EXPECT_EQ(world.wizard.pack.AnimatedFullLightCount, "10");  // corrected before the fault
    EXPECT_EQ(world.wizard.pack.StaticFullLightCount, "2");
    EXPECT_FALSE(world.wizard.state.ErrorsFound);
    EXPECT_TRUE(world.dialogs.shown.empty());
}

TEST(PackData, WarningsListAnimatedFirstAndOnlyLineExcessComesBack) {
    TestWorld world;
    world.wizard.state.TestMode = true;
    Declare(world, 0, "4", "1", "9", "7");
    Fill(world, kAnimatedFull, 4, 5);
    Fill(world, kStaticFull, 3, 3);
    Fill(world, kAnimatedLite, 2, 6);
    Fill(world, kStaticLite, 5, 5);
    ASSERT_EQ(ValidatePackData(world.wizard, kLightDarkMode).code, kPackDataSound);

    const std::string excess =
        "\r\n> Animated Single Full Light: amount strings in \"_define.ini\" (5) > amount smiles "
        "(4)          \r\n> Animated Lite Dark: amount strings in \"_define.ini\" (6) > amount "
        "smiles (2)          ";
    ASSERT_EQ(world.dialogs.shown.size(), 1u);
    const MessageBoxRequest& box = world.dialogs.shown[0];
    EXPECT_EQ(box.title, kTitle);
    EXPECT_EQ(box.icon, BoxIcon::Error);
    EXPECT_EQ(box.owner, BoxOwner::None);
    EXPECT_EQ(box.text,
              "Ошибка в данных смайл-пака:\r\n\r\n"
              "> \"SMP.ini\" - amount of animated smiles [Lite Dark] (1) <> amount smiles (2)"
              "          \r\n"
              "> \"SMP.ini\" - amount of static smiles [Single Full Light] (9) <> amount smiles "
              "(3)          \r\n"
              "> \"SMP.ini\" - amount of static smiles [Lite Dark] (7) <> amount smiles (5)"
              "          \r\n" +
                  excess);
    EXPECT_EQ(world.wizard.state.ErrorLog, "");
    const PackDescription& pack = world.wizard.pack;
    EXPECT_EQ(pack.AnimatedLiteDarkCount + pack.StaticFullLightCount + pack.StaticLiteDarkCount,
              "235");

    world.wizard.state.TestMode = false;  // as after going back to the page
    EXPECT_EQ(ValidatePackData(world.wizard, kLightDarkMode).code, kPackDataSound);
    EXPECT_EQ(world.wizard.state.ErrorLog, "\r\n" + excess);
    EXPECT_TRUE(world.wizard.state.ErrorsFound);
}

TEST(PackData, FatalMessagesNameTheFolderAndAreLoggedOutsideTestMode) {
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
    for (const Case& c : cases) {
        for (const bool testMode : {false, true}) {
            TestWorld world;
            Declare(world, 0, "0", "0", "0", "0");
            world.wizard.state.TestMode = testMode;
            ReportPackDataError(world.wizard, {c.code, "", ""});
            ASSERT_EQ(world.dialogs.shown.size(), 1u);
            EXPECT_EQ(world.dialogs.shown[0].title, kTitle);
            EXPECT_EQ(world.dialogs.shown[0].text, kImpossible + c.text);
            EXPECT_EQ(world.wizard.state.ErrorLog, testMode ? "" : "\r\nCritical error: " + c.log);
            EXPECT_FALSE(world.wizard.state.StopRequested);
        }
    }
}

TEST(PackData, AMissingOrUnreadableListFileIsFatalAndNamed) {
    TestWorld world;
    Declare(world, 1, "3", "3", "0", "0");
    Fill(world, kAnimatedFull, 3, 3);
    Fill(world, kAnimatedLite, 0, 3);
    const std::string deleteLite = world.folder + "\\" + Folder(kAnimatedLite) + "\\DeleteLite.ini";
    const PackDataCheck missing = ValidatePackData(world.wizard, kFullLiteMode);
    EXPECT_EQ(missing.code, kListFileMissing);
    EXPECT_EQ(missing.file, deleteLite);
    ReportPackDataError(world.wizard, missing);
    EXPECT_EQ(world.dialogs.shown.back().text,
              kImpossible + "File not found: \"" + deleteLite + "\".");
    EXPECT_EQ(world.wizard.state.ErrorLog, "\r\nCritical error: Not found file: " + deleteLite);

    world.Write(Folder(kAnimatedLite) + "\\DeleteLite.ini", "");
    const std::string define = world.folder + "\\" + Folder(kAnimatedFull) + "\\_define.ini";
    for (const std::string& path : {deleteLite, define}) {
        LockedFile locked(world.realFiles, path);
        Platform platform{locked, world.dialogs, world.host};
        Wizard wizard(platform);
        wizard.pack = world.wizard.pack;
        wizard.text = world.wizard.text;
        const PackDataCheck check = ValidatePackData(wizard, kFullLiteMode);
        EXPECT_EQ(check.code, kListFileUnreadable) << path;
        EXPECT_EQ(check.file, path);
        ReportPackDataError(wizard, check);
        EXPECT_EQ(world.dialogs.shown.back().text,
                  kImpossible + "File cannot be read: \"" + path + "\" (The file is in use).");
        EXPECT_EQ(wizard.state.ErrorLog,
                  "\r\nCritical error: Cannot read file: " + path + " (The file is in use)");
    }
    EXPECT_EQ(ValidatePackData(world.wizard, kFullLiteMode).code, kPackDataSound);
}

TEST(PackData, CountFileLinesCountsEveryLineButNoFinalBreak) {
    const std::pair<const char*, int> cases[] = {
        {"", 0}, {"a", 1}, {"a\r\n", 1}, {"a\r\nb", 2}, {"\r\n", 1}, {"// note\r\n\r\n\\\\x\n", 3},
    };
    TestWorld world;
    for (const auto& [text, lines] : cases) {
        world.WriteBytes("list.ini", text);
        const LineCount count = CountFileLines(world.wizard, world.folder + "\\list.ini");
        EXPECT_TRUE(count.status.ok);
        EXPECT_EQ(count.lines, lines) << '"' << text << '"';
    }
    EXPECT_FALSE(CountFileLines(world.wizard, world.folder + "\\none.ini").status.ok);
}

TEST(PackData, CountSmileFilesGoesByTheExtensionInAnyCase) {
    TestWorld world;
    for (const char* name : {"A.GIF", "b.gif", "a.gif.txt", "a.jpg", "gif", "c.Bmp", "d.bmp"}) {
        world.WriteBytes("smiles\\" + std::string(name), "");
    }
    world.MakeFolder("smiles\\sub.gif");
    const std::string folder = world.folder + "\\smiles";
    EXPECT_EQ(CountSmileFiles(world.wizard, folder, true), 3);
    EXPECT_EQ(CountSmileFiles(world.wizard, folder, false), 2);
    EXPECT_EQ(CountSmileFiles(world.wizard, world.folder + "\\none", true), 0);
}

}  // namespace
}  // namespace velmora::test
