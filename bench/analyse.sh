#!/usr/bin/env bash
# The way back as a whole process, start-up included: `conjugue --analyse
# --tsv` against french-deconjugator (Debian package verbiste) on the same
# lists of forms, each run three times, the median kept, then the peak memory.
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
# A letter changed in the middle: "parlions" → "parkions".
awk 'length($0) > 5 { i = int(length($0) / 2); c = substr($0, i, 1);
      print substr($0, 1, i - 1) (c == "k" ? "w" : "k") substr($0, i + 1) }' \
  "$dossier/formes.txt" | awk 'NR % 9 == 0' | head -n 2000 > "$dossier/inconnus.txt"
head -n 2000 "$dossier/formes.txt" > "$dossier/connus.txt"
if [ -n "$pair" ]; then
  # Its output is one block per text, ended by an empty line: a text with
  # no reading has an empty block.
  "$pair" < "$dossier/corpus.txt" | awk '
      /^$/ { print lu; lu = 0; next } { lu = 1 }' > "$dossier/lus.txt"
  paste "$dossier/corpus.txt" "$dossier/lus.txt" | awk -F'\t' '$2 == 1 { print $1 }' \
    > "$dossier/pair.txt"
fi

# Median wall time of three runs, in ms, and the peak resident size in KiB.
mesure() {
  local liste=$1; shift
  local t=()
  for _ in 1 2 3; do
    t+=("$( { /usr/bin/time -f '%e %M' "$@" < "$liste" > /dev/null 2> /dev/null; } 2>&1 | tail -1)")
  done
  printf '%s\n' "${t[@]}" | sort -n | sed -n 2p
}
ligne() {
  local nom=$1 liste=$2 n
  n=$(wc -l < "$liste")
  read -r tc mc <<< "$(mesure "$liste" "$conjugue" --analyse --tsv)"
  printf '%-9s %7d textes  conjugue %7.0f ms %8.0f/s %6.1f Mio' "$nom" "$n" \
    "$(echo "$tc * 1000" | bc)" "$(echo "$n / ($tc + 0.0005)" | bc)" "$(echo "$mc / 1024" | bc -l)"
  if [ -n "$pair" ]; then
    read -r tp mp <<< "$(mesure "$liste" "$pair")"
    printf '   french-deconjugator %7.0f ms %8.0f/s %6.1f Mio   rapport %.2f' \
      "$(echo "$tp * 1000" | bc)" "$(echo "$n / ($tp + 0.0005)" | bc)" \
      "$(echo "$mp / 1024" | bc -l)" "$(echo "$tp / ($tc + 0.0005)" | bc -l)"
  fi
  echo
}
ligne corpus "$dossier/corpus.txt"
[ -n "$pair" ] && ligne pair "$dossier/pair.txt"
ligne connus "$dossier/connus.txt"
ligne inconnus "$dossier/inconnus.txt"
