#!/bin/bash
# The programs themselves, and under Xvfb the game in a real window, one mode a
# test (docs/essais.md tells what each guards): jeu, the game and its tools; geante,
# a giant window; pleinecran, --fullscreen under a window manager; paquet, the Debian
# package; windows, under Wine; linux, the portable build and the release; arm64,
# both ARM builds under qemu. A tool missing fails the test and is named.
# Usage: tests/programmes.sh GAME jeu PEINTRE PHOTOGRAPHE | GAME geante | GAME pleinecran
#        | GAME paquet CPACKCONFIG | ZIP windows SETUP | TARGZ linux [RELEASE] | TARGZ arm64 DEB GAME
set -u
jeu=$(realpath "$1")
accueil=$(realpath docs/accueil.png)
tmp=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; [ -n "${WINEPREFIX:-}" ] && wineserver -k; rm -rf "$tmp"' EXIT
echec() { echo "FAIL: $*"; exit 1; }
requis() { for o; do command -v "$o" >/dev/null || echec "$o is missing: tools/dependances.sh check installs it"; done; }
ok() { echo "ok: $* ($SECONDS s)"; }
seul() { env -u SDL_VIDEODRIVER "$@" "$jeu" 2>"$tmp/dit"; echo "$? $(cat "$tmp/dit")"; }
# Wine lags, and closes windows while a search looks at them: an error there means "look again".
libre() { for _ in $(seq 50); do [ -n "$(xdotool search --name LUMOR 2>&1)" ] || break; sleep 0.1; done; }
cherche() { for _ in $(seq 100); do wid=$(xdotool search --name LUMOR 2>/dev/null | head -n 1) && [ -n "$wid" ] && return; sleep 0.1; done; echec "no window appeared"; }
lance() {  # "$@" with SIGINT as a terminal gives it, stdin and stderr closed if $ferme; its window
    libre
    if [ -n "${ferme:-}" ]; then env --default-signal=INT "$@" <&- 2>&- & else env --default-signal=INT "$@" & fi
    jpid=$!
    cherche
    eval "$(xdotool getwindowgeometry --shell "$wid" 2>/dev/null)"
}
fenetre() {  # the game's window: its title, size and place
    titre="essai  SDL2 LUMOR -  fenêtre redimensionnable - pressez une touche pour sortir - utiliser la Souris pour deplacer le Char"
    [ "$(xdotool getwindowname "$wid")" = "$titre" ] || echec "title '$(xdotool getwindowname "$wid")'"
    [ "$WIDTH,$HEIGHT,$X,$Y" = 800,600,240,212 ] || echec "window ${WIDTH}x${HEIGHT} at $X,$Y"
}
termine() {  # a key, or the signal $1; sets statut and duree (ms)
    local debut=$(date +%s%N)
    if [ -n "${1:-}" ]; then kill "$1" $jpid; else xdotool key space; fi
    wait $jpid; statut=$? duree=$((($(date +%s%N) - debut) / 1000000))
}
finit() { termine; [ "$statut" = 0 ] && [ ! -s "$tmp/dit" ] || echec "$* status $statut, said: $(cat "$tmp/dit")"; }
geometrie() {  # W,H[,X,Y]: the window comes to that size (and place) within 10 s
    for _ in $(seq 100); do eval "$(xdotool getwindowgeometry --shell "$wid" 2>/dev/null)"
        [[ $WIDTH,$HEIGHT,$X,$Y == $1* ]] && return || sleep 0.1; done
    echec "a window ${WIDTH}x${HEIGHT} at $X,$Y, not $1"
}
# Waits up to 8 s for the screen to show the colours "r,g,b ..." at the points "x,y ...".
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
pareil() {  # PICTURE CROP: the screen shows PICTURE at CROP (WxH+X+Y), within 30 looks
    for _ in $(seq 30); do
        import -window root -crop "$2" +repage "$tmp/vu.png"
        ae=$(compare -metric AE "$1" "$tmp/vu.png" null: 2>&1) && return 0
    done
    return 1
}
case $2 in  # what each mode needs beside Xvfb, xdotool and ImageMagick
    paquet) requis lintian desktop-file-validate appstreamcli ;; pleinecran) requis openbox ;;
    windows) requis wine unzip ;; linux) requis desktop-file-validate ;; arm64) requis qemu-aarch64 lintian ;;
esac
requis Xvfb xdotool import compare
besoins() { readelf -d "$1" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'; }
glibcseul() {  # GAME LOADER: GAME needs glibc's libraries alone, at most 2.34
    glibc=$(readelf -W --dyn-syms "$1" | grep -o 'GLIBC_[0-9.]*' | sort -uV | tail -n 1)
    [ -z "$(besoins "$1" | grep -vxE "lib(c|m|dl|pthread|rt)\.so\.6|$2")" ] &&
        [ "$(printf '%s\n' "$glibc" GLIBC_2.34 | sort -V | tail -n 1)" = GLIBC_2.34 ] ||
        echec "$1 needs $(echo $(besoins "$1")), $glibc"
}
pleinecran() { geometrie 1280,1024,0,0 && W=1280 H=1024 blocs; }  # the screen covered, the blocks for it
blocs() {  # the blocks' bottom rows, never notched, in a window W x H (800 x 600)
    local w=${W:-800} h=${H:-600} && local y=$((Y + 3 * h / 4 + h / 12 - 3))
    attends "128,72,32 176,176,176 56,88,224 104,104,104" \
        $((X + w / 5)),$y $((X + 2 * w / 5)),$y $((X + 3 * w / 5)),$y $((X + 4 * w / 5)),$y
}

if [ "$2" = linux ]; then  # the release, when made: its files, their sums
    v=$(basename "$jeu" -linux-x86_64.tar.gz) && v=${v#lumor5-}
    [ "$#" -lt 3 ] || { cd "$3" && [ "$(LC_ALL=C ls | tr '\n' ' ')" = "SHA256SUMS lumor5-$v-linux-aarch64.tar.gz \
lumor5-$v-linux-x86_64.tar.gz lumor5-$v-web.zip lumor5-$v-windows-x86_64-setup.exe lumor5-$v-windows-x86_64.zip \
lumor5-$v.tar.gz lumor5_${v}_amd64.deb lumor5_${v}_arm64.deb " ] &&
        sha256sum --quiet -c SHA256SUMS && [ "$(wc -l <SHA256SUMS)" = 8 ]; } || echec "the release: $(ls)"
    cd "$tmp" && tar xzf "$jeu" && cd "lumor5-$v-linux-x86_64" || echec "tar"
    glibcseul bin/lumor5 'ld-linux-x86-64\.so\.2' && ! ldd bin/lumor5 | grep -i sdl || echec "ldd shows SDL"
    XDG_DATA_HOME=$tmp/xdg ./add-to-menu.sh >/dev/null && e=$tmp/xdg/applications/lumor5.desktop &&
        desktop-file-validate "$e" && grep -qx "Exec=\"$PWD/lumor5\" --fullscreen" "$e" || echec "add-to-menu.sh"
    ok "${3:+the release; }the portable build needs $(echo $(besoins bin/lumor5)), $glibc; its menu entry"
fi
if [ "$2" = arm64 ]; then  # what each needs, then each plays a whole run, unseen
    deb=$(realpath "$3") natif=$(realpath "$4") v=$(basename "$jeu" -linux-aarch64.tar.gz)
    cd "$tmp" && tar xzf "$jeu" && dpkg-deb -x "$deb" r || echec "unpack"
    portable=$tmp/$v-linux-aarch64 paquet=$tmp/r/usr/share/games/lumor5 installe=$tmp/r/usr/lib/games/lumor5/lumor5
    glibcseul "$portable/bin/lumor5" 'ld-linux-aarch64\.so\.1'
    depend=$(dpkg-deb -f "$deb" Depends) noms=" $(dpkg-deb -f "$deb" Depends | sed 's/ *([^)]*)//g; s/,/ /g') "
    for b in $(besoins "$installe"); do  # each library from a package the .deb depends on
        p=$(dpkg -S "*/aarch64-linux-gnu/$b" 2>/dev/null | grep -m 1 ":arm64: .*/$b\$" | cut -d: -f1)
        [[ -n $p && $noms == *" $p "* ]] || echec "$b comes from '$p', which '$depend' does not name"
    done
    [ "$(dpkg-deb -f "$deb" Architecture)" = arm64 ] || echec "the package is for $(dpkg-deb -f "$deb" Architecture)"
    lintian --fail-on error,warning "$deb" 2>&1 | grep -v "root privileges" && echec "lintian"
    for d in "$portable:bin/lumor5" "$paquet:$installe"; do  # a whole run from each folder, beside the rest (30 s)
        (cd "${d%%:*}" && SDL_VIDEODRIVER=dummy qemu-aarch64 "${d#*:}" &>"${d%%:*}.seul"; echo "status $?" >>"${d%%:*}.seul") &
    done
    entiers=$(jobs -p)
    ok "aarch64: the portable build needs $(echo $(besoins "$portable/bin/lumor5")), $glibc; the .deb: $depend"
fi
if [ "$2" = jeu ]; then
    mkdir "$tmp/peint" && "$3" "$tmp/peint" >/dev/null && diff -r "$tmp/peint" data || echec "data/ differs"
    "$4" "$tmp" >/dev/null && [ -s "$tmp/accueil.png" ] && [ -s "$tmp/jeu.png" ] || echec "no screenshots"
    vu=$("$jeu" --version) && [[ $vu == "lumor5 "[0-9]* ]] && "$jeu" --help >"$tmp/aide" &&
        grep -q "any key" "$tmp/aide" && grep -q -- "-f, --fullscreen" "$tmp/aide" || echec "--help, --version"
    vu=$(seul -u DISPLAY -u WAYLAND_DISPLAY)
    [[ $vu == "1 "*"lumor5: no display to open a window on: "*"offscreen driver" ]] || echec "$vu"
    vu=$(seul SDL_VIDEODRIVER=introuvable)
    [[ $vu == "1 lumor5: cannot start SDL's video: "*introuvable* ]] && [ "$(wc -l <"$tmp/dit")" = 1 ] || echec "$vu"
    mkdir "$tmp/sansdpkg" && printf '#!/bin/sh\ntouch "%s"\n' "$tmp/tente" >"$tmp/sansdpkg/apt-get"
    chmod +x "$tmp/sansdpkg/apt-get" && sans=$(PATH=$tmp/sansdpkg tools/dependances.sh run) &&
        [[ $sans == *"libsdl2-dev"*"SDL2-devel"*"sdl2"*"libSDL2-devel"* ]] && [ ! -e "$tmp/tente" ] ||
        echec "without dpkg, the install step said '$sans'"
    ok "generator, screenshots, --help, --version, the install step without dpkg; no display: status 1, $vu"
fi
if [ "$2" = paquet ]; then
    (umask 002 && cpack --config "$3" -B "$tmp/deb" >/dev/null) && deb=$(ls "$tmp"/deb/lumor5_*.deb) || echec "cpack"
    dpkg-deb -c "$deb" | grep '^.....w' && echec "built under umask 002, the package has group-writable entries"
    lintian --fail-on error,warning "$deb" 2>&1 | grep -v "root privileges" && echec "lintian"
    dpkg-deb -x "$deb" "$tmp/r" && desktop-file-validate "$tmp"/r/usr/share/applications/lumor5.desktop &&
        appstreamcli validate --no-net "$tmp"/r/usr/share/metainfo/*.metainfo.xml >/dev/null || echec "metadata"
    grep -qx "Exec=lumor5 --fullscreen" "$tmp"/r/usr/share/applications/lumor5.desktop || echec "no full-screen action"
    ok "$(basename "$deb"): lintian, desktop-file-validate and appstreamcli find no fault"
fi
# Without -noreset the server resets whenever its last client (a window search) leaves: a game connecting then finds no display.
Xvfb -noreset -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp 5>"$tmp/display" 2>/dev/null &
for _ in $(seq 50); do [ -s "$tmp/display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$tmp/display")
unset SDL_VIDEODRIVER
[[ $2 = windows || $2 = linux || $2 = arm64 ]] || { mkdir "$tmp/ailleurs" && cp -r data "$tmp/ailleurs" && cd "$tmp/ailleurs"; } || exit 1
if [ "$2" = geante ]; then  # once before play and once during it; brought back, no warning
    lance "$jeu" 2>"$tmp/dit"
    for fois in before during; do  # brought back at once
        xdotool windowsize "$wid" 32767 32767 && geometrie 16384,16384 && xdotool windowsize "$wid" 800 600 && blocs
    done
    finit
    ok "a 32767x32767 window, before and during play, is brought back to 16384x16384"
elif [ "$2" = linux ]; then  # from elsewhere, as a file manager starts it
    cd / && lance "$tmp/lumor5-$v-linux-x86_64/lumor5" 2>"$tmp/dit" && fenetre && blocs && finit
    ok "the portable build: titled, 800x600, centred; the block row; a key ends it with status 0"
elif [ "$2" = arm64 ]; then  # each played in qemu from its pictures' folder, as the native game shows
    cd "$tmp" && cp -r "$paquet/data" . && lance "$natif" 2>/dev/null && fenetre && blocs || exit 1
    rangee=800x50+$X+$((Y + 450)) && import -window root -crop "$rangee" +repage "$tmp/rangee.png" && termine
    for d in "$portable:bin/lumor5" "$paquet:$installe"; do
        cd "${d%%:*}" && lance qemu-aarch64 "${d#*:}" 2>"$tmp/dit" && fenetre
        pareil "$accueil" 800x600+$X+$Y || echec "$d: the welcome screen differs from the native one by $ae pixels"
        blocs
        pareil "$tmp/rangee.png" "$rangee" || echec "$d: the block row differs from the native one by $ae pixels"
        finit "$d:"
    done
    wait $entiers
    for d in "$portable" "$paquet"; do [ "$(cat "$d.seul")" = "status 0" ] || echec "a whole run in $d: $(cat "$d.seul")"; done
    ok "both under qemu: window, welcome screen and block row as native, status 0; a whole run each, status 0"
elif [ "$2" = windows ]; then
    export WINEPREFIX=$tmp/wine WINEDEBUG=-all HOME=$tmp WINEDLLOVERRIDES="winemenubuilder.exe,mscoree,mshtml=d"
    installeur=$(realpath "$3") && cd "$tmp" && unzip -q "$jeu" && cd lumor5-*-windows-x86_64 || echec "unzip"
    vu=$(wine lumor5.exe --version 2>/dev/null) && [[ $vu == "lumor5 "[0-9]*$'\r' ]] || echec "--version said '$vu'"
    rm data/lumor.bmp data/bombe.bmp && mkdir data/bombe.bmp || echec "data/"  # refused with its reasons
    lance wine lumor5.exe 2>"$tmp/dit" && fenetre
    pareil "$accueil" 800x600+$X+$Y && blocs || echec "the welcome screen differs from docs/accueil.png by $ae pixels"
    xdotool mousemove $((X + 300)) $((Y + 100))
    attends "104,104,104" $((X + 342)),$((Y + 557))  # in play
    # Direct3D resets its device at each resize: there and back within a frame, many times.
    for _ in $(seq 10); do xdotool windowsize "$wid" 900 700; xdotool windowsize "$wid" 800 600; sleep 0.05; done
    xdotool mousemove $((X + 500)) $((Y + 100))
    attends "104,104,104" $((X + 542)),$((Y + 557)) && blocs && termine
    dit=$'lumor5: cannot load data/lumor.bmp: No such file or directory\r
lumor5: cannot load data/bombe.bmp: not a regular file\r'
    [ "$statut" = 0 ] && [ "$(cat "$tmp/dit")" = "$dit" ] && [ "$duree" -lt 6000 ] ||
        echec "status $statut after $duree ms, said: $(cat "$tmp/dit")"
    ok "the zip: window, welcome screen, two pictures refused, blocks kept through resizes; ends after $duree ms"
    vu=$(SDL_VIDEODRIVER=introuvable timeout 10 wine lumor5.exe 2>&1)
    [[ $? == 1 && $vu == "lumor5: cannot start SDL's video: "*$'\r' ]] || echec "a failed start said '$vu'"
    SDL_VIDEODRIVER=introuvable lance wine start /wait lumor5.exe  # from the desktop: no stderr
    [ "$(xdotool getwindowname "$wid")" = LUMOR ] || echec "no message box"
    xdotool key --window "$wid" Return 2>/dev/null; wait $jpid; statut=$? && [ $statut = 1 ] || echec "status $statut"
    ok "a failed start: one line on stderr, or a message box when there is none"
    bat=$(winepath -w lumor5-fullscreen.bat) && libre && (cd / && wine cmd /c "$bat") && cherche &&
        pleinecran && xdotool key space && wineserver -w || echec "$bat"
    menu='C:\ProgramData\Microsoft\Windows\Start Menu\Programs\LUMOR' && wine "$installeur" /S && wineserver -w || echec "installer"
    cd / && lance wine start /wait "$menu\LUMOR.lnk" 2>"$tmp/dit" && blocs && finit "the installed game:"
    lance wine start /wait "$menu\LUMOR (full screen).lnk" 2>"$tmp/dit" && pleinecran && finit "in full screen:"
    installe="$WINEPREFIX/drive_c/Program Files/LUMOR"
    cles='HKLM\Software\The LUMOR team' desinstalle='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\LUMOR'
    wineserver -w && wine "$installe/Uninstall.exe" /S && wineserver -w && [ ! -e "$installe" ] &&
        [ -z "$(find "$WINEPREFIX/drive_c" -iname "*lumor*")" ] && ! wine reg query "$cles" >/dev/null 2>&1 &&
        ! wine reg query "$desinstalle" >/dev/null 2>&1 || echec "left behind"
    ok "the .bat in full screen; installed, both shortcuts played, uninstalled leaving nothing"
elif [ "$2" = paquet ]; then
    lance "$tmp/r/usr/games/lumor5" 2>"$tmp/dit" && fenetre && blocs && finit
    ok "the unpacked launcher, from elsewhere: titled, 800x600, centred; the block row; a key ends it"
elif [ "$2" = pleinecran ]; then  # a window manager gives what full screen asks
    openbox --startup "touch $tmp/wm" 2>/dev/null &
    for _ in $(seq 50); do [ -e "$tmp/wm" ] && break; sleep 0.1; done
    convert data/accueil.bmp -sample 1280x1024! "$tmp/accueil.png"
    lance "$jeu" --fullscreen 2>"$tmp/dit" && geometrie 1280,1024,0,0
    pareil "$tmp/accueil.png" 1280x1024+0+0 && pleinecran && finit || echec "the welcome screen differs by $ae pixels"
    ok "--fullscreen: the 1280x1024 screen covered, the welcome picture and the blocks at its size"
else
    lance "$jeu" 2>"$tmp/dit" && fenetre && blocs
    xdotool mousemove $((X + 300)) $((Y + 100))
    attends "104,104,104" $((X + 342)),$((Y + 557))
    # A burst as a fast mouse sends it, in one run of xdotool; then a key.
    xdotool $(for i in $(seq 1000); do echo mousemove $((X + i % 700)) $((Y + 100 + i % 2)); done)
    termine
    [ "$statut" = 0 ] && [ ! -s "$tmp/dit" ] && [ "$duree" -ge 1000 ] && [ "$duree" -lt 1500 ] ||
        echec "status $statut $duree ms after the key, said: $(cat "$tmp/dit")"
    ok "titled, 800x600, centred; blocks and tank; after 1000 pointer motions a key ends it in $duree ms"
    rm data/bombe.bmp && ferme=1 lance "$jeu" && blocs
    [ "$(readlink /proc/$jpid/fd/0 /proc/$jpid/fd/2)" = $'/dev/null\n/dev/null' ] || echec "closed descriptors taken"
    termine -INT && [ "$statut" = 130 ] || echec "Ctrl+C left status $statut, not 130"
    ok "a picture missing, stdin and stderr closed, it plays; Ctrl+C ends it"
fi
echo "1 passed, 0 failed"
