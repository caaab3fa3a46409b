# Compiler settings shared by every target of the project.
add_library(launcher_options INTERFACE)
target_compile_options(launcher_options INTERFACE -Wall -Wextra -Wno-unused-parameter)

if(WIN32)
    # Narrow Win32 calls throughout: the system's text is in the ANSI code page.
    target_compile_definitions(launcher_options INTERFACE
        WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 __MSVCRT_VERSION__=0x0700)
endif()

if(LAUNCHER_SANITIZE)
    if(WIN32)
        message(FATAL_ERROR "Sanitizers are for the host build only")
    endif()
    set(sanitize_flags -fsanitize=address,undefined -fno-sanitize-recover=all
        -fno-omit-frame-pointer)
    target_compile_options(launcher_options INTERFACE ${sanitize_flags})
    target_link_options(launcher_options INTERFACE ${sanitize_flags})
endif()

# Fuzzing instruments every library for coverage; only the fuzz targets link libFuzzer's main.
if(LAUNCHER_FUZZ)
    if(WIN32 OR NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "Fuzz targets need the host build with clang (preset host-fuzz)")
    endif()
    set(fuzz_flags -fsanitize=address,undefined,fuzzer-no-link -fno-sanitize-recover=all
        -fno-omit-frame-pointer)
    target_compile_options(launcher_options INTERFACE ${fuzz_flags})
    target_link_options(launcher_options INTERFACE ${fuzz_flags})
endif()
