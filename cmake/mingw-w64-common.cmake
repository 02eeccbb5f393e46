# Shared by the two mingw-w64 toolchain files, which set FAXIMPORT_MINGW_TRIPLE
# (the compiler prefix) and FAXIMPORT_WINE_ARCH (the Wine that runs the build's
# programs) before including it.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${FAXIMPORT_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${FAXIMPORT_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${FAXIMPORT_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${FAXIMPORT_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Everything static: no MinGW DLLs are needed beside the executables.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++")

# ctest runs the Windows test programs through Wine, in the prefix and with
# the loader of this build's architecture.
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh;${FAXIMPORT_WINE_ARCH}")
