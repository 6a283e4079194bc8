# Windows x64 executables built on Debian with mingw-w64 (POSIX threads) and run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(FORGELINE_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${FORGELINE_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${FORGELINE_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${FORGELINE_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${FORGELINE_MINGW})
# A Qt for Windows lies outside the mingw root; its packages are found only once it is a root too.
if(FORGELINE_QT_WINDOWS)
    list(APPEND CMAKE_FIND_ROOT_PATH ${FORGELINE_QT_WINDOWS})
    set(FORGELINE_MINGW_SHARED_RUNTIME ON)
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES FORGELINE_QT_WINDOWS FORGELINE_MINGW_SHARED_RUNTIME)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Without Qt, the runtime of gcc, libstdc++ and winpthreads is linked in, so the executables run
# under Wine without mingw's DLLs beside them. Qt's DLLs link that runtime as DLLs, and whatever
# links Qt must share it: two copies of libstdc++ in one process do not mix.
if(NOT FORGELINE_MINGW_SHARED_RUNTIME)
    set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
endif()

set(CMAKE_CROSSCOMPILING_EMULATOR wine)
