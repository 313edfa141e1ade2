// The second page: what the program is, its terms and version, and the maker's links.

#include "ui/pages.h"

namespace velmora {

PageResult AboutProgramPage(WizardWindow& window) {
    const UiStrings& text = window.wizard.text;
    const WizardState& state = window.wizard.state;
    SetText(window.ExitButton, text[Text::ExitButtonText]);
    SetText(window.BackButton, text[Text::BackButtonText]);
    // Without language files the language page never set Next's text.
    SetText(window.NextButton, text[Text::NextButtonText]);
    SetText(window.PageCaption, text[Text::AboutProgramCaption]);

    // The about-pack page may have shown the pack's logo instead.
    SetHeaderPicture(window, LoadHeaderBitmap());
    MakePageFrame(window);

    const DWORD box = ES_MULTILINE | ES_CENTER;
    const std::vector<ControlRow> rows = {
        {L"static", SS_ETCHEDFRAME, 78, 140, 344, 34, 0, Font::None, ""},
        {L"edit", box, 80, 142, 340, 30, 0, Font::Text, text[Text::AboutProgramDescription]},
        {L"static", SS_ETCHEDFRAME, 78, 175, 344, 19, 0, Font::None, ""},
        {L"edit", box, 80, 177, 340, 15, 0, Font::Text, text[Text::AboutProgramTerms]},
        {L"static", SS_ETCHEDFRAME, 78, 195, 344, 34, 0, Font::None, ""},
        {L"edit", box, 80, 197, 340, 30, 0, Font::Text,
         text[Text::AboutProgramVersion] + " (" + state.BuildDate + ")"},
        {L"button", WS_TABSTOP, 100, 237, 300, 20, kProgramPageId, Font::Text,
         text[Text::OpenProgramPage]},
        {L"button", WS_TABSTOP, 100, 266, 300, 20, kProgramMailId, Font::Text,
         text[Text::WriteToProgramAuthor]},
    };
    std::vector<HWND> controls = MakeControls(window, rows);
    const PageResult result = WaitForPage(window, window.NextButton);
    if (window.MainWindow) DestroyControls(controls);
    return result;
}

}  // namespace velmora
