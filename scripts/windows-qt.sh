#!/usr/bin/env bash
# Builds Qt for 64-bit Windows from Debian's own qt6-base source package, the
# version that matches the host's qt6-base-dev, and prints the folder it is
# installed in. The build happens once per machine: it lands in a cache folder
# outside the tree, named by the Qt version and a hash of everything that
# shapes it, and a second call finds it there and prints the same folder.
#
#   scripts/windows-qt.sh            build if needed, print the Qt folder
#   scripts/windows-qt.sh --where    print the Qt folder without building
#
# CYCLO_QT_WINDOWS_CACHE names the cache folder (default:
# ${XDG_CACHE_HOME:-~/.cache}/quellant-cyclograph). A fresh build takes about half
# an hour on two cores; docs/DEVELOPING.md has the measured times.
#
# Qt is built as DLLs, so that a user can replace them as its licence (LGPL v3)
# asks; each DLL carries its own copy of the MinGW runtime (libstdc++, libgcc,
# winpthread), so the program's folder holds Qt and nothing else.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

say() { echo "windows-qt: $*" >&2; }
fail() {
  say "$*"
  exit 1
}

for tool in dpkg-query apt-get dpkg-source cmake ninja sha256sum x86_64-w64-mingw32-g++-posix; do
  command -v "$tool" >/dev/null ||
    fail "$tool is missing: run scripts/deps.sh test first (it installs the cross compiler and the build tools)"
done

# The source package is the one the host's Qt was built from, so that the
# host's moc, rcc and uic (QT_HOST_PATH) are the same version as the target's
# libraries.
qt_package_version=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null) ||
  fail "qt6-base-dev is not installed: run scripts/deps.sh test first"
qt_version=${qt_package_version%%+*}
qt_version=${qt_version%%-*}

toolchain=$root/cmake/mingw-w64-x86_64.cmake
options=(
  -G Ninja
  -DCMAKE_TOOLCHAIN_FILE="$toolchain"
  -DCMAKE_BUILD_TYPE=Release
  # The MinGW runtime goes into each DLL and plugin: none of its DLLs has to
  # be shipped.
  -DCMAKE_SHARED_LINKER_FLAGS=-static -DCMAKE_MODULE_LINKER_FLAGS=-static
  -DQT_HOST_PATH=/usr
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
  -DQT_QMAKE_TARGET_MKSPEC=win32-g++
  -DBUILD_SHARED_LIBS=ON
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
  # Only Core, Gui, Widgets, PrintSupport and Test: the program uses nothing else.
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_xml=OFF
  -DFEATURE_concurrent=OFF -DFEATURE_vulkan=OFF -DFEATURE_opengl=OFF
  # With OpenGL off, 6.4.2 still compiles the dynamic-GL path of the Windows
  # platform plugin unless this is off too.
  -DFEATURE_dynamicgl=OFF
  # Debian's tarball leaves out the Wacom headers the tablet support needs.
  -DFEATURE_tabletevent=OFF
  # (Direct2D stays on: without it 6.4.2 leaves the DirectWrite font engine
  # out of Qt6Gui.dll, which Qt6PrintSupport.dll still calls.)
  # The bundled third-party libraries: there are no Windows builds of them here.
  -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF
  -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF
  -DFEATURE_system_pcre2=OFF -DFEATURE_system_doubleconversion=OFF
)

# Everything that shapes the result: the package version, the options, the
# toolchain file and the cross compiler's version.
hash=$({
  echo "$qt_package_version"
  printf '%s\n' "${options[@]}" | sed "s|$root|ROOT|"
  cat "$toolchain"
  x86_64-w64-mingw32-g++-posix --version | head -n 1
} | sha256sum | cut -c1-12)

cache=${CYCLO_QT_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/quellant-cyclograph}
prefix=$cache/qt-$qt_version-mingw64-$hash
work=$cache/work-qt-$qt_version-mingw64-$hash
stamp=$prefix/.cyclo-complete
manifest=$prefix/.cyclo-manifest

if [ "${1:-}" = --where ]; then
  echo "$prefix"
  exit 0
fi

# A finished build carries a stamp and a manifest of every file it installed
# with its checksum; anything less is half-built or damaged and built again.
if [ -f "$stamp" ] && [ -f "$manifest" ]; then
  if (cd "$prefix" && sha256sum --quiet --strict -c .cyclo-manifest >/dev/null 2>&1); then
    echo "$prefix"
    exit 0
  fi
  say "the cached Qt in $prefix is damaged: building it again"
  rm -rf "$work/build"
elif [ -e "$prefix" ]; then
  say "the cached Qt in $prefix was never finished: building it again"
fi
rm -rf "$prefix"
mkdir -p "$work"

# --- The source, from Debian's archive, through an apt configuration of our own
source_dir=$work/src
if [ ! -f "$source_dir/.cyclo-unpacked" ]; then
  rm -rf "$source_dir" "$work/apt"
  mkdir -p "$work/apt/lists/partial" "$source_dir"
  sources=$work/apt/sources.list
  # The machine's Debian entries, as source entries; its own files stay as they are.
  for file in /etc/apt/sources.list.d/*.sources; do
    [ -f "$file" ] || continue
    awk 'BEGIN { RS = ""; ORS = "\n\n" } /Types:[^\n]*deb/ { sub(/Types:[^\n]*/, "Types: deb-src"); print }' \
      "$file"
  done >"$work/apt/debian.sources"
  if [ -f /etc/apt/sources.list ]; then
    sed -n 's/^deb \(.*\)$/deb-src \1/p' /etc/apt/sources.list >"$sources"
  else
    : >"$sources"
  fi
  mkdir -p "$work/apt/sources.list.d"
  mv "$work/apt/debian.sources" "$work/apt/sources.list.d/"
  apt_options=(
    -o Dir::Etc::SourceList="$sources"
    -o Dir::Etc::SourceParts="$work/apt/sources.list.d"
    -o Dir::State::Lists="$work/apt/lists"
    -o Debug::NoLocking=1
    # The files land in the cache folder, which apt's own user cannot read.
    -o APT::Sandbox::User=root
  )
  say "fetching the list of Debian's source packages"
  apt-get "${apt_options[@]}" update -qq >&2 ||
    fail "apt could not read Debian's source package lists (see above)"
  say "fetching qt6-base $qt_package_version"
  (cd "$source_dir" && apt-get "${apt_options[@]}" source -qq "qt6-base=$qt_package_version" >&2) ||
    fail "Debian's source package qt6-base $qt_package_version could not be fetched or unpacked (see above)"
  unpacked=$(find "$source_dir" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)
  [ -n "$unpacked" ] && [ -f "$unpacked/CMakeLists.txt" ] ||
    fail "the source package qt6-base $qt_package_version did not unpack into a source tree"
  echo "$unpacked" >"$source_dir/.cyclo-unpacked"
fi
qt_source=$(cat "$source_dir/.cyclo-unpacked")

# --- Configure, build, install
build=$work/build
if [ ! -f "$build/build.ninja" ]; then
  rm -rf "$build"
  mkdir -p "$build"
  say "configuring Qt $qt_version for Windows in $build"
  cmake -S "$qt_source" -B "$build" "${options[@]}" -DCMAKE_INSTALL_PREFIX="$prefix" \
    >"$work/configure.log" 2>&1 ||
    {
      tail -n 40 "$work/configure.log" >&2
      rm -f "$build/build.ninja"
      fail "configuring Qt failed; the whole log is $work/configure.log"
    }
fi
say "building Qt $qt_version for Windows (about half an hour on two cores the first time)"
ninja -C "$build" -j "$(nproc)" >"$work/build.log" 2>&1 ||
  {
    tail -n 40 "$work/build.log" >&2
    fail "building Qt failed; the whole log is $work/build.log"
  }
ninja -C "$build" install >"$work/install.log" 2>&1 ||
  {
    tail -n 20 "$work/install.log" >&2
    rm -rf "$prefix"
    fail "installing Qt failed; the whole log is $work/install.log"
  }

# What was built, from which source package and with which options, with
# the licence texts of Qt and of the libraries it bundles: the third-party
# notice the program's folder ships.
{
  echo "Qt $qt_version, built from Debian's source package qt6-base $qt_package_version"
  echo "(apt-get source qt6-base=$qt_package_version) with $(x86_64-w64-mingw32-g++-posix --version | head -n 1)"
  echo "and the CMake options:"
  printf '  %s\n' "${options[@]}" | sed "s|$root/||"
} >"$work/build-info.txt"
cmake -DQT_SOURCE="$qt_source" -DBUILD_INFO="$work/build-info.txt" \
  -DOUTPUT="$prefix/THIRD-PARTY-NOTICES.txt" -P "$root/cmake/WindowsQtNotice.cmake" >&2 ||
  fail "the third-party notice could not be written"

(cd "$prefix" && find . -type f ! -name '.cyclo-*' -print0 | sort -z | xargs -0 sha256sum >.cyclo-manifest)
touch "$stamp"
rm -rf "$work"
say "Qt $qt_version for Windows is ready in $prefix"
echo "$prefix"
