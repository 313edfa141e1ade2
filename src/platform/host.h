#pragma once
// The running program and the system around it.

#include <string>
#include <vector>

namespace velmora {

struct WindowsVersion {
    unsigned major = 0;
    unsigned minor = 0;
    unsigned build = 0;
};

// A message for the system's mail client: one recipient, one attached file, no text of its
// own. Texts are UTF-8.
struct MailMessage {
    std::string subject;
    std::string recipientAddress;
    std::string attachmentPath;
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

    // Hands the message to the system's mail client, which shows it for the user to send or
    // discard. Whether a client is there, and what it does, the program neither knows nor
    // reports.
    virtual void SendMail(const MailMessage& message) = 0;
};

}  // namespace velmora
