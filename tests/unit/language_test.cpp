// Loading texts: the built-in Russian table and language files with their suffix rules.

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "lang/language.h"
#include "test_world.h"

namespace velmora::test {
namespace {

class Language : public ::testing::Test {
  protected:
    void LoadFull(const std::string& fileName) {
        world.wizard.state.LanguageName = fileName;
        LoadLanguage(world.wizard, "");
    }
    const std::string& operator[](Text id) { return world.wizard.text[id]; }

    TestWorld world;
};

TEST_F(Language, BuiltInTableHas105TextsWithTheVersionInTheAboutBox) {
    LoadLanguage(world.wizard, "");  // LanguageName is empty: not a language, so built-in
    world.wizard.state.LanguageName = kBuiltInLanguage;
    LoadLanguage(world.wizard, "");
    std::set<std::string> distinct;
    for (size_t i = 0; i < kTextCount; ++i) {
        const std::string& text = world.wizard.text[static_cast<Text>(i)];
        EXPECT_FALSE(text.empty()) << "text " << i;
        distinct.insert(text);
    }
    EXPECT_EQ(distinct.size(), kTextCount - 2);  // two wordings serve two rows each
    EXPECT_EQ((*this)[Text::AboutProgramVersion],
              "Предназначена для Windows XP и выше.\r\nVelmora Версия: 2.2.0.lang");
    EXPECT_EQ((*this)[Text::ElapsedTimeLabel], "Прошло времени:");
    const std::string& instructions = (*this)[Text::SimpleSearchInstructions];
    const std::string ending = "кнопку \"Искать >>\"";
    EXPECT_EQ(instructions.substr(instructions.size() - ending.size()), ending);
}

TEST_F(Language, TheLoaderAddsTheFixedPunctuation) {
    world.Write("Language\\English.txt", LanguageFileText(106, {{2, "Confirmation of exit"},
                                                                {5, "For Windows XP and later."},
                                                                {6, "Version: "},
                                                                {10, "Next"},
                                                                {41, "Name of smiles-pack"},
                                                                {73, "Folder found!"},
                                                                {74, "Its path"},
                                                                {88, "Error in file"},
                                                                {90, "In folder:"},
                                                                {106, "<< Previous"}}));
    LoadFull("English.txt");
    EXPECT_EQ((*this)[Text::ExitTitle], "Confirmation of exit...");
    EXPECT_EQ((*this)[Text::AboutProgramVersion],
              "For Windows XP and later.\r\nVelmora Version: 2.2.0.lang");
    EXPECT_EQ((*this)[Text::NextButtonText], "Next >>");
    EXPECT_EQ((*this)[Text::InfoNameLabel], " Name of smiles-pack: ");
    EXPECT_EQ((*this)[Text::QipFolderFound], "Folder found!\r\nIts path:");
    EXPECT_EQ((*this)[Text::AboutSpErrorHead], "Error in file \"aboutSP.ini\": \r\n\r\n");
    EXPECT_EQ((*this)[Text::PackDataFolderHead], "In folder: \"");
    EXPECT_EQ((*this)[Text::BackButtonText], "<< Previous");
    EXPECT_EQ((*this)[Text::ElapsedTimeLabel], "Passed time:");
    // Rows after 6 sit one data line later than their row in the table would suggest.
    EXPECT_EQ((*this)[Text::AboutProgramCaption], "t7");
    EXPECT_EQ((*this)[Text::GdiSmileCount], "t75");
}

TEST_F(Language, HeaderIsNeverDataAndSkippedLinesChangeNothing) {
    std::string text = "// looks like a comment but is the header\r\n\r\n// note\r\n\\\\ note\r\n";
    text += LanguageFileText(106).substr(std::string("English\r\n").size());
    world.Write("Language\\A.txt", text);
    LoadFull("A.txt");
    EXPECT_EQ((*this)[Text::ExitQuestion], "t1");
    EXPECT_EQ((*this)[Text::BackButtonText], "t106");

    // A line of one blank is not empty: it is data and shifts every later text by a row.
    std::string shifted = LanguageFileText(106);
    shifted.insert(shifted.find("t3\r\n"), " \r\n");
    world.Write("Language\\B.txt", shifted);
    LoadFull("B.txt");
    EXPECT_EQ((*this)[Text::AboutProgramDescription], " ");
    EXPECT_EQ((*this)[Text::AboutProgramTerms], "t3");
}

TEST_F(Language, PartialLoadsFillTheFirstTenBuiltInOrElevenFileRows) {
    world.wizard.text[Text::ExitButtonText] = "Exit";
    LoadLanguage(world.wizard, kBuiltInLanguage);
    EXPECT_EQ((*this)[Text::NextButtonText], "Далее >>");
    EXPECT_EQ((*this)[Text::ExitButtonText], "Exit");
    EXPECT_EQ((*this)[Text::BackButtonText], "");

    world.wizard.text[Text::AboutPackCaption] = "untouched";
    world.Write("Language\\English.txt", LanguageFileText(106, {{11, "Exit"}}));
    LoadLanguage(world.wizard, "English.txt");
    EXPECT_EQ((*this)[Text::ExitQuestion], "t1");
    EXPECT_EQ((*this)[Text::ExitButtonText], "Exit");
    EXPECT_EQ((*this)[Text::AboutPackCaption], "untouched");
    EXPECT_EQ((*this)[Text::BackButtonText], "<< Back");
    EXPECT_EQ((*this)[Text::ElapsedTimeLabel], "Passed time:");
}

TEST_F(Language, AShortFileKeepsEarlierTextsAndExtraLinesAreIgnored) {
    world.wizard.text[Text::AskOverwriteLog] = "earlier";
    world.Write("Language\\Short.txt", LanguageFileText(103));
    LoadFull("Short.txt");
    EXPECT_EQ((*this)[Text::AskWriteLog], "t103");
    EXPECT_EQ((*this)[Text::AskOverwriteLog], "earlier");
    EXPECT_EQ((*this)[Text::BackButtonText], "<< Back");

    world.Write("Language\\Long.txt", LanguageFileText(110));
    LoadFull("Long.txt");
    EXPECT_EQ((*this)[Text::BackButtonText], "t106");
    EXPECT_EQ((*this)[Text::ExitQuestion], "t1");
}

TEST_F(Language, AFileThatCannotBeReadGivesTheBuiltInTexts) {
    world.MakeFolder("Language\\Gone.txt");  // a folder where the file was
    LoadLanguage(world.wizard, "Gone.txt");
    EXPECT_EQ((*this)[Text::NextButtonText], "Далее >>");
    LoadFull("Deleted.txt");
    EXPECT_EQ((*this)[Text::BackButtonText], "<< Назад");
    EXPECT_EQ((*this)[Text::ElapsedTimeLabel], "Прошло времени:");
}

}  // namespace
}  // namespace velmora::test
