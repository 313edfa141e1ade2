#pragma once
// The system's DLLs that the program binds at run time. Windows looks for a DLL named without
// a path in the program's own folder first, and this program is run from download folders,
// where anyone may have left a DLL of a system name: so every DLL beyond the few that Windows
// always maps from the system folder is loaded by its full path there.

#include <windows.h>

namespace velmora {

// Loads the system folder's copy of a DLL ("version.dll", "MAPI32.DLL"); nullptr when it is
// not there. The caller releases it with FreeLibrary.
HMODULE LoadSystemLibrary(const wchar_t* name);

// Takes the current directory out of the search for DLLs, and where the system offers it,
// limits the search for DLLs named without a path to the system folder. First thing at
// start-up; both functions are looked up, since Windows XP before SP1 has neither.
void RestrictDllSearch();

// Looks a function up in a loaded DLL; it stays empty when the DLL or the function is missing.
template <typename Function>
void Bind(HMODULE library, const char* name, Function& function) {
    // Through the generic function pointer type, which any function pointer converts to.
    function = library ? reinterpret_cast<Function>(
                             reinterpret_cast<void (*)()>(GetProcAddress(library, name)))
                       : nullptr;
}

}  // namespace velmora
