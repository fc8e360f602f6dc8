#!/bin/bash
# The real game in a real X window (Xvfb): its title and size, the block row
# on screen, the tank under the pointer, a key ending the run through the
# one-second end screen with status 0; Ctrl+C ending it at once; and a video
# driver that cannot start giving status 1 and one line saying why.
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

# Colours on screen at the points "x,y x,y ...", as "r,g,b r,g,b ...".
couleurs() {
    import -window root "$tmp/ecran.bmp" 2>/dev/null || return
    local f="" p
    for p in "$@"; do
        f="$f%[fx:int(255*p{$p}.r)],%[fx:int(255*p{$p}.g)],%[fx:int(255*p{$p}.b)] "
    done
    /usr/bin/convert "$tmp/ecran.bmp" -format "${f% }" info:
}

# Waits up to 8 s for the screen to show the colours at the points.
attends() {
    local attendu=$1 vu=""
    shift
    for _ in $(seq 40); do
        vu=$(couleurs "$@")
        [ "$vu" = "$attendu" ] && return 0
        sleep 0.2
    done
    echo "saw: $vu"
    return 1
}

"$jeu" 2>"$tmp/stderr" &
jpid=$!
wid=$(timeout 10 xdotool search --sync --name "LUMOR" | head -n 1)
[ -n "$wid" ] || echec "no window appeared"
nom=$(xdotool getwindowname "$wid")
[ "$nom" = "$titre" ] || echec "title is '$nom'"
eval "$(xdotool getwindowgeometry --shell "$wid")"
[ "$WIDTH" = 800 ] && [ "$HEIGHT" = 600 ] || echec "window is ${WIDTH}x${HEIGHT}"
[ "$X" = 240 ] && [ "$Y" = 212 ] || echec "window at $X,$Y is not centred on the 1280x1024 screen"
echo "window $wid: '$nom', ${WIDTH}x${HEIGHT} at $X,$Y"

# Into play, after the welcome screen and the block row. The blocks' bottom
# rows are never notched, so they show the pictures' own colours.
points=()
for k in 0 1 2 3; do points+=("$((X + 160 + 160 * k)),$((Y + 497))"); done
attends "128,72,32 176,176,176 56,88,224 104,104,104" "${points[@]}" || echec "no block row on screen"
import -window root "$photos/jeu.png"
echo "block row on screen"

xdotool mousemove $((X + 300)) $((Y + 100))
attends "104,104,104" "$((X + 342)),$((Y + 557))" || echec "no tank under the pointer"
import -window root "$photos/tank.png"
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

# The game ignores quit requests, so the terminal's Ctrl+C must still work.
env --default-signal=INT "$jeu" 2>/dev/null &
jpid=$!
timeout 10 xdotool search --sync --name "LUMOR" >/dev/null || echec "no window the second time"
kill -INT $jpid
wait $jpid
statut=$?
jpid=
[ "$statut" = 130 ] || echec "Ctrl+C left status $statut, not 130"
echo "Ctrl+C ends the game"

SDL_VIDEODRIVER=introuvable "$jeu" 2>"$tmp/stderr"
statut=$?
[ "$statut" = 1 ] || echec "a missing video driver gave status $statut"
grep -q "^lumor5: cannot start SDL's video: .*introuvable" "$tmp/stderr" && [ "$(wc -l <"$tmp/stderr")" = 1 ] ||
    echec "a missing video driver said: $(cat "$tmp/stderr")"
echo "a missing video driver: status 1, $(cat "$tmp/stderr")"
echo "1 passed, 0 failed"
