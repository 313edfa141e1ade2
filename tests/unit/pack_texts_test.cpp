// aboutSP.ini and LiteStr.ini: which section the user reads, and the test-mode check.

#include <gtest/gtest.h>

#include "base/text_lines.h"
#include "lang/language.h"
#include "pack/pack_texts.h"
#include "test_world.h"

namespace velmora::test {
namespace {

const char kBoth[] =
    "English\r\nRussian\r\nList: END\r\n"
    "Language: English\r\nHello\r\n\r\nsecond paragraph\r\nLanguage: End\r\n"
    "Language: Russian\r\nПривет\r\nLanguage: end\r\n";

class PackTexts : public ::testing::Test {
  protected:
    PackInfo Read() {
        return ReadPackInfo(world.Checks(), world.wizard.text, world.wizard.state.LanguageName,
                            world.wizard.pack);
    }

    TestWorld world;
};

TEST_F(PackTexts, TheChosenLanguageThenEnglishThenRussian) {
    struct Case {
        const char* what;
        std::string file;
        const char* language;
        const char* text;
    } cases[] = {
        {"built-in language", kBoth, "Russian", "Привет"},
        {"undeclared file falls back to English", kBoth, "Deutsch.txt",
         "Hello\r\n\r\nsecond paragraph"},
        {"declared file", std::string("Deutsch.txt\r\n") + kBoth + "Language: Deutsch.txt\r\nHallo",
         "Deutsch.txt", "Hallo"},
        {"only Russian declared", "Russian\r\nlist: end\r\nLanguage: Russian\r\nПривет\r\n",
         "English.txt", "Привет"},
        {"declared without a section gives nothing",
         "English\r\nx.txt\r\nList: end\r\n"
         "Language: English\r\nHello\r\n",
         "x.txt", ""},
        {"a declaration in small letters is not one",
         "english\r\nList: end\r\n"
         "Language: English\r\nHello\r\n",
         "x.txt", ""},
        {"the header is exact", "English\r\nList: end\r\nlanguage: English\r\nHello\r\n", "x.txt",
         ""},
        {"no end of the list", "English\r\nLanguage: English\r\nHello\r\n", "x.txt", ""},
        {"leading empty lines vanish, comments are skipped",
         "English\r\nList: end\r\nLanguage: English\r\n\r\n\r\n// note\r\nHi\r\n\r\nthere\r\n",
         "x.txt", "Hi\r\n\r\nthere"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadLanguageSection(SplitLines(c.file), c.language), c.text) << c.what;
}

TEST_F(PackTexts, WithoutATextThePackAsksForNoAgreement) {
    world.wizard.pack.AgreementRequired = true;
    world.wizard.state.LanguageName = "x.txt";
    EXPECT_FALSE(Read().available);
    EXPECT_FALSE(world.wizard.pack.AgreementRequired);

    world.wizard.pack.AgreementRequired = true;
    world.Write("Source SMP\\aboutSP.ini", kBoth);
    const PackInfo info = Read();
    EXPECT_TRUE(info.available);
    EXPECT_EQ(info.text, "Hello\r\n\r\nsecond paragraph");
    EXPECT_TRUE(world.wizard.pack.AgreementRequired);
    EXPECT_TRUE(info.findings.empty());  // the check runs in test mode only
}

TEST_F(PackTexts, TestModeNamesTheFirstInconsistencyOnce) {
    const std::pair<std::string, Text> cases[] = {
        {"English\r\nRussian\r\nList: end\r\nLanguage: English\r\nx\r\nLanguage: end\r\n"
         "Language: German\r\ny\r\n",
         Text::AboutSpDeclaredWithoutData},
        {"English\r\nList: end\r\nLanguage: English\r\nx\r\nLanguage: end\r\n"
         "Language: German\r\ny\r\nLanguage: end\r\n",
         Text::AboutSpDataWithoutDeclaration},
        {"English\r\nRussian\r\nList: end\r\nLanguage: English\r\nx\r\n"
         "Language: Russian\r\ny\r\nLanguage: end\r\n",
         Text::AboutSpEndTagMissing},
        {"English\r\nLanguage: English\r\nx\r\nLanguage: end\r\n",  // no end of the list
         Text::AboutSpDeclaredWithoutData},
        // The check ignores letter case where the reader does not: this file is sound.
        {"english\r\n\r\nLIST: END\r\nlanguage: ENGLISH\r\nx\r\nLANGUAGE: END\r\n", Text::Count},
    };
    world.wizard.state.LanguageName = "Russian";
    LoadLanguage(world.wizard, "");
    world.wizard.state.TestMode = true;
    for (const auto& [file, fault] : cases) {
        world.Write("Source SMP\\aboutSP.ini", file);
        const Findings findings = Read().findings;
        if (fault == Text::Count) {
            EXPECT_TRUE(findings.empty()) << file;
            continue;
        }
        ASSERT_EQ(findings.size(), 1u) << file;
        EXPECT_EQ(findings[0].severity, Severity::Warning);
        EXPECT_EQ(findings[0].title, "Velmora: Error in \"aboutSP.ini\"...");
        EXPECT_EQ(findings[0].text,
                  "Ошибка в файле \"aboutSP.ini\": \r\n\r\n" + world.wizard.text[fault]);
        EXPECT_EQ(findings[0].logText, "");  // for the pack's author alone
    }
}

}  // namespace
}  // namespace velmora::test
