// copier.exe: the benchmark's yardstick under Windows. Does what an installation into every
// skin does to the files, with nothing else: each skin's Smilies\Animated and Smilies\Static
// folders emptied with DeleteFileW, then every file of the pack's "Animated Single Full Light"
// and "Static Single Full Light" folders copied in with CopyFileW.
//
//   copier.exe SOURCE-SMP-FOLDER SKINS-FOLDER
//
// Prints the seconds it took and the files it copied: "seconds 12.345 files 20010".

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// The files of a folder, or with folders set its sub-folders.
std::vector<std::wstring> Names(const std::wstring& folder, bool folders) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        const std::wstring name = found.cFileName;
        const bool isFolder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (isFolder == folders && name != L"." && name != L"..") names.push_back(name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: copier SOURCE-SMP-FOLDER SKINS-FOLDER\n");
        return 2;
    }
    const std::wstring pack = argv[1];
    const std::wstring skins = argv[2];
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    int copied = 0;
    int failed = 0;
    for (const std::wstring& skin : Names(skins, true)) {
        for (const wchar_t* kind : {L"Animated", L"Static"}) {
            const std::wstring source = pack + L"\\" + kind + L" Single Full Light";
            const std::wstring target = skins + L"\\" + skin + L"\\Smilies\\" + kind;
            for (const std::wstring& name : Names(target, false))
                DeleteFileW((target + L"\\" + name).c_str());
            for (const std::wstring& name : Names(source, false)) {
                if (CopyFileW((source + L"\\" + name).c_str(), (target + L"\\" + name).c_str(),
                              FALSE))
                    ++copied;
                else
                    ++failed;
            }
        }
    }
    QueryPerformanceCounter(&end);
    std::printf("seconds %.3f files %d\n",
                static_cast<double>(end.QuadPart - start.QuadPart) / frequency.QuadPart, copied);
    if (failed) std::fprintf(stderr, "copier: %d files could not be copied\n", failed);
    return failed ? 1 : 0;
}
