// The questions at the end of an installation and the closing sequence of the run.

#include "app/wizard.h"
#include "report/log_file.h"
#include "report/log_texts.h"

namespace velmora {
namespace {

// A Yes/No question; a run without a user answers No to each of them.
BoxAnswer Ask(Wizard& wizard, Question question, Text text, BoxOwner owner) {
    MessageBoxRequest box(question, BoxAnswer::No);
    box.text = wizard.text[text];
    box.title = wizard.text[Text::ConfirmTitle];
    box.icon = BoxIcon::Question;
    box.buttons = BoxButtons::YesNo;
    box.owner = owner;
    return wizard.sys.dialogs.Ask(box);
}

void Notify(Wizard& wizard, Question notice, const std::string& text) {
    MessageBoxRequest box(notice);
    box.text = text;
    box.title = wizard.text[Text::WarningTitle];
    box.icon = BoxIcon::Information;
    wizard.sys.dialogs.Ask(box);
}

void OfferLogFile(Wizard& wizard, const WizardOperations& operations) {
    if (wizard.text[Text::ConfirmTitle].empty()) SetLogFallbackTexts(wizard.text);
    if (Ask(wizard, Question::WriteLog, Text::AskWriteLog, BoxOwner::None) != BoxAnswer::Yes)
        return;
    operations.WriteLogFile();
    if (!wizard.state.ErrorsFound || wizard.pack.AuthorEmail.empty() || !operations.MailLogFile)
        return;
    if (Ask(wizard, Question::MailLog, Text::AskMailLog, BoxOwner::None) == BoxAnswer::Yes)
        operations.MailLogFile();
}

}  // namespace

void ShowFoundFolderNotice(Wizard& wizard) {
    Notify(wizard, Question::FoundFolder,
           wizard.text[Text::QipFolderFound] + " \"" + wizard.qip.folder + "\"");
}

bool AskAnotherInstall(Wizard& wizard) {
    return Ask(wizard, Question::AnotherInstall, Text::AskAnotherInstall, BoxOwner::MainWindow) ==
           BoxAnswer::Yes;
}

void AddLogFileOperations(Wizard& wizard, WizardOperations& operations) {
    operations.WriteLogFile = [&wizard] {
        WriteLogFile({wizard.sys.files, wizard.sys.dialogs, wizard.sys.host, wizard.text,
                      wizard.pack, wizard.state.ProgramVersion, wizard.state});
    };
    operations.MailLogFile = [&wizard] { MailLogFile(wizard.sys.host, wizard.pack.AuthorEmail); };
}

void CloseWizard(Wizard& wizard, const WizardOperations& operations) {
    const WizardState& state = wizard.state;
    if (state.InstallStarted && !state.RebootNeeded) {
        Notify(wizard, Question::RestartQip, wizard.text[Text::RestartQipNotice]);
    }
    if (!state.LanguagePending && state.ErrorsFound && operations.WriteLogFile) {
        OfferLogFile(wizard, operations);
    }
    if (state.RebootNeeded &&
        Ask(wizard, Question::Reboot, Text::AskReboot, BoxOwner::None) == BoxAnswer::Yes) {
        wizard.sys.host.RestartSystem();
    }
}

}  // namespace velmora
