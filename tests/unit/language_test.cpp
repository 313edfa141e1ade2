// Texts of a language: the built-in Russian table, language files and their line rules, the
// list the Language folder gives and what a pick in it loads.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "base/text_lines.h"
#include "lang/language.h"
#include "lang/language_list.h"
#include "test_world.h"

namespace velmora::test {
namespace {

TEST(LanguageFile, BuiltInTableHas105TextsWithTheVersionInTheAboutBox) {
    TestWorld world;
    const UiStrings& text = world.wizard.text;
    LoadLanguage(world.wizard, "");  // LanguageName is empty: not a language, so built-in
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
    const std::string& instructions = text[Text::SimpleSearchInstructions];
    EXPECT_EQ(instructions.substr(instructions.rfind("кнопку")), "кнопку \"Искать >>\"");
}

// Each row is a line of the file (none: "t<n>"), the text it comes to and its row.
TEST(LanguageFile, TheLoaderAddsTheFixedPunctuation) {
    const struct {
        int line;
        const char* data;
        Text id;
        const char* expected;
    } rows[] = {
        {2, "Confirmation of exit", Text::ExitTitle, "Confirmation of exit..."},
        {5, "For Windows XP and later.", Text::AboutProgramVersion,
         "For Windows XP and later.\r\nVelmora Version: 2.2.0.lang"},
        {6, "Version: ", Text::ExitQuestion, "t1"},
        {10, "Next", Text::NextButtonText, "Next >>"},
        {41, "Name of smiles-pack", Text::InfoNameLabel, " Name of smiles-pack: "},
        {73, "Folder found!", Text::QipFolderFound, "Folder found!\r\nIts path:"},
        {74, "Its path", Text::QipFolderFound, "Folder found!\r\nIts path:"},
        {88, "Error in file", Text::AboutSpErrorHead, "Error in file \"aboutSP.ini\": \r\n\r\n"},
        {90, "In folder:", Text::PackDataFolderHead, "In folder: \""},
        {106, "<< Previous", Text::BackButtonText, "<< Previous"},
        {0, "", Text::ElapsedTimeLabel, "Passed time:"},
        // Rows after 6 sit one data line later than their row in the table would suggest.
        {0, "", Text::AboutProgramCaption, "t7"},
        {0, "", Text::GdiSmileCount, "t75"},
    };
    std::map<int, std::string> lines;
    for (const auto& row : rows)
        lines[row.line] = row.data;
    TestWorld world;
    world.Write("Language\\English.txt", LanguageFileText(106, lines));
    world.wizard.state.LanguageName = "English.txt";
    LoadLanguage(world.wizard, "");
    for (const auto& row : rows)
        EXPECT_EQ(world.wizard.text[row.id], row.expected) << row.line;
}

// Which line of a file lands in a row: the header is never data, comments and empty lines are
// skipped while a line of one blank is data, a short file keeps the texts it does not reach,
// extra lines are ignored, a file that cannot be read gives the built-in texts, and the load
// for the language page fills the first ten built-in or eleven file rows.
TEST(LanguageFile, EachDataLineLandsInItsRow) {
    const std::string commentHeader = LanguageFileText(
        106, {}, "// looks like a comment but is the header\r\n\r\n// note\r\n\\\\ note");
    std::string blank = LanguageFileText(106);
    blank.insert(blank.find("t3\r\n"), " \r\n");
    const std::string builtIn = kBuiltInLanguage, folder = "a folder", none = "no file";
    const std::string full = LanguageFileText(106), shortFile = LanguageFileText(103);
    const bool partial = true;
    const struct {
        std::string file;
        bool partial;
        Text id;
        const char* expected;
    } cases[] = {
        {commentHeader, false, Text::ExitQuestion, "t1"},
        {commentHeader, false, Text::BackButtonText, "t106"},
        {blank, false, Text::AboutProgramDescription, " "},
        {blank, false, Text::AboutProgramTerms, "t3"},
        {shortFile, false, Text::AskWriteLog, "t103"},
        {shortFile, false, Text::AskOverwriteLog, "earlier"},
        {shortFile, false, Text::BackButtonText, "<< Back"},
        {LanguageFileText(110), false, Text::BackButtonText, "t106"},
        {folder, partial, Text::NextButtonText, "Далее >>"},
        {folder, false, Text::BackButtonText, "<< Назад"},
        {none, false, Text::ElapsedTimeLabel, "Прошло времени:"},
        {builtIn, partial, Text::NextButtonText, "Далее >>"},
        {builtIn, partial, Text::ExitButtonText, "earlier"},
        {builtIn, partial, Text::BackButtonText, ""},
        {full, partial, Text::ExitButtonText, "t11"},
        {full, partial, Text::AboutPackCaption, "earlier"},
        {full, partial, Text::BackButtonText, "<< Back"},
        {full, partial, Text::ElapsedTimeLabel, "Passed time:"},
    };
    for (const auto& c : cases) {
        TestWorld world;
        for (const Text id : {Text::AskOverwriteLog, Text::ExitButtonText, Text::AboutPackCaption})
            world.wizard.text[id] = "earlier";
        if (c.file == folder) world.MakeFolder("Language\\A.txt");
        if (c.file != folder && c.file != none) world.Write("Language\\A.txt", c.file);
        const std::string name = c.file == builtIn ? builtIn : "A.txt";
        world.wizard.state.LanguageName = name;
        LoadLanguage(world.wizard, c.partial ? name : "");
        EXPECT_EQ(world.wizard.text[c.id], c.expected) << c.file.substr(0, 20);
    }
}

// The list: nothing without a ".txt" file; the built-in line, then complete files (at least
// 103 data lines after the header); an incomplete file is a finding that names its line for
// test mode's list and its file for the log, and only test mode lists it.
TEST(LanguageList, CompleteFilesAreListedAndIncompleteOnesAreFindings) {
    const std::string mark = kFaultyFileMark;
    std::string blanks = "header\r\n";
    for (int i = 0; i < 103; ++i)
        blanks += " \r\n";  // a line of one blank is data
    const std::vector<std::pair<std::string, std::string>> incomplete = {
        {"Short.txt", LanguageFileText(102, {}, "Short") + "// a comment is no data\r\n\r\n"},
        {"Folder.txt", ""}};
    const std::vector<std::string> found = {"Folder" + mark + "|Folder.txt" + mark,
                                            "Short [Short]" + mark + "|Short.txt" + mark};
    const struct {
        std::vector<std::pair<std::string, std::string>> files;  // no text: a folder
        bool testMode;
        std::vector<std::string> entries, findings;
    } cases[] = {
        {{}, true, {}, {}},
        {{{"notes.text", "x"}}, true, {}, {}},
        {{{"English.txt", LanguageFileText(106, {}, "English")},
          {"Deutsch.TXT", LanguageFileText(103, {}, "")},
          {"Blanks.txt", blanks}},
         false,
         {kBuiltInEntry, "Blanks [header]", "Deutsch", "English [English]"},
         {}},
        {incomplete, false, {kBuiltInEntry}, found},
        {incomplete, true, {kBuiltInEntry, "Folder" + mark, "Short [Short]" + mark}, found},
    };
    for (const auto& c : cases) {
        TestWorld world;
        int languageFiles = 0;
        for (const auto& [name, text] : c.files) {
            if (text.empty()) world.MakeFolder("Language\\" + name);
            if (!text.empty()) world.Write("Language\\" + name, text);
            languageFiles += name != "notes.text";
            EXPECT_EQ(IsLanguageFileComplete(world.realFiles, world.folder + "\\Language\\" + name),
                      c.findings.empty() && name != "notes.text");
        }
        LanguageList list = FillLanguageList(world.realFiles, world.folder, c.testMode);
        EXPECT_EQ(list.files, languageFiles);
        // The files' lines sorted, as folders list them in any order.
        std::sort(list.entries.begin() + !list.entries.empty(), list.entries.end());
        EXPECT_EQ(list.entries, c.entries);
        std::vector<std::string> findings;
        for (const Finding& finding : list.findings) {
            EXPECT_EQ(finding.severity, Severity::Warning);
            EXPECT_EQ(finding.title, "");  // shown in the list, never in a box
            findings.push_back(finding.text + "|" + finding.logText);
        }
        std::sort(findings.begin(), findings.end());
        EXPECT_EQ(findings, c.findings);
    }
}

class LanguageChoice : public ::testing::Test {
  protected:
    LanguageChoice() { world.wizard.state.LanguageName = kBuiltInLanguage; }
    TestWorld world;
};

TEST_F(LanguageChoice, APickLoadsTheFirstTextsOnceAndRemembersTheName) {
    world.Write("Language\\English.txt", LanguageFileText(106, {{1, "Really quit?"}}, "English"));
    WizardState& state = world.wizard.state;

    // Before the focus report the first line counts as picked already; the report carries no
    // selection.
    EXPECT_FALSE(HandleLanguageChoice(world.wizard, 0, kBuiltInEntry));
    EXPECT_FALSE(HandleLanguageChoice(world.wizard, -1, ""));
    EXPECT_EQ(state.ListIndex, -1);

    EXPECT_TRUE(HandleLanguageChoice(world.wizard, 1, "English [English]"));
    EXPECT_EQ(state.LanguageName, "English.txt");
    EXPECT_EQ(world.wizard.text[Text::ExitQuestion], "Really quit?");
    EXPECT_EQ(state.ListIndex, 1);

    // The same line again loads nothing, even though the file has changed meanwhile.
    world.Write("Language\\English.txt", LanguageFileText(106, {{1, "Changed"}}, "English"));
    EXPECT_FALSE(HandleLanguageChoice(world.wizard, 1, "English [English]"));
    EXPECT_EQ(world.wizard.text[Text::ExitQuestion], "Really quit?");

    EXPECT_TRUE(HandleLanguageChoice(world.wizard, 0, kBuiltInEntry));
    EXPECT_EQ(state.LanguageName, "Russian");
    EXPECT_EQ(world.wizard.text[Text::NextButtonText], "Далее >>");
}

// A picked line is looked up by what the files show now: a marked line, or one whose file has
// another header by now, keeps the previous choice; of two files that show the same line, the
// one the folder lists last is loaded.
TEST_F(LanguageChoice, APickIsLookedUpByWhatTheFilesShowNow) {
    world.Write("Language\\English.txt", LanguageFileText(106, {}, "Anglais"));
    world.Write("Language\\Broken.txt", LanguageFileText(5, {}, "Broken"));
    world.Write("Language\\a.txt", LanguageFileText(106, {{1, "from a"}}, ""));
    world.Write("Language\\a.TXT", LanguageFileText(106, {{1, "from A"}}, ""));
    std::string lastA;
    for (const FolderEntry& e : world.realFiles.ListFolder(world.folder + "\\Language"))
        if (LowerAscii(e.name) == "a.txt") lastA = e.name;
    const std::pair<std::string, std::string> cases[] = {
        {std::string("Broken [Broken]") + kFaultyFileMark, "Previous.txt"},
        {"English [English]", "Previous.txt"},
        {"a", lastA},
    };
    for (const auto& [entry, name] : cases) {
        world.wizard.state.LanguageName = "Previous.txt";
        world.wizard.state.ListIndex = 0;
        world.wizard.text[Text::ExitQuestion] = "Quit?";
        EXPECT_EQ(HandleLanguageChoice(world.wizard, 1, entry), name != "Previous.txt");
        EXPECT_EQ(world.wizard.state.LanguageName, name);
        EXPECT_EQ(world.wizard.text[Text::ExitQuestion], name == "Previous.txt" ? "Quit?"
                                                         : lastA == "a.txt"     ? "from a"
                                                                                : "from A");
    }
}

}  // namespace
}  // namespace velmora::test
