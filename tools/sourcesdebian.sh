#!/bin/sh
# Adds a deb-src entry mirroring the deb entry that serves libsdl2-dev (same
# URIs, suites, components and key), so that `apt-get source` can fetch SDL's
# own sources. Nothing is done when source entries are already there.
set -e
apt-cache showsrc libsdl2 2>/dev/null | grep -q '^Package:' && exit 0
uri=$(apt-cache policy libsdl2-dev | awk '$1 ~ /^[0-9]+$/ && $2 ~ /:\/\// {print $2; exit}')
[ -n "$uri" ] || { echo "no deb entry serves libsdl2-dev" >&2; exit 1; }
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
# The machine's entries may be deb822 stanzas or one-line entries.
stanzas=$(for f in /etc/apt/sources.list.d/*.sources; do
  if [ -e "$f" ]; then awk -v uri="$uri" 'BEGIN {RS=""; ORS="\n\n"}
    /(^|\n)Types:([^\n]* )?deb( |\n|$)/ && (index($0, uri "\n") || index($0, uri " ")) && !/(^|\n)Enabled: *no/ {
      sub(/(^|\n)Types:[^\n]*/, "\nTypes: deb-src"); sub(/^\n/, ""); print }' "$f"; fi
done)
lignes=$(cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null |
  awk -v uri="$uri" '$1 == "deb" { for (i = 2; i <= NF; i++) if ($i == uri) { $1 = "deb-src"; print; next } }')
if [ -n "$stanzas" ]; then echo "$stanzas" | $sudo tee /etc/apt/sources.list.d/lumor5-sources.sources >/dev/null; fi
if [ -n "$lignes" ]; then echo "$lignes" | $sudo tee /etc/apt/sources.list.d/lumor5-sources.list >/dev/null; fi
$sudo apt-get update -qq
