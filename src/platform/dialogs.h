#pragma once
// Message boxes. Every box is system-modal; its title, text and answer are UTF-8.

#include <string>

namespace velmora {

enum class BoxIcon { Error, Question, Information, Warning };
enum class BoxButtons { Ok, OkCancel, YesNo };
enum class BoxOwner { None, MainWindow };
enum class BoxAnswer { Ok, Cancel, Yes, No };

// Every question and notice the program puts to its user, by name.
enum class Question {
    ExitConfirmation,
    UnsupportedWindows,
    UnexpectedError,
    PackFault,
    FoundFolder,
    NoQipInFolder,
    NoRunningQip,
    RecoveryNotice,
    ChooseSkinsAgain,
    SkinReport,
    SimilarPackFound,
    OverwriteSamePack,
    RefusedName,
    InfiumReport,
    RemoveOldVersion,
    GdiQuotaNotice,
    RaiseGdiQuota,
    AnotherInstall,
    RestartQip,
    Reboot,
    WriteLog,
    OverwriteLog,
    LogNotWritten,
    MailLog,
};

// A box: which question it asks, and the answer a run without a user takes.
struct MessageBoxRequest {
    explicit MessageBoxRequest(Question asked, BoxAnswer unattendedAnswer = BoxAnswer::Ok)
        : question(asked), unattended(unattendedAnswer) {}

    Question question;
    BoxAnswer unattended;
    std::string text;
    std::string title;
    BoxIcon icon = BoxIcon::Information;
    BoxButtons buttons = BoxButtons::Ok;
    BoxOwner owner = BoxOwner::None;
};

// Every question and notice goes through Ask: the window shows a box, a run without a user
// answers by itself.
class Dialogs {
  public:
    virtual ~Dialogs() = default;

    virtual BoxAnswer Ask(const MessageBoxRequest& box) = 0;
};

// The box for every fault the user is told about: the error icon, OK, and no owner.
void ShowErrorBox(Dialogs& dialogs, Question question, const std::string& title,
                  const std::string& text);

}  // namespace velmora
