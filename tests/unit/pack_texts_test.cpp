// aboutSP.ini and LiteStr.ini: which section the user reads, and the test-mode check; and
// how every text file becomes lines.

#include <gtest/gtest.h>

#include "base/text_lines.h"
#include "lang/text_table.h"
#include "pack/pack_texts.h"
#include "platform/file_lines.h"
#include "test_world.h"

namespace velmora::test {
namespace {

// A file's lines, written with "|" for each line break.
std::string Crlf(std::string text) {
    for (size_t bar = text.find('|'); bar != std::string::npos; bar = text.find('|', bar))
        text.replace(bar, 1, "\r\n");
    return text;
}

const std::string kBoth =
    "English|Russian|List: END|Language: English|Hello||second paragraph|Language: End|"
    "Language: Russian|Привет|Language: end|";

TEST(PackTexts, TheChosenLanguageThenEnglishThenRussian) {
    const struct {
        std::string file;
        const char *language, *text;
    } cases[] = {
        {kBoth, "Russian", "Привет"},                       // the built-in language
        {kBoth, "Deutsch.txt", "Hello||second paragraph"},  // undeclared: English
        {"Deutsch.txt|" + kBoth + "Language: Deutsch.txt|Hallo", "Deutsch.txt", "Hallo"},
        {"Russian|list: end|Language: Russian|Привет", "English.txt", "Привет"},
        // Nothing for a declared language without a section, a declaration in small letters,
        // a header in small letters, or a list without its end.
        {"English|x.txt|List: end|Language: English|Hello", "x.txt", ""},
        {"english|List: end|Language: English|Hello", "x.txt", ""},
        {"English|List: end|language: English|Hello", "x.txt", ""},
        {"English|Language: English|Hello", "x.txt", ""},
        // Leading empty lines vanish; comments are skipped.
        {"English|List: end|Language: English|||// note|Hi||there", "x.txt", "Hi||there"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadLanguageSection(SplitLines(Crlf(c.file)), c.language), Crlf(c.text))
            << c.file;
}

// Without a text in the user's language the pack asks for no agreement. In test mode the
// file is checked too, and the first inconsistency named, for the pack's author alone.
TEST(PackTexts, WithoutATextNoAgreementAndTestModeNamesTheFirstInconsistency) {
    const struct {
        const char* file;  // empty: none
        bool testMode;
        const char* text;
        Text fault;  // Count: none
    } cases[] = {
        {"", false, "", Text::Count},
        {"English|List: end|Language: English|Hi|Language: end|Language: German|y", false, "Hi",
         Text::Count},
        {"English|Russian|List: end|Language: English|x|Language: end|Language: German|y", true,
         "x", Text::AboutSpDeclaredWithoutData},
        {"English|List: end|Language: English|x|Language: end|Language: German|y|Language: end",
         true, "x", Text::AboutSpDataWithoutDeclaration},
        {"English|Russian|List: end|Language: English|x|Language: Russian|y|Language: end", true,
         "x|Language: Russian|y", Text::AboutSpEndTagMissing},
        {"English|Language: English|x|Language: end", true, "", Text::AboutSpDeclaredWithoutData},
        // The check ignores letter case where the reader does not: this file is sound.
        {"english||LIST: END|language: ENGLISH|x|LANGUAGE: END", true, "", Text::Count},
    };
    for (const auto& c : cases) {
        TestWorld world;
        AssignBuiltInTexts(world.wizard.text, kLastDataLine, "");
        world.wizard.state.TestMode = c.testMode;
        world.wizard.pack.AgreementRequired = true;
        if (*c.file) world.Write("Source SMP\\aboutSP.ini", Crlf(c.file));
        const PackInfo info =
            ReadPackInfo(world.Checks(), world.wizard.text, "x.txt", world.wizard.pack);
        EXPECT_EQ(info.text, Crlf(c.text)) << c.file;
        EXPECT_EQ(info.available, *c.text != 0);
        EXPECT_EQ(world.wizard.pack.AgreementRequired, *c.text != 0);
        ASSERT_EQ(info.findings.size(), c.fault == Text::Count ? 0u : 1u) << c.file;
        for (const Finding& f : info.findings) {
            EXPECT_EQ(f.severity, Severity::Warning);
            EXPECT_EQ(f.title + "|" + f.logText, "Velmora: Error in \"aboutSP.ini\"...|");
            EXPECT_EQ(f.text,
                      "Ошибка в файле \"aboutSP.ini\": \r\n\r\n" + world.wizard.text[c.fault]);
        }
    }
}

// Code page 1251 on disk and UTF-8 inside, unless a byte order mark says UTF-8; a bare CR
// breaks no line; comment marks; letter case.
TEST(TextLines, EveryReaderGetsItsLinesAlike) {
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"\xC2\xFB\xF5\xEE\xE4", {"Выход"}},
        {"\xEF\xBB\xBFРусский\nx", {"Русский", "x"}},
        {"a\r\n b \nc", {"a", " b ", "c"}},
        {"a\r\n\r\n", {"a", ""}},
        {"a\rb\r", {"a\rb\r"}},
        {"", {}}};
    TestWorld world;
    for (const auto& [bytes, lines] : cases) {
        world.WriteBytes("a.txt", bytes);
        EXPECT_EQ(ReadLines(world.realFiles, world.folder + "\\a.txt").lines, lines) << bytes;
    }
    EXPECT_FALSE(ReadLines(world.realFiles, world.Path("none.txt")).status.ok);
    for (const char* comment : {"//", "\\\\ note"})
        EXPECT_TRUE(IsCommentLine(comment)) << comment;
    for (const char* data : {"/", "\\", " // indented", "/\\", ""})
        EXPECT_FALSE(IsCommentLine(data)) << data;
    EXPECT_FALSE(IsDataLine(""));
    EXPECT_TRUE(IsDataLine(" "));
    EXPECT_EQ(LowerAscii("ВЫХОД SmilesPACK"), "ВЫХОД smilespack");
}

}  // namespace
}  // namespace velmora::test
