#include "platform/dialogs.h"

namespace velmora {

void ShowErrorBox(Dialogs& dialogs, const std::string& title, const std::string& text) {
    MessageBoxRequest box;
    box.text = text;
    box.title = title;
    box.icon = BoxIcon::Error;
    dialogs.ShowMessage(box);
}

}  // namespace velmora
