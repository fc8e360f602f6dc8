#!/bin/bash
# Builds the release twice, each time in a fresh clone of HEAD, and compares
# every file. The two builds differ in folder (name, path and depth), time
# (the second starts a minute or more after the first), time zone, umask and
# locale. On a difference, diffoscope shows it. Status 0 only when all agree.
# Usage: tools/reproduit.sh   (make reproduce, from the repository's root)
set -u
racine=$(pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
unset MAKEFLAGS MAKELEVEL SOURCE_DATE_EPOCH  # each clone dates itself

# A French locale of our own, where the machine has glibc's locale sources.
locale=C.UTF-8
mkdir "$tmp/locales"
if localedef -i fr_FR -f UTF-8 "$tmp/locales/fr_FR.UTF-8" 2>/dev/null; then
    export LOCPATH=$tmp/locales
    locale=fr_FR.UTF-8
fi

construit() {  # FOLDER UMASK TZ LOCALE: a clone of HEAD, its release built there
    local debut=$SECONDS
    git clone -q --no-local "$racine" "$1" || exit 1
    echo "building the release in $1 (umask $2, TZ=$3, LC_ALL=$4, $(date -u '+%H:%M:%S UTC'))"
    (cd "$1" && umask "$2" && TZ=$3 LC_ALL=$4 LANG=$4 make release) >"$1.log" 2>&1 ||
        { tail -n 40 "$1.log"; echo "reproduce: make release failed in $1"; exit 1; }
    echo "  built in $((SECONDS - debut)) s"
}
un=$tmp/a
deux=$tmp/plus/loin/encore/lumor5-seconde
construit "$un" 022 UTC C
# The second build a minute at least after the first began.
[ "$SECONDS" -ge 60 ] || sleep $((60 - SECONDS))
construit "$deux" 002 Pacific/Auckland "$locale"

a=$un/build-release b=$deux/build-release
cat "$a/SHA256SUMS"
if [ "$(ls "$a")" = "$(ls "$b")" ] && cmp -s "$a/SHA256SUMS" "$b/SHA256SUMS"; then
    echo "reproduce: the two builds gave the same $(wc -l <"$a/SHA256SUMS") files, byte for byte"
    exit 0
fi
echo "reproduce: the builds differ:"
diff "$a/SHA256SUMS" "$b/SHA256SUMS"
for f in $( (ls "$a"; ls "$b") | sort -u); do
    cmp -s "$a/$f" "$b/$f" || diffoscope --no-progress --text - "$a/$f" "$b/$f" | head -n 150
done
exit 1
