#!/bin/bash
# The programs themselves, one mode a test, each told in docs/essais.md; a failed step says which.
# Usage: tests/programmes.sh GAME jeu PEINTRE | GAME geante|pleinecran|wayland|installe
#        | GAME paquet CPACKCONFIG | ZIP windows SETUP | TARGZ linux [RELEASE] | TARGZ arm64 DEB
set -u
jeu=$(realpath "$1")
mode=$2
racine=$PWD
accueil=$(realpath docs/accueil.png)
tmp=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; [ -z "${WINEPREFIX:-}" ] || wineserver -k; rm -rf "$tmp"' EXIT
titre="essai  SDL2 LUMOR -  fenêtre redimensionnable - pressez une touche pour sortir"
titre+=" - utiliser la Souris pour deplacer le Char"
echec() { echo "FAIL: $*"; exit 1; }
# shellcheck source=tools/ecran.sh
. tools/ecran.sh
for o in Xvfb xdotool import compare desktop-file-validate; do
    command -v "$o" >/dev/null || echec "$o is missing: tools/dependances.sh installs it"
done

fenetre() {  # the game's window within 5 s: its title (once SDL is done making the window), 800 x 600, centred
    local nom=""
    for _ in $(seq 50); do
        nom=$(xdotool getwindowname "$wid" 2>/dev/null)
        [[ $nom = "$titre" && $WIDTH,$HEIGHT,$X,$Y = "800,600,$(((SW - 800) / 2)),$(((SH - 600) / 2))" ]] && return
        sleep 0.1
        lisgeometrie
    done
    [ "$nom" = "$titre" ] || echec "title '$nom'"
    echec "at $X,$Y: ${WIDTH}x$HEIGHT"
}
termine() {  # a key, or the signal $1; sets statut and duree (ms)
    local debut
    debut=$(date +%s%N)
    if [ -n "${1:-}" ]; then kill "$1" "$jpid"; else xdotool key space; fi
    wait "$jpid"
    statut=$?
    duree=$((($(date +%s%N) - debut) / 1000000))
}
finit() {  # a key ends it with status 0, saying nothing but libdecor's words where it has no plugin, and
    termine  # Mesa's where it finds no GPU (Debian testing's)
    grep -v -e "^Couldn't open plugin directory" -e '^No plugins found, falling back on no decorations' \
        -e '^libEGL warning: ' -e '^MESA: error: ' -e '^$' "$tmp/dit" >"$tmp/sien"
    [ "$statut" = 0 ] || echec "$* status $statut, said: $(cat "$tmp/dit")"
    [ ! -s "$tmp/sien" ] || echec "$* said: $(cat "$tmp/dit")"
}
geometrie() {  # W,H[,X,Y]: the window comes to that size (and place) within 10 s
    for _ in $(seq 100); do
        cherche  # again: a window made full screen may be another
        lisgeometrie
        [[ $WIDTH,$HEIGHT,$X,$Y == $1* ]] && return
        sleep 0.1
    done
    echec "a window ${WIDTH}x${HEIGHT} at $X,$Y, not $1"
}
attends() {  # within 8 s the screen shows the colours "r,g,b ..." at the points "x,y ..."
    local attendu=$1 vu="" f="" p
    for p in "${@:2}"; do f+="%[fx:int(255*p{$p}.r)],%[fx:int(255*p{$p}.g)],%[fx:int(255*p{$p}.b)] "; done
    for _ in $(seq 40); do
        vu=$(import -window root bmp:- 2>/dev/null | convert - -format "${f% }" info: 2>/dev/null)
        [ "$vu" = "$attendu" ] && return
        sleep 0.2
    done
    echec "saw $vu where $attendu was due"
}
pareil() {  # PICTURE CROP WHAT: within 30 looks the screen shows PICTURE at CROP (WxH+X+Y)
    local ae=""
    for _ in $(seq 30); do
        import -window root -crop "$2" +repage "$tmp/vu.png" || continue
        ae=$(compare -metric AE "$1" "$tmp/vu.png" null: 2>&1) && return
    done
    echec "$3 differs from $(basename "$1") by ${ae:-all} pixels"
}
# A sharp picture holds the colours of the game's pictures alone; a blurred one blends them.
couleurs() { convert "$1" -depth 8 -unique-colors txt:- | grep -o '#[0-9A-F]\{6\}' | sort -u; }
for b in data/*.bmp; do couleurs "$b"; done | sort -u >"$tmp/palette"
net() {  # CROP WHAT: at CROP, once drawn, 6 colours or more (not a black window), the pictures' alone
    import -window root -crop "$1" +repage "$tmp/net.png" || echec "no screenshot"
    couleurs "$tmp/net.png" >"$tmp/vues"
    etrangeres=$(comm -23 "$tmp/vues" "$tmp/palette" | wc -l)
    [ "$etrangeres" = 0 ] || echec "$2: $etrangeres colours in none of the pictures (blurred)"
    [ "$(wc -l <"$tmp/vues")" -ge 6 ] || echec "$2: $(wc -l <"$tmp/vues") colours, nothing drawn"
}
blocs() {  # the blocks' bottom rows, never notched, in a window W x H (800 x 600)
    local w=${W:-800} h=${H:-600} y
    y=$((Y + 3 * h / 4 + h / 12 - 3))
    attends "128,72,32 176,176,176 56,88,224 104,104,104" \
        "$((X + w / 5)),$y" "$((X + 2 * w / 5)),$y" "$((X + 3 * w / 5)),$y" "$((X + 4 * w / 5)),$y"
}
char() {  # X: the pointer moved X pixels into an 800 x 600 window, the tank drawn under it
    xdotool mousemove $((X + $1)) $((Y + 100)) || echec "xdotool mousemove"
    attends "104,104,104" $((X + $1 + 42)),$((Y + 557))
}
pleinecran() {  # the screen covered, the blocks for it
    geometrie 1280,1024,0,0
    W=1280 H=1024 blocs
}
partie() {  # GAME [ARGS] in a window from here: titled, 800 x 600, centred, its blocks; a key ends it
    lance "$@" 2>"$tmp/dit"
    fenetre
    pareil "$accueil" "800x600+$X+$Y" "$*: the welcome screen"
    blocs
    finit "$*:"
}

# Weston drawn, its pointer brought in from the margin (weston moves it only once entered) to a corner no
# picture covers, the focus on it (a closed X11 game's may be nowhere); no decorations, whatever is installed.
compositeur() {
    ecranwayland lumor
    attends "18,52,86" 1910,10
    xdotool mousemove 1930 1450 sleep 0.2 mousemove 1919 1439 || echec "xdotool mousemove"
    attends "18,52,86" 8,8
    weston=$(xdotool search --class 'Weston Compositor' | head -n 1)
    export LIBDECOR_PLUGIN_DIR=$tmp/sansdecor
}
surwayland() {  # GAME [ARGS] on weston, never X11: W x H pixels of the pictures' colours alone; blocks; tank; key
    local w="" h=""
    xdotool mousemove 1919 1439 windowfocus "$weston" || echec "xdotool on weston"
    WAYLAND_DISPLAY=lumor env --default-signal=INT "$@" 2>"$tmp/dit" &
    jpid=$!
    for _ in $(seq 100); do  # the pointer's corner and the Xvfb's margin painted over, the background trimmed
        import -window root -crop 1920x1440+0+0 "$tmp/w.png" || continue
        read -r w h X Y < <(convert "$tmp/w.png" -fill '#123456' -draw 'rectangle 1888,1408 1919,1439' \
            -bordercolor '#123456' -border 1 -trim -format '%w %h %X %Y\n' info: 2>/dev/null)
        [ "$w,$h" = "$W,$H" ] && break
        sleep 0.1
    done
    [ "$w,$h" = "$W,$H" ] || echec "$*: a picture of ${w}x$h on weston, not ${W}x$H; said: $(cat "$tmp/dit")"
    [ -z "$(xdotool search --name LUMOR 2>/dev/null)" ] || echec "$*: opened on X11 beside weston"
    X=$((${X#+} - 1)) Y=$((${Y#+} - 1))  # where the picture starts
    blocs
    net "$((W - 32))x$((H - 32))+$X+$Y" "$* on weston"
    if [ "$W" != 1920 ]; then  # the tank under the pointer
        xdotool mousemove $((X + 600)) $((Y + 200)) || echec "xdotool mousemove"
        attends "104,104,104" $((X + 684)),$((Y + 1114))
    fi
    finit "$* on weston:"
}

besoins() { readelf -d "$1" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1 /p' | tr -d '\n'; }
glibcseul() {  # GAME LOADER: GAME needs glibc's libraries alone, at most 2.34
    local autres
    glibc=$(readelf -W --dyn-syms "$1" | grep -o 'GLIBC_[0-9.]*' | sort -uV | tail -n 1)
    autres=$(besoins "$1" | tr ' ' '\n' | grep -vxE "|lib(c|m|dl|pthread|rt)\.so\.6|$2")
    [ -z "$autres" ] || echec "$1 needs $autres"
    [ "$(printf '%s\n' "$glibc" GLIBC_2.34 | sort -V | tail -n 1)" = GLIBC_2.34 ] || echec "$1 needs $glibc"
}
deb() {  # DEB: lintian, desktop-file-validate and appstreamcli find no fault; unpacked into $tmp/r
    ! lintian --fail-on error,warning "$1" 2>&1 | grep -v "root privileges" || echec "lintian"
    dpkg-deb -x "$1" "$tmp/r" || echec "dpkg-deb -x"
    desktop-file-validate "$tmp"/r/usr/share/applications/lumor5.desktop || echec "the desktop entry"
    appstreamcli validate --no-net "$tmp"/r/usr/share/metainfo/*.metainfo.xml >/dev/null || echec "the metadata"
    dpkg-deb -f "$1" Recommends | grep -q libdecor-0-plugin-1-cairo || echec "no decoration plugin recommended"
}
# An Exec value as a launcher reads it, or nothing where it holds what none takes: in the quotes only
# plain characters, \" \` \$ \\ (each backslash doubled again by the file's escapes) and %%.
litexec() {
    # shellcheck disable=SC2016 # the backquote and the dollar are the entry's own
    grep -E '^"([^\\"`$%]|\\\\["`$]|\\\\\\\\|%%)*"( --fullscreen)?$' |
        sed -e 's/^"//' -e 's/"\( --fullscreen\)\{0,1\}$/\1/' -e 's/\\\\\\\\/\x01/g' \
            -e 's/\\\\\(["`$]\)/\1/g' -e 's/\x01/\\/g' -e 's/%%/%/g'
}
menu() {  # FOLDER: its add-to-menu.sh writes an entry desktop-file-validate takes, whose commands,
    local e=$tmp/xdg/applications/lumor5.desktop vu  # read back, start FOLDER/lumor5 and in full screen
    XDG_DATA_HOME=$tmp/xdg "$1/add-to-menu.sh" >/dev/null || echec "add-to-menu.sh in '$1'"
    desktop-file-validate "$e" || echec "add-to-menu.sh in '$1' wrote an invalid entry"
    vu=$(sed -n 's/^Exec=//p' "$e" | litexec | sort -u)
    [ "$vu" = "$1/lumor5"$'\n'"$1/lumor5 --fullscreen" ] || echec "add-to-menu.sh in '$1' starts '$vu'"
    rm -r "$tmp/xdg" || echec "rm $tmp/xdg"
}

SW=1280 SH=1024
[[ $mode = wayland || $mode = linux || $mode = arm64 ]] && SW=1936 SH=1456  # weston's 1920 x 1440, a margin
ecranx "$SW" "$SH"
if [[ $mode = jeu || $mode = geante || $mode = pleinecran || $mode = wayland || $mode = paquet ]]; then
    mkdir "$tmp/ailleurs" || echec "mkdir $tmp/ailleurs"  # the pictures elsewhere
    cp -r data "$tmp/ailleurs/" || echec "pictures elsewhere"
    cd "$tmp/ailleurs" || echec "cd $tmp/ailleurs"
fi

if [ "$mode" = jeu ]; then
    mkdir "$tmp/peint" || echec "$tmp/peint"
    (cd "$racine" && "$3" "$tmp/peint" >/dev/null) || echec "the art generator"
    diff -r "$tmp/peint" data || echec "data/ differs"
    vu=$("$jeu" --version)
    [[ $vu == "lumor5 "[0-9]* ]] || echec "--version said '$vu'"
    { aide=$("$jeu" --help) && [[ $aide == *"-f, --fullscreen"*"any key"* ]]; } || echec "--help said '$aide'"
    sans=$(env -u DISPLAY -u WAYLAND_DISPLAY "$jeu" 2>&1)
    [[ $? == 1 && $sans == *"lumor5: no display to open a window on: "*"offscreen driver" ]] || echec "$sans"
    non=$(SDL_VIDEODRIVER=introuvable "$jeu" 2>&1)
    [[ $? == 1 && $non == "lumor5: cannot start SDL's video: "*introuvable* ]] || echec "$non"
    [ "$(wc -l <<<"$non")" = 1 ] || echec "a failed start said $non"
    # Without dpkg: the packages named in each family's names, and no install tried.
    mkdir "$tmp/sansdpkg" || echec "$tmp/sansdpkg"
    printf '#!/bin/sh\ntouch "%s"\n' "$tmp/tente" >"$tmp/sansdpkg/apt-get" && chmod +x "$tmp/sansdpkg/apt-get"
    sans=$(PATH=$tmp/sansdpkg "$racine/tools/dependances.sh" run) || echec "without dpkg: '$sans'"
    [[ $sans == *"libsdl2-dev"*"SDL2-devel"*"sdl2"*"libSDL2-devel"* ]] || echec "without dpkg: '$sans'"
    [ ! -e "$tmp/tente" ] || echec "without dpkg, the install step ran apt-get"
    lance "$jeu" --inconnu 2>"$tmp/dit"  # an argument it does not know changes nothing
    fenetre
    blocs
    char 300
    # A burst as a fast mouse sends it, in one run of xdotool; then a key.
    for i in $(seq 1000); do echo mousemove $((X + i % 700)) $((Y + 100 + i % 2)); done >"$tmp/rafale"
    xdotool "$tmp/rafale" || echec "xdotool's burst"
    termine
    [ "$statut" = 0 ] || echec "status $statut"
    [ ! -s "$tmp/dit" ] || echec "it said: $(cat "$tmp/dit")"
    [ "$duree" -ge 1000 ] || echec "$duree ms after the key: no end screen"
    [ "$duree" -lt 1500 ] || echec "$duree ms after the key"
    rm data/bombe.bmp || echec "rm"
    ferme=1 lance "$jeu"
    blocs
    pris=$(readlink "/proc/$jpid/fd/0" "/proc/$jpid/fd/2")
    [ "$pris" = $'/dev/null\n/dev/null' ] || echec "closed descriptors taken by $pris"
    termine -INT
    [ "$statut" = 130 ] || echec "Ctrl+C left status $statut, not 130"
elif [ "$mode" = geante ]; then  # on each renderer, before and in play: brought back, both sides or one
    # 20000: past every bound the game sets (16384, the screen), short of the 4 GiB drawable of 32767 x 32767
    # on which Debian testing's Mesa (llvmpipe 26.1) crashes any program, glxgears too.
    for passe in opengl:20000 software:800; do
        rendu=${passe%:*} large=${passe#*:}
        SDL_RENDER_DRIVER=$rendu lance "$jeu" 2>"$tmp/dit"
        pareil "$accueil" "800x600+$X+$Y" "$rendu: the welcome screen"  # shown: SDL undoes a resize made before it
        xdotool windowsize "$wid" "$large" 20000 || echec "$rendu: windowsize"
        geometrie "$((large < SW ? large : SW)),$SH"
        xdotool windowsize "$wid" 800 600 || echec "$rendu: windowsize"
        blocs
        xdotool windowsize "$wid" "$large" 20000 || echec "$rendu: windowsize"
        geometrie "$((large < SW ? large : SW)),$SH"
        finit "$rendu:"
        [ "$duree" -lt 3000 ] || echec "$rendu: a key in a window of ${SW}x$SH ended the game after $duree ms"
    done
elif [ "$mode" = pleinecran ]; then  # the whole picture on the whole screen, bare (a kiosk) or under a window manager
    convert data/accueil.bmp -sample 1280x1024! "$tmp/accueil.png" || echec "convert"
    for wm in "no window manager" openbox; do
        if [ "$wm" = openbox ]; then
            openbox --startup "touch $tmp/wm" 2>/dev/null &
            for _ in $(seq 50); do [ -e "$tmp/wm" ] && break; sleep 0.1; done
        fi
        lance "$jeu" -f 2>"$tmp/dit"
        geometrie 1280,1024,0,0
        pareil "$tmp/accueil.png" 1280x1024+0+0 "$wm: the welcome screen"
        pleinecran
        finit "$wm:"
    done
elif [ "$mode" = wayland ]; then  # opens on Wayland where the session has it, sharp at its scale whatever is asked
    compositeur
    export SDL_RENDER_SCALE_QUALITY=linear
    W=1600 H=1200 surwayland "$jeu"
    # On SDL's software renderer too; SDL_VIDEODRIVER set but empty: SDL's own choice, so Wayland.
    W=1920 H=1440 surwayland env SDL_VIDEODRIVER= SDL_RENDER_DRIVER=software "$jeu" -f
elif [ "$mode" = installe ]; then  # the package installed on a fresh system
    partie "$jeu"
elif [ "$mode" = paquet ]; then
    (umask 002 && cpack --config "$3" -B "$tmp/deb" >/dev/null) || echec "cpack"
    paquet=$(echo "$tmp"/deb/lumor5_*.deb)
    ! dpkg-deb -c "$paquet" | grep '^.....w' || echec "built under umask 002, the package has group-writable entries"
    deb "$paquet"
    partie "$tmp/r/usr/games/lumor5"
elif [ "$mode" = linux ]; then  # the release, when made: its files, their sums; the portable build
    v=$(basename "$jeu" -linux-x86_64.tar.gz)
    v=${v#lumor5-}
    if [ "$#" -ge 3 ]; then
        cd "$3" || echec "no release in $3"
        fichiers=(*)
        [ "${#fichiers[@]}" = 9 ] || echec "the release: ${fichiers[*]}"
        sha256sum --quiet -c SHA256SUMS || echec "the release's sums"
        [ "$(grep -c "lumor5[-_]${v}[-_.]" SHA256SUMS)" = 8 ] || echec "the release's sums: $(cat SHA256SUMS)"
    fi
    tar -C "$tmp" -xzf "$jeu" || echec "tar"
    ici="$tmp/a b&c%d\$e'f\"g\\h\`i;*"  # a folder a launcher must quote
    mv "$tmp/lumor5-$v-linux-x86_64" "$ici" || echec "mv to $ici"
    glibcseul "$ici/bin/lumor5" 'ld-linux-x86-64\.so\.2'
    menu "$ici"
    for non in "$tmp/a=b" "$tmp/a"$'\t'"b" "$tmp/nl"$'\n'; do  # folders no menu entry can name
        cp -r "$ici" "$non" || echec "cp to $non"
        ! XDG_DATA_HOME=$tmp/xdg "$non/add-to-menu.sh" 2>/dev/null || echec "add-to-menu.sh in '$non' said yes"
        [ ! -e "$tmp/xdg/applications/lumor5.desktop" ] || echec "add-to-menu.sh in '$non' wrote an entry"
    done
    cd / || echec "cd /"  # as a file manager starts it
    partie "$ici/lumor5"
    compositeur
    W=1920 H=1440 surwayland "$ici/lumor5" -f
elif [ "$mode" = arm64 ]; then  # what each needs; each plays in qemu from its pictures' folder, as natively
    v=$(basename "$jeu" -linux-aarch64.tar.gz)
    tar -C "$tmp" -xzf "$jeu" || echec "tar"
    deb "$3"
    portable=$tmp/$v-linux-aarch64
    paquet=$tmp/r/usr/share/games/lumor5
    installe=$tmp/r/usr/lib/games/lumor5/lumor5
    glibcseul "$portable/bin/lumor5" 'ld-linux-aarch64\.so\.1'
    depend=$(dpkg-deb -f "$3" Depends)
    noms=" $(echo "$depend" | sed 's/ *([^)]*)//g; s/,/ /g') "
    for b in $(besoins "$installe"); do  # each library from a package the .deb depends on
        p=$(dpkg -S "*/aarch64-linux-gnu/$b" 2>/dev/null | grep -m 1 ":arm64: .*/$b\$" | cut -d: -f1)
        [[ -n $p && $noms == *" $p "* ]] || echec "$b comes from '$p', which '$depend' does not name"
    done
    for d in "$portable:bin/lumor5" "$paquet:$installe"; do
        cd "${d%%:*}" || echec "${d%%:*}"
        partie qemu-aarch64 "${d#*:}"
    done
    cd "$portable" || echec "$portable"
    compositeur
    W=1920 H=1440 surwayland qemu-aarch64 bin/lumor5 -f
elif [ "$mode" = windows ]; then
    export WINEPREFIX=$tmp/wine WINEDEBUG=-all HOME=$tmp WINEDLLOVERRIDES="winemenubuilder.exe,mscoree,mshtml=d"
    installeur=$(realpath "$3")
    unzip -q -d "$tmp" "$jeu" || echec "unzip"
    cd "$tmp"/lumor5-*-windows-x86_64 || echec "no lumor5-*-windows-x86_64 in $(basename "$jeu")"
    # The first run makes the Wine prefix, and says so: not the game's run.
    wine lumor5.exe --version 2>/dev/null | grep -q "^lumor5 [0-9]" || echec "--version"
    rm data/lumor.bmp data/bombe.bmp || echec "rm"
    mkdir data/bombe.bmp || echec "mkdir"  # refused with its reason
    lance wine lumor5.exe 2>"$tmp/dit"
    fenetre
    pareil "$accueil" "800x600+$X+$Y" "the welcome screen"
    net "800x600+$X+$Y" "at 96 DPI"
    blocs
    char 300  # in play
    # Direct3D resets its device at each resize: there and back within a frame, many times.
    for _ in $(seq 10); do
        xdotool windowsize "$wid" 900 700
        xdotool windowsize "$wid" 800 600
        sleep 0.05
    done
    char 500
    blocs
    termine
    dit=$'lumor5: cannot load data/lumor.bmp: No such file or directory\r\n'
    dit+=$'lumor5: cannot load data/bombe.bmp: not a regular file\r'
    [ "$statut" = 0 ] || echec "status $statut"
    [ "$(cat "$tmp/dit")" = "$dit" ] || echec "it said: $(cat "$tmp/dit")"
    [ "$duree" -lt 6000 ] || echec "a key ended it after $duree ms"
    # At 150 %: the window's 800 x 600 in the desktop's units, 1200 x 900 pixels, drawn at them
    # without a blur, whatever is asked.
    dpi='HKCU\Control Panel\Desktop'
    wine reg add "$dpi" /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1 || echec "LogPixels 144"
    wineserver -w
    SDL_RENDER_SCALE_QUALITY=linear lance wine lumor5.exe 2>"$tmp/dit"
    geometrie 1200,900
    W=1200 H=900 blocs
    net "1200x900+$X+$Y" "at 144 DPI"
    termine
    wine reg add "$dpi" /v LogPixels /t REG_DWORD /d 96 /f >/dev/null 2>&1 || echec "LogPixels 96"
    wineserver -w
    menu='C:\ProgramData\Microsoft\Windows\Start Menu\Programs\LUMOR'
    wine "$installeur" /S || echec "installer"
    wineserver -w
    cd / || echec "cd /"
    partie wine start /wait "$menu\LUMOR.lnk"
    lance wine start /wait "$menu\LUMOR (full screen).lnk" 2>"$tmp/dit"
    pleinecran
    finit "in full screen:"
    installe="$WINEPREFIX/drive_c/Program Files/LUMOR"
    wineserver -w
    wine "$installe/Uninstall.exe" /S || echec "uninstaller"
    wineserver -w
    [ -z "$(find "$WINEPREFIX/drive_c" -iname "*lumor*")" ] || echec "files left behind"
    ! wine reg query 'HKLM\Software\The LUMOR team' >/dev/null 2>&1 || echec "a registry key left behind"
    ! wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\LUMOR' >/dev/null 2>&1 ||
        echec "the uninstaller's key left behind"
fi
echo "programmes.sh $mode: every step passed"
