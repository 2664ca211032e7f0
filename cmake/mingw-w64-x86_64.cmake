# Cross build for 64-bit Windows with Debian's MinGW-w64 toolchain (the POSIX-threads variant,
# which std::thread needs). The engine alone:
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
#         -DPLOTMERE_ENGINE_ONLY=ON -DPLOTMERE_GTEST_SOURCE_DIR=/usr/src/googletest
# The whole program, against a Qt built for Windows (scripts/build-qt-windows prints its prefix):
#   cmake ... -DCMAKE_PREFIX_PATH=<prefix> -DQT_HOST_PATH=/usr \
#         -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
# make windows-engine-test and make windows-test do this and run the tests under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(PLOTMERE_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${PLOTMERE_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${PLOTMERE_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${PLOTMERE_MINGW_TRIPLET}-windres)

# Libraries and headers of the target only; programs are the build machine's. The target's
# are MinGW-w64's own and those under the prefixes given in CMAKE_PREFIX_PATH (a Qt built for
# Windows), which would otherwise be looked for below MinGW-w64's folder.
set(CMAKE_FIND_ROOT_PATH /usr/${PLOTMERE_MINGW_TRIPLET} ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The C++ runtime, libgcc and winpthreads linked in, so an .exe runs without DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
