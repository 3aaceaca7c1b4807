# i686 mingw-w64 (posix threads): the shipped 32-bit build. It cannot run on
# these machines, so nothing in this tree is registered with CTest.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)
set(BX_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
