#include "system/gdi_quota.h"

namespace velmora {
namespace {

constexpr int kSmilesWithinDefault = 230;  // the system's default quota holds this many
constexpr int kFirstSmileForHighQuota = 373;
constexpr int kSmilesWithinHighQuota = 520;  // beyond, even the high quota may not do
constexpr uint32_t kRaisedQuota = 15000;
constexpr uint32_t kHighQuota = 20000;

const char* const kParagraphBreak = "\r\n\r\n";

void Inform(Dialogs& dialogs, const UiStrings& text, const std::string& message) {
    MessageBoxRequest box(Question::GdiQuotaNotice);
    box.text = message;
    box.title = text[Text::WarningTitle];
    box.icon = BoxIcon::Information;
    dialogs.Ask(box);
}

bool AskToRaise(Dialogs& dialogs, const UiStrings& text, const std::string& question) {
    MessageBoxRequest box(Question::RaiseGdiQuota, BoxAnswer::No);
    box.text = question;
    box.title = text[Text::ConfirmTitle];
    box.icon = BoxIcon::Question;
    box.buttons = BoxButtons::YesNo;
    return dialogs.Ask(box) == BoxAnswer::Yes;
}

}  // namespace

bool WriteGdiQuota(Registry& registry, uint32_t value) {
    return registry.WriteDword(kGdiQuotaPath, value);
}

bool CheckGdiQuota(Registry& registry, Dialogs& dialogs, const UiStrings& text, int smiles) {
    if (smiles <= kSmilesWithinDefault) return false;

    uint32_t current = 0;  // an unreadable quota counts as none, so the user is asked
    if (!registry.ReadDword(kGdiQuotaPath, current)) current = 0;
    const bool tooMany = smiles > kSmilesWithinHighQuota;
    const uint32_t target = smiles < kFirstSmileForHighQuota ? kRaisedQuota : kHighQuota;
    const std::string count = text[Text::GdiSmileCount] + std::to_string(smiles) + kParagraphBreak;

    if (current >= target) {
        if (tooMany) Inform(dialogs, text, count + text[Text::GdiOver520]);
        return false;
    }

    std::string question = count + text[Text::GdiRecommendation];
    if (tooMany) question += kParagraphBreak + text[Text::GdiOver520AfterChange];
    question += kParagraphBreak + text[Text::GdiDoItNow];
    if (!AskToRaise(dialogs, text, question)) return false;

    if (!WriteGdiQuota(registry, target)) {
        Inform(dialogs, text,
               text[Text::GdiChangeFailed] + kParagraphBreak + text[Text::GdiTryAsAdministrator]);
        return false;
    }
    Inform(dialogs, text, text[Text::GdiChangeDone]);
    return true;
}

}  // namespace velmora
