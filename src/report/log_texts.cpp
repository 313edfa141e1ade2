#include "report/log_texts.h"

namespace velmora {

void SetLogFallbackTexts(UiStrings& texts) {
    texts[Text::ConfirmTitle] = "Confirm...";
    texts[Text::AskWriteLog] =
        "During install smiles-pack were found errors, create LOG-file with report?";
    texts[Text::AskOverwriteLog] = "LOG-File is already exists, overwrite him?";
    texts[Text::AskMailLog] = "Send LOG-file at e-mail author of smiles-pak?";
}

}  // namespace velmora
