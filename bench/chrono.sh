#!/bin/bash
# Times one real run with no input, in a real window under Xvfb, against the
# ideal 26,660 ms: 2000 + 400 + 1,524 x 15 + 400 + 1000. Then, given the
# benchmark, plays its 800 x 600 row on weston at scale 2 in that Xvfb: the
# window on 1600 x 1200 pixels, as a scaled screen puts it.
# Usage: bench/chrono.sh GAME_BINARY [BENCHMARK_BINARY]   (run from the repository root)
set -eu
jeu=$(realpath "$1")
tmp=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$tmp"' EXIT
echec() {
  echo "chrono.sh: $*" >&2
  exit 1
}
# shellcheck source=tools/ecran.sh
. "$(dirname "$0")/../tools/ecran.sh"
ecranx 1920 1440
debut=$(date +%s%N)
lance "$jeu"
fenetre=$(( ($(date +%s%N) - debut) / 1000000 ))
statut=0
wait "$jpid" || statut=$?
duree=$(( ($(date +%s%N) - debut) / 1000000 ))
[ "$statut" = 0 ] || echec "the game ended with status $statut after ${duree} ms"
echo "real run under Xvfb: window after ${fenetre} ms, exit after ${duree} ms" \
     "(ideal 26660 ms, +$(( duree - 26660 )) ms, $(( (duree - 26660) * 1000 / 1524 )) us a frame)"
[ "$#" -ge 2 ] || exit 0

banc=$(realpath "$2")
ecranwayland banc
echo "on weston at scale 2:"
# libdecor's words where no decoration plugin is installed are no measurement.
WAYLAND_DISPLAY=banc "$banc" --ecran 2>"$tmp/dit" || { cat "$tmp/dit" >&2; exit 1; }
