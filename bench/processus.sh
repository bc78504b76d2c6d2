#!/usr/bin/env bash
# Whole processes over the benchmark list and over that list ten times (70,000
# texts), in one paired hyperfine run: conjugue --tsv, --json and readable
# against `cat` of the --tsv output, then each one's peak memory.
# Usage: bench/processus.sh [path/to/conjugue] [hyperfine options...]
set -euo pipefail
ici=$(cd "$(dirname "$0")" && pwd)
conjugue=$(realpath "${1:-$ici/../build/conjugue}")
shift || true
for outil in hyperfine /usr/bin/time; do
  command -v "$outil" > /dev/null || { echo "$outil manque (apt install hyperfine time)" >&2; exit 1; }
done

dossier=$(mktemp -d)
trap 'rm -rf "$dossier"' EXIT
cp "$ici/verbes7000.txt" "$dossier/x1.txt"
for _ in $(seq 10); do cat "$ici/verbes7000.txt"; done > "$dossier/x10.txt"

for n in 1 10; do
  entree="$dossier/x$n.txt"
  "$conjugue" --tsv < "$entree" > "$dossier/x$n.tsv" 2> /dev/null || true
  echo "== $(wc -l < "$entree") textes, --tsv : $(wc -c < "$dossier/x$n.tsv") octets"
  # Through the shell, for the redirections; hyperfine subtracts its start-up.
  hyperfine -i --warmup 3 --min-runs 10 --style basic "$@" --export-json "$dossier/x$n.json" \
    -n cat "cat $dossier/x$n.tsv" \
    -n tsv "$conjugue --tsv < $entree" \
    -n json "$conjugue --json < $entree" \
    -n lisible "$conjugue < $entree" > /dev/null
  python3 - "$dossier/x$n.json" <<'PY'
import json, sys
r = {x["command"]: x for x in json.load(open(sys.argv[1]))["results"]}
med = {k: v["median"] * 1000 for k, v in r.items()}
for k in ("cat", "tsv", "json", "lisible"):
    print(f"  {k:8} médiane {med[k]:8.1f} ms")
print(f"  tsv/cat {med['tsv'] / med['cat']:.2f}   json/tsv {med['json'] / med['tsv']:.2f}"
      f"   lisible/tsv {med['lisible'] / med['tsv']:.2f}")
PY
  for f in --tsv --json ""; do
    m=$(/usr/bin/time -f %M "$conjugue" $f < "$entree" 2>&1 > /dev/null | tail -1 || true)
    echo "  mémoire de pointe ${f:-lisible} : $m Kio"
  done
done
