#!/bin/sh
# Adds LUMOR to your desktop's menu (under Games), pointing at this folder.
# Run it again if you move the folder; remove the two files it names to undo it.
ici=$(dirname "$(readlink -f "$0")")
partage=${XDG_DATA_HOME:-$HOME/.local/share}
entree=$partage/applications/lumor5.desktop
icone=$partage/icons/hicolor/128x128/apps/lumor5.png
mkdir -p "$(dirname "$entree")" "$(dirname "$icone")" &&
  cp "$ici/lumor5.png" "$icone" &&
  sed "s|^Exec=lumor5|Exec=\"$ici/lumor5\"|" "$ici/lumor5.desktop" >"$entree" &&
  echo "LUMOR is in your menu: $entree and $icone"
