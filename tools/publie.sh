#!/bin/sh
# Gathers the release of VERSION into DEST (make release): the sources at HEAD,
# the browser folder SITE as a zip, the built FILEs, and their SHA256SUMS.
# Usage: tools/publie.sh VERSION DEST SITE FILE...
set -e
v=$1 dest=$2 site=$3
shift 3
if [ ! -d .git ]; then
  echo "make release: the sources' tarball comes from the git repository, and this is none" >&2
  exit 1
fi
rm -rf "$dest" && mkdir -p "$dest"
# The tracked tree at HEAD: git dates every entry with the commit, owner 0/0,
# in the tree's order; tools/horodatage receives the commit's time.
git -c tar.umask=0022 archive --format=tar --prefix="lumor5-$v/" HEAD | gzip -9n >"$dest/lumor5-$v.tar.gz"
cp "$@" "$dest/"
"$(dirname "$0")/archive.sh" --dedans "$dest/lumor5-$v-web.zip" "$site"
cd "$dest"
LC_ALL=C sha256sum lumor5* >SHA256SUMS
