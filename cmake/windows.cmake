# Velmora.exe: 32-bit GUI program for Windows XP and later, linked statically so that it
# needs nothing beyond the system's own DLLs. It imports only DLLs that Windows always maps
# from the system folder (a DLL of another name would be looked for next to the program
# first); version.dll and MAPI32.DLL are loaded at run time by their full path.
enable_language(RC)

set(XP_DEFINITIONS UNICODE _UNICODE _WIN32_WINNT=0x0501 WINVER=0x0501 _WIN32_IE=0x0600)
set(XP_LINK_OPTIONS
    -static -static-libgcc -static-libstdc++
    -Wl,--major-subsystem-version,5 -Wl,--minor-subsystem-version,1
    -Wl,--major-os-version,5 -Wl,--minor-os-version,1)

target_compile_definitions(velmora_core PUBLIC ${XP_DEFINITIONS})

# The platform's Windows side, shared by the wizard and the console pack checker.
file(GLOB WIN32_PLATFORM_SOURCES CONFIGURE_DEPENDS src/platform/win32/*.cpp)
add_library(velmora_win32 STATIC ${WIN32_PLATFORM_SOURCES})
target_link_libraries(velmora_win32 PUBLIC velmora_core)

file(GLOB UI_SOURCES CONFIGURE_DEPENDS src/ui/*.cpp)
add_executable(Velmora WIN32 src/app/win32/winmain.cpp ${UI_SOURCES} resources/velmora.rc)
target_link_options(Velmora PRIVATE -municode ${XP_LINK_OPTIONS})
target_link_libraries(Velmora PRIVATE velmora_win32 comctl32 shell32 ole32 advapi32 gdi32
                      user32 kernel32)

# velmora-check.exe, the pack author's checker for the command prompt.
add_executable(velmora-check src/app/check/check_main_win32.cpp)
target_link_options(velmora-check PRIVATE -municode ${XP_LINK_OPTIONS})
target_link_libraries(velmora-check PRIVATE velmora_win32 shell32 ole32 advapi32 user32 kernel32)
# The manifest carries the project's version and asks for the common controls of the
# program's own architecture: a 64-bit build that asked for the x86 ones would not start.
if(MINGW_ARCH STREQUAL "x86_64")
    set(VELMORA_MANIFEST_ARCH amd64)
else()
    set(VELMORA_MANIFEST_ARCH x86)
endif()
configure_file(resources/velmora.manifest.in resources/velmora.manifest @ONLY)
target_include_directories(Velmora PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/resources)
set_source_files_properties(resources/velmora.rc PROPERTIES
    OBJECT_DEPENDS "${CMAKE_CURRENT_BINARY_DIR}/resources/velmora.manifest"
    COMPILE_DEFINITIONS "VELMORA_VERSION_NUMBERS=${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},${PROJECT_VERSION_PATCH},0;VELMORA_VERSION_TEXT=${PROJECT_VERSION}.lang")

# Programs that only the end-to-end tests, the demo and the benchmark use.
foreach(extra tests/e2e/robot tests/e2e/stand-ins tests/windows examples/stand-ins bench)
    if(EXISTS ${CMAKE_SOURCE_DIR}/${extra}/CMakeLists.txt)
        add_subdirectory(${extra})
    endif()
endforeach()
