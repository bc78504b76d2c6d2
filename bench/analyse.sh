#!/usr/bin/env bash
# The way back as a whole process, start-up included: `conjugue --analyse
# --tsv` against french-deconjugator (Debian package verbiste) on the same
# lists of forms, each run five times, the median kept, then the peak memory.
#   corpus  every form of the first verbs of verbes7000.txt, verb after verb
#           in grid order, one word in five a word of the dictionary that is
#           no verb (its nouns, adjectives…), as running text mixes them;
#   pair    the forms of that list that french-deconjugator reads itself;
#   inconnus  words no index knows (verb forms with a letter changed), the
#           misses a guesser has to read.
# The lists are made here from the committed verb list, not stored.
# Usage: bench/analyse.sh [path/to/conjugue] [verbs, 400 by default]
set -euo pipefail
ici=$(cd "$(dirname "$0")" && pwd)
conjugue=$(realpath "${1:-$ici/../build/conjugue}")
verbes=${2:-400}
dic=/usr/share/hunspell/fr.dic
pair=$(command -v french-deconjugator || true)
[ -r "$dic" ] || { echo "$dic manque (apt install hunspell-fr)" >&2; exit 1; }

dossier=$(mktemp -d)
trap 'rm -rf "$dossier"' EXIT
head -n "$verbes" "$ici/verbes7000.txt" > "$dossier/verbes.txt"
# The verb word of each line: the last word, past any pronoun or auxiliary.
"$conjugue" --tsv --complet < "$dossier/verbes.txt" 2> /dev/null |
  awk -F'\t' '$2 != "Groupe" && $4 != "" && $4 != "-" && $4 !~ /^non usité/ {
      n = split($4, m, /[ \x27]/); print m[n] }' > "$dossier/formes.txt"
grep -v ' po:v' "$dic" | cut -d/ -f1 | cut -d' ' -f1 | grep -E '^[a-zàâäçéèêëîïôöùûüÿœ]+$' |
  awk 'NR % 7 == 0' > "$dossier/mots.txt"
awk 'NR == FNR { mot[n++] = $0; next } { print; if (FNR % 4 == 0) print mot[(FNR / 4) % n] }' \
  "$dossier/mots.txt" "$dossier/formes.txt" > "$dossier/corpus.txt"
# A letter changed: "parlions" → "parkions", letters, not bytes.
LC_ALL=C.UTF-8 grep -E '^.{6,}$' "$dossier/formes.txt" | awk 'NR % 9 == 0 && n++ < 2000' |
  LC_ALL=C.UTF-8 sed -E 's/^(.{3})[^k]/\1k/; t; s/^(.{3})./\1w/' > "$dossier/inconnus.txt"
head -n 2000 "$dossier/formes.txt" > "$dossier/connus.txt"
if [ -n "$pair" ]; then
  # Its output is one block per text, ended by an empty line: a text with
  # no reading has an empty block.
  "$pair" < "$dossier/corpus.txt" | awk '
      /^$/ { print lu; lu = 0; next } { lu = 1 }' > "$dossier/lus.txt"
  paste "$dossier/corpus.txt" "$dossier/lus.txt" | awk -F'\t' '$2 == 1 { print $1 }' \
    > "$dossier/pair.txt"
fi

# Median wall time of five runs, in ms, then the peak resident size in KiB.
mesure() {
  local liste=$1; shift
  local t=() debut fin
  for _ in 1 2 3 4 5; do
    debut=$EPOCHREALTIME
    "$@" < "$liste" > /dev/null 2> /dev/null || true
    fin=$EPOCHREALTIME
    t+=("$(echo "($fin - $debut) * 1000" | bc)")
  done
  /usr/bin/time -o "$dossier/temps" -f '%M' "$@" < "$liste" > /dev/null 2> /dev/null || true
  echo "$(printf '%s\n' "${t[@]}" | sort -n | sed -n 3p) $(tail -1 "$dossier/temps")"
}
ligne() {
  local nom=$1 liste=$2 n
  n=$(wc -l < "$liste")
  read -r tc mc <<< "$(mesure "$liste" "$conjugue" --analyse --tsv)"
  printf '%-9s %6d textes  conjugue %6.1f ms %7.0f/s %5.1f Mio' "$nom" "$n" \
    "$tc" "$(echo "$n * 1000 / $tc" | bc)" "$(echo "$mc / 1024" | bc -l)"
  if [ -n "$pair" ]; then
    read -r tp mp <<< "$(mesure "$liste" "$pair")"
    printf '   french-deconjugator %6.1f ms %7.0f/s %5.1f Mio   rapport %.2f' \
      "$tp" "$(echo "$n * 1000 / $tp" | bc)" "$(echo "$mp / 1024" | bc -l)" \
      "$(echo "$tp / $tc" | bc -l)"
  fi
  echo
}
ligne corpus "$dossier/corpus.txt"
[ -n "$pair" ] && ligne pair "$dossier/pair.txt"
ligne connus "$dossier/connus.txt"
ligne inconnus "$dossier/inconnus.txt"
