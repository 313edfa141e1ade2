#pragma once
// The running program and the system around it.

#include <string>
#include <vector>

namespace velmora {

struct WindowsVersion {
    unsigned major = 0;
    unsigned minor = 0;
};

class Host {
  public:
    virtual ~Host() = default;

    // Folder of the running executable, without a trailing backslash.
    virtual std::string ProgramFolder() = 0;

    // Command-line arguments after the program's own name.
    virtual std::vector<std::string> Arguments() = 0;

    virtual WindowsVersion GetWindowsVersion() = 0;

    // Enables the shutdown privilege and restarts the system. Programs may save their work;
    // only those that do not answer are closed by force.
    virtual void RestartSystem() = 0;
};

}  // namespace velmora
