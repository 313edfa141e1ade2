#!/usr/bin/env bash
# Windows XP SP3 is the floor: the program may import only from DLLs that XP has, no
# api-ms-win-* sets, and none of the functions that came with later Windows. The DLLs are
# also only those that Windows maps from its own folder whatever lies next to the program
# (the known DLLs, and comctl32 through the manifest): version.dll, for one, is not among
# them and is loaded at run time. SetDllDirectoryW (XP SP1) and SetDefaultDllDirectories
# (later) are looked up at run time too.
# Usage: check_xp_imports.sh <program.exe>
set -u
exe=$1
dump=$(i686-w64-mingw32-objdump -p "$exe") || { echo "FAIL: cannot read $exe"; exit 1; }

allowed_dlls='^(advapi32|comctl32|comdlg32|gdi32|kernel32|msvcrt|ole32|shell32|user32)\.dll$'
denied_functions=(
    GetTickCount64 InitializeSRWLock AcquireSRWLockExclusive AcquireSRWLockShared
    ReleaseSRWLockExclusive ReleaseSRWLockShared TryAcquireSRWLockExclusive
    TryAcquireSRWLockShared InitializeConditionVariable SleepConditionVariableCS
    SleepConditionVariableSRW WakeConditionVariable WakeAllConditionVariable
    InitOnceInitialize InitOnceExecuteOnce InitOnceBeginInitialize InitOnceComplete
    FlsAlloc FlsFree FlsGetValue FlsSetValue InitializeCriticalSectionEx
    CreateEventExW CreateMutexExW CreateSemaphoreExW GetFileInformationByHandleEx
    SetFileInformationByHandle GetFinalPathNameByHandleW CreateSymbolicLinkW
    GetSystemTimePreciseAsFileTime QueryFullProcessImageNameW GetLocaleInfoEx
    LCMapStringEx CompareStringEx GetUserDefaultLocaleName CancelIoEx SetThreadErrorMode
    GetErrorMode RegGetValueW RegDeleteTreeW SHGetKnownFolderPath TaskDialog
    TaskDialogIndirect SetProcessDPIAware GetDpiForWindow SetDllDirectoryW SetDllDirectoryA
    SetDefaultDllDirectories AddDllDirectory)

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

while read -r dll; do
    [[ ${dll,,} =~ $allowed_dlls ]] || fail "imports from $dll, which Windows XP does not have"
done < <(awk '/DLL Name:/ {print $3}' <<<"$dump")

imported=$(awk '/^\t[0-9a-f]+\t +[0-9]+  [A-Za-z_]/ {print $3}' <<<"$dump")
[ -n "$imported" ] || fail "found no imported functions: the import table was not read"
for name in "${denied_functions[@]}"; do
    grep -qx "$name" <<<"$imported" && fail "imports $name, which Windows XP SP3 lacks"
done

for field in MajorOSystemVersion MajorSubsystemVersion; do
    version=$(awk -v f="$field" '$1 == f {print $2}' <<<"$dump")
    [ "${version:-99}" -le 5 ] || fail "$field is $version: Windows XP would refuse to start it"
done

if [ "$failures" -eq 0 ]; then
    echo "PASS xp-imports: $(wc -l <<<"$imported") functions from XP's own DLLs"
fi
exit $((failures > 0))
