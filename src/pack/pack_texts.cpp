#include "pack/pack_texts.h"

#include <algorithm>
#include <vector>

#include "base/text_lines.h"
#include "platform/file_lines.h"

namespace velmora {
namespace {

const char kHeader[] = "Language: ";

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

// The section header the reader looks for, given what the declaration list named.
std::string WantedHeader(const std::string& chosen, bool chosenDeclared, bool englishDeclared,
                         bool russianDeclared) {
    if (chosenDeclared) return kHeader + chosen;
    if (englishDeclared) return std::string(kHeader) + "English";
    if (russianDeclared) return std::string(kHeader) + "Russian";
    return {};
}

enum AboutFault {
    kNoFault = 0,
    kDeclaredWithoutData = 1,
    kDataWithoutDeclaration = 2,
    kNoEndTag = 3
};

AboutFault CheckDeclaration(const std::vector<std::string>& lines, const std::string& declared) {
    const auto header = std::find(lines.begin(), lines.end(), "language: " + declared);
    if (header == lines.end()) return kDeclaredWithoutData;
    const auto next = std::find_if(header + 1, lines.end(), [](const std::string& line) {
        return StartsWith(line, "language:");
    });
    return next != lines.end() && *next == "language: end" ? kNoFault : kNoEndTag;
}

Text FaultText(AboutFault fault) {
    switch (fault) {
        case kDeclaredWithoutData:
            return Text::AboutSpDeclaredWithoutData;
        case kDataWithoutDeclaration:
            return Text::AboutSpDataWithoutDeclaration;
        default:
            return Text::AboutSpEndTagMissing;
    }
}

}  // namespace

std::string ReadLanguageSection(const std::vector<std::string>& lines, const std::string& chosen) {
    bool english = false, russian = false, declared = false, inList = true, inText = false;
    std::string wanted, text;
    for (const std::string& line : lines) {
        if (IsCommentLine(line)) continue;
        if (inList) {
            english = english || line == "English";
            russian = russian || line == "Russian";
            declared = declared || line == chosen;
            if (LowerAscii(line) == "list: end") {
                inList = false;
                wanted = WantedHeader(chosen, declared, english, russian);
            }
        } else if (!inText) {
            inText = !wanted.empty() && line == wanted;
        } else if (LowerAscii(line) == "language: end") {
            break;
        } else {
            // Empty lines before the first line of text are dropped.
            text += (text.empty() ? "" : "\r\n") + line;
        }
    }
    return text;
}

PackInfo ReadPackInfo(const PackChecks& checks, const UiStrings& text, const std::string& language,
                      PackDescription& pack) {
    PackInfo info;
    const std::string path = checks.PathOf("aboutSP.ini");
    if (checks.files.IsFile(path)) {
        info.available = true;
        if (checks.testMode) info.findings = CheckAboutFile(checks, text);
        info.text = ReadLanguageSection(ReadLines(checks.files, path).lines, language);
    }
    if (info.text.empty()) {
        info.available = false;
        pack.AgreementRequired = false;
    }
    return info;
}

Findings CheckAboutFile(const PackChecks& checks, const UiStrings& text) {
    std::vector<std::string> lines;
    for (const std::string& line : ReadLines(checks.files, checks.PathOf("aboutSP.ini")).lines) {
        if (IsDataLine(line)) lines.push_back(LowerAscii(line));
    }
    const auto listEnd = std::find(lines.begin(), lines.end(), "list: end");
    const std::vector<std::string> declarations(lines.begin(), listEnd);

    AboutFault first = kNoFault;
    const auto note = [&first](AboutFault fault) {
        if (fault != kNoFault && (first == kNoFault || fault < first)) first = fault;
    };
    for (const std::string& declared : declarations)
        note(CheckDeclaration(lines, declared));
    if (listEnd != lines.end()) {
        for (auto line = listEnd + 1; line != lines.end(); ++line) {
            if (!StartsWith(*line, "language:") || *line == "language: end") continue;
            const bool known = std::any_of(
                declarations.begin(), declarations.end(),
                [&](const std::string& declared) { return "language: " + declared == *line; });
            if (!known) note(kDataWithoutDeclaration);
        }
    }
    if (first == kNoFault) return {};
    return {{Severity::Warning, "Velmora: Error in \"aboutSP.ini\"...",
             text[Text::AboutSpErrorHead] + text[FaultText(first)], ""}};
}

}  // namespace velmora
