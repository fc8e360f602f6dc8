# shellcheck shell=bash
# The real displays the window tests and the benchmark play the game on: an Xvfb, and weston at twice
# the scale inside it. Sourced by bash; the caller gives `echec` (one line naming what failed, then
# exit) and `tmp`, a temporary folder of its own.
# shellcheck disable=SC2154,SC2034 # tmp and echec are the caller's; X, Y, WIDTH, HEIGHT for it

ecranx() {  # W H: an Xvfb of W x H pixels, DISPLAY set to it, the game on X11
    # Without -noreset the server resets whenever its last client (a window search) leaves: a game
    # connecting then finds no display.
    Xvfb -noreset -displayfd 5 -screen 0 "${1}x${2}x24" -nolisten tcp 5>"$tmp/display" 2>/dev/null &
    for _ in $(seq 50); do
        [ -s "$tmp/display" ] && break
        sleep 0.1
    done
    [ -s "$tmp/display" ] || echec "Xvfb did not start"
    DISPLAY=:$(cat "$tmp/display")
    export DISPLAY
    unset SDL_VIDEODRIVER WAYLAND_DISPLAY
}

# SOCKET: weston in the Xvfb at twice the scale (960 x 720 on 1920 x 1440 pixels), no panel, no
# animation (a fade blends), a background in none of the pictures' colours (18,52,86).
ecranwayland() {
    printf '[core]\nidle-time=0\n[shell]\nbackground-color=0xff123456\npanel-position=none\n' >"$tmp/weston.ini"
    printf 'locking=false\nanimation=none\nclose-animation=none\nstartup-animation=none\n' >>"$tmp/weston.ini"
    export XDG_RUNTIME_DIR=$tmp/xdg-run
    mkdir -m 700 "$XDG_RUNTIME_DIR" || echec "cannot make $XDG_RUNTIME_DIR"
    weston --backend=x11-backend.so --use-pixman --width=960 --height=720 --scale=2 --socket="$1" \
        --config="$tmp/weston.ini" >"$tmp/weston.log" 2>&1 &
    for _ in $(seq 100); do
        [ -S "$XDG_RUNTIME_DIR/$1" ] && return
        sleep 0.1
    done
    echec "weston did not start: $(cat "$tmp/weston.log")"
}

# The game's window on the display. Wine lags, and closes windows while a search looks at them: an
# error there means "look again".
libre() {  # no game window left, or 5 s waited
    for _ in $(seq 50); do
        [ -n "$(xdotool search --name LUMOR 2>&1)" ] || return 0
        sleep 0.1
    done
}
cherche() {  # the game's shown window into wid, looked for every 10 ms for 10 s (what Wine starts may
    for _ in $(seq 1000); do  # stand behind a process that has ended; SDL 3 makes a window it never shows)
        wid=$(xdotool search --onlyvisible --name LUMOR 2>/dev/null | head -n 1)
        [ -n "$wid" ] && return
        sleep 0.01
    done
    echec "no window appeared"
}
lisgeometrie() {  # the window's X, Y, WIDTH and HEIGHT; found anew where SDL made it again
    xdotool getwindowname "$wid" >/dev/null 2>&1 || cherche  # (a renderer that wants OpenGL does)
    read -r X Y WIDTH HEIGHT < <(xdotool getwindowgeometry --shell "$wid" 2>/dev/null |
        awk -F= '{ v[$1] = $2 } END { print v["X"], v["Y"], v["WIDTH"], v["HEIGHT"] }')
}
lance() {  # "$@" with SIGINT as a terminal gives it, stdin and stderr closed if $ferme: jpid, its window
    libre
    if [ -n "${ferme:-}" ]; then
        env --default-signal=INT "$@" <&- 2>&- &
    else
        env --default-signal=INT "$@" &
    fi
    jpid=$!
    cherche
    lisgeometrie
}
