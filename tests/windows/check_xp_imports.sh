#!/usr/bin/env bash
# Windows XP SP3 is the floor: the program may import only from DLLs that XP has, no
# api-ms-win-* sets, and none of the functions that came with later Windows. The DLLs are
# also only those that Windows maps from its own folder whatever lies next to the program
# (the known DLLs, and comctl32 through the manifest): version.dll, for one, is not among
# them and is loaded at run time. SetDllDirectoryW (XP SP1) and SetDefaultDllDirectories
# (later) are looked up at run time too. A windowed program carries its manifest: without the
# entries of Vista to 11, Windows 8.1 and later report themselves as Windows 8 (and LOG.txt
# would say so); "highestAvailable" lets an administrator's double-click reach a messenger under
# Program Files and the quota in the registry, while a standard user runs as before.
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

if grep -q '^Subsystem.*(Windows GUI)' <<<"$dump"; then
    manifest=$(tr -d '\r' <"$exe" | sed -n '/<assembly /,/<\/assembly>/p')
    for id in e2011457-1546-43c5-a5fe-008deee3d3f0 35138b9a-5d96-4fbd-8e2d-a2440225f93a \
        4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38 1f676c76-80e1-4239-95bb-83d0f6d0da78 \
        8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a; do
        grep -qF "<supportedOS Id=\"{$id}\"/>" <<<"$manifest" || fail "the manifest lacks {$id}"
    done
    grep -qF '<requestedExecutionLevel level="highestAvailable" uiAccess="false"/>' \
        <<<"$manifest" || fail "the manifest does not ask for the highest available rights"
fi

if [ "$failures" -eq 0 ]; then
    echo "PASS xp-imports: $(wc -l <<<"$imported") functions from XP's own DLLs"
fi
exit $((failures > 0))
