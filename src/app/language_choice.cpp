// The wizard's side of the languages: what a pick in the list loads, and the full load after
// the language page.

#include "app/wizard.h"
#include "lang/language.h"
#include "lang/language_list.h"

namespace velmora {

void LoadLanguage(Wizard& wizard, const std::string& name) {
    const bool partial = !name.empty();
    const std::string& language = partial ? name : wizard.state.LanguageName;
    const std::string& version = wizard.state.ProgramVersion;
    if (language == kBuiltInLanguage) return LoadBuiltInLanguage(partial, version, wizard.text);
    const std::string path = LanguageFilePath(wizard.sys.host.ProgramFolder(), language);
    LoadLanguageFile(wizard.sys.files, path, partial, version, wizard.text);
}

bool HandleLanguageChoice(Wizard& wizard, int selected, const std::string& entry) {
    WizardState& state = wizard.state;
    bool loaded = false;
    if (IsNewSelection(selected, state.ListIndex)) {
        const std::string name =
            FindLanguageName(wizard.sys.files, wizard.sys.host.ProgramFolder(), entry);
        if (!name.empty()) {
            LoadLanguage(wizard, name);
            state.LanguageName = name;
            loaded = true;
        }
    }
    state.ListIndex = selected;
    return loaded;
}

}  // namespace velmora
