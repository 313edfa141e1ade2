#pragma once
// What an installation into either messenger works with.

#include <string>

#include "base/problem_log.h"
#include "lang/ui_strings.h"
#include "pack/pack_description.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/files.h"

namespace velmora {

struct InstallJob {
    Files& files;
    Dialogs& dialogs;
    Clock& clock;
    ProblemLog& log;
    const UiStrings& text;
    const PackDescription& pack;
    std::string programFolder;
    std::string qipFolder;
};

}  // namespace velmora
