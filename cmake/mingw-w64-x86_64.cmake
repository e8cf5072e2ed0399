# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-builds the Windows edition on Debian with mingw-w64 (posix threads,
# so that std::thread and std::mutex work in the tests).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The same commit gives the same stockcalc.exe wherever it is built: no link
# time in the PE header, no compiler version string in every object. (The
# top-level CMakeLists.txt maps the source and build folders out of the
# objects; tools/build-windows.sh exports SOURCE_DATE_EPOCH.)
set(CMAKE_C_FLAGS_INIT "-fno-ident")
set(CMAKE_CXX_FLAGS_INIT "-fno-ident")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-Wl,--no-insert-timestamp")

# Windows programs built here (the tests) run under Wine, each in a private
# prefix unless tools/wine-env.sh has set one up for the whole run.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tools/wine-env.sh)
