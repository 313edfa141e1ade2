#pragma once
// Message boxes. Every box is system-modal; its title, text and answer are UTF-8.

#include <string>

namespace velmora {

enum class BoxIcon { Error, Question, Information, Warning };
enum class BoxButtons { Ok, OkCancel, YesNo };
enum class BoxOwner { None, MainWindow };
enum class BoxAnswer { Ok, Cancel, Yes, No };

struct MessageBoxRequest {
    std::string text;
    std::string title;
    BoxIcon icon = BoxIcon::Information;
    BoxButtons buttons = BoxButtons::Ok;
    BoxOwner owner = BoxOwner::None;
};

class Dialogs {
  public:
    virtual ~Dialogs() = default;

    virtual BoxAnswer ShowMessage(const MessageBoxRequest& box) = 0;
};

// The box for every fault the user is told about: the error icon, OK, and no owner.
void ShowErrorBox(Dialogs& dialogs, const std::string& title, const std::string& text);

}  // namespace velmora
