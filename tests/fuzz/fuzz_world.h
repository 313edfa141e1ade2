#pragma once
// What every fuzz target needs: a program folder of its own in a real temporary folder, the
// POSIX file layer over it, and the input handed to the target in the two ways the file layer
// decodes text: the ANSI bytes it is, and UTF-8 after a byte-order mark.

#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "lang/text_table.h"
#include "pack/pack_folder.h"
#include "platform/posix/posix_platform.h"

namespace velmora::fuzz {

// One program folder for the whole run, removed when the fuzzer ends.
struct FuzzWorld {
    FuzzWorld()
        : folder((std::filesystem::temp_directory_path() / "velmora-fuzz-XXXXXX").string()) {
        if (!mkdtemp(folder.data())) std::abort();
    }
    ~FuzzWorld() { std::filesystem::remove_all(folder); }

    // The path of a file below the program folder ("\" separates folders).
    std::string Path(const std::string& relative) const { return folder + "\\" + relative; }

    // Writes bytes to such a file and returns its path.
    std::string Write(const std::string& relative, const std::string& bytes) const {
        const std::filesystem::path path = ToPosixPath(Path(relative));
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
        return Path(relative);
    }

    PackChecks Checks(bool testMode) { return {files, folder, testMode}; }

    std::string folder;
    PosixFiles files;
};

// The built-in texts, which the messages of the checks are made of.
inline const UiStrings& BuiltInTexts() {
    static UiStrings texts;
    [[maybe_unused]] static const bool filled =
        (AssignBuiltInTexts(texts, kLastDataLine, "2.2.0.lang"), true);
    return texts;
}

// What the target does with one input, as a file's bytes.
void Input(FuzzWorld& world, const std::string& bytes);

}  // namespace velmora::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static velmora::fuzz::FuzzWorld world;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    velmora::fuzz::Input(world, bytes);
    velmora::fuzz::Input(world, "\xEF\xBB\xBF" + bytes);
    return 0;
}
