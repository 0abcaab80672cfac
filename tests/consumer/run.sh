#!/usr/bin/env bash
# Installs the build tree into a fresh prefix, then configures, builds and runs the consumer
# project against it.
#   run.sh <build tree> <consumer source> <work folder> <extra compiler and linker flags>
set -euo pipefail
build=$1
source=$2
work=$3
flags=${4:-}
rm -rf "$work"
cmake --install "$build" --prefix "$work/prefix" >/dev/null
cmake -S "$source" -B "$work/build" -DCMAKE_PREFIX_PATH="$work/prefix" \
    -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="$flags" >/dev/null
cmake --build "$work/build" >/dev/null
"$work/build/consumer"

# The pkg-config file serves a build without CMake.
libdir=$(ls -d "$work/prefix"/lib*/pkgconfig | head -n 1)
export PKG_CONFIG_PATH="$libdir"
g++ $flags "$source/main.cpp" -o "$work/consumer-pkgconfig" \
    $(pkg-config --cflags dsutils) $(pkg-config --libs dsutils)
"$work/consumer-pkgconfig"

# The program is installed beside the library and runs from the prefix.
"$work/prefix/bin/reelmark" --version >/dev/null
