#!/bin/bash
# Fresh minimal Debian systems, made by debootstrap from the archive this machine already uses: in
# each, only make and git installed, a clean clone's `make test` as a newcomer types it, then again
# with what a desktop adds (a cursor theme, libdecor's plugin); then the Debian package built here,
# installed and played. Mounts are undone and the systems removed, on failure too.
# Usage: tools/frais.sh DEB SUITE... (as root)
set -eu
paquet=$(realpath "$1")
shift
[ "$(id -u)" = 0 ] || { echo "tools/frais.sh: debootstrap and chroot need root" >&2; exit 1; }
# shellcheck disable=SC2016 # apt's field, not the shell's
miroir=$(apt-get indextargets --format '$(REPO_URI)' | grep -m 1 -E '/debian/?$') ||
    { echo "tools/frais.sh: no Debian archive in apt's sources" >&2; exit 1; }
racine=$(mktemp -d "$PWD/build-frais.XXXXXX")
systeme=""
demonte() {  # every mount under the system, deepest first; the folder removed only once none is left
    [ -n "$systeme" ] || return 0
    findmnt -rn -o TARGET | grep -F "$systeme/" | sort -r | while read -r m; do umount -l "$m"; done
    if findmnt -rn -o TARGET | grep -qF "$systeme/"; then
        echo "tools/frais.sh: $systeme is still mounted, left in place" >&2
        return 1
    fi
    rm -rf --one-file-system "$systeme"
    systeme=""
}
trap 'demonte; rm -f "$racine/journal"; rmdir "$racine" 2>/dev/null || true' EXIT
dans() { chroot "$systeme" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
    DEBIAN_FRONTEND=noninteractive "$@"; }
etape() {  # WHAT COMMAND...: the step's output kept, shown when it fails
    local quoi=$1
    shift
    if ! "$@" >"$racine/journal" 2>&1; then
        tail -n 40 "$racine/journal"
        echo "FAIL: $suite: $quoi" >&2
        exit 1
    fi
}
for suite in "$@"; do
    debut=$(date +%s)
    systeme=$racine/$suite
    etape "debootstrap from $miroir" debootstrap --variant=minbase "$suite" "$systeme" "$miroir"
    # A copy of the archive may carry a Release file past its date.
    echo 'Acquire::Check-Valid-Until "false";' >"$systeme/etc/apt/apt.conf.d/99frais"
    mount -t proc proc "$systeme/proc"
    mount -t sysfs sys "$systeme/sys"
    mount --rbind /dev "$systeme/dev"
    mount --make-rslave "$systeme/dev"
    etape "make and git" dans sh -c 'apt-get update -qq && apt-get install -y -qq make git'
    git clone --quiet "$PWD" "$systeme/root/lumor5"
    etape "make test" dans sh -c 'cd /root/lumor5 && make test'
    etape "a cursor theme and libdecor's plugin" \
        dans apt-get install -y -qq --no-install-recommends adwaita-icon-theme libdecor-0-plugin-1-cairo
    etape "make test with a cursor theme and libdecor's plugin" dans sh -c 'cd /root/lumor5/build-test && ctest'
    cp "$paquet" "$systeme/root/"
    etape "$(basename "$paquet") installed" dans apt-get install -y -qq "/root/$(basename "$paquet")"
    etape "$(basename "$paquet") played" dans sh -c 'cd /root/lumor5 && tests/programmes.sh /usr/games/lumor5 installe'
    # shellcheck disable=SC2016 # dpkg's field
    sdl=$(dans dpkg-query -W -f '${Version}' libsdl2-2.0-0)
    demonte
    echo "$suite (libsdl2-2.0-0 $sdl): make test passed, with and without a desktop's extras;" \
        "the package plays; $(($(date +%s) - debut)) s"
done
