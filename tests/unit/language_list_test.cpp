// The Language folder: which files the list offers, and what a pick in the list loads.

#include <gtest/gtest.h>

#include <algorithm>

#include "lang/language_list.h"
#include "test_world.h"

namespace velmora::test {
namespace {

std::string LanguageFile(const std::string& header, int dataLines, const std::string& first = "q") {
    std::string text = header + "\r\n// translated by hand\r\n\r\n";
    for (int n = 1; n <= dataLines; ++n)
        text += (n == 1 ? first : "t" + std::to_string(n)) + "\r\n";
    return text;
}

class LanguageList : public ::testing::Test {
  protected:
    std::vector<std::string> Fill() {
        std::vector<std::string> entries;
        count = FillLanguageList(world.wizard, entries);
        std::sort(entries.begin() + (entries.empty() ? 0 : 1), entries.end());
        return entries;
    }

    TestWorld world;
    int count = -1;
};

TEST_F(LanguageList, CompleteFilesAreListedAfterTheBuiltInLanguage) {
    world.Write("Language\\English.txt", LanguageFile("English", 106));
    world.Write("Language\\Deutsch.TXT", LanguageFile("", 103));
    world.Write("Language\\readme.doc", LanguageFile("Not a language", 106));
    EXPECT_EQ(Fill(),
              (std::vector<std::string>{"Russian [Русский]", "Deutsch", "English [English]"}));
    EXPECT_EQ(count, 2);
    EXPECT_EQ(world.wizard.state.LanguageName, "Russian");
    EXPECT_FALSE(world.wizard.state.ErrorsFound);
}

TEST_F(LanguageList, IncompleteFilesAreLoggedOrMarkedInTestMode) {
    world.Write("Language\\Short.txt", LanguageFile("Short", 102));
    world.MakeFolder("Language\\Folder.txt");
    EXPECT_EQ(Fill(), (std::vector<std::string>{"Russian [Русский]"}));
    EXPECT_EQ(count, 2);  // the page is still shown
    const std::string log = world.wizard.state.ErrorLog;
    EXPECT_NE(log.find("\r\nShort.txt | Error in file, not for loading!"), std::string::npos);
    EXPECT_NE(log.find("\r\nFolder.txt | Error in file, not for loading!"), std::string::npos);
    EXPECT_EQ(log.size(), std::string("\r\nShort.txt | Error in file, not for loading!"
                                      "\r\nFolder.txt | Error in file, not for loading!")
                              .size());

    TestWorld testing;
    testing.wizard.state.TestMode = true;
    testing.Write("Language\\Short.txt", LanguageFile("Short", 102));
    testing.MakeFolder("Language\\Folder.txt");
    std::vector<std::string> entries;
    EXPECT_EQ(FillLanguageList(testing.wizard, entries), 2);
    std::sort(entries.begin() + 1, entries.end());
    EXPECT_EQ(entries, (std::vector<std::string>{
                           "Russian [Русский]", "Folder | Error in file, not for loading!",
                           "Short [Short] | Error in file, not for loading!"}));
    EXPECT_FALSE(testing.wizard.state.ErrorsFound);
}

TEST_F(LanguageList, NoFolderOrNoCandidateMeansNoList) {
    EXPECT_TRUE(Fill().empty());
    EXPECT_EQ(count, 0);
    world.Write("Language\\notes.text", "x");
    EXPECT_TRUE(Fill().empty());
    EXPECT_EQ(world.wizard.state.LanguageName, "Russian");
}

TEST_F(LanguageList, CompletenessCountsDataLinesAfterTheHeaderOnly) {
    world.Write("Language\\A.txt", LanguageFile("", 103));
    world.Write("Language\\B.txt", LanguageFile("", 102) + "// a comment is no data\r\n\r\n");
    std::string blanks = "header\r\n";
    for (int i = 0; i < 103; ++i)
        blanks += " \r\n";  // a line of one blank is data
    world.Write("Language\\C.txt", blanks);
    EXPECT_TRUE(IsLanguageFileComplete(world.wizard, world.folder + "\\Language\\A.txt"));
    EXPECT_FALSE(IsLanguageFileComplete(world.wizard, world.folder + "\\Language\\B.txt"));
    EXPECT_TRUE(IsLanguageFileComplete(world.wizard, world.folder + "\\Language\\C.txt"));
    EXPECT_FALSE(IsLanguageFileComplete(world.wizard, world.folder + "\\Language\\None.txt"));
}

TEST_F(LanguageList, APickLoadsTheFirstTextsOnceAndRemembersTheName) {
    world.Write("Language\\English.txt", LanguageFile("English", 106, "Really quit?"));
    Fill();
    WizardState& state = world.wizard.state;

    // The focus report comes first and carries no selection.
    EXPECT_FALSE(HandleLanguageChoice(world.wizard, -1, ""));
    EXPECT_EQ(state.ListIndex, -1);

    EXPECT_TRUE(HandleLanguageChoice(world.wizard, 1, "English [English]"));
    EXPECT_EQ(state.LanguageName, "English.txt");
    EXPECT_EQ(world.wizard.text[Text::ExitQuestion], "Really quit?");
    EXPECT_EQ(state.ListIndex, 1);

    // The same line again loads nothing, even though the file has changed meanwhile.
    world.Write("Language\\English.txt", LanguageFile("English", 106, "Changed"));
    EXPECT_FALSE(HandleLanguageChoice(world.wizard, 1, "English [English]"));
    EXPECT_EQ(world.wizard.text[Text::ExitQuestion], "Really quit?");

    EXPECT_TRUE(HandleLanguageChoice(world.wizard, 0, "Russian [Русский]"));
    EXPECT_EQ(state.LanguageName, "Russian");
    EXPECT_EQ(world.wizard.text[Text::NextButtonText], "Далее >>");
}

TEST_F(LanguageList, TheFirstLineCanBeTheFirstPickAfterTheFocusReport) {
    Fill();
    EXPECT_FALSE(HandleLanguageChoice(world.wizard, 0, "Russian [Русский]"));  // no focus yet
    HandleLanguageChoice(world.wizard, -1, "");
    EXPECT_TRUE(HandleLanguageChoice(world.wizard, 0, "Russian [Русский]"));
    EXPECT_EQ(world.wizard.text[Text::ExitTitle], "Подтверждение выхода...");
}

TEST_F(LanguageList, ALineThatMatchesNoFileAnyMoreKeepsThePreviousChoice) {
    world.Write("Language\\English.txt", LanguageFile("English", 106, "Quit?"));
    world.wizard.state.TestMode = true;
    world.Write("Language\\Broken.txt", LanguageFile("Broken", 5));
    Fill();
    HandleLanguageChoice(world.wizard, -1, "");
    ASSERT_TRUE(HandleLanguageChoice(world.wizard, 1, "English [English]"));

    EXPECT_FALSE(
        HandleLanguageChoice(world.wizard, 2, "Broken [Broken] | Error in file, not for loading!"));
    EXPECT_EQ(world.wizard.state.LanguageName, "English.txt");

    world.Write("Language\\English.txt", LanguageFile("Anglais", 106));  // header changed
    EXPECT_FALSE(HandleLanguageChoice(world.wizard, 1, "English [English]"));
    EXPECT_EQ(world.wizard.state.LanguageName, "English.txt");
    EXPECT_EQ(world.wizard.text[Text::ExitQuestion], "Quit?");
}

TEST_F(LanguageList, WhenTwoFilesShowTheSameTextTheLastVisitedWins) {
    world.Write("Language\\a.txt", LanguageFile("", 106, "from a"));
    world.Write("Language\\a.TXT", LanguageFile("", 106, "from A"));
    std::vector<std::string> entries;
    FillLanguageList(world.wizard, entries);
    ASSERT_EQ(entries.size(), 3u);
    std::string lastVisited;
    for (const FolderEntry& e : world.realFiles.ListFolder(world.folder + "\\Language"))
        lastVisited = e.name;
    HandleLanguageChoice(world.wizard, -1, "");
    HandleLanguageChoice(world.wizard, 1, "a");
    EXPECT_EQ(world.wizard.state.LanguageName, lastVisited);
}

}  // namespace
}  // namespace velmora::test
