#pragma once
// The running programs, as the search for a running messenger sees them.

#include <cstdint>
#include <string>
#include <vector>

namespace velmora {

// What an executable path reads when a process's modules cannot be listed.
inline const char* const kNoExecutable = "Null";

struct TopWindow {
    std::string title;  // UTF-8; at most 127 characters are read
    uint32_t processId = 0;
    bool isWizard = false;  // the wizard's own main window
};

class Processes {
  public:
    virtual ~Processes() = default;

    // The top-level windows in z-order, the topmost first, collected before any is examined.
    virtual std::vector<TopWindow> TopLevelWindows() = 0;

    // The full path of the process's executable: the module loaded at hexadecimal 400000, or
    // kNoExecutable.
    virtual std::string ExecutablePath(uint32_t processId) = 0;
};

}  // namespace velmora
