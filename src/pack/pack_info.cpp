#include "pack/pack_info.h"

#include "pack/pack_data.h"
#include "platform/text_lines.h"

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
    Composer(Wizard& wizard, int mode) : wizard_(wizard), mode_(mode) {}

    void AddKind(Text heading, bool present, const std::string& label,
                 const std::string& fullLightCount, const std::string& liteDarkCount) {
        text_ += wizard_.text[heading] + ": ";
        if (!present) {
            text_ += wizard_.text[Text::InfoAbsent] + "\r\n";
            return;
        }
        text_ += wizard_.text[Text::InfoPresent] + "\r\n";
        if (mode_ == 0) {
            AddCount(label, "", fullLightCount);
            return;
        }
        const Variants& variants = kVariants[mode_];
        AddCount(label, wizard_.text[variants.first], fullLightCount);
        AddCount(label, wizard_.text[variants.second], liteDarkCount);
    }

    void Add(const std::string& piece) { text_ += piece; }

    PackInfoText Result() const { return {text_, height_}; }

  private:
    void AddCount(const std::string& label, const std::string& variant, const std::string& count) {
        text_ += label + (variant.empty() ? "" : " (" + variant + ")") + ": " + count + "\r\n";
        height_ += kLineHeight;
    }

    Wizard& wizard_;
    int mode_;
    std::string text_;
    int height_ = kBaseHeight;
};

std::string PagersText(Wizard& wizard) {
    const std::string pagers = LowerAscii(wizard.pack.Pagers);
    if (pagers == "all") return wizard.text[Text::InfoAllPagers];
    if (pagers == "qip") return "QIP 2005 & Infium";
    if (pagers == "qip2005") return "QIP 2005";
    if (pagers == "qipinf") return "QIP Infium";
    return {};
}

}  // namespace

int PackMode(const PackDescription& pack) {
    const std::string type = LowerAscii(pack.PackType);
    if (type == "fulllite") return 1;
    if (type == "lightdark") return 2;
    return 0;
}

PackInfoText BuildPackInfo(Wizard& wizard) {
    const int mode = PackMode(wizard.pack);
    const PackDataCheck check = ValidatePackData(wizard, mode);
    if (check.code > 0) {
        ReportPackDataError(wizard, check);
        wizard.state.StopRequested = true;
        return {};
    }

    PackDescription& pack = wizard.pack;
    const UiStrings& text = wizard.text;
    Composer info(wizard, mode);
    info.Add(text[Text::InfoNameLabel] + pack.NameAndVersion + "\r\n");
    info.AddKind(Text::InfoAnimatedLabel, pack.SmileKinds >= 0, text[Text::InfoAnimatedCountLabel],
                 pack.AnimatedFullLightCount, pack.AnimatedLiteDarkCount);
    info.AddKind(Text::InfoStaticLabel, pack.SmileKinds <= 0,
                 WithoutColon(text[Text::InfoStaticCountLabel]), pack.StaticFullLightCount,
                 pack.StaticLiteDarkCount);
    info.Add(text[Text::InfoModesLabel] + ": " + text[kVariants[mode].modes] + "\r\n");
    info.Add(text[Text::InfoPagersLabel] + ": " + PagersText(wizard));

    if (mode == 0) {
        pack.AnimatedLiteDarkCount = "0";
        pack.StaticLiteDarkCount = "0";
    }
    return info.Result();
}

}  // namespace velmora
