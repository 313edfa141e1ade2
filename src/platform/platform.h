#pragma once
// Everything the portable core needs from the outside world, in one place.

#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/host.h"
#include "platform/processes.h"
#include "platform/registry.h"

namespace velmora {

struct Platform {
    Files& files;
    Dialogs& dialogs;
    Host& host;
    Processes& processes;
    Registry& registry;
    Clock& clock;
};

}  // namespace velmora
