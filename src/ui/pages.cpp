#include "ui/pages.h"

namespace velmora {

WizardOperations MakeWizardPages(WizardWindow& window) {
    WizardOperations pages;
    pages.LanguagePage = [&window] { LanguagePage(window); };
    pages.AboutProgramPage = [&window] { AboutProgramPage(window); };
    return pages;
}

}  // namespace velmora
