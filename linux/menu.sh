#!/bin/sh
# Adds LUMOR to your desktop's menu (under Games), pointing at this folder.
# Run it again if you move the folder; remove the two files it names to undo it.
set -eu
non() {
  echo "add-to-menu.sh: $*" >&2
  exit 1
}
# The folder, a line break at the end of its name kept (command substitution drops them).
chemin=$(readlink -f -- "$0" && echo .) || non "cannot find where this script is"
chemin=${chemin%??}
ici=${chemin%/*}
partage=${XDG_DATA_HOME:-$HOME/.local/share}
entree=$partage/applications/lumor5.desktop
icone=$partage/icons/hicolor/128x128/apps/lumor5.png
# What a desktop entry cannot hold: control characters (tabs and line breaks
# among them), text that is not UTF-8, and an = in the program's path.
controle=$(printf '[\001-\037\177]')
case $ici in
*$controle*) non "a menu entry cannot name a folder whose name holds a tab, a line break or a control character" ;;
*=*) non "a menu entry cannot start a program whose path holds '=': rename the folder $ici" ;;
esac
printf '%s' "$ici" | iconv -f UTF-8 -t UTF-8 >/dev/null 2>&1 || non "a menu entry cannot name a folder not in UTF-8"
# The game's path as a desktop entry's Exec wants it: in double quotes, with
# \ " ` $ escaped there, % doubled (a field code otherwise), then every
# backslash doubled again, since the file's strings are unescaped first.
commande=$(printf '%s\n' "$ici/lumor5" |
  sed -e 's/[\\"`$]/\\&/g' -e 's/%/%%/g' -e 's/\\/\\\\/g' -e 's/^/"/' -e 's/$/"/')
mkdir -p "$(dirname "$entree")" "$(dirname "$icone")" || non "cannot make the menu's folders under $partage"
cp "$ici/lumor5.png" "$icone" || non "cannot copy the icon to $icone"
# Each Exec=lumor5 keeps its own arguments (the full-screen action's among them).
while IFS= read -r ligne; do
  case $ligne in
  Exec=lumor5*) printf 'Exec=%s%s\n' "$commande" "${ligne#Exec=lumor5}" ;;
  *) printf '%s\n' "$ligne" ;;
  esac
done <"$ici/lumor5.desktop" >"$entree" || non "cannot write $entree"
# Where the desktop's own checker is installed, an entry it rejects is not left in the menu.
if command -v desktop-file-validate >/dev/null && ! desktop-file-validate "$entree" >&2; then
  rm -f "$entree"
  non "the menu entry for $ici is not valid; nothing was added"
fi
echo "LUMOR is in your menu: $entree and $icone"
