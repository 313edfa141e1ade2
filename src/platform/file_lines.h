#pragma once
// The one place that reads a text file into lines, by the line rules of base/text_lines.h.

#include <string>
#include <vector>

#include "platform/files.h"

namespace velmora {

struct FileLines {
    FileStatus status;
    std::vector<std::string> lines;  // none when the file could not be read
};

// Reads a text file and splits it into lines.
FileLines ReadLines(Files& files, const std::string& path);

}  // namespace velmora
