# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (posix thread model,
# whose libstdc++ has std::mutex and std::condition_variable for GoogleTest).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingwTriplet x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingwTriplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingwTriplet}-g++-posix)
set(CMAKE_RC_COMPILER ${mingwTriplet}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${mingwTriplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Single executables: the C and C++ runtimes and winpthread are linked in.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# ctest and test discovery run the executables under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh)
