#pragma once
// The check of the pack's smile folders: the smiles found in each folder against the lines of
// its _define.ini and the count that SMP.ini declares. Tolerable differences correct the
// declared counts and are warned about; anything else makes the pack impossible to install.

#include <string>

#include "lang/ui_strings.h"
#include "pack/pack_description.h"
#include "pack/pack_folder.h"

namespace velmora {

// Results of ValidatePackData; 0 means installable, warnings included.
enum PackDataCode : int {
    kPackDataSound = 0,
    kNoAnimatedFullLightDefine = 1,
    kNoStaticFullLightDefine = 2,
    kAnimatedFullLightTooFewLines = 3,
    kStaticFullLightTooFewLines = 4,
    kAnimatedFullLightTooManyLines = 5,  // too many lines and too high a declared count
    kStaticFullLightTooManyLines = 6,
    kNoAnimatedLiteDarkDefine = 7,
    kNoStaticLiteDarkDefine = 8,
    kAnimatedLiteDarkTooFewLines = 9,
    kStaticLiteDarkTooFewLines = 10,
    kAnimatedLiteDarkTooManyLines = 11,
    kStaticLiteDarkTooManyLines = 12,
    kListFileMissing = 13,     // DeleteLite.ini is needed but absent
    kListFileUnreadable = 14,  // _define.ini or DeleteLite.ini is there but cannot be read
};

struct PackDataCheck {
    int code = kPackDataSound;
    std::string file;    // full path of the list file, for the two list-file codes
    std::string reason;  // the system's words, for an unreadable list file
    Findings findings;   // the warning about the differences, or the fatal fault
};

struct LineCount {
    FileStatus status;
    int lines = 0;
};

// The lines of a text file; empty and comment lines count, a final line break adds none.
LineCount CountFileLines(Files& files, const std::string& path);

// The entries directly in a folder whose extension is ".gif" (animated) or ".bmp", in any
// letter case; sub-folders are no smiles, whatever their names. A missing folder holds none.
int CountSmileFiles(Files& files, const std::string& folder, bool animated);

// Checks the folders of the mode (the single family's only in mode 0, the Lite Dark ones as
// well otherwise), rewrites declared counts that differ from the smiles found, and returns
// one warning that lists the differences. The first fatal fault ends the check and is
// returned as its only finding. A "fulllite" lite set whose DeleteLite.ini names more smiles
// than the full set holds counts as empty, never as a negative number.
PackDataCheck ValidatePackData(const PackChecks& checks, const UiStrings& text, PackMode mode,
                               PackDescription& pack);

// Why the pack cannot be installed, for a check that ended in a fatal code.
Finding PackDataFault(const UiStrings& text, const PackDataCheck& check);

}  // namespace velmora
