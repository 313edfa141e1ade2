// The install-mode page: which variant of a two-variant pack to install, with the pack's note
// on the lite version when it has one.

#include "pack/pack_texts.h"
#include "platform/file_lines.h"
#include "ui/pages.h"

namespace velmora {
namespace {

struct ModeChoices {
    Text first, second;
};

}  // namespace

PageResult InstallModePage(WizardWindow& window) {
    Wizard& wizard = window.wizard;
    const PackDescription& pack = wizard.pack;
    // A pack of one family (SMP.ini admits no other type) has nothing to choose.
    const PackMode mode = ModeOf(pack);
    if (mode == kSingleFamilyMode) return PageResult::Skip;
    const UiStrings& text = wizard.text;
    SetText(window.PageCaption, text[Text::InstallModeCaption]);

    const bool lightDark = mode == kLightDarkMode;
    const ModeChoices choices =
        lightDark ? ModeChoices{Text::ModeLightBackground, Text::ModeDarkBackground}
                  : ModeChoices{Text::ModeFullVersion, Text::ModeLiteVersion};
    const std::string notePath = PackFilePath(wizard.sys.host.ProgramFolder(), "LiteStr.ini");
    const bool withNote = !lightDark && wizard.sys.files.IsFile(notePath);
    const int shift = withNote ? 0 : 50;

    // The radio group is one tab stop; the arrow keys move the choice within it.
    const DWORD radio = BS_AUTORADIOBUTTON;
    std::vector<ControlRow> rows = {
        {L"static", SS_ETCHEDFRAME, 105, 142 + shift, 290, 50, 0, Font::None, ""},
        {L"button", radio | WS_GROUP | WS_TABSTOP, 110, 147 + shift, 280, 20, kFirstMode,
         Font::Text, text[choices.first]},
        {L"button", radio, 110, 167 + shift, 280, 20, kSecondMode, Font::Text,
         text[choices.second]},
    };
    if (withNote) {
        const std::vector<std::string> lines = ReadLines(wizard.sys.files, notePath).lines;
        rows.push_back(
            {L"static", SS_ETCHEDFRAME | WS_GROUP, 103, 200, 294, 89, 0, Font::None, ""});
        rows.push_back({L"edit", ES_MULTILINE | WS_VSCROLL, 105, 202, 290, 85, 0, Font::Text,
                        ReadLanguageSection(lines, wizard.state.LanguageName)});
    }
    std::vector<HWND> controls = MakeControls(window, rows);
    SendMessageW(controls[1], BM_CLICK, 0, 0);  // each visit starts from the first choice
    const PageResult result = WaitForPage(window, controls[1]);
    if (window.MainWindow) DestroyControls(controls);
    return result;
}

}  // namespace velmora
