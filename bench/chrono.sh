#!/bin/bash
# Times one real run with no input, in a real window under Xvfb, against the
# ideal 26,660 ms: 2000 + 400 + 1,524 x 15 + 400 + 1000.
# Usage: bench/chrono.sh GAME_BINARY   (run from the repository root)
set -eu
jeu=$(realpath "$1")
tmp=$(mktemp -d)
Xvfb -noreset -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp 5>"$tmp/display" 2>/dev/null &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; rm -rf "$tmp"' EXIT
for _ in $(seq 50); do [ -s "$tmp/display" ] && break; sleep 0.1; done
[ -s "$tmp/display" ] || { echo "chrono.sh: Xvfb did not start" >&2; exit 1; }
DISPLAY=:$(cat "$tmp/display")
export DISPLAY
unset SDL_VIDEODRIVER WAYLAND_DISPLAY
debut=$(date +%s%N)
"$jeu" &
pid=$!
# Looked for every 10 ms, for 10 s at most: a game that opens no window ends the benchmark.
for _ in $(seq 1000); do
  xdotool search --name LUMOR >/dev/null 2>&1 && break
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.01
done
fenetre=$(( ($(date +%s%N) - debut) / 1000000 ))
xdotool search --name LUMOR >/dev/null 2>&1 || { kill "$pid" 2>/dev/null; echo "chrono.sh: the game opened no window in ${fenetre} ms" >&2; exit 1; }
statut=0
wait "$pid" || statut=$?
duree=$(( ($(date +%s%N) - debut) / 1000000 ))
[ "$statut" = 0 ] || { echo "chrono.sh: the game ended with status $statut after ${duree} ms" >&2; exit 1; }
echo "real run under Xvfb: window after ${fenetre} ms, exit after ${duree} ms" \
     "(ideal 26660 ms, +$(( duree - 26660 )) ms, $(( (duree - 26660) * 1000 / 1524 )) us a frame)"
