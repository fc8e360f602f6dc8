#!/bin/bash
# The real game in a real X window (Xvfb): its title and size, the block row
# on screen, the tank under the pointer, and a key ending the run through the
# one-second end screen with status 0.
# Usage: tests/fenetre.sh GAME_BINARY SCREENSHOT_FOLDER   (run from the repository root)
set -u
jeu=$(realpath "$1")
photos=$2
mkdir -p "$photos"
titre="essai  SDL2 LUMOR -  fenêtre redimensionnable - pressez une touche pour sortir - utiliser la Souris pour deplacer le Char"

echec() { echo "FAIL: $*"; exit 1; }

tmp=$(mktemp -d)
Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp 5>"$tmp/display" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb $jpid 2>/dev/null; rm -rf "$tmp"' EXIT
jpid=
for _ in $(seq 50); do [ -s "$tmp/display" ] && break; sleep 0.1; done
[ -s "$tmp/display" ] || echec "Xvfb did not start"
export DISPLAY=:$(cat "$tmp/display")
unset SDL_VIDEODRIVER

# A colour on screen, as r,g,b.
couleur() {
    import -window root "$tmp/ecran.bmp" 2>/dev/null
    /usr/bin/convert "$tmp/ecran.bmp" -format '%[fx:int(255*p{'"$1"','"$2"'}.r)],%[fx:int(255*p{'"$1"','"$2"'}.g)],%[fx:int(255*p{'"$1"','"$2"'}.b)]' info:
}

"$jeu" 2>"$tmp/stderr" &
jpid=$!
wid=$(timeout 10 xdotool search --sync --name "LUMOR" | head -n 1)
[ -n "$wid" ] || echec "no window appeared"
nom=$(xdotool getwindowname "$wid")
[ "$nom" = "$titre" ] || echec "title is '$nom'"
eval "$(xdotool getwindowgeometry --shell "$wid")"
[ "$WIDTH" = 800 ] && [ "$HEIGHT" = 600 ] || echec "window is ${WIDTH}x${HEIGHT}"
echo "window $wid: '$nom', ${WIDTH}x${HEIGHT} at $X,$Y"

# Into play: welcome 2000 ms and block row 400 ms. The blocks' bottom rows are
# never notched, so they show the pictures' own colours.
sleep 2.8
import -window root "$photos/jeu.png"
attendu=("128,72,32" "104,104,104" "56,88,224" "104,104,104")
for k in 0 1 2 3; do
    x=$((X + 120 + 160 * k + 40)); y=$((Y + 497))
    c=$(couleur $x $y)
    [ "$c" = "${attendu[$k]}" ] || echec "block $k shows $c at $x,$y, not ${attendu[$k]}"
done
echo "block row on screen"

xdotool mousemove $((X + 300)) $((Y + 100))
sleep 0.3
import -window root "$photos/tank.png"
c=$(couleur $((X + 342)) $((Y + 557)))
[ "$c" = "104,104,104" ] || echec "no tank under the pointer (got $c)"
echo "tank follows the pointer"

debut=$(date +%s%N)
xdotool key space
wait $jpid
statut=$?
jpid=
duree=$(( ($(date +%s%N) - debut) / 1000000 ))
[ "$statut" = 0 ] || echec "exit status $statut: $(cat "$tmp/stderr")"
[ "$duree" -ge 1000 ] && [ "$duree" -lt 3000 ] || echec "ended ${duree} ms after the key"
[ -s "$tmp/stderr" ] && echec "the game wrote: $(cat "$tmp/stderr")"
echo "key ended the game after ${duree} ms, status 0"
echo "1 passed, 0 failed"
