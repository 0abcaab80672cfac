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
# The consumer reads the content it was installed with.
export REELMARK_CONTENT="$work/prefix/share/dsutils/content"
unset REELMARK_PLUGINS

# The shipped content is installed with the library.
content="$work/prefix/share/dsutils/content"
for file in DVD/Mandatory/PlaceHolder.png DVD/Mandatory/SP_Pattern.png \
    Overlays/Masks/Wide_mask.png DVD/4x3/Themes/Aurora.dmsd DVD/16x9/Themes/HD_Premiere.dmsd \
    DVD/4x3/Button/Theme_Aurora.xml DVD/16x9/Button/Theme_Cobalt.PNG; do
    if [ ! -f "$content/$file" ]; then
        echo "consumer: $file of the content was not installed" >&2
        exit 1
    fi
done

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

# The private headers of the library, the platform, the object model and the engine are not
# installed: a consumer cannot include them.
cflags=$(pkg-config --cflags dsutils)
for header in foundation/FileOperations.h navigation/ReachabilityPass.h \
    themes/ElementSteps.h production/ProductionAccess.h validation/ProductionSearch.h \
    subpicture/SubpictureBuffer.h environment/CrashReport.h \
    platform/AvHandles.h platform/XmlDocument.h ProjectData.h Production.h ClipStream.h; do
    if echo "#include <$header>" | g++ -std=c++20 -fsyntax-only -x c++ - $cflags 2>/dev/null; then
        echo "consumer: the private header $header can be included" >&2
        exit 1
    fi
done
