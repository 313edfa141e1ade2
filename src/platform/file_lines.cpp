#include "platform/file_lines.h"

#include "base/text_lines.h"

namespace velmora {

FileLines ReadLines(Files& files, const std::string& path) {
    const FileText file = files.ReadText(path);
    if (!file.status.ok) return {file.status, {}};
    return {file.status, SplitLines(file.text)};
}

}  // namespace velmora
