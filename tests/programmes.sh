#!/bin/bash
# The programs themselves. Guards: data/ drifting from what the art generator
# paints; the screenshot command breaking; --help and --version; a run with no
# display or no video driver passing for success; and, for the game in a real
# X window (Xvfb): its title, size and place, the block row and the tank on
# screen, a key ending it through the one-second end screen with status 0, a
# closed stderr hanging it, Ctrl+C ignored, a giant window crashing the renderer.
# Usage: tests/programmes.sh GAME PEINTRE PHOTOGRAPHE   (from the repository root)
#        tests/programmes.sh GAME - - geante           only the giant window (some 10 s)
#        tests/programmes.sh - CPACKCONFIG - paquet    the Debian package: lintian, its menu
#            entry and metadata, and its launcher unpacked, from another folder
set -u
jeu=$(realpath "$1" 2>/dev/null)
tmp=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$tmp"' EXIT
echec() { echo "FAIL: $*"; exit 1; }
ok() { echo "ok: $* ($SECONDS s)"; }
seul() { env -u SDL_VIDEODRIVER "$@" "$jeu" 2>"$tmp/dit"; echo "$? $(cat "$tmp/dit")"; }

sansfenetre() {
    mkdir "$tmp/peint" && "$1" "$tmp/peint" >/dev/null && diff -r "$tmp/peint" data || echec "data/ is not what the generator paints"
    "$2" "$tmp" >/dev/null && [ -s "$tmp/accueil.png" ] && [ -s "$tmp/jeu.png" ] || echec "no screenshots"
    [[ $("$jeu" --version) == "lumor5 "[0-9]* ]] && "$jeu" --help | grep -q "any key" || echec "--help, --version"
    local vu
    vu=$(seul -u DISPLAY -u WAYLAND_DISPLAY)
    [[ $vu == "1 "*"lumor5: no display to open a window on: "*"offscreen driver" ]] || echec "with no display: $vu"
    vu=$(seul SDL_VIDEODRIVER=introuvable)
    [[ $vu == "1 lumor5: cannot start SDL's video: "*introuvable* ]] && [ "$(wc -l <"$tmp/dit")" = 1 ] || echec "$vu"
    ok "generator, screenshots, --help, --version; without a display or a driver: status 1, $vu"
}

# Starts the game, SIGINT as a terminal gives it, and waits for its window.
lance() {
    env --default-signal=INT "$jeu" &
    jpid=$!
    wid=$(timeout 10 xdotool search --sync --name "LUMOR" | head -n 1)
    [ -n "$wid" ] || echec "no window appeared"
    eval "$(xdotool getwindowgeometry --shell "$wid")"
}
termine() {  # waits for the game; `statut` its exit status, `duree` in ms
    local debut=$(date +%s%N)
    wait $jpid
    statut=$?
    duree=$((($(date +%s%N) - debut) / 1000000))
}

# Waits up to 8 s until the screen shows the colours "r,g,b ..." at the points "x,y ...".
attends() {
    local attendu=$1 vu="" f="" p
    shift
    for p in "$@"; do f="$f%[fx:int(255*p{$p}.r)],%[fx:int(255*p{$p}.g)],%[fx:int(255*p{$p}.b)] "; done
    for _ in $(seq 40); do
        vu=$(import -window root bmp:- 2>/dev/null | convert - -format "${f% }" info: 2>/dev/null)
        [ "$vu" = "$attendu" ] && return 0
        sleep 0.2
    done
    echec "saw $vu where $attendu was due"
}
blocs() {  # the blocks' bottom rows, never notched
    attends "128,72,32 176,176,176 56,88,224 104,104,104" \
        $((X + 160)),$((Y + 497)) $((X + 320)),$((Y + 497)) $((X + 480)),$((Y + 497)) $((X + 640)),$((Y + 497))
}

# From another folder, a picture missing and stderr closed, so that the
# warning cannot land in the display's connection.
fenetre() {
    mkdir "$tmp/ailleurs" && cp -r data "$tmp/ailleurs" && rm "$tmp/ailleurs/data/bombe.bmp"
    cd "$tmp/ailleurs" && lance 2>&-
    local titre="essai  SDL2 LUMOR -  fenêtre redimensionnable - pressez une touche pour sortir - utiliser la Souris pour deplacer le Char"
    [ "$(xdotool getwindowname "$wid")" = "$titre" ] || echec "title is '$(xdotool getwindowname "$wid")'"
    [ "$WIDTH,$HEIGHT,$X,$Y" = 800,600,240,212 ] || echec "window ${WIDTH}x${HEIGHT} at $X,$Y, not centred"
    blocs
    xdotool mousemove $((X + 300)) $((Y + 100))
    attends "104,104,104" $((X + 342)),$((Y + 557))
    xdotool key space
    termine
    [ "$statut" = 0 ] && [ "$duree" -ge 1000 ] && [ "$duree" -lt 3000 ] || echec "after a key: status $statut after $duree ms"
    ok "titled, 800x600, centred; blocks and tank on screen; a key ends it after $duree ms"
    lance
    kill -INT $jpid
    termine
    [ "$statut" = 130 ] || echec "Ctrl+C left status $statut, not 130"
    ok "Ctrl+C ends it, though the game ignores quit requests"
}

# A window resized to 32767 x 32767, once before play and once during it, is
# brought back to what the renderer can draw, and the game plays on; no warning.
geante() {
    local fois taille
    lance 2>"$tmp/dit"
    for fois in before during; do
        xdotool windowsize "$wid" 32767 32767
        for _ in $(seq 100); do
            taille=$(xdotool getwindowgeometry "$wid" 2>/dev/null | sed -n 's/.*Geometry: //p')
            [ "$taille" = 16384x16384 ] || ! kill -0 $jpid 2>/dev/null && break
            sleep 0.1
        done
        [ "$taille" = 16384x16384 ] || echec "$fois play, the window is '$taille'"
        xdotool windowsize "$wid" 800 600
        blocs  # in play at 800 x 600 again
    done
    xdotool key space
    termine
    [ "$statut" = 0 ] && [ ! -s "$tmp/dit" ] || echec "status $statut, said: $(cat "$tmp/dit")"
    ok "a 32767x32767 window, before and during play, is brought back to 16384x16384"
}

# Builds the package from this build, checks it and unpacks it: the game is its launcher.
paquet() {
    cpack --config "$1" -B "$tmp/deb" >/dev/null || echec "cpack failed"
    local deb racine="$tmp/racine"
    deb=$(ls "$tmp"/deb/lumor5_*.deb)
    lintian --fail-on error,warning "$deb" 2>&1 | grep -v "root privileges" && echec "lintian"
    dpkg-deb -x "$deb" "$racine" && desktop-file-validate "$racine"/usr/share/applications/lumor5.desktop &&
        appstreamcli validate --no-net "$racine"/usr/share/metainfo/*.metainfo.xml >/dev/null ||
        echec "menu entry or metadata"
    jeu=$racine/usr/games/lumor5
    ok "$(basename "$deb"): lintian, desktop-file-validate and appstreamcli find no fault"
}

case "${4:-}" in
    geante) ;;
    paquet) paquet "$2" ;;
    *) sansfenetre "$2" "$3" ;;
esac
Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp 5>"$tmp/display" 2>/dev/null &
for _ in $(seq 50); do [ -s "$tmp/display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$tmp/display")
unset SDL_VIDEODRIVER
case "${4:-}" in
    geante) geante ;;
    paquet)
        cd "$tmp" && lance 2>"$tmp/dit" && blocs && xdotool key space && termine
        [ "$statut" = 0 ] && [ ! -s "$tmp/dit" ] || echec "the unpacked launcher: status $statut, $(cat "$tmp/dit")"
        ok "the unpacked launcher, run from another folder, shows the pictures; a key ends it"
        ;;
    *) fenetre ;;
esac
echo "1 passed, 0 failed"
