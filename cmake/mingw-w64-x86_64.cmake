# The 64-bit build: runs on 64-bit Windows only.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TW_ARCH win64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
