# Windows x64 executables built on Debian with mingw-w64 (POSIX threads) and run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(FORGELINE_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${FORGELINE_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${FORGELINE_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${FORGELINE_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${FORGELINE_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The runtime of gcc, libstdc++ and winpthreads linked in: the executables run under Wine
# without mingw's DLLs beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

set(CMAKE_CROSSCOMPILING_EMULATOR wine)
