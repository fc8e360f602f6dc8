#!/bin/sh
# The committed pictures are exactly what the generator paints.
# Usage: tests/images.sh PEINTRE   (run from the repository root)
set -e
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
"$1" "$tmp"
diff -r "$tmp" data && echo "data/ matches the generator" && echo "1 passed, 0 failed"
