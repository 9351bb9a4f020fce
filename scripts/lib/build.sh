#!/usr/bin/env bash
# The three builds: native (core + unit tests), native with ASan and UBSan,
# and the MinGW cross build (wabo.exe and the end-to-end driver).

NATIVE_DIR="$BUILD/native"
ASAN_DIR="$BUILD/asan"
MINGW_DIR="$BUILD/mingw"

# cmake_build DIR LOGNAME [cmake options...]
cmake_build() {
  local dir="$1" name="$2"; shift 2
  if [ ! -f "$dir/CMakeCache.txt" ]; then
    quiet "$name-configure" cmake -S "$WABO_ROOT" -B "$dir" "$@" || return 1
  else
    # Picks up new source files and folders.
    quiet "$name-configure" cmake "$dir" "$@" || return 1
  fi
  quiet "$name-build" cmake --build "$dir" -j "$JOBS" || return 1
}

build_native() {
  cmake_build "$NATIVE_DIR" native -DCMAKE_BUILD_TYPE=Debug
}

build_asan() {
  cmake_build "$ASAN_DIR" asan -DCMAKE_BUILD_TYPE=Debug -DWABO_SANITIZE=ON
}

build_mingw() {
  cmake_build "$MINGW_DIR" mingw \
    -DCMAKE_TOOLCHAIN_FILE="$WABO_ROOT/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release
}
