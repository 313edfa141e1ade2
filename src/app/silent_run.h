#pragma once
// A silent installation: the wizard's own steps with no window, each page replaced by what the
// command line chose, and every question answered as a run without a user answers it.

#include <functional>
#include <string>

#include "app/silent_options.h"
#include "platform/platform.h"
#include "qip/qip_folder.h"

namespace velmora {

// What the run did, line by line: written out as it happens (to a console, where there is one)
// and kept for the log file.
class SilentReport {
  public:
    explicit SilentReport(std::function<void(const std::string&)> console)
        : console_(std::move(console)) {}

    void Line(const std::string& text);
    const std::string& Text() const { return text_; }

  private:
    std::function<void(const std::string&)> console_;
    std::string text_;
};

// Each box is written to the report with the answer taken: the box's own unattended answer,
// or the one the command line gives for that question.
class SilentDialogs : public Dialogs {
  public:
    SilentDialogs(const SilentOptions& options, SilentReport& report)
        : options_(options), report_(report) {}

    BoxAnswer Ask(const MessageBoxRequest& box) override;

  private:
    const SilentOptions& options_;
    SilentReport& report_;
};

// Runs the installation over the platform, whose dialogs must be a SilentDialogs writing to
// the same report; writes the report to the log file and returns the exit code.
int RunSilentInstallation(Platform& platform, const SilentOptions& options,
                          const VersionReader& version, SilentReport& report);

}  // namespace velmora
