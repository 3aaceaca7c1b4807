# x86_64 mingw-w64 (posix threads): the build that runs under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(BX_MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
# Test binaries run under Wine; the harness exports WINEPREFIX and friends.
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
