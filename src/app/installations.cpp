#include "app/installations.h"

#include "install/infium_install.h"

namespace velmora {
namespace {

InstallJob InstallJobOf(Wizard& wizard) {
    Platform& sys = wizard.sys;
    return {sys.files,
            sys.dialogs,
            sys.clock,
            wizard.state,
            wizard.text,
            wizard.pack,
            sys.host.ProgramFolder(),
            wizard.qip.folder};
}

PageResult PageResultOf(SkinPick::Left left) {
    switch (left) {
        case SkinPick::Left::Back:
            return PageResult::Back;
        case SkinPick::Left::Stop:
            return PageResult::Stop;
        case SkinPick::Left::Chosen:
            break;
    }
    return PageResult::Next;
}

PageResult PageResultOf(InfiumOutcome outcome) {
    switch (outcome) {
        case InfiumOutcome::Cancelled:
            return PageResult::Back;
        case InfiumOutcome::Refused:
            return PageResult::Stop;
        case InfiumOutcome::Installed:
            break;
    }
    return PageResult::Next;
}

}  // namespace

PageResult InstallIntoSkins(Wizard& wizard, SkinsChoice& choice, InstallProgressView& view) {
    const SkinsJob job{InstallJobOf(wizard), wizard.sys.registry,
                       wizard.state.ModeChoice == kSecondMode};
    const SkinPick pick = PickSkinsToInstall(job, choice, wizard.skins);
    // No skin marked: the wizard goes on as after an installation.
    if (pick.left != SkinPick::Left::Chosen || pick.marked == 0) return PageResultOf(pick.left);
    // Set before the first copy, so that the closing sequence asks for the messenger's restart
    // even when the installation ends in an unexpected error.
    wizard.state.InstallStarted = true;
    const SkinsResult result = InstallMarkedSkins(job, wizard.skins, pick.marked, view);
    if (result.outcome == SkinsOutcome::Quit) return PageResult::Stop;
    // A quota raised by an earlier installation of this run still needs its restart.
    wizard.state.RebootNeeded = result.quotaRaised || wizard.state.RebootNeeded;
    return PageResult::Next;
}

PageResult InstallIntoInfium(Wizard& wizard, InstallProgressView& view) {
    return PageResultOf(InstallPackIntoInfium(InstallJobOf(wizard), view));
}

}  // namespace velmora
