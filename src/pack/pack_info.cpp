#include "pack/pack_info.h"

#include "base/text_lines.h"
#include "pack/pack_data.h"

namespace velmora {
namespace {

constexpr int kBaseHeight = 70;
constexpr int kLineHeight = 14;

struct Variants {
    Text first, second, modes;
};

const Variants kVariants[] = {
    {Text::Count, Text::Count, Text::InfoModeSingle},
    {Text::InfoFullVersion, Text::InfoLiteVersion, Text::InfoModeFullLite},
    {Text::InfoLightBackground, Text::InfoDarkBackground, Text::InfoModeLightDark},
};

// The static count label comes with its ": " already; without it, it reads like the animated
// label, so both kinds of count line can be built the same way.
std::string WithoutColon(const std::string& label) {
    const std::string colon = ": ";
    if (label.size() >= colon.size() && label.compare(label.size() - 2, 2, colon) == 0)
        return label.substr(0, label.size() - 2);
    return label;
}

class Composer {
  public:
    Composer(const UiStrings& text, PackMode mode) : texts_(text), mode_(mode) {}

    void AddKind(Text heading, bool present, const std::string& label,
                 const std::string& fullLightCount, const std::string& liteDarkCount) {
        summary_ += texts_[heading] + ": ";
        if (!present) {
            summary_ += texts_[Text::InfoAbsent] + "\r\n";
            return;
        }
        summary_ += texts_[Text::InfoPresent] + "\r\n";
        if (mode_ == kSingleFamilyMode) {
            AddCount(label, "", fullLightCount);
            return;
        }
        const Variants& variants = kVariants[mode_];
        AddCount(label, texts_[variants.first], fullLightCount);
        AddCount(label, texts_[variants.second], liteDarkCount);
    }

    void Add(const std::string& piece) { summary_ += piece; }

    PackInfoText Result() const { return {summary_, height_}; }

  private:
    void AddCount(const std::string& label, const std::string& variant, const std::string& count) {
        summary_ += label + (variant.empty() ? "" : " (" + variant + ")") + ": " + count + "\r\n";
        height_ += kLineHeight;
    }

    const UiStrings& texts_;
    PackMode mode_;
    std::string summary_;
    int height_ = kBaseHeight;
};

std::string PagersText(const UiStrings& text, const PackDescription& pack) {
    const std::string pagers = LowerAscii(pack.Pagers);
    if (pagers == "all") return text[Text::InfoAllPagers];
    if (pagers == "qip") return "QIP 2005 & Infium";
    if (pagers == "qip2005") return "QIP 2005";
    if (pagers == "qipinf") return "QIP Infium";
    return {};
}

}  // namespace

Findings CheckPackData(const PackChecks& checks, const UiStrings& text, PackDescription& pack) {
    const PackMode mode = ModeOf(pack);
    const PackDataCheck check = ValidatePackData(checks, text, mode, pack);
    if (check.code == kPackDataSound && mode == kSingleFamilyMode) {
        pack.AnimatedLiteDarkCount = "0";
        pack.StaticLiteDarkCount = "0";
    }
    return check.findings;
}

PackInfoText ComposePackInfo(const UiStrings& text, const PackDescription& pack) {
    const PackMode mode = ModeOf(pack);
    Composer info(text, mode);
    info.Add(text[Text::InfoNameLabel] + pack.NameAndVersion + "\r\n");
    info.AddKind(Text::InfoAnimatedLabel, HasAnimatedSmiles(pack),
                 text[Text::InfoAnimatedCountLabel], pack.AnimatedFullLightCount,
                 pack.AnimatedLiteDarkCount);
    info.AddKind(Text::InfoStaticLabel, HasStaticSmiles(pack),
                 WithoutColon(text[Text::InfoStaticCountLabel]), pack.StaticFullLightCount,
                 pack.StaticLiteDarkCount);
    info.Add(text[Text::InfoModesLabel] + ": " + text[kVariants[mode].modes] + "\r\n");
    info.Add(text[Text::InfoPagersLabel] + ": " + PagersText(text, pack));
    return info.Result();
}

}  // namespace velmora
