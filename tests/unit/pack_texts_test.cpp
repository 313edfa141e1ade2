// aboutSP.ini: the section the user reads and the test-mode check; how text files become lines.

#include <gtest/gtest.h>

#include <tuple>

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

const char* const kBoth =
    "English|Russian|List: END|Language: English|Hello||second paragraph|Language: End|"
    "Language: Russian|Привет|Language: end|";

// The chosen language's section, else English's, else Russian's; none: no agreement asked.
// Test mode also names the file's first inconsistency.
TEST(PackTexts, TheChosenLanguageElseEnglishElseRussianAndTestModeNamesTheFirstFault) {
    const std::tuple<const char*, const char*, bool, const char*, Text> cases[] = {
        {"", "x.txt", false, "", Text::Count},  // no file; Count: no fault
        {kBoth, "Russian", false, "Привет", Text::Count},
        {kBoth, "Deutsch.txt", false, "Hello||second paragraph", Text::Count},
        {"Russian|list: end|Language: Russian|Привет", "English.txt", false, "Привет", Text::Count},
        // Nothing without a declared section, for names in small letters, or without the list's
        // end.
        {"German|List: end|Language: Russian|Привет|Language: end", "x.txt", false, "",
         Text::Count},
        {"English|x.txt|List: end|Language: English|Hello", "x.txt", false, "", Text::Count},
        {"english|List: end|Language: English|Hello", "x.txt", false, "", Text::Count},
        {"English|List: end|language: English|Hello", "x.txt", false, "", Text::Count},
        {"English|List: end|Language: English|||// note|Hi||there", "x.txt", false, "Hi||there",
         Text::Count},
        {"English|List: end|Language: English|Hi|Language: end|Language: German|y", "x.txt", false,
         "Hi", Text::Count},
        {"English|Russian|List: end|Language: English|x|Language: end|Language: German|y", "x.txt",
         true, "x", Text::AboutSpDeclaredWithoutData},
        {"English|List: end|Language: English|x|Language: end|Language: German|y|Language: end",
         "x.txt", true, "x", Text::AboutSpDataWithoutDeclaration},
        {"English|Russian|List: end|Language: English|x|Language: Russian|y|Language: end", "x.txt",
         true, "x|Language: Russian|y", Text::AboutSpEndTagMissing},
        {"English|Language: English|x|Language: end", "x.txt", true, "",
         Text::AboutSpDeclaredWithoutData},
        // The check ignores letter case where the reader does not.
        {"english||LIST: END|language: ENGLISH|x|LANGUAGE: END", "x.txt", true, "", Text::Count},
    };
    for (const auto& [file, language, testMode, text, fault] : cases) {
        TestWorld world;
        AssignBuiltInTexts(world.wizard.text, kLastDataLine, "");
        world.wizard.state.TestMode = testMode;
        world.wizard.pack.AgreementRequired = true;
        if (*file) world.Write("Source SMP\\aboutSP.ini", Crlf(file));
        const PackInfo info =
            ReadPackInfo(world.Checks(), world.wizard.text, language, world.wizard.pack);
        EXPECT_EQ(info.text, Crlf(text)) << file;
        EXPECT_EQ(info.available, *text != 0);
        EXPECT_EQ(world.wizard.pack.AgreementRequired, *text != 0);
        ASSERT_EQ(info.findings.size(), fault == Text::Count ? 0u : 1u) << file;
        for (const Finding& f : info.findings) {
            EXPECT_EQ(f.severity, Severity::Warning);
            EXPECT_EQ(
                f.title + "|" + f.logText + f.text,
                "Velmora: Error in \"aboutSP.ini\"...|Ошибка в файле \"aboutSP.ini\": \r\n\r\n" +
                    world.wizard.text[fault]);
        }
    }
}

// Code page 1251 on disk unless a byte order mark says UTF-8; CR LF or LF ends a line, a bare
// CR does not; comment marks; letter case.
TEST(TextLines, EveryReaderGetsItsLinesAlike) {
    TestWorld world;
    for (const auto& [bytes, lines] :
         {std::pair<std::string, std::vector<std::string>>{
              "\xC2\xFB\xF5\xEE\xE4\r\n b \na\rb\r\n\r\nc\r", {"Выход", " b ", "a\rb", "", "c\r"}},
          {"\xEF\xBB\xBFРусский\n", {"Русский"}},
          {"", {}}}) {
        world.WriteBytes("a.txt", bytes);
        EXPECT_EQ(ReadLines(world.realFiles, world.Path("a.txt")).lines, lines) << bytes;
    }
    std::string comments;
    for (const char* line : {"//", "\\\\ n", "/", " // x", "/\\", "\\/", ""})
        comments += IsCommentLine(line) ? "1" : "0";
    EXPECT_EQ(comments, "1100000");
    EXPECT_EQ(LowerAscii("ВЫХОД SmilesPACK"), "ВЫХОД smilespack");
}

}  // namespace
}  // namespace velmora::test
