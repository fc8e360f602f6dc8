#!/bin/sh
# Builds SDL2 from Debian's own libsdl2 source package, the version
# libsdl2-dev has, into DEST (include/, lib/ and a CMake package file):
#   web      for the browser, with SDL's software renderer only, so that the
#            browser draws the same picture as the headless game, and the
#            browser's gamepads;
#   windows  for Windows x86_64 with mingw-w64, static, with SDL2main;
#   linux    for the portable Linux build, static, with SDL's X11 and Wayland
#            drivers, which load their libraries when the game starts;
#   linux-aarch64  the same for 64-bit ARM, cross-built;
#   fuzz     with clang, the address and undefined-behaviour sanitizers and
#            libFuzzer's coverage, dummy video only, for the picture fuzzer.
# Only the subsystems the game uses.
# Usage: tools/sdl.sh web|windows|linux|linux-aarch64|fuzz DEST
set -e
export LC_ALL=C  # the objects' order in the archive, whatever the locale
cible=$1
dest=$(realpath -m "$2")
outils=$(realpath "$(dirname "$0")")
# The files of ours a target's build reads besides this script.
case $cible in
web) propres=$outils/../web/allege.c ;;
windows) propres=$outils/../windows/mingw.cmake ;;
linux-aarch64) propres=$outils/../linux/aarch64.cmake ;;
*) propres=/dev/null ;;
esac
# Built again when Debian's version (the build machine's own architecture's: a
# foreign one may be installed beside it), this script or those files change.
version="$(dpkg-query -W -f='${Version}' "libsdl2-dev:$(dpkg --print-architecture)") $(cat "$0" "$propres" | cksum)"
[ "$(cat "$dest/version" 2>/dev/null)" = "$version" ] && exit 0
"$outils/sourcesdebian.sh"
# Built in a folder of a plain name, whatever DEST's holds (compilers' flags are
# split at blanks), then copied there; no build path is left in what is built,
# so the same sources give the same bytes anywhere.
chantier=$(mktemp -d)
trap 'rm -rf "$chantier"' EXIT
mkdir "$chantier/source" "$chantier/objets" "$chantier/sdl2"
(cd "$chantier/source" && apt-get source -qq "libsdl2=${version%% *}" >/dev/null 2>&1) ||
  { echo "cannot fetch the libsdl2 ${version%% *} sources (apt-get source)" >&2; exit 1; }
src=$(echo "$chantier"/source/libsdl2-*/)
carte="-ffile-prefix-map=$chantier=."

# Game controllers where players play: their joystick drivers and SDL's own
# drivers for the common pads (HIDAPI); the fuzzer needs none.
manettes="-DSDL_JOYSTICK=ON -DSDL_HIDAPI=ON"

# SDL's own CMake build; what every non-browser build leaves out.
journal=$chantier/construction.log
construit() {
  if ! {
    cmake -S "$src" -B "$chantier/objets" --log-level=ERROR -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_C_FLAGS="$carte ${drapeaux:-}" \
    -DCMAKE_INSTALL_PREFIX="$chantier/sdl2" -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF \
    -DSDL_CCACHE=OFF -DSDL_AUDIO=OFF -DSDL_JOYSTICK=OFF -DSDL_HAPTIC=OFF -DSDL_HIDAPI=OFF \
    -DSDL_SENSOR=OFF -DSDL_POWER=OFF -DSDL_LOCALE=OFF -DSDL_MISC=OFF -DSDL_FILESYSTEM=OFF \
    -DSDL_OPENGLES=OFF -DSDL_VULKAN=OFF "$@" >"$journal" 2>&1 &&
    cmake --build "$chantier/objets" -j 2 >>"$journal" 2>&1 &&
    cmake --install "$chantier/objets" >>"$journal" 2>&1
  }; then
    tail -n 30 "$journal" >&2
    echo "cannot build SDL2 ($cible)" >&2
    exit 1
  fi
}

case $cible in
windows)
  # shellcheck disable=SC2086 # $manettes: two options
  construit -DCMAKE_TOOLCHAIN_FILE="$propres" -DSDL_WASAPI=OFF $manettes
  ;;
linux | linux-aarch64)
  set --
  [ "$cible" = linux ] || set -- "-DCMAKE_TOOLCHAIN_FILE=$propres"
  # shellcheck disable=SC2086 # $manettes: two options
  construit "$@" $manettes -DSDL_HIDAPI_LIBUSB=OFF -DSDL_OPENGLES=ON -DSDL_KMSDRM=OFF \
    -DSDL_RPI=OFF -DSDL_VIVANTE=OFF -DSDL_LIBSAMPLERATE=OFF
  ;;
fuzz)
  fuzz="-g -fno-omit-frame-pointer -fsanitize=address,undefined,fuzzer-no-link -fno-sanitize-recover=all"
  CC=clang drapeaux=$fuzz construit -DSDL_X11=OFF -DSDL_WAYLAND=OFF -DSDL_KMSDRM=OFF \
    -DSDL_RPI=OFF -DSDL_VIVANTE=OFF -DSDL_OFFSCREEN=OFF -DSDL_OPENGL=OFF -DSDL_DBUS=OFF -DSDL_IBUS=OFF \
    -DSDL_LIBSAMPLERATE=OFF -DSDL_LOADSO=OFF
  ;;
web)
  sortie=$chantier/sdl2
  mkdir -p "$sortie/include/SDL2" "$sortie/lib/cmake/SDL2"
  cp "$src"/include/*.h "$sortie/include/SDL2/"
  cat >"$sortie/include/SDL2/SDL_config.h" <<'FIN'
#include "SDL_config_emscripten.h"
#undef SDL_AUDIO_DRIVER_DISK
#undef SDL_AUDIO_DRIVER_DUMMY
#undef SDL_AUDIO_DRIVER_EMSCRIPTEN
#undef SDL_SENSOR_DUMMY
#undef SDL_LOADSO_DLOPEN
#undef SDL_VIDEO_RENDER_OGL_ES2
#undef SDL_VIDEO_OPENGL_ES2
#undef SDL_VIDEO_OPENGL_EGL
#undef SDL_POWER_EMSCRIPTEN
#define SDL_AUDIO_DISABLED 1
#define SDL_SENSOR_DISABLED 1
#define SDL_LOADSO_DISABLED 1
#define SDL_POWER_DISABLED 1
/* SDL's own string-to-number: the C library's drags in long double arithmetic. */
#undef HAVE_STRTOD
#undef HAVE_ATOF
FIN
  # Smallest code, optimised with the game at link time; without what the game
  # never draws with (YUV, run-length and 16-bit 565 blits, alpha blending: its
  # pictures are opaque bitmaps, packed in at build time; blended drawing,
  # rotation and triangles, which web/allege.c stands in for).
  taille="-Oz -flto -DSDL_HAVE_YUV=0 -DSDL_HAVE_RLE=0 -DSDL_HAVE_BLIT_N_RGB565=0 -DSDL_HAVE_BLIT_A=0"
  cp "$propres" "$src/src/render/software/"
  cd "$src/src"
  # shellcheck disable=SC2016 # $1 is the inner shell's: the build folder
  printf '%s\n' ./*.c atomic/*.c audio/*.c cpuinfo/*.c events/*.c file/*.c haptic/*.c haptic/dummy/*.c \
     joystick/*.c joystick/emscripten/*.c libm/*.c locale/*.c locale/emscripten/*.c misc/*.c \
     misc/emscripten/*.c power/*.c render/*.c render/software/*.c sensor/*.c sensor/dummy/*.c \
     stdlib/*.c thread/*.c thread/generic/*.c timer/*.c timer/unix/*.c video/*.c \
     video/emscripten/*.c video/yuv2rgb/*.c filesystem/emscripten/*.c loadso/dummy/*.c |
    grep -v -E 'render/software/SDL_(blend|rotate|triangle)' |
    sed 's|^\./||' |
    xargs -P 2 -I {} sh -c 'emcc '"$taille $carte"' -ffp-contract=off -w -I"$1/sdl2/include/SDL2" \
      -c "{}" -o "$1/objets/$(echo "{}" | tr / _).o"' - "$chantier"
  emar rcs "$sortie/lib/libSDL2.a" "$chantier"/objets/*.o
  cat >"$sortie/lib/cmake/SDL2/SDL2Config.cmake" <<'FIN'
get_filename_component(racine "${CMAKE_CURRENT_LIST_DIR}/../../.." ABSOLUTE)
add_library(SDL2::SDL2 STATIC IMPORTED)
set_target_properties(SDL2::SDL2 PROPERTIES IMPORTED_LOCATION "${racine}/lib/libSDL2.a"
  INTERFACE_INCLUDE_DIRECTORIES "${racine}/include/SDL2")
FIN
  # The version, for the game's find_package to compare with the least it needs.
  cat >"$sortie/lib/cmake/SDL2/SDL2ConfigVersion.cmake" <<FIN
set(PACKAGE_VERSION "$(echo "${version%% *}" | sed 's/[+~-].*//')")
if(PACKAGE_VERSION VERSION_LESS PACKAGE_FIND_VERSION)
  set(PACKAGE_VERSION_COMPATIBLE FALSE)
else()
  set(PACKAGE_VERSION_COMPATIBLE TRUE)
endif()
FIN
  ;;
*) echo "usage: tools/sdl.sh web|windows|linux|linux-aarch64|fuzz DEST" >&2; exit 2 ;;
esac
if ! { rm -rf "$dest" && mkdir -p "$(dirname "$dest")" && cp -R "$chantier/sdl2" "$dest"; }; then
  echo "cannot copy SDL2 ($cible) into $dest" >&2
  exit 1
fi
[ ! -e "$journal" ] || cp "$journal" "$dest/"
echo "$version" >"$dest/version"
