#!/bin/sh
# Builds SDL2 for the browser from Debian's own libsdl2 source package, the
# version libsdl2-dev has, into DEST (include/, lib/libSDL2.a and a CMake
# package file). Only the subsystems the game uses, and SDL's software
# renderer: the browser draws the same picture as the headless game.
# Usage: tools/sdlweb.sh DEST
set -e
dest=$(realpath -m "$1")
version=$(dpkg-query -W -f='${Version}' libsdl2-dev)
[ -f "$dest/lib/libSDL2.a" ] && [ "$(cat "$dest/version" 2>/dev/null)" = "$version" ] && exit 0
"$(dirname "$0")/sourcesdebian.sh"
rm -rf "$dest" && mkdir -p "$dest/source" "$dest/include/SDL2" "$dest/objets" "$dest/lib/cmake/SDL2"
(cd "$dest/source" && apt-get source -qq "libsdl2=$version" >/dev/null 2>&1) ||
  { echo "cannot fetch the libsdl2 $version sources (apt-get source)" >&2; exit 1; }
src=$(echo "$dest"/source/libsdl2-*/)
cp "$src"/include/*.h "$dest/include/SDL2/"
cat >"$dest/include/SDL2/SDL_config.h" <<'FIN'
#include "SDL_config_emscripten.h"
#undef SDL_AUDIO_DRIVER_DISK
#undef SDL_AUDIO_DRIVER_DUMMY
#undef SDL_AUDIO_DRIVER_EMSCRIPTEN
#undef SDL_JOYSTICK_EMSCRIPTEN
#undef SDL_SENSOR_DUMMY
#undef SDL_LOADSO_DLOPEN
#undef SDL_VIDEO_RENDER_OGL_ES2
#undef SDL_VIDEO_OPENGL_ES2
#undef SDL_VIDEO_OPENGL_EGL
#undef SDL_POWER_EMSCRIPTEN
#define SDL_AUDIO_DISABLED 1
#define SDL_JOYSTICK_DISABLED 1
#define SDL_SENSOR_DISABLED 1
#define SDL_LOADSO_DISABLED 1
#define SDL_POWER_DISABLED 1
FIN
cd "$src/src"
ls *.c atomic/*.c audio/*.c cpuinfo/*.c events/*.c file/*.c haptic/*.c haptic/dummy/*.c \
   joystick/*.c joystick/dummy/*.c libm/*.c locale/*.c locale/emscripten/*.c misc/*.c \
   misc/emscripten/*.c power/*.c render/*.c render/software/*.c sensor/*.c sensor/dummy/*.c \
   stdlib/*.c thread/*.c thread/generic/*.c timer/*.c timer/unix/*.c video/*.c \
   video/emscripten/*.c video/yuv2rgb/*.c filesystem/emscripten/*.c loadso/dummy/*.c |
  xargs -P 2 -I {} sh -c 'emcc -Os -ffp-contract=off -w -I"$1/include/SDL2" -c "{}" -o "$1/objets/$(echo "{}" | tr / _).o"' - "$dest"
emar rcs "$dest/lib/libSDL2.a" "$dest"/objets/*.o
cat >"$dest/lib/cmake/SDL2/SDL2Config.cmake" <<'FIN'
get_filename_component(racine "${CMAKE_CURRENT_LIST_DIR}/../../.." ABSOLUTE)
add_library(SDL2::SDL2 STATIC IMPORTED)
set_target_properties(SDL2::SDL2 PROPERTIES IMPORTED_LOCATION "${racine}/lib/libSDL2.a"
  INTERFACE_INCLUDE_DIRECTORIES "${racine}/include/SDL2")
FIN
echo "$version" >"$dest/version"
