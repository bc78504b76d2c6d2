#!/usr/bin/env bash
# SIGTERM or SIGINT while conjugue --tsv writes into a slow pipe: the
# output ends at a line's end, and the status is the signal's (143, 130).
# usage: signal.sh CONJUGUE
set -u
d=$(mktemp -d) || exit 1
trap 'rm -rf "$d"' EXIT
yes abêtifier | head -n 200000 >"$d/verbes"
for signal in TERM INT; do
    mkfifo "$d/tube"
    { sleep 2; cat; } <"$d/tube" >"$d/sortie" &
    lecteur=$!
    "$1" --tsv <"$d/verbes" >"$d/tube" &
    conjugue=$!
    sleep 1
    kill -"$signal" "$conjugue"
    wait "$conjugue"
    statut=$?
    wait "$lecteur"
    rm "$d/tube"
    attendu=$((128 + $(kill -l "$signal")))
    [ "$statut" -eq "$attendu" ] || { echo "ÉCHEC : SIG$signal, code $statut et non $attendu"; exit 1; }
    [ -s "$d/sortie" ] && [ "$(tail -c 1 "$d/sortie" | od -An -c | tr -d ' ')" = '\n' ] &&
        tail -n 1 "$d/sortie" | grep -Pq '^abêtifier\t\w+\t\d\t' ||
        { echo "ÉCHEC : SIG$signal, dernière ligne « $(tail -n 1 "$d/sortie") »"; exit 1; }
done
echo OK
