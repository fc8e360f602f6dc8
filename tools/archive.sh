#!/bin/sh
# Packs FOLDER into ARCHIVE (.zip or .tar.gz) so that the same files give the
# same bytes on any machine: entries sorted by name, every date the sources'
# (SOURCE_DATE_EPOCH, else the last commit's), owner 0/0, permissions
# rw-r--r-- or rwxr-xr-x whatever the umask. With --dedans,
# the zip holds FOLDER's contents at its root rather than FOLDER itself.
# Usage: tools/archive.sh [--dedans] ARCHIVE FOLDER
set -e
dedans=""
[ "$1" = --dedans ] && { dedans=1; shift; }
archive=$(realpath -m "$1")
dossier=$(realpath "$2")
: "${SOURCE_DATE_EPOCH:=$(git -C "$(dirname "$0")" log -1 --format=%ct 2>/dev/null || echo 0)}"
# A copy, so that the build's own files keep their dates.
copie=$(mktemp -d)
trap 'rm -rf "$copie"' EXIT
nom=$(basename "$dossier")
cp -R "$dossier" "$copie/$nom"
chmod -R u+rw,go-w,a+rX "$copie"
find "$copie" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
rm -f "$archive"
cd "$copie"
[ -n "$dedans" ] && cd "$nom" && nom=.
case $archive in
*.zip)
  # No extra fields (they would carry access and change times) and DOS times in UTC.
  find "$nom" -type f | sed 's|^\./||' | LC_ALL=C sort | TZ=UTC zip -q -X -9 "$archive" -@
  ;;
*.tar.gz)
  LC_ALL=C tar --sort=name --format=gnu --owner=0 --group=0 --numeric-owner \
    --mtime="@$SOURCE_DATE_EPOCH" -cf - "$nom" | gzip -9n >"$archive"
  ;;
*) echo "archive.sh: $archive is neither .zip nor .tar.gz" >&2; exit 2 ;;
esac
