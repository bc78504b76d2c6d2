# conjugue --conllu: the file before, filled, is the file after byte for
# byte; and memory stays flat on a file a hundred times larger.
set -eu
conjugue=$1 donnees=$2 memoire=${3:-oui}
sortie=$(mktemp)
trap 'rm -f "$sortie" "$sortie.gros"' EXIT
"$conjugue" --conllu < "$donnees/avant.conllu" > "$sortie"
cmp "$sortie" "$donnees/apres.conllu"
# Partial blocks, as a pipe gives them, change nothing either.
cat "$donnees/avant.conllu" | "$conjugue" --conllu | cmp - "$donnees/apres.conllu"
if [ "$memoire" = oui ] && [ -x /usr/bin/time ]; then
    memoire() { /usr/bin/time -f %M "$conjugue" --conllu < "$1" 2>&1 > /dev/null | tail -1; }
    petit=$(memoire "$donnees/avant.conllu")
    for _ in $(seq 3000); do cat "$donnees/avant.conllu"; done > "$sortie.gros"
    gros=$(memoire "$sortie.gros")
    echo "pic mémoire : $petit ko pour $(wc -c < "$donnees/avant.conllu") octets, $gros ko pour $(wc -c < "$sortie.gros")"
    [ "$gros" -lt $((petit + 4096)) ]
fi
