#pragma once
// What both installations share around their copies: the progress they show, the check that
// the pack's smile folders still hold their lists, emptying a folder, and the installation's
// elapsed time. The copies themselves are planned (install_plan.h) and run (install_run.h).

#include <cstdint>
#include <string>
#include <vector>

#include "base/problem_log.h"
#include "platform/files.h"

namespace velmora {

// The running installation's clock in milliseconds of the system's tick count: when it
// started, and how long it stood paused while the report boxes were open.
struct InstallClock {
    uint32_t start = 0;
    uint32_t paused = 0;
};

void StartClock(InstallClock& clock, uint32_t now);

// now - start - paused, correct across the tick count's wrap-around.
uint32_t ElapsedMs(const InstallClock& clock, uint32_t now);

// "hh:mm:ss"; the hours take more digits when they need them.
std::string FormatElapsed(uint32_t ms);

// The separator line of the installation reports: a line break, 67 hyphens and 17 blanks.
inline const std::string kReportSeparator = "\r\n" + std::string(67, '-') + std::string(17, ' ');

// What the window shows while a copy runs.
class CopyProgress {
  public:
    virtual ~CopyProgress() = default;

    // Called before each entry of the source folder is looked at. position is the failures so
    // far plus the running total, so the bar trails the file being copied by one.
    virtual void BeforeEntry(bool animated, int position) = 0;
};

// How the progress display is laid out: the bars' ranges cover one variant of each kind or
// both, the overall bar counts overallTotal steps, and the static bar moves up by staticShift
// pixels when there is no animated bar above it.
struct ProgressLayout {
    bool bothVariants = false;
    bool withOverallBar = true;
    int overallTotal = 0;
    int staticShift = 0;
};

// The window's part in an installation: the caption, the progress display and the buttons.
class InstallProgressView : public CopyProgress {
  public:
    virtual void ShowProgressCaption() = 0;
    // Disables Next, Back and Exit and shows the progress display, whose label counts the
    // clock.
    virtual void StartProgress(const ProgressLayout& layout, const InstallClock& clock) = 0;
    virtual void ShowOverall(int position) = 0;
    virtual void ResetStaticBar() = 0;
    // Removes the progress display and enables Next, Back and Exit again.
    virtual void FinishProgress() = 0;
};

// The smile folders an installation is about to read must each hold their list _define.ini:
// one that does not (gone, or never checked) would leave an empty folder recorded as the
// pack. Each such folder is counted and logged as a failed copy of its list; returns how
// many there were.
int MissingSmileLists(Files& files, ProblemLog& log, const std::vector<std::string>& folders);

// Deletes every file of the folder, read-only ones too; sub-folders and files that cannot be
// deleted stay. Only for what the user asked to delete: an installation moves files aside.
void ClearFolderFiles(Files& files, const std::string& folder);

}  // namespace velmora
