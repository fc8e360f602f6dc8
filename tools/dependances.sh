#!/bin/sh
# Installs the Debian packages a command needs, only those that are missing.
# Usage: tools/dependances.sh run|test|check|screenshots|bench|package|web|windows|linux|arm64|
#        release|reproduce|fuzz|fresh
set -e
paquets="g++ make cmake libsdl2-dev zlib1g-dev"
paquetage="dpkg-dev file lintian desktop-file-utils appstream"
# 64-bit ARM: Debian's cross compilers, the arm64 libraries beside ours, qemu to play.
arm64="crossbuild-essential-arm64 qemu-user libsdl2-dev:arm64 libstdc++6:arm64"
publication="$paquetage emscripten node-terser g++-mingw-w64-x86-64 nsis zip $arm64"
# The game's own tests: a real window under Xvfb (openbox for full screen), and
# under weston at twice the scale; memcheck; the portable menu entry validated.
essais="libgtest-dev xvfb xdotool imagemagick valgrind openbox weston desktop-file-utils"
case "$1" in
  test) paquets="$paquets $essais" ;;
  check) paquets="$paquets $essais chromium $publication wine wine64 unzip shellcheck libwayland-client0:arm64
    debootstrap git" ;;
  fresh) paquets="$paquets debootstrap git" ;;
  screenshots) paquets="$paquets libgtest-dev chromium" ;;
  arm64) paquets="$paquets $paquetage $arm64" ;;
  web) paquets="$paquets emscripten node-terser dpkg-dev" ;;
  windows) paquets="$paquets g++-mingw-w64-x86-64 nsis dpkg-dev zip" ;;
  linux) paquets="$paquets dpkg-dev" ;;
  release) paquets="$paquets $publication git" ;;
  reproduce) paquets="$paquets $publication git diffoscope-minimal" ;;
  fuzz) paquets="$paquets clang libclang-rt-14-dev llvm dpkg-dev" ;;
  package) paquets="$paquets $paquetage" ;;
  bench) paquets="$paquets xvfb xdotool weston chromium" ;;
esac
# Elsewhere than on Debian: what to install, under each family's names, and on
# with what CMake finds.
if ! command -v dpkg-query >/dev/null || ! command -v apt-get >/dev/null; then
  echo "No apt-get or dpkg here: install what is missing yourself, then the build goes on."
  case "$1" in
  run)
    echo "  Debian, Ubuntu: $paquets"
    echo "  Fedora:         gcc-c++ make cmake SDL2-devel zlib-devel"
    echo "  Arch:           gcc make cmake sdl2 zlib"
    echo "  openSUSE:       gcc-c++ make cmake libSDL2-devel zlib-devel" ;;
  *) echo "  Debian's names: $paquets" ;;
  esac
  exit 0
fi
manque=""
for p in $paquets; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || manque="$manque $p"
done
[ -z "$manque" ] && exit 0
echo "Installing:$manque"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
case "$manque" in  # dpkg learns of arm64 once
  *:arm64*) dpkg --print-foreign-architectures | grep -qx arm64 || $sudo dpkg --add-architecture arm64 ;;
esac
$sudo apt-get update -qq
# shellcheck disable=SC2086 # one word a package
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $manque
