# Shared part of the MinGW-w64 cross toolchains; the per-target files set
# WAKESPAN_MINGW_TRIPLET and CMAKE_SYSTEM_PROCESSOR first.
set(CMAKE_SYSTEM_NAME Windows)
# The posix thread model gives the C++ library std::mutex, which GoogleTest needs.
set(CMAKE_C_COMPILER ${WAKESPAN_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${WAKESPAN_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${WAKESPAN_MINGW_TRIPLET}-windres)
# The cross libraries of the system plus our own prebuilt libpng/libjpeg prefix.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${WAKESPAN_MINGW_TRIPLET})
if(DEFINED ENV{WAKESPAN_MINGW_DEPS})
  list(APPEND CMAKE_FIND_ROOT_PATH $ENV{WAKESPAN_MINGW_DEPS})
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
