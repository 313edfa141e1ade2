// The Language folder: which files the list offers, and what a pick in the list loads.

#include <gtest/gtest.h>

#include <algorithm>

#include "lang/language.h"
#include "lang/language_list.h"
#include "test_world.h"

namespace velmora::test {
namespace {

// The list's lines with the files' lines sorted, as folders list them in any order.
std::vector<std::string> Fill(TestWorld& world, int* count = nullptr,
                              Findings* findings = nullptr) {
    LanguageList list =
        FillLanguageList(world.realFiles, world.folder, world.wizard.state.TestMode);
    if (count) *count = list.files;
    if (findings) *findings = list.findings;
    std::sort(list.entries.begin() + (list.entries.empty() ? 0 : 1), list.entries.end());
    return list.entries;
}

bool IsComplete(TestWorld& world, const std::string& name) {
    return IsLanguageFileComplete(world.realFiles, world.folder + "\\Language\\" + name);
}

class LanguageChoice : public ::testing::Test {
  protected:
    LanguageChoice() { world.wizard.state.LanguageName = kBuiltInLanguage; }
    TestWorld world;
};

TEST(LanguageFiles, CompleteFilesAreListedAfterTheBuiltInLanguage) {
    TestWorld world;
    int count = -1;
    EXPECT_TRUE(Fill(world, &count).empty());  // no folder, no list
    EXPECT_EQ(count, 0);
    world.Write("Language\\notes.text", "x");
    EXPECT_TRUE(Fill(world).empty());

    world.Write("Language\\English.txt", LanguageFileText(106, {}, "English"));
    world.Write("Language\\Deutsch.TXT", LanguageFileText(103, {}, ""));
    Findings findings;
    EXPECT_EQ(Fill(world, &count, &findings),
              (std::vector<std::string>{"Russian [Русский]", "Deutsch", "English [English]"}));
    EXPECT_EQ(count, 2);
    EXPECT_TRUE(findings.empty());
}

// Each incomplete file is a finding that names its line for test mode's list and its file
// for the log.
TEST(LanguageFiles, IncompleteFilesAreLeftOutOrMarkedInTestMode) {
    const std::string mark = " | Error in file, not for loading!";
    for (const bool testMode : {false, true}) {
        TestWorld world;
        world.wizard.state.TestMode = testMode;
        world.Write("Language\\Short.txt", LanguageFileText(102, {}, "Short"));
        world.MakeFolder("Language\\Folder.txt");
        int count = -1;
        Findings findings;
        const std::vector<std::string> entries = Fill(world, &count, &findings);
        EXPECT_EQ(count, 2);  // the page is still shown
        const std::vector<std::string> listed =
            testMode ? std::vector<std::string>{"Russian [Русский]", "Folder" + mark,
                                                "Short [Short]" + mark}
                     : std::vector<std::string>{"Russian [Русский]"};
        EXPECT_EQ(entries, listed);
        std::vector<std::string> found;
        for (const Finding& finding : findings) {
            EXPECT_EQ(finding.severity, Severity::Warning);
            EXPECT_EQ(finding.title, "");  // shown in the list, never in a box
            found.push_back(finding.text + "|" + finding.logText);
        }
        std::sort(found.begin(), found.end());
        EXPECT_EQ(found, (std::vector<std::string>{"Folder" + mark + "|Folder.txt" + mark,
                                                   "Short [Short]" + mark + "|Short.txt" + mark}));
    }
}

TEST(LanguageFiles, CompletenessCountsDataLinesAfterTheHeaderOnly) {
    TestWorld world;
    world.Write("Language\\A.txt", LanguageFileText(103, {}, ""));
    world.Write("Language\\B.txt",
                LanguageFileText(102, {}, "") + "// a comment is no data\r\n\r\n");
    std::string blanks = "header\r\n";
    for (int i = 0; i < 103; ++i)
        blanks += " \r\n";  // a line of one blank is data
    world.Write("Language\\C.txt", blanks);
    EXPECT_TRUE(IsComplete(world, "A.txt"));
    EXPECT_FALSE(IsComplete(world, "B.txt"));
    EXPECT_TRUE(IsComplete(world, "C.txt"));
    EXPECT_FALSE(IsComplete(world, "None.txt"));
}

TEST_F(LanguageChoice, APickLoadsTheFirstTextsOnceAndRemembersTheName) {
    world.Write("Language\\English.txt", LanguageFileText(106, {{1, "Really quit?"}}, "English"));
    Fill(world);
    WizardState& state = world.wizard.state;

    // Before the focus report the first line counts as picked already; the report carries no
    // selection.
    EXPECT_FALSE(HandleLanguageChoice(world.wizard, 0, "Russian [Русский]"));
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

    EXPECT_TRUE(HandleLanguageChoice(world.wizard, 0, "Russian [Русский]"));
    EXPECT_EQ(state.LanguageName, "Russian");
    EXPECT_EQ(world.wizard.text[Text::NextButtonText], "Далее >>");
}

TEST_F(LanguageChoice, ALineThatMatchesNoFileAnyMoreKeepsThePreviousChoice) {
    world.Write("Language\\English.txt", LanguageFileText(106, {{1, "Quit?"}}, "English"));
    world.wizard.state.TestMode = true;
    world.Write("Language\\Broken.txt", LanguageFileText(5, {}, "Broken"));
    Fill(world);
    HandleLanguageChoice(world.wizard, -1, "");
    ASSERT_TRUE(HandleLanguageChoice(world.wizard, 1, "English [English]"));

    EXPECT_FALSE(
        HandleLanguageChoice(world.wizard, 2, "Broken [Broken] | Error in file, not for loading!"));
    EXPECT_EQ(world.wizard.state.LanguageName, "English.txt");

    world.Write("Language\\English.txt", LanguageFileText(106, {}, "Anglais"));  // header changed
    EXPECT_FALSE(HandleLanguageChoice(world.wizard, 1, "English [English]"));
    EXPECT_EQ(world.wizard.state.LanguageName, "English.txt");
    EXPECT_EQ(world.wizard.text[Text::ExitQuestion], "Quit?");
}

TEST_F(LanguageChoice, WhenTwoFilesShowTheSameTextTheLastVisitedWins) {
    world.Write("Language\\a.txt", LanguageFileText(106, {{1, "from a"}}, ""));
    world.Write("Language\\a.TXT", LanguageFileText(106, {{1, "from A"}}, ""));
    ASSERT_EQ(Fill(world).size(), 3u);
    std::string lastVisited;
    for (const FolderEntry& e : world.realFiles.ListFolder(world.folder + "\\Language"))
        lastVisited = e.name;
    HandleLanguageChoice(world.wizard, -1, "");
    HandleLanguageChoice(world.wizard, 1, "a");
    EXPECT_EQ(world.wizard.state.LanguageName, lastVisited);
}

}  // namespace
}  // namespace velmora::test
