# Cross build for 64-bit Windows with Debian's mingw-w64 compilers (the posix
# thread model, which std::thread and std::mutex need). The C and C++ runtimes
# and winpthread are linked in, so the .exe files run on a plain Windows
# without any DLL beside them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(GLYPHORA_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${GLYPHORA_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${GLYPHORA_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${GLYPHORA_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${GLYPHORA_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The editor window links the Qt that scripts/build-qt-windows cross-builds
# (GLYPHORA_QT_WINDOWS names its folder); Qt's code generators (moc, rcc, uic)
# are the host's, from the system's own Qt of the same version.
if(GLYPHORA_QT_WINDOWS)
  list(APPEND CMAKE_FIND_ROOT_PATH ${GLYPHORA_QT_WINDOWS})
  set(QT_HOST_PATH /usr)
  set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
endif()

# GCC 12 warns of an overlapping memcpy inside std::string's own code at -O3
# (GCC bug 105329, a false positive).
set(CMAKE_CXX_FLAGS_INIT "-Wno-restrict")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# The test programs run under Wine when it is there (ctest and the test
# discovery both go through the emulator).
find_program(GLYPHORA_WINE NAMES wine wine-stable wine64)
if(GLYPHORA_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${GLYPHORA_WINE})
endif()
