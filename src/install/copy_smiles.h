#pragma once
// The file operations both installations are built from: copying the smiles of one kind with
// progress and failure accounting, the copy of one file with its fallbacks, removing the
// smiles a lite variant leaves out, emptying a folder, and the installation's elapsed time.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/files.h"
#include "report/problem_log.h"

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

struct CopyResult {
    int total = 0;     // the start plus the images copied
    int failures = 0;  // files that could not be copied, _define.ini among them
};

// Copies the smiles of one kind (".gif" when animated, else ".bmp", in any letter case) and
// the list file _define.ini from the source folder into the target folder. A file counts
// only when one of its copy attempts succeeded: an old smile of the same name that could not
// be replaced is a failure. Each failure adds "Error at copying file: " and the source path
// to the log. _define.ini is copied but not counted as a smile. A missing source folder
// copies nothing.
CopyResult CopySmiles(Files& files, ProblemLog& log, CopyProgress& progress,
                      const std::string& source, const std::string& target, bool animated,
                      int start);

// The smile folders an installation is about to read must each hold their list _define.ini:
// one that does not (gone, or never checked) would leave an empty folder recorded as the
// pack. Each such folder is counted and logged as a failed copy of its list; returns how
// many there were.
int MissingSmileLists(Files& files, ProblemLog& log, const std::vector<std::string>& folders);

// Makes the destination's folder with every missing level, copies the file, and when that
// fails lets the shell copy it into that folder. True when one of the copies succeeded.
bool CopyOneFile(Files& files, const std::string& from, const std::string& to);

// Deletes the target folder's smiles of the kind that the Lite Dark folder's DeleteLite.ini
// names (each line a name without its extension; letter case is ignored, lines are not
// trimmed, empty and comment lines skipped). Returns how many were really deleted. A
// DeleteLite.ini that cannot be read throws UnexpectedFileError.
int RemoveLiteSmiles(Files& files, const std::string& targetFolder,
                     const std::string& liteDarkFolder, bool animated);

// Deletes every file of the folder, read-only ones too; sub-folders and files that cannot be
// deleted stay.
void ClearFolderFiles(Files& files, const std::string& folder);

}  // namespace velmora
