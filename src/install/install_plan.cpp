#include "install/install_plan.h"

#include <set>

#include "base/text_lines.h"
#include "base/unexpected_error.h"
#include "install/version_record.h"
#include "platform/file_lines.h"

namespace velmora {
namespace {

constexpr const char* kListFileName = "_define.ini";
constexpr const char* kPlanHeader = "Velmora installation plan";

std::string ImageExtension(bool animated) {
    return animated ? ".gif" : ".bmp";
}

// The extension from the last dot, lower-cased; empty when the name has no dot.
std::string LowerExtension(const std::string& name) {
    const size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : LowerAscii(name.substr(dot));
}

std::string ParentOf(const std::string& path) {
    const size_t separator = path.find_last_of("\\/");
    return separator == std::string::npos ? std::string() : path.substr(0, separator);
}

std::vector<std::string> SplitTabs(const std::string& line) {
    std::vector<std::string> fields;
    size_t start = 0;
    for (size_t tab = line.find('\t'); tab != std::string::npos; tab = line.find('\t', start)) {
        fields.push_back(line.substr(start, tab - start));
        start = tab + 1;
    }
    fields.push_back(line.substr(start));
    return fields;
}

void AddLine(std::string& text, std::initializer_list<std::string> fields) {
    bool first = true;
    for (const std::string& field : fields) {
        text += (first ? "" : "\t") + field;
        first = false;
    }
    text += "\r\n";
}

// Reads one line of a plan into the plan; false when the line is not a plan's.
bool ReadPlanLine(const std::vector<std::string>& f, UnitPlan& plan) {
    const std::string& key = f[0];
    if (key == "folder" && f.size() == 3) {
        plan.folders.push_back({});
        plan.folders.back().folder = f[1];
        plan.folders.back().animated = f[2] == "animated";
        return true;
    }
    if (plan.folders.empty()) return false;
    FolderPlan& folder = plan.folders.back();
    if (key == "copy" && f.size() == 2) {
        folder.copies.push_back({f[1], {}, {}});
        return true;
    }
    if (f.size() == 1 && key == "remove-folder") {
        folder.removeAfter = true;
        return true;
    }
    if (f.size() == 4 && key == "record") {
        folder.recorded = true;
        folder.record = {f[1], f[2], f[3]};
        return true;
    }
    if (f.size() != 2) return false;
    if (key == "refused") folder.refusal = f[1];
    else if (key == "make") folder.make.push_back(f[1]);
    else if (key == "aside") folder.aside.push_back(f[1]);
    else if (key == "lite-list") folder.liteList = f[1];
    else if (key == "lite-remove") folder.liteRemovals.push_back(f[1]);
    else if (key == "smile" && !folder.copies.empty()) folder.copies.back().smiles.push_back(f[1]);
    else if (key == "list" && !folder.copies.empty()) folder.copies.back().lists.push_back(f[1]);
    else return false;
    return true;
}

}  // namespace

FolderPlan PlanTargetFolder(Files& files, const std::string& folder, bool animated) {
    FolderPlan plan;
    plan.folder = folder;
    plan.animated = animated;
    switch (files.KindOf(folder)) {
        case PathKind::File:
            plan.refusal = "a file stands where the folder belongs";
            return plan;
        case PathKind::Link:
            plan.refusal = "it is a junction or link to another place";
            return plan;
        case PathKind::Folder:
            for (const FolderEntry& entry : files.ListFolder(folder)) {
                if (!entry.isFolder) plan.aside.push_back(entry.name);
            }
            return plan;
        case PathKind::Missing:
            break;
    }
    // The missing levels, down from the first one that exists.
    for (std::string level = folder; !level.empty() && files.KindOf(level) == PathKind::Missing;
         level = ParentOf(level)) {
        plan.make.insert(plan.make.begin(), level);
    }
    return plan;
}

void PlanCopy(Files& files, FolderPlan& plan, const std::string& source) {
    CopyPass pass;
    pass.source = source;
    const std::string extension = ImageExtension(plan.animated);
    for (const FolderEntry& entry : files.ListFolder(source)) {
        if (entry.isFolder) continue;
        if (LowerAscii(entry.name) == kListFileName) {
            pass.lists.push_back(entry.name);
        } else if (LowerExtension(entry.name) == extension) {
            pass.smiles.push_back(entry.name);
        }
    }
    plan.copies.push_back(pass);
}

std::vector<std::string> LiteRemovals(const std::vector<std::string>& names,
                                      const std::vector<std::string>& deleteLiteLines,
                                      bool animated) {
    const std::string extension = ImageExtension(animated);
    std::set<std::string> leftOut;  // file names, lower-cased
    for (const std::string& line : deleteLiteLines) {
        if (IsDataLine(line)) leftOut.insert(LowerAscii(line + extension));
    }
    std::vector<std::string> removals;
    std::set<std::string> seen;
    for (const std::string& name : names) {
        const std::string lower = LowerAscii(name);
        if (leftOut.count(lower) && seen.insert(lower).second) removals.push_back(name);
    }
    return removals;
}

void PlanLiteStep(Files& files, FolderPlan& plan, const std::string& liteDarkFolder) {
    const std::string listPath = liteDarkFolder + "\\DeleteLite.ini";
    const FileLines list = ReadLines(files, listPath);
    if (!list.status.ok) throw UnexpectedFileError(listPath, list.status.reason);
    std::vector<std::string> copied;
    for (const CopyPass& pass : plan.copies)
        copied.insert(copied.end(), pass.smiles.begin(), pass.smiles.end());
    plan.liteList = liteDarkFolder + "\\" + kListFileName;
    plan.liteRemovals = LiteRemovals(copied, list.lines, plan.animated);
}

int LogRefusals(ProblemLog& log, const UnitPlan& plan, bool animated) {
    int refused = 0;
    for (const FolderPlan& folder : plan.folders) {
        if (folder.refusal.empty() || folder.animated != animated) continue;
        LogProblem(log, "Not installed into " + folder.folder + ": " + folder.refusal);
        ++refused;
    }
    return refused;
}

bool HasRefusal(const UnitPlan& plan) {
    for (const FolderPlan& folder : plan.folders) {
        if (!folder.refusal.empty()) return true;
    }
    return false;
}

std::string PlanText(const UnitPlan& plan) {
    std::string text = std::string(kPlanHeader) + "\r\n";
    for (const FolderPlan& folder : plan.folders) {
        AddLine(text, {"folder", folder.folder, folder.animated ? "animated" : "static"});
        if (!folder.refusal.empty()) AddLine(text, {"refused", folder.refusal});
        for (const std::string& level : folder.make) AddLine(text, {"make", level});
        for (const std::string& name : folder.aside) AddLine(text, {"aside", name});
        if (folder.removeAfter) AddLine(text, {"remove-folder"});
        for (const CopyPass& pass : folder.copies) {
            AddLine(text, {"copy", pass.source});
            for (const std::string& name : pass.smiles) AddLine(text, {"smile", name});
            for (const std::string& name : pass.lists) AddLine(text, {"list", name});
        }
        if (!folder.liteList.empty()) AddLine(text, {"lite-list", folder.liteList});
        for (const std::string& name : folder.liteRemovals) AddLine(text, {"lite-remove", name});
        if (folder.recorded) {
            AddLine(text, {"record", folder.record.identity, folder.record.kind,
                           folder.record.count});
        }
    }
    return text + "end\r\n";
}

bool ParsePlanText(const std::string& text, UnitPlan& plan) {
    plan = {};
    const std::vector<std::string> lines = SplitLines(text);
    if (lines.size() < 2 || lines.front() != kPlanHeader || lines.back() != "end") return false;
    for (size_t i = 1; i + 1 < lines.size(); ++i) {
        if (!ReadPlanLine(SplitTabs(lines[i]), plan)) {
            plan = {};
            return false;
        }
    }
    return true;
}

std::vector<std::string> NewNames(const FolderPlan& plan) {
    std::vector<std::string> names;
    for (const CopyPass& pass : plan.copies) {
        names.insert(names.end(), pass.smiles.begin(), pass.smiles.end());
        names.insert(names.end(), pass.lists.begin(), pass.lists.end());
    }
    if (!plan.liteList.empty()) names.push_back(kListFileName);
    if (plan.recorded) names.push_back(kVersionRecordName);
    return names;
}

}  // namespace velmora
