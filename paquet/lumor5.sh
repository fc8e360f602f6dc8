#!/bin/sh
# Starts the game from its pictures' folder: it reads them from data/ under the
# working directory. Both folders are found from the launcher's own place, so
# an unpacked copy of the package plays as well as an installed one.
ici=$(dirname "$(readlink -f "$0")")
cd "$ici/../share/games/lumor5" || exit 1
exec "$ici/../lib/games/lumor5/lumor5" "$@"
