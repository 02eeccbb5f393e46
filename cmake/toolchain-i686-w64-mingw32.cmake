# 32-bit Windows with Debian's mingw-w64; test programs run under 32-bit Wine.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(FAXIMPORT_MINGW_TRIPLE i686-w64-mingw32)
set(FAXIMPORT_WINE_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
