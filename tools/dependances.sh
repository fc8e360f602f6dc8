#!/bin/sh
# Installs the Debian packages a command needs, only those that are missing.
# Usage: tools/dependances.sh run|test|bench|package|web|windows|fuzz
set -e
paquets="g++ make cmake libsdl2-dev zlib1g-dev"
paquetage="dpkg-dev file lintian desktop-file-utils appstream"
case "$1" in
  test)  paquets="$paquets libgtest-dev xvfb xdotool imagemagick valgrind chromium $paquetage
                  g++-mingw-w64-x86-64 nsis wine wine64 unzip" ;;
  web) paquets="$paquets emscripten dpkg-dev" ;;
  windows) paquets="$paquets g++-mingw-w64-x86-64 nsis dpkg-dev" ;;
  fuzz) paquets="$paquets clang libclang-rt-14-dev llvm dpkg-dev" ;;
  package) paquets="$paquets $paquetage" ;;
  bench) paquets="$paquets xvfb xdotool chromium" ;;
esac
manque=""
for p in $paquets; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || manque="$manque $p"
done
[ -z "$manque" ] && exit 0
echo "Installing:$manque"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $manque
