#!/bin/sh
# Runs the picture fuzzer for SECONDS, seeded with fuzz/corpus and the game's
# own pictures; the inputs that reach something new join fuzz/corpus. Then tells
# the inputs run, the coverage (and the edges of SDL's bitmap decoder within
# it) and the findings. Each finding, minimised, joins fuzz/corpus too, where
# the tests replay it; the status is then 1.
# Usage: fuzz/lance.sh BUILD SECONDS
set -u
[ "$#" = 2 ] || { echo "usage: fuzz/lance.sh BUILD SECONDS" >&2; exit 2; }
dossier=$1
chargeur=$dossier/jeu/fuzz/chargeur
echoue() { echo "fuzz/lance.sh: $*" >&2; exit 2; }
[ -x "$chargeur" ] || echoue "no fuzzer at $chargeur: make fuzz builds it"
mkdir -p "$dossier/corpus" "$dossier/trouvailles" || echoue "cannot make $dossier/corpus"
rm -f "$dossier"/trouvailles/*
# AddressSanitizer keeps freed memory in quarantine (256 MB by default), which
# would count against the RSS limit; 16 MB leaves the limit to the input.
export ASAN_OPTIONS=quarantine_size_mb=16
"$chargeur" -max_total_time="$2" -rss_limit_mb=300 -timeout=1 -max_len=8192 -dict=fuzz/bmp.dict \
  -print_final_stats=1 -artifact_prefix="$dossier/trouvailles/" "$dossier/corpus" fuzz/corpus data \
  >"$dossier/journal" 2>&1
statut=$?
# A status but no finding: the fuzzer did not run as asked.
[ "$statut" = 0 ] || [ -n "$(ls "$dossier/trouvailles")" ] ||
  echoue "the fuzzer stopped with status $statut and no finding; see $dossier/journal"
grep -E "DONE|stat::number_of_executed_units|stat::peak_rss_mb" "$dossier/journal" ||
  echoue "the fuzzer ran no input; see $dossier/journal"
# What the run learnt joins the kept corpus: only inputs that reach something new.
"$chargeur" -merge=1 -rss_limit_mb=300 -timeout=1 fuzz/corpus "$dossier/corpus" >>"$dossier/journal" 2>&1 ||
  echoue "the corpus's merge failed; see $dossier/journal"
echo "fuzz/corpus: $(find fuzz/corpus -type f | wc -l) inputs"
# Coverage of the corpus, function by function; SDL_bmp.c is the decoder.
"$chargeur" -runs=0 -print_coverage=1 fuzz/corpus data 2>&1 |
  awk '/^COVERED_FUNC/ && /SDL_bmp\.c/ { split($5, e, "/"); vus += e[1]; tous += e[2] }
       END { if (!tous) exit 1
             printf "SDL_bmp.c, the bitmap decoder: %d of %d edges of its functions reached\n", vus, tous }' ||
  echoue "the corpus's coverage could not be read"
trouvees=0
for t in "$dossier"/trouvailles/*; do
  [ -e "$t" ] || continue
  trouvees=$((trouvees + 1))
  "$chargeur" -minimize_crash=1 -max_total_time=60 -timeout=1 -rss_limit_mb=300 \
    -exact_artifact_path="$t.min" "$t" >/dev/null 2>&1
  [ -s "$t.min" ] || cp "$t" "$t.min" || echoue "cannot copy $t"
  cp "$t.min" "fuzz/corpus/trouvaille-$(basename "$t" | cut -c1-40).bmp" || echoue "cannot keep $t in fuzz/corpus"
  echo "finding: $t (minimised into fuzz/corpus)"
done
echo "$trouvees findings"
[ "$trouvees" = 0 ]
