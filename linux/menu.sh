#!/bin/sh
# Adds LUMOR to your desktop's menu (under Games), pointing at this folder.
# Run it again if you move the folder; remove the two files it names to undo it.
set -eu
ici=$(dirname "$(readlink -f "$0")")
partage=${XDG_DATA_HOME:-$HOME/.local/share}
entree=$partage/applications/lumor5.desktop
icone=$partage/icons/hicolor/128x128/apps/lumor5.png
case $ici in
*'
'*) echo "add-to-menu.sh: a menu entry cannot name a folder whose name holds a line break: $ici" >&2; exit 1 ;;
esac
# The game's path as a desktop entry's Exec wants it: in double quotes, with
# \ " ` $ escaped there, % doubled (a field code otherwise), then every
# backslash doubled again, since the file's strings are unescaped first.
commande=$(printf '%s\n' "$ici/lumor5" |
  sed -e 's/[\\"`$]/\\&/g' -e 's/%/%%/g' -e 's/\\/\\\\/g' -e 's/^/"/' -e 's/$/"/')
mkdir -p "$(dirname "$entree")" "$(dirname "$icone")" || { echo "add-to-menu.sh: cannot make the menu's folders under $partage" >&2; exit 1; }
cp "$ici/lumor5.png" "$icone" || { echo "add-to-menu.sh: cannot copy the icon to $icone" >&2; exit 1; }
# Each Exec=lumor5 keeps its own arguments (the full-screen action's among them).
while IFS= read -r ligne; do
  case $ligne in
  Exec=lumor5*) printf 'Exec=%s%s\n' "$commande" "${ligne#Exec=lumor5}" ;;
  *) printf '%s\n' "$ligne" ;;
  esac
done <"$ici/lumor5.desktop" >"$entree" || { echo "add-to-menu.sh: cannot write $entree" >&2; exit 1; }
echo "LUMOR is in your menu: $entree and $icone"
