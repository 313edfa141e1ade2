// The GDI handle quota: when the check asks, what it writes and what it tells the user, and
// how a registry value is named.

#include <gtest/gtest.h>

#include <map>
#include <optional>

#include "platform/mini_reg.h"
#include "system/gdi_quota.h"
#include "test_world.h"

namespace velmora::test {
namespace {

using Value = PosixRegistry::Value;

// Quotas as REG_DWORD bytes, little-endian as Windows stores them.
const Value k5000{PosixRegistry::kDword, std::string("\x88\x13\0\0", 4)};
const Value k15000{PosixRegistry::kDword, std::string("\x98\x3A\0\0", 4)};
const Value k20000{PosixRegistry::kDword, std::string("\x20\x4E\0\0", 4)};

UiStrings ShortTexts() {
    UiStrings text;
    text[Text::ConfirmTitle] = "Confirm";
    text[Text::WarningTitle] = "Warning";
    text[Text::GdiSmileCount] = "Smiles: ";
    text[Text::GdiRecommendation] = "Raise it.";
    text[Text::GdiOver520AfterChange] = "Even then unstable.";
    text[Text::GdiDoItNow] = "Now?";
    text[Text::GdiOver520] = "Unstable.";
    text[Text::GdiChangeDone] = "Done.";
    text[Text::GdiChangeFailed] = "Failed.";
    text[Text::GdiTryAsAdministrator] = "Try as administrator.";
    return text;
}

// One line a box: "?" for a question (Yes and No, titled Confirm), "i" for a notice (OK, titled
// Warning), then its text. Any other kind of box, or one with an owner, reads "bad".
std::string Transcript(const std::vector<MessageBoxRequest>& boxes) {
    std::string lines;
    for (const MessageBoxRequest& box : boxes) {
        const bool question = box.icon == BoxIcon::Question && box.buttons == BoxButtons::YesNo &&
                              box.title == "Confirm";
        const bool notice = box.icon == BoxIcon::Information && box.buttons == BoxButtons::Ok &&
                            box.title == "Warning";
        const bool owned = box.owner != BoxOwner::None;
        lines += (owned ? "bad " : question ? "? " : notice ? "i " : "bad ") + box.text + "\n";
    }
    return lines;
}

struct QuotaCase {
    int smiles;
    std::optional<Value> stored;
    BoxAnswer answer;
    bool writable;
    std::optional<Value> written;  // and then the check returns true
    std::string boxes;
};

TEST(GdiQuota, TheSmileCountAndTheStoredQuotaDecideWhatIsAskedWrittenAndShown) {
    const Value text{PosixRegistry::kString, "20000"};
    const Value threeBytes{PosixRegistry::kDword, std::string("\x98\x3A\0", 3)};
    const Value eightBytes{PosixRegistry::kDword, std::string("\x20\x4E\0\0\0\0\0\0", 8)};
    const BoxAnswer yes = BoxAnswer::Yes, no = BoxAnswer::No;
    const std::string ask = "\r\n\r\nRaise it.\r\n\r\nNow?\n", done = "i Done.\n";
    const std::string askOver520 = "\r\n\r\nRaise it.\r\n\r\nEven then unstable.\r\n\r\nNow?\n";
    const std::string failed = "i Failed.\r\n\r\nTry as administrator.\n";
    const QuotaCase cases[] = {
        {230, k5000, yes, true, {}, ""},
        {231, k5000, yes, true, k15000, "? Smiles: 231" + ask + done},
        {372, {}, yes, true, k15000, "? Smiles: 372" + ask + done},
        {373, k15000, yes, true, k20000, "? Smiles: 373" + ask + done},
        {300, k15000, yes, true, {}, ""},
        {520, k20000, yes, true, {}, ""},
        {521, k20000, yes, true, {}, "i Smiles: 521\r\n\r\nUnstable.\n"},
        {600, k15000, no, true, {}, "? Smiles: 600" + askOver520},
        // A value of another type or size counts as no quota at all.
        {400, text, yes, true, k20000, "? Smiles: 400" + ask + done},
        {300, threeBytes, yes, true, k15000, "? Smiles: 300" + ask + done},
        {300, eightBytes, no, true, {}, "? Smiles: 300" + ask},
        {400, k5000, yes, false, {}, "? Smiles: 400" + ask + failed},
    };
    const UiStrings strings = ShortTexts();
    int row = 0;
    for (const QuotaCase& c : cases) {
        SCOPED_TRACE("row " + std::to_string(++row));
        PosixRegistry registry;
        registry.writable = c.writable;
        if (c.stored) registry.values[kGdiQuotaPath] = *c.stored;
        ScriptedDialogs dialogs;
        dialogs.answers = {c.answer};
        EXPECT_EQ(CheckGdiQuota(registry, dialogs, strings, c.smiles), c.written.has_value());
        EXPECT_EQ(Transcript(dialogs.shown), c.boxes);
        std::map<std::string, Value> expected;
        if (c.written || c.stored) expected[kGdiQuotaPath] = c.written ? *c.written : *c.stored;
        EXPECT_EQ(registry.values, expected);
    }
}

TEST(GdiQuota, APathIsSplitAtItsLastBackslashAndOneWithoutNamesNoValue) {
    std::string key = "kept", name = "kept";
    EXPECT_FALSE(SplitValuePath("GDIProcessHandleQuota", key, name));
    EXPECT_EQ(key + name, "keptkept");
    EXPECT_TRUE(SplitValuePath("SOFTWARE\\Windows\\GDIProcessHandleQuota", key, name));
    EXPECT_EQ(key, "SOFTWARE\\Windows");
    EXPECT_EQ(name, "GDIProcessHandleQuota");
}

}  // namespace
}  // namespace velmora::test
