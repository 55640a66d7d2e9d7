# Cross-compiles for Windows with the posix thread variant of MinGW-w64 (the
# win32 variant lacks std::mutex, which GoogleTest needs). Included by the
# toolchain file of each architecture, which sets first:
#   CMAKE_SYSTEM_PROCESSOR   i686 or x86_64
#   TW_ARCH                  win32 or win64: the build's name, its Wine prefix and loader
set(CMAKE_SYSTEM_NAME Windows)

set(TW_MINGW_PREFIX ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32)
set(CMAKE_C_COMPILER   ${TW_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TW_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER  ${TW_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TW_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Every test and tool of this build runs under Wine through the project's
# wrapper, with the loader and prefix of the build's own architecture.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tools/wine-run ${TW_ARCH})

# A bare Windows has no MinGW runtime DLLs: link them in.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
