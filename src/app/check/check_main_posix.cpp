// velmora-check on Linux: checks a pack as the wizard's test mode does and prints what it
// finds in UTF-8. The pack's files are read in code page 1251, as on a Russian Windows.

#include <cstdio>
#include <string>
#include <vector>

#include "app/version.h"
#include "platform/posix/posix_platform.h"
#include "report/pack_check.h"

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    velmora::PosixFiles files;
    std::string output;
    const int status = velmora::RunPackCheck(files, arguments, velmora::kProgramVersion, output);
    std::fwrite(output.data(), 1, output.size(), status == 3 ? stderr : stdout);
    return status;
}
