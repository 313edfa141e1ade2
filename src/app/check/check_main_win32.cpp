// velmora-check.exe: checks a pack as the wizard's test mode does and prints what it finds in
// the console's code page.

#include <windows.h>

#include <string>
#include <vector>

#include "app/version.h"
#include "platform/win32/system_library.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_platform.h"
#include "report/pack_check.h"

namespace {

// The text in the console's code page (the OEM one when there is no console), with CR LF.
std::string ConsoleBytes(const std::string& utf8) {
    std::string text;
    for (const char c : utf8) text += c == '\n' ? std::string("\r\n") : std::string(1, c);
    const UINT codePage = GetConsoleOutputCP();
    return velmora::Utf8ToCodePage(text, codePage ? codePage : GetOEMCP());
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    velmora::RestrictDllSearch();
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) arguments.push_back(velmora::Utf8(argv[i]));
    velmora::Win32Files files;
    std::string output;
    const int status = velmora::RunPackCheck(files, arguments, velmora::kProgramVersion, output);
    const std::string bytes = ConsoleBytes(output);
    DWORD written = 0;
    WriteFile(GetStdHandle(status == 3 ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE), bytes.data(),
              static_cast<DWORD>(bytes.size()), &written, nullptr);
    return status;
}
