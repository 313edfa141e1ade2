#pragma once
// What a check of the pack or of the language files found. The checks only describe it; the
// wizard decides whether the user sees it in a box or LOG.txt gets it, and velmora-check
// prints it.

#include <string>
#include <vector>

namespace velmora {

enum class Severity {
    Warning,  // the pack can still be installed
    Fatal,    // the pack cannot be installed: the wizard stops
};

struct Finding {
    Severity severity = Severity::Warning;
    // The box's title. Empty for a finding that test mode shows where it arises, not in a
    // box (a marked line of the language list).
    std::string title;
    std::string text;  // what the user reads
    // The line LOG.txt gets outside test mode; empty when the finding is never logged.
    std::string logText;
};

using Findings = std::vector<Finding>;

inline bool HasFatal(const Findings& findings) {
    for (const Finding& finding : findings) {
        if (finding.severity == Severity::Fatal) return true;
    }
    return false;
}

inline void Append(Findings& findings, const Findings& more) {
    findings.insert(findings.end(), more.begin(), more.end());
}

}  // namespace velmora
