# The classic 32-bit build: runs on every Windows, 32- or 64-bit.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TW_ARCH win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
