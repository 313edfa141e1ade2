#pragma once
// The simplified search: the running copies of the messenger, found through the top-level
// windows of the running programs.

#include <string>

#include "platform/processes.h"
#include "qip/qip_target.h"

namespace velmora {

// The copy-choice list, which the search opens as soon as a second copy turns up and fills
// while it goes on.
class CopyList {
  public:
    virtual ~CopyList() = default;
    virtual void Open(const std::string& first, const std::string& second) = 0;
    virtual void Add(const std::string& path) = 0;
};

// Fills the empty slots with the distinct paths of running "qip.exe" and "infium.exe" (names
// compared exactly), taken from every titled window but the wizard's own, in z-order. A copy
// found when every slot is taken is left out.
void FindRunningQip(Processes& processes, FoundQipPaths& found, CopyList& list);

}  // namespace velmora
