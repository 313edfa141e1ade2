#include "base/text_lines.h"

namespace velmora {

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        size_t stop = end;
        if (stop > start && text[stop - 1] == '\r' && end < text.size()) --stop;
        lines.push_back(text.substr(start, stop - start));
        start = end + 1;
    }
    return lines;
}

bool IsCommentLine(const std::string& line) {
    return line.size() >= 2 &&
           ((line[0] == '/' && line[1] == '/') || (line[0] == '\\' && line[1] == '\\'));
}

bool IsDataLine(const std::string& line) {
    return !line.empty() && !IsCommentLine(line);
}

std::string LowerAscii(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

}  // namespace velmora
