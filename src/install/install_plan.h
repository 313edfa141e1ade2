#pragma once
// What an installation is about to do to the messenger's folders, worked out before anything
// changes: for every target folder the levels that are made, the files moved aside, the files
// copied in from where, what the lite step removes, and the record written. Both
// installations make such a plan from the pack, the user's choices and a listing of the
// targets; one runner carries out any plan (install_run.h). The plan's text is also the
// journal on disk from which an interrupted run is undone.

#include <string>
#include <vector>

#include "base/problem_log.h"
#include "platform/files.h"

namespace velmora {

// One source folder of smiles copied into a target folder, as one pass of the copy: the
// smiles of its kind and its list _define.ini, in the order the folder lists them.
struct CopyPass {
    std::string source;
    std::vector<std::string> smiles;
    std::vector<std::string> lists;  // _define.ini in the letter case the folder has it
};

struct RecordPlan {
    std::string identity;
    std::string kind;  // "Animated" or "Static"
    std::string count;
};

struct FolderPlan {
    std::string folder;
    bool animated = true;          // the kind whose counts the folder's copies run on
    std::string refusal;           // why the folder is not touched at all; empty when it is
    std::vector<std::string> make; // the folder and missing levels above it, the top first
    std::vector<std::string> aside;  // its files before: moved into the backup first
    bool removeAfter = false;      // emptied and removed, not installed into again
    std::vector<CopyPass> copies;
    std::string liteList;  // the lite step: this _define.ini replaces the copied one
    std::vector<std::string> liteRemovals;  // copied smiles the lite step deletes again
    bool recorded = false;
    RecordPlan record;
};

// The folders that succeed or fail together: one skin of QIP 2005, or every folder of one
// installation into QIP Infium.
struct UnitPlan {
    std::vector<FolderPlan> folders;
};

// The plan of a target folder before what goes into it: refused when it is a file or a link,
// else the levels to make or, for an existing folder, its files to move aside. Sub-folders
// stay where they are.
FolderPlan PlanTargetFolder(Files& files, const std::string& folder, bool animated);

// Adds the copy of a source folder of the kind: its files whose extension is the kind's
// (".gif" or ".bmp", any letter case) and its _define.ini. Sub-folders are no smiles, whatever
// their names. A missing source folder adds an empty pass.
void PlanCopy(Files& files, FolderPlan& plan, const std::string& source);

// Adds the lite step with the Lite Dark folder: its _define.ini replaces the copied one, and
// the copied smiles that its DeleteLite.ini names (a name without its extension, letter case
// ignored, lines not trimmed, empty and comment lines skipped) are deleted again. A
// DeleteLite.ini that cannot be read throws UnexpectedFileError.
void PlanLiteStep(Files& files, FolderPlan& plan, const std::string& liteDarkFolder);

// The smiles among the names that the lines of a DeleteLite.ini leave out of the lite set.
std::vector<std::string> LiteRemovals(const std::vector<std::string>& names,
                                      const std::vector<std::string>& deleteLiteLines,
                                      bool animated);

// Each refused folder is logged with its reason; returns how many there are of the kind.
int LogRefusals(ProblemLog& log, const UnitPlan& plan, bool animated);
bool HasRefusal(const UnitPlan& plan);

// The plan as lines of text, each a keyword and tab-separated values (names of files and
// folders hold no tab), ended by a line "end"; and back. A text cut short, or not a plan,
// reads as no plan: false.
std::string PlanText(const UnitPlan& plan);
bool ParsePlanText(const std::string& text, UnitPlan& plan);

// Every file name the folder's plan writes into it.
std::vector<std::string> NewNames(const FolderPlan& plan);

}  // namespace velmora
