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

file(GLOB WIN32_SOURCES CONFIGURE_DEPENDS src/platform/win32/*.cpp src/ui/*.cpp)
add_executable(Velmora WIN32 ${WIN32_SOURCES} resources/velmora.rc)
target_link_options(Velmora PRIVATE -municode ${XP_LINK_OPTIONS})
target_link_libraries(Velmora PRIVATE velmora_core comctl32 shell32 ole32 advapi32 gdi32
                      user32 kernel32)
set_source_files_properties(resources/velmora.rc PROPERTIES
    OBJECT_DEPENDS "${CMAKE_SOURCE_DIR}/resources/velmora.manifest")

# Programs that only the end-to-end tests, the demo and the benchmark use.
foreach(extra tests/e2e/robot tests/e2e/stand-ins examples/stand-ins bench)
    if(EXISTS ${CMAKE_SOURCE_DIR}/${extra}/CMakeLists.txt)
        add_subdirectory(${extra})
    endif()
endforeach()
