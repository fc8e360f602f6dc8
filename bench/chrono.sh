#!/bin/bash
# Times one real run with no input, in a real window under Xvfb, against the
# ideal 26,660 ms: 2000 + 400 + 1,524 x 15 + 400 + 1000.
# Usage: bench/chrono.sh GAME_BINARY   (run from the repository root)
set -eu
jeu=$(realpath "$1")
tmp=$(mktemp -d)
Xvfb -noreset -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp 5>"$tmp/display" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$tmp"' EXIT
for _ in $(seq 50); do [ -s "$tmp/display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$tmp/display")
unset SDL_VIDEODRIVER
debut=$(date +%s%N)
"$jeu" &
pid=$!
xdotool search --sync --name LUMOR >/dev/null
fenetre=$(( ($(date +%s%N) - debut) / 1000000 ))
wait $pid
duree=$(( ($(date +%s%N) - debut) / 1000000 ))
echo "real run under Xvfb: window after ${fenetre} ms, exit after ${duree} ms" \
     "(ideal 26660 ms, +$(( duree - 26660 )) ms, $(( (duree - 26660) * 1000 / 1524 )) us a frame)"
