# Cross-builds native 64-bit Windows programs on Debian with mingw-w64
# (g++-mingw-w64-x86-64-posix: the posix thread model, for std::thread). The C and C++
# runtimes are linked in statically, so each .exe needs only DLLs that ship with Windows.
# Programs and tests built here run under Wine through tools/wine-run.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(VESTARA_MINGW x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${VESTARA_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VESTARA_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${VESTARA_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${VESTARA_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../../tools/wine-run)
