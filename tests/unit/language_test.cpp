// Texts of a language: the built-in Russian table, language files and their line rules, the
// list the Language folder gives and what a pick in it loads.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

#include "base/text_lines.h"
#include "lang/language.h"
#include "lang/language_list.h"
#include "lang/text_table.h"
#include "test_world.h"

namespace velmora::test {
namespace {

// The built-in table has 105 texts, with the version in the about box. The shipped English
// file is complete: a line missing or added anywhere in it would move the rows after it.
TEST(LanguageFile, TheBuiltInTableAndTheShippedEnglishFile) {
    TestWorld world;
    const UiStrings& text = world.wizard.text;
    world.wizard.state.LanguageName = kBuiltInLanguage;
    LoadLanguage(world.wizard, "");
    std::set<std::string> distinct;
    for (size_t i = 0; i < kTextCount; ++i) {
        EXPECT_FALSE(text[static_cast<Text>(i)].empty()) << "text " << i;
        distinct.insert(text[static_cast<Text>(i)]);
    }
    EXPECT_EQ(distinct.size(), kTextCount - 2);  // two wordings serve two rows each
    EXPECT_EQ(text[Text::AboutProgramVersion],
              "Предназначена для Windows XP и выше.\r\nVelmora Версия: 2.2.0.lang");
    EXPECT_EQ(text[Text::ElapsedTimeLabel], "Прошло времени:");
    // Every data line but the two that continue a text has a row, each for a text of its own.
    std::set<Text> rows;
    for (int line = 1; line <= kLastDataLine; ++line) {
        const TextRow* row = FindTextRow(line);
        EXPECT_EQ(row == nullptr, line == 6 || line == 74) << line;
        if (row) rows.insert(row->id);
    }
    EXPECT_EQ(rows.size(), static_cast<size_t>(kLastDataLine - 2));

    EXPECT_EQ(FillLanguageList(world.realFiles, VELMORA_EXAMPLES, false).entries,
              (std::vector<std::string>{kBuiltInEntry, "English [English]"}));
    UiStrings en;
    LoadLanguageFile(world.realFiles, VELMORA_EXAMPLES "\\Language\\English.txt", false, "", en);
    EXPECT_EQ(en[Text::AskMailLog], "Send the LOG file to the smiles pack's author by e-mail?");
    EXPECT_EQ(en[Text::BackButtonText], "<< Back");
}

// Which line of a file lands in which row, with what punctuation: the header is never data,
// comments and empty lines are skipped, a line of one blank is data, a short file keeps the
// texts it does not reach, extra lines are ignored, an unreadable file gives the built-in texts,
// and the language page's load fills the first ten built-in or eleven file rows.
TEST(LanguageFile, EachDataLineLandsInItsRowWithItsPunctuation) {
    const std::map<int, std::string> lines = {{5, "For XP."}, {6, "Version: "}, {41, "Name"},
                                              {73, "Found!"}, {74, "Path"},     {106, "<< Prev"}};
    const std::string punctuated = LanguageFileText(
        106, lines, "// looks like a comment but is the header\r\n\r\n// note\r\n\\\\ note");
    std::string blank = LanguageFileText(106);
    blank.insert(blank.find("t3\r\n"), " \r\n");
    const std::string builtIn = kBuiltInLanguage, folder = "a folder", none = "no file";
    const std::string shortFile = LanguageFileText(103);
    const bool partial = true;
    // The file (or the built-in texts, a folder, none), whether only the page's texts are loaded,
    // a row and its text.
    const std::tuple<std::string, bool, Text, const char*> cases[] = {
        {punctuated, false, Text::ExitQuestion, "t1"},
        {punctuated, false, Text::AboutProgramVersion, "For XP.\r\nVelmora Version: 2.2.0.lang"},
        {punctuated, false, Text::InfoNameLabel, " Name: "},
        {punctuated, false, Text::QipFolderFound, "Found!\r\nPath:"},
        {punctuated, false, Text::BackButtonText, "<< Prev"},
        // Rows after 6 sit one data line later than their row in the table would suggest.
        {punctuated, false, Text::GdiSmileCount, "t75"},
        {blank, false, Text::AboutProgramDescription, " "},
        {shortFile, false, Text::AskWriteLog, "t103"},
        {shortFile, false, Text::AskOverwriteLog, "earlier"},
        {shortFile, false, Text::BackButtonText, "<< Back"},
        {LanguageFileText(110), false, Text::BackButtonText, "t106"},
        {folder, partial, Text::ExitButtonText, "earlier"},
        {none, false, Text::BackButtonText, "<< Назад"},
        {builtIn, partial, Text::NextButtonText, "Далее >>"},
        {builtIn, partial, Text::ExitButtonText, "earlier"},
        {punctuated, partial, Text::ExitButtonText, "t11"},
        {punctuated, partial, Text::AboutPackCaption, "earlier"},
        {punctuated, partial, Text::ElapsedTimeLabel, "Passed time:"},
    };
    for (const auto& [file, firstTexts, id, expected] : cases) {
        TestWorld world;
        for (const Text kept :
             {Text::AskOverwriteLog, Text::ExitButtonText, Text::AboutPackCaption})
            world.wizard.text[kept] = "earlier";
        if (file == folder) world.MakeFolder("Language\\A.txt");
        if (file != folder && file != none) world.Write("Language\\A.txt", file);
        const std::string name = file == builtIn ? builtIn : "A.txt";
        world.wizard.state.LanguageName = name;
        LoadLanguage(world.wizard, firstTexts ? name : "");
        EXPECT_EQ(world.wizard.text[id], expected) << file.substr(0, 20);
    }
}

// The list: nothing without a ".txt" file, else the built-in line and the complete files (103
// data lines); an incomplete one is a finding, listed marked in test mode only. A new pick
// loads the first texts of the file its line shows now (of two, the one listed last); a marked
// line, or one whose file has another header by now, keeps the previous choice.
TEST(LanguageList, CompleteFilesAreListedAndAPickLoadsWhatItsLineShowsNow) {
    TestWorld world;
    world.wizard.state.LanguageName = kBuiltInLanguage;
    world.Write("Language\\notes.text", "x");
    EXPECT_EQ(FillLanguageList(world.realFiles, world.folder, true).entries.size(), 0u);
    world.Write("Language\\English.txt", LanguageFileText(103, {{1, "Really quit?"}}, "English"));
    world.Write("Language\\Broken.TXT",
                LanguageFileText(102, {}, "Broken") + "// a comment is no data\r\n\r\n");
    world.MakeFolder("Language\\Folder.txt");
    world.Write("Language\\a.txt", LanguageFileText(106, {{1, "from a"}}, ""));
    world.Write("Language\\a.TXT", LanguageFileText(106, {{1, "from A"}}, ""));
    const std::string mark = kFaultyFileMark, broken = "Broken [Broken]" + mark;
    const std::vector<std::string> listed = {kBuiltInEntry, "English [English]", "a", "a"};
    const std::vector<std::string> inTestMode = {kBuiltInEntry,   broken, "English [English]",
                                                 "Folder" + mark, "a",    "a"};
    for (const bool testMode : {false, true}) {
        LanguageList list = FillLanguageList(world.realFiles, world.folder, testMode);
        EXPECT_EQ(list.files, 5);
        // The files' lines sorted, as folders list them in any order.
        std::sort(list.entries.begin() + 1, list.entries.end());
        EXPECT_EQ(list.entries, testMode ? inTestMode : listed);
        std::vector<std::string> findings;
        for (const Finding& f : list.findings) {
            const bool inTheList = f.severity == Severity::Warning && f.title.empty();
            findings.push_back(f.text + "|" + f.logText + (inTheList ? "" : " (in a box)"));
        }
        std::sort(findings.begin(), findings.end());
        EXPECT_EQ(findings, (std::vector<std::string>{broken + "|Broken.TXT" + mark,
                                                      "Folder" + mark + "|Folder.txt" + mark}));
    }
    EXPECT_TRUE(IsLanguageFileComplete(world.realFiles, world.folder + "\\Language\\English.txt"));
    EXPECT_FALSE(IsLanguageFileComplete(world.realFiles, world.folder + "\\Language\\Broken.TXT"));

    std::string lastA;
    for (const FolderEntry& e : world.realFiles.ListFolder(world.folder + "\\Language"))
        if (LowerAscii(e.name) == "a.txt") lastA = e.name;
    const std::string english = "English [English]", quit = "Really quit?";
    // The line picked and what it shows; whether it loads, the language, its exit question.
    const std::tuple<int, std::string, bool, std::string, std::string> steps[] = {
        {0, kBuiltInEntry, false, kBuiltInLanguage, ""},
        {-1, "", false, kBuiltInLanguage, ""},
        {1, english, true, "English.txt", quit},
        {1, english, false, "English.txt", quit},  // the file changes before this step
        {2, broken, false, "English.txt", quit},
        {3, english, false, "English.txt", quit},
        {4, "a", true, lastA, lastA == "a.txt" ? "from a" : "from A"},
        {0, kBuiltInEntry, true, kBuiltInLanguage, "Действительно хотите закрыть программу?"},
    };
    for (const auto& [index, entry, loaded, name, exitQuestion] : steps) {
        SCOPED_TRACE(std::to_string(index) + " " + entry);
        EXPECT_EQ(HandleLanguageChoice(world.wizard, index, entry), loaded);
        EXPECT_EQ(world.wizard.state.ListIndex, index);
        EXPECT_EQ(world.wizard.state.LanguageName, name);
        EXPECT_EQ(world.wizard.text[Text::ExitQuestion], exitQuestion);
        if (loaded && index == 1)
            world.Write("Language\\English.txt",
                        LanguageFileText(106, {{1, "Changed"}}, "Anglais"));
    }
}

}  // namespace
}  // namespace velmora::test
