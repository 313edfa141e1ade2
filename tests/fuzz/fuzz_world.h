#pragma once
// What every fuzz target needs: a program folder of its own in a real temporary folder and
// the POSIX file layer over it. The input reaches
// the readers as a file, once as the ANSI bytes it is and once marked as UTF-8, the two ways
// the file layer decodes a text file.

#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "lang/text_table.h"
#include "pack/pack_folder.h"
#include "platform/posix/posix_platform.h"

namespace velmora::fuzz {

inline std::string MakeProgramFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "velmora-fuzz-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        std::perror("mkdtemp");
        std::abort();
    }
    return pattern;
}

// One program folder for the whole run, removed when the fuzzer ends.
struct FuzzWorld {
    FuzzWorld() : folder(MakeProgramFolder()) {}
    ~FuzzWorld() { std::filesystem::remove_all(folder); }

    // Writes bytes to a file below the program folder ("\" separates folders).
    void Write(const std::string& relative, const std::string& bytes) const {
        const std::filesystem::path path = ToPosixPath(folder + "\\" + relative);
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    }

    std::string Path(const std::string& relative) const { return folder + "\\" + relative; }

    std::string folder;
    PosixFiles files;
};

// The built-in texts, which the messages of the checks are made of.
inline const UiStrings& BuiltInTexts() {
    static const UiStrings texts = [] {
        UiStrings filled;
        AssignBuiltInTexts(filled, kLastDataLine, "2.2.0.lang");
        return filled;
    }();
    return texts;
}

// The checks of the pack over the world.
inline PackChecks ChecksOver(FuzzWorld& world, bool testMode) {
    return {world.files, world.folder, testMode};
}

// The input as the two kinds of text file: ANSI bytes, and UTF-8 after the byte-order mark.
template <typename Body>
void ForBothEncodings(const uint8_t* data, size_t size, Body body) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    body(bytes);
    body("\xEF\xBB\xBF" + bytes);
}

}  // namespace velmora::fuzz
