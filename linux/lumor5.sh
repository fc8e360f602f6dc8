#!/bin/sh
# Starts LUMOR in its own folder, where it reads its pictures from data/.
ici=$(dirname "$(readlink -f "$0")")
cd "$ici" || exit 1
exec "$ici/bin/lumor5" "$@"
