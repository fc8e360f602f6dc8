#!/bin/bash
# The programs themselves, one mode a test, each told in docs/essais.md. A step that fails ends the test with one line naming it.
# Usage: tests/programmes.sh GAME jeu PEINTRE PHOTOGRAPHE | GAME geante|pleinecran|wayland|docs|dossier | GAME paquet CPACKCONFIG
#        | ZIP windows SETUP | TARGZ linux [RELEASE] | TARGZ arm64 DEB GAME
set -u
jeu=$(realpath "$1") accueil=$(realpath docs/accueil.png) tmp=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; [ -n "${WINEPREFIX:-}" ] && wineserver -k; rm -rf "$tmp"' EXIT
echec() { echo "FAIL: $*"; exit 1; }
requis() { for o; do command -v "$o" >/dev/null || echec "$o is missing: tools/dependances.sh check installs it"; done; }
ok() { echo "ok: $* ($SECONDS s)"; }
seul() { env -u SDL_VIDEODRIVER "$@" "$jeu" 2>"$tmp/dit"; echo "$? $(cat "$tmp/dit")"; }
# Wine lags, and closes windows while a search looks at them: an error there means "look again".
libre() { for _ in $(seq 50); do [ -n "$(xdotool search --name LUMOR 2>&1)" ] || break; sleep 0.1; done; }
cherche() { for _ in $(seq 100); do wid=$(xdotool search --name LUMOR 2>/dev/null | head -n 1) && [ -n "$wid" ] && return; sleep 0.1; done; echec "no window appeared"; }
lance() {  # "$@" with SIGINT as a terminal gives it, stdin and stderr closed if $ferme; its window
    libre && if [ -n "${ferme:-}" ]; then env --default-signal=INT "$@" <&- 2>&- & else env --default-signal=INT "$@" & fi
    jpid=$! && cherche && eval "$(xdotool getwindowgeometry --shell "$wid" 2>/dev/null)"; }
fenetre() {  # the game's window: its title, 800 x 600, centred
    titre="essai  SDL2 LUMOR -  fenêtre redimensionnable - pressez une touche pour sortir - utiliser la Souris pour deplacer le Char"
    { vu=$(xdotool getwindowname "$wid") && [ "$vu" = "$titre" ]; } || echec "title '$vu'"
    [ "$WIDTH,$HEIGHT,$X,$Y" = "800,600,$(((SW - 800) / 2)),$(((SH - 600) / 2))" ] || echec "window ${WIDTH}x${HEIGHT} at $X,$Y"; }
termine() {  # a key, or the signal $1; sets statut and duree (ms)
    local debut && debut=$(date +%s%N) && if [ -n "${1:-}" ]; then kill "$1" "$jpid"; else xdotool key space; fi
    wait "$jpid"; statut=$? duree=$((($(date +%s%N) - debut) / 1000000)); }
finit() {  # a key ends it with status 0, its stderr empty but for libdecor's words where no decoration plugin is installed
    termine && grep -v -e "^Couldn't open plugin directory" -e '^No plugins found, falling back on no decorations' "$tmp/dit" >"$tmp/sien"
    { [ "$statut" = 0 ] && [ ! -s "$tmp/sien" ]; } || echec "$* status $statut, said: $(cat "$tmp/dit")"; }
geometrie() {  # W,H[,X,Y]: the window comes to that size (and place) within 10 s
    for _ in $(seq 100); do eval "$(xdotool getwindowgeometry --shell "$wid" 2>/dev/null)"; [[ $WIDTH,$HEIGHT,$X,$Y == $1* ]] && return; sleep 0.1; done; echec "a window ${WIDTH}x${HEIGHT} at $X,$Y, not $1"; }
attends() {  # within 8 s the screen shows the colours "r,g,b ..." at the points "x,y ..."
    local attendu=$1 vu="" f="" p
    for p in "${@:2}"; do f="$f%[fx:int(255*p{$p}.r)],%[fx:int(255*p{$p}.g)],%[fx:int(255*p{$p}.b)] "; done
    for _ in $(seq 40); do vu=$(import -window root bmp:- 2>/dev/null | convert - -format "${f% }" info: 2>/dev/null); [ "$vu" = "$attendu" ] && return; sleep 0.2; done
    echec "saw $vu where $attendu was due"; }
pareil() {  # PICTURE CROP WHAT: within 30 looks the screen shows PICTURE at CROP (WxH+X+Y)
    for _ in $(seq 30); do import -window root -crop "$2" +repage "$tmp/vu.png" && ae=$(compare -metric AE "$1" "$tmp/vu.png" null: 2>&1) && return; done; echec "$3 differs from $(basename "$1") by ${ae:-all} pixels"; }
# A sharp picture holds the colours of the game's pictures alone; a blurred one blends them.
couleurs() { convert "$1" -depth 8 -unique-colors txt:- | grep -o '#[0-9A-F]\{6\}' | sort -u; }
for b in data/*.bmp; do couleurs "$b"; done | sort -u >"$tmp/palette"
net() {  # CROP WHAT: the screen at CROP holds no colour outside the pictures'
    { import -window root -crop "$1" +repage "$tmp/net.png" && etrangeres=$(couleurs "$tmp/net.png" | comm -23 - "$tmp/palette" | wc -l); } || echec "no screenshot"
    [ "$etrangeres" = 0 ] || echec "$2: $etrangeres colours in none of the pictures (blurred)"; }
case $2 in paquet) requis lintian appstreamcli ;; pleinecran) requis openbox ;; wayland | linux) requis weston ;; windows) requis wine unzip ;;
    arm64) requis qemu-aarch64 lintian weston ;; dossier) requis make ;; esac && requis Xvfb xdotool import compare desktop-file-validate
besoins() { readelf -d "$1" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1 /p' | tr -d '\n'; }
glibcseul() {  # GAME LOADER: GAME needs glibc's libraries alone, at most 2.34
    glibc=$(readelf -W --dyn-syms "$1" | grep -o 'GLIBC_[0-9.]*' | sort -uV | tail -n 1)
    ! { besoins "$1" | tr ' ' '\n' | grep -qvxE "|lib(c|m|dl|pthread|rt)\.so\.6|$2" ||
        [ "$(printf '%s\n' "$glibc" GLIBC_2.34 | sort -V | tail -n 1)" != GLIBC_2.34 ]; } || echec "$1 needs $(besoins "$1")$glibc"; }
pleinecran() { geometrie 1280,1024,0,0 && W=1280 H=1024 blocs; }  # the screen covered, the blocks for it
blocs() {  # the blocks' bottom rows, never notched, in a window W x H (800 x 600)
    local w=${W:-800} h=${H:-600} y && y=$((Y + 3 * h / 4 + h / 12 - 3))
    attends "128,72,32 176,176,176 56,88,224 104,104,104" "$((X + w / 5)),$y" "$((X + 2 * w / 5)),$y" "$((X + 3 * w / 5)),$y" "$((X + 4 * w / 5)),$y"; }
menu() {  # FOLDER: its add-to-menu.sh writes an entry desktop-file-validate takes, whose commands, read back as a launcher
    e=$tmp/xdg/applications/lumor5.desktop  # does (the file's escapes, then the quoting, then %%), start FOLDER/lumor5
    { XDG_DATA_HOME=$tmp/xdg "$1/add-to-menu.sh" >/dev/null && desktop-file-validate "$e"; } || echec "add-to-menu.sh in '$1'"
    vu=$(sed -n 's/^Exec=//p' "$e" | sed -e 's/\\\\/\\/g' -e 's/^"\(\([^"\\]\|\\.\)*\)"\( --fullscreen\)\{0,1\}$/\1/' -e 's/\\\(.\)/\1/g' -e 's/%%/%/g' | sort -u)
    [ "$vu" = "$1/lumor5" ] || echec "add-to-menu.sh in '$1' starts '$vu'"; }

if [ "$2" = linux ]; then  # the release, when made: its files, their sums
    v=$(basename "$jeu" -linux-x86_64.tar.gz) && v=${v#lumor5-}
    [ "$#" -lt 3 ] || { cd "$3" && [ "$(LC_ALL=C; printf '%s ' *)" = "SHA256SUMS lumor5-$v-linux-aarch64.tar.gz lumor5-$v-linux-x86_64.tar.gz \
lumor5-$v-web.zip lumor5-$v-windows-x86_64-setup.exe lumor5-$v-windows-x86_64.zip lumor5-$v.tar.gz lumor5_${v}_amd64.deb lumor5_${v}_arm64.deb " ] &&
        sha256sum --quiet -c SHA256SUMS && [ "$(wc -l <SHA256SUMS)" = 8 ]; } || echec "the release: $(ls)"
    { cd "$tmp" && tar xzf "$jeu" && cd "lumor5-$v-linux-x86_64"; } || echec "tar"
    glibcseul bin/lumor5 'ld-linux-x86-64\.so\.2' && { ! ldd bin/lumor5 | grep -i sdl || echec "ldd shows SDL"; }
    menu "$PWD" && ok "${3:+the release; }the portable build needs $(besoins bin/lumor5)$glibc; its menu entry"
elif [ "$2" = arm64 ]; then  # what each needs, then each plays a whole run, unseen
    deb=$(realpath "$3") natif=$(realpath "$4") v=$(basename "$jeu" -linux-aarch64.tar.gz)
    { cd "$tmp" && tar xzf "$jeu" && dpkg-deb -x "$deb" r; } || echec "unpack"
    portable=$tmp/$v-linux-aarch64 paquet=$tmp/r/usr/share/games/lumor5 installe=$tmp/r/usr/lib/games/lumor5/lumor5
    glibcseul "$portable/bin/lumor5" 'ld-linux-aarch64\.so\.1'
    depend=$(dpkg-deb -f "$deb" Depends) && noms=" $(echo "$depend" | sed 's/ *([^)]*)//g; s/,/ /g') "
    for b in $(besoins "$installe"); do  # each library from a package the .deb depends on
        p=$(dpkg -S "*/aarch64-linux-gnu/$b" 2>/dev/null | grep -m 1 ":arm64: .*/$b\$" | cut -d: -f1)
        [[ -n $p && $noms == *" $p "* ]] || echec "$b comes from '$p', which '$depend' does not name"
    done
    [ "$(dpkg-deb -f "$deb" Architecture)" = arm64 ] || echec "the package is for $(dpkg-deb -f "$deb" Architecture)"
    ! lintian --fail-on error,warning "$deb" 2>&1 | grep -v "root privileges" || echec "lintian"
    for d in "$portable:bin/lumor5" "$paquet:$installe"; do  # a whole run from each folder, beside the rest (30 s)
        (cd "${d%%:*}" && SDL_VIDEODRIVER=dummy qemu-aarch64 "${d#*:}" &>"${d%%:*}.seul"; echo "status $?" >>"${d%%:*}.seul") &
    done
    read -ra entiers <<<"$(jobs -p | tr '\n' ' ')" && ok "aarch64: the portable build needs $(besoins "$portable/bin/lumor5")$glibc; the .deb: $depend"
elif [ "$2" = jeu ]; then
    { mkdir "$tmp/peint" && "$3" "$tmp/peint" >/dev/null && diff -r "$tmp/peint" data; } || echec "data/ differs"
    { "$4" "$tmp" >/dev/null && [ -s "$tmp/accueil.png" ] && [ -s "$tmp/jeu.png" ]; } || echec "no screenshots"
    { vu=$("$jeu" --version) && [[ $vu == "lumor5 "[0-9]* ]] && "$jeu" --help >"$tmp/aide" &&
        grep -q "any key" "$tmp/aide" && grep -q -- "-f, --fullscreen" "$tmp/aide"; } || echec "--help, --version"
    { vu=$(seul -u DISPLAY -u WAYLAND_DISPLAY) && [[ $vu == "1 "*"lumor5: no display to open a window on: "*"offscreen driver" ]]; } || echec "$vu"
    { vu=$(seul SDL_VIDEODRIVER=introuvable) && [[ $vu == "1 lumor5: cannot start SDL's video: "*introuvable* ]] && [ "$(wc -l <"$tmp/dit")" = 1 ]; } || echec "$vu"
    { mkdir "$tmp/sansdpkg" && printf '#!/bin/sh\ntouch "%s"\n' "$tmp/tente" >"$tmp/sansdpkg/apt-get" && chmod +x "$tmp/sansdpkg/apt-get" &&
        sans=$(PATH=$tmp/sansdpkg tools/dependances.sh run) && [[ $sans == *"libsdl2-dev"*"SDL2-devel"*"sdl2"*"libSDL2-devel"* ]] &&
        [ ! -e "$tmp/tente" ]; } || echec "without dpkg, the install step said '${sans:-}'"
    ici="$tmp/a b&c%d\$e'f\"g\\h\`i;*"  # the portable build's menu entry from a folder a launcher must quote
    { mkdir "$ici" && cp linux/menu.sh "$ici/add-to-menu.sh" && cp paquet/lumor5.desktop "$ici/" && cp "$accueil" "$ici/lumor5.png"; } || echec "$ici"
    menu "$ici" && ok "generator, screenshots, --help, --version, the install step without dpkg, the menu entry; no display: $vu"
elif [ "$2" = paquet ]; then
    { (umask 002 && cpack --config "$3" -B "$tmp/deb" >/dev/null) && deb=$(echo "$tmp"/deb/lumor5_*.deb) && [ -e "$deb" ]; } || echec "cpack"
    ! dpkg-deb -c "$deb" | grep '^.....w' || echec "built under umask 002, the package has group-writable entries"
    ! lintian --fail-on error,warning "$deb" 2>&1 | grep -v "root privileges" || echec "lintian"
    { dpkg-deb -x "$deb" "$tmp/r" && desktop-file-validate "$tmp"/r/usr/share/applications/lumor5.desktop &&
        appstreamcli validate --no-net "$tmp"/r/usr/share/metainfo/*.metainfo.xml >/dev/null; } || echec "metadata"
    grep -qx "Exec=lumor5 --fullscreen" "$tmp"/r/usr/share/applications/lumor5.desktop || echec "no full-screen action"
    dpkg-deb -f "$deb" Recommends | grep -q libdecor-0-plugin-1-cairo || echec "no decoration plugin recommended"
    ok "$(basename "$deb"): lintian, desktop-file-validate and appstreamcli find no fault; a decoration plugin"
elif [ "$2" = docs ]; then  # each fact a player reads, the same everywhere it is written
    v=$(sed -n 's/^project([^)]*VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
    for f in "NEWS.md:## $v" "paquet/changelog:lumor5 ($v)" "paquet/lumor5.metainfo.xml:<release version=\"$v\""; do grep -m 1 -E '^## |^lumor5 \(|<release ' \
        "${f%%:*}" | grep -qF "${f#*:}" || echec "${f%%:*} does not begin with $v"; done
    ! grep -rnoE 'lumor5[-_][0-9]+\.[0-9]+\.[0-9]+' README.md docs linux/README.txt windows/README.txt || echec "a version written out"
    "$jeu" --help >"$tmp/aide" && aplat() { sed -e 's/\\-/-/g; s/<[^>]*>//g; s/^\.[A-Z]* //' "$1" | tr -s ' \n' '  '; }
    for f in README.md linux/README.txt windows/README.txt paquet/lumor5.6 paquet/lumor5.metainfo.xml "$tmp/aide" docs/jeu.md; do
        for fait in "any key" "the left stick or the d-pad" "--fullscreen" "trigger pulled halfway or more"; do aplat "$f" | grep -qiF -- "$fait" || echec "$f does not say '$fait'"; done
    done
    ! grep -rniE 'past half|1\.[0-9]\.[0-9]_amd64' README.md docs paquet linux windows || echec "a fact the code contradicts"
    ok "$v in NEWS.md, the changelog and the metadata, no version written out in the docs; the controls said alike in 7 places" && exit 0
elif [ "$2" = dossier ]; then  # a copy of this tree in a folder named as players name theirs: make test there
    ici="$tmp/My Games/R&D it's \$5 100%"
    { mkdir -p "$ici" && tar --exclude='./build*' --exclude=./node_modules -cf - . | tar -C "$ici" -xf -; } || echec "a copy in '$ici'"
    (cd "$ici" && unset MAKEFLAGS MAKELEVEL && make test >"$tmp/make.log" 2>&1) || { tail -n 20 "$tmp/make.log"; echec "make test in '$ici'"; }
    ok "make test in '$ici': $(grep -o '[0-9]* tests passed.*' "$tmp/make.log")" && exit 0
fi
# Without -noreset the server resets whenever its last client (a window search) leaves: a game connecting then finds no display.
SW=1280 SH=1024
[[ $2 = wayland || $2 = linux || $2 = arm64 ]] && SW=1920 SH=1440
Xvfb -noreset -displayfd 5 -screen 0 "${SW}x${SH}x24" -nolisten tcp 5>"$tmp/display" 2>/dev/null &
for _ in $(seq 50); do [ -s "$tmp/display" ] && break; sleep 0.1; done; DISPLAY=:$(cat "$tmp/display") || echec "Xvfb did not start"
export DISPLAY && unset SDL_VIDEODRIVER WAYLAND_DISPLAY  # X11 unless a mode starts weston
[[ $2 = windows || $2 = linux || $2 = arm64 ]] || { mkdir "$tmp/ailleurs" && cp -r data "$tmp/ailleurs" && cd "$tmp/ailleurs"; } || echec "pictures elsewhere"
# Weston at twice the scale (960 x 720 on 1920 x 1440 pixels), no panel, no animation (a fade blends), a background in none
compositeur() {  # of the pictures' colours (18,52,86); its pointer where no window goes, the focus on it (a closed X11 game's may not be)
    printf '[core]\nidle-time=0\n[shell]\nbackground-color=0xff123456\npanel-position=none\nlocking=false\nanimation=none\nclose-animation=none\nstartup-animation=none\n' >"$tmp/weston.ini"
    export XDG_RUNTIME_DIR=$tmp/xdg-run && { mkdir -m 700 "$XDG_RUNTIME_DIR" || echec "$XDG_RUNTIME_DIR"; }
    weston --backend=x11-backend.so --use-pixman --width=960 --height=720 --scale=2 --socket=lumor --config="$tmp/weston.ini" >"$tmp/weston.log" 2>&1 &
    attends "18,52,86" 1910,10 && weston=$(xdotool search --class 'Weston Compositor' | head -n 1); }
surwayland() {  # GAME [ARGS] on weston, never X11: W x H pixels of the pictures' colours alone; the blocks; the tank; a key
    xdotool mousemove 1919 1439 windowfocus "$weston" && { WAYLAND_DISPLAY=lumor env --default-signal=INT "$@" 2>"$tmp/dit" & jpid=$!; }
    for _ in $(seq 100); do  # the pointer's corner painted over, a border of the background trimmed
        import -window root "$tmp/w.png" && read -r w h X Y < <(convert "$tmp/w.png" -fill '#123456' -draw 'rectangle 1888,1408 1919,1439' \
            -bordercolor '#123456' -border 1 -trim -format '%w %h %X %Y\n' info: 2>/dev/null) && [ "$w,$h" = "$W,$H" ] && break; sleep 0.1; done
    [ "$w,$h" = "$W,$H" ] || echec "$*: a picture of ${w}x$h on weston, not ${W}x$H; said: $(cat "$tmp/dit")"
    [ -z "$(xdotool search --name LUMOR 2>/dev/null)" ] || echec "$*: opened on X11 beside weston"
    X=$((${X#+} - 1)) Y=$((${Y#+} - 1)) && net "$((W - 32))x$((H - 32))+$X+$Y" "$* on weston" && blocs
    [ "$W" = 1920 ] || { xdotool mousemove $((X + 600)) $((Y + 200)) && attends "104,104,104" $((X + 684)),$((Y + 1114)); }
    finit "$* on weston:" && ok "$*: on weston at scale 2, ${W}x$H device pixels of the pictures' colours alone, the blocks; a key ends it"; }

if [ "$2" = geante ]; then  # on each renderer, before play and during it: brought back to the screen, no warning
    for rendu in opengl software; do
        SDL_RENDER_DRIVER=$rendu lance "$jeu" 2>"$tmp/dit"
        pareil "$accueil" "800x600+$X+$Y" "$rendu: the welcome screen"  # shown: SDL undoes a resize made before it
        { xdotool windowsize "$wid" 32767 32767 && geometrie "$SW,$SH" && xdotool windowsize "$wid" 800 600; } || echec "$rendu: windowsize"
        blocs && { { xdotool windowsize "$wid" 32767 32767 && geometrie "$SW,$SH"; } || echec "$rendu: windowsize"; }
        finit "$rendu:" && { [ "$duree" -lt 3000 ] || echec "$rendu: a key in a window of ${SW}x$SH ended the game after $duree ms"; }
        ok "$rendu: a 32767x32767 window, before and during play, brought back to the screen's ${SW}x$SH; a key ends it in $duree ms"
    done
elif [ "$2" = wayland ]; then  # opens on Wayland where the session has it, sharp at its scale
    compositeur && W=1600 H=1200 surwayland "$jeu" && W=1920 H=1440 surwayland "$jeu" -f
elif [ "$2" = linux ]; then  # from elsewhere, as a file manager starts it; on weston too
    cd / && lance "$tmp/lumor5-$v-linux-x86_64/lumor5" 2>"$tmp/dit" && fenetre && blocs && finit "on X11:"  # titled, 800x600, centred
    compositeur && W=1920 H=1440 surwayland "$tmp/lumor5-$v-linux-x86_64/lumor5" -f
elif [ "$2" = arm64 ]; then  # each played in qemu from its pictures' folder, as the native game shows
    { cd "$tmp" && cp -r "$paquet/data" . && lance "$natif" 2>/dev/null && fenetre && blocs; } || echec "the native game"
    rangee=800x50+$X+$((Y + 450)) && { import -window root -crop "$rangee" +repage "$tmp/rangee.png" || echec "no screenshot"; } && termine
    for d in "$portable:bin/lumor5" "$paquet:$installe"; do
        { cd "${d%%:*}" && lance qemu-aarch64 "${d#*:}" 2>"$tmp/dit" && fenetre; } || echec "$d"
        pareil "$accueil" "800x600+$X+$Y" "$d: the welcome screen" && blocs && pareil "$tmp/rangee.png" "$rangee" "$d: the block row" && finit "$d:"
    done
    wait "${entiers[@]}"
    for d in "$portable" "$paquet"; do [ "$(cat "$d.seul")" = "status 0" ] || echec "a whole run in $d: $(cat "$d.seul")"; done
    ok "both under qemu: window, welcome screen and block row as native, status 0; a whole run each, status 0" && cd "$portable" && compositeur && W=1920 H=1440 surwayland qemu-aarch64 bin/lumor5 -f
elif [ "$2" = windows ]; then
    export WINEPREFIX=$tmp/wine WINEDEBUG=-all HOME=$tmp WINEDLLOVERRIDES="winemenubuilder.exe,mscoree,mshtml=d"
    { installeur=$(realpath "$3") && cd "$tmp" && unzip -q "$jeu" && cd lumor5-*-windows-x86_64; } || echec "unzip"
    { vu=$(wine lumor5.exe --version 2>/dev/null) && [[ $vu == "lumor5 "[0-9]*$'\r' ]]; } || echec "--version said '$vu'"
    { rm data/lumor.bmp data/bombe.bmp && mkdir data/bombe.bmp; } || echec "data/"  # refused with its reasons
    lance wine lumor5.exe 2>"$tmp/dit" && fenetre
    pareil "$accueil" "800x600+$X+$Y" "the welcome screen" && net "800x600+$X+$Y" "at 96 DPI" && blocs
    xdotool mousemove $((X + 300)) $((Y + 100)) && attends "104,104,104" $((X + 342)),$((Y + 557))  # in play
    # Direct3D resets its device at each resize: there and back within a frame, many times.
    for _ in $(seq 10); do xdotool windowsize "$wid" 900 700; xdotool windowsize "$wid" 800 600; sleep 0.05; done
    xdotool mousemove $((X + 500)) $((Y + 100)) && attends "104,104,104" $((X + 542)),$((Y + 557)) && blocs && termine
    dit=$'lumor5: cannot load data/lumor.bmp: No such file or directory\r\nlumor5: cannot load data/bombe.bmp: not a regular file\r'
    { [ "$statut" = 0 ] && [ "$(cat "$tmp/dit")" = "$dit" ] && [ "$duree" -lt 6000 ]; } || echec "status $statut after $duree ms, said: $(cat "$tmp/dit")"
    # At 150 %: the window's 800 x 600 in the desktop's units, 1200 x 900 pixels, drawn at them.
    dpi() { { wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f && wineserver -w; } >/dev/null 2>&1 || echec "LogPixels $1"; }
    dpi 144 && lance wine lumor5.exe 2>"$tmp/dit" && geometrie 1200,900 && net "1200x900+$X+$Y" "at 144 DPI" && W=1200 H=900 blocs && termine && dpi 96
    vu=$(SDL_VIDEODRIVER=introuvable timeout 10 wine lumor5.exe 2>&1)
    [[ $? == 1 && $vu == "lumor5: cannot start SDL's video: "*$'\r' ]] || echec "a failed start said '$vu'"
    SDL_VIDEODRIVER=introuvable lance wine start /wait lumor5.exe  # from the desktop: no stderr
    [ "$(xdotool getwindowname "$wid")" = LUMOR ] || echec "no message box"
    xdotool key --window "$wid" Return 2>/dev/null; wait "$jpid"; statut=$?; [ $statut = 1 ] || echec "status $statut"
    { bat=$(winepath -w lumor5-fullscreen.bat) && libre && (cd / && wine cmd /c "$bat") && cherche && pleinecran && xdotool key space && wineserver -w; } || echec "$bat"
    menu='C:\ProgramData\Microsoft\Windows\Start Menu\Programs\LUMOR'
    { wine "$installeur" /S && wineserver -w; } || echec "installer"
    cd / && lance wine start /wait "$menu\LUMOR.lnk" 2>"$tmp/dit" && blocs && finit "the installed game:"
    lance wine start /wait "$menu\LUMOR (full screen).lnk" 2>"$tmp/dit" && pleinecran && finit "in full screen:"
    installe="$WINEPREFIX/drive_c/Program Files/LUMOR"
    cles='HKLM\Software\The LUMOR team' desinstalle='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\LUMOR'
    { wineserver -w && wine "$installe/Uninstall.exe" /S && wineserver -w && [ ! -e "$installe" ] && [ -z "$(find "$WINEPREFIX/drive_c" -iname "*lumor*")" ] &&
        ! wine reg query "$cles" >/dev/null 2>&1 && ! wine reg query "$desinstalle" >/dev/null 2>&1; } || echec "left behind"
    ok "the zip at 96 DPI: two pictures refused, blocks kept through resizes, a key ends it; at 144 DPI 1200x900 pixels" \
        "of the pictures' colours alone; a failed start named; the .bat in full screen; installed, both shortcuts, uninstalled"
elif [ "$2" = paquet ]; then
    lance "$tmp/r/usr/games/lumor5" 2>"$tmp/dit" && fenetre && blocs && finit && ok "the unpacked launcher, from elsewhere: titled, 800x600, centred"
elif [ "$2" = pleinecran ]; then  # a window manager gives what full screen asks
    openbox --startup "touch $tmp/wm" 2>/dev/null & for _ in $(seq 50); do [ -e "$tmp/wm" ] && break; sleep 0.1; done
    { convert data/accueil.bmp -sample 1280x1024! "$tmp/accueil.png" || echec "convert"; } && lance "$jeu" -f 2>"$tmp/dit" && geometrie 1280,1024,0,0 && pareil "$tmp/accueil.png" 1280x1024+0+0 "the welcome screen" && pleinecran && finit
    ok "-f: the 1280x1024 screen covered, the welcome picture and the blocks at its size"
else
    lance "$jeu" --inconnu 2>"$tmp/dit" && fenetre && blocs  # an argument it does not know changes nothing
    xdotool mousemove $((X + 300)) $((Y + 100)) && attends "104,104,104" $((X + 342)),$((Y + 557))
    # A burst as a fast mouse sends it, in one run of xdotool; then a key.
    for i in $(seq 1000); do echo mousemove $((X + i % 700)) $((Y + 100 + i % 2)); done >"$tmp/rafale" && xdotool "$tmp/rafale" && termine
    { [ "$statut" = 0 ] && [ ! -s "$tmp/dit" ] && [ "$duree" -ge 1000 ] && [ "$duree" -lt 1500 ]; } || echec "status $statut $duree ms after the key, said: $(cat "$tmp/dit")"
    rm data/bombe.bmp && ferme=1 lance "$jeu" && blocs
    [ "$(readlink "/proc/$jpid/fd/0" "/proc/$jpid/fd/2")" = $'/dev/null\n/dev/null' ] || echec "closed descriptors taken"
    { termine -INT && [ "$statut" = 130 ]; } || echec "Ctrl+C left status $statut, not 130"
    ok "titled, 800x600, centred; blocks and tank; after 1000 pointer motions a key ends it within 1.5 s; a picture missing," \
        "stdin and stderr closed, it plays; Ctrl+C ends it"
fi
echo "programmes.sh $2: every step passed"
