#pragma once
// A file failure that no page is prepared for. It ends the running page and with it the
// wizard: the guard in RunWizard runs the closing sequence and then names the file and the
// system's reason to the user.

#include <stdexcept>
#include <string>

namespace velmora {

class UnexpectedFileError : public std::runtime_error {
  public:
    UnexpectedFileError(std::string filePath, std::string systemReason)
        : std::runtime_error(systemReason),
          path(std::move(filePath)),
          reason(std::move(systemReason)) {}

    std::string path;
    std::string reason;
};

}  // namespace velmora
