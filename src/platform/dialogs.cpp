#include "platform/dialogs.h"

namespace velmora {

void ShowErrorBox(Dialogs& dialogs, Question question, const std::string& title,
                  const std::string& text) {
    MessageBoxRequest box(question);
    box.text = text;
    box.title = title;
    box.icon = BoxIcon::Error;
    dialogs.Ask(box);
}

}  // namespace velmora
