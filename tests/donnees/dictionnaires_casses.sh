#!/usr/bin/env bash
# Both generators on damaged dictionaries: each must fail, naming the file.
# The copyright file's lines must not reach the generated code.
# usage: dictionnaires_casses.sh GENERE_FAITS GENERE_INDEX DICTIONNAIRE SOURCES COMPILATEUR
set -u
faits=$1 index=$2 dic=$3 sources=$4 cxx=$5
[ -f "$dic" ] || { echo "SKIP : pas de dictionnaire $dic"; exit 77; }
d=$(mktemp -d) || exit 1
trap 'rm -rf "$d"' EXIT
echoue() { echo "ÉCHEC : $*"; exit 1; }

: >"$d/vide.dic"
head -c 3000000 /dev/urandom >"$d/aleatoire.dic"
mkdir "$d/dossier.dic"
iconv -f UTF-8 -t LATIN1//TRANSLIT "$dic" >"$d/latin1.dic" 2>/dev/null
sed '500s/$/\xff\xfe/' "$dic" >"$d/utf8_invalide.dic"
sed '0,/ po:v1/s/ po:v1/ po:v1\x00/' "$dic" >"$d/nul.dic"
sed '0,/ po:v1_/s/ po:v1_/ po:v1T/' "$dic" >"$d/etiquette_capitale.dic"
sed '0,/^aimer\//s/^aimer\//AIMER\//' "$dic" >"$d/verbe_capitale.dic"
sed '600s/ / x /' "$dic" >"$d/champ.dic"
grep -v ' po:v' "$dic" >"$d/sans_verbes.dic"
head -n 20000 "$dic" >"$d/tronque.dic"
for cas in "$d"/*.dic; do
    for outil in "$faits $d/table.cpp $cas" "$index $cas $d/index.bin"; do
        # shellcheck disable=SC2086
        message=$($outil 2>&1 >/dev/null) && echoue "$(basename "$cas") accepté par ${outil%% *}"
        grep -qF "$cas" <<<"$message" || echoue "$(basename "$cas") : ${outil%% *} dit « $message »"
    done
done

# A licence line ending in a backslash (or holding */) stays a comment.
printf 'Files: *\nCopyright: x\nLicense: bidon \\\n */ #error fin\n' >"$d/copyright"
"$faits" "$d/table.cpp" "$dic" "$d/copyright" || echoue "dictionnaire correct refusé"
"$cxx" -std=c++20 -fsyntax-only -Wall -I"$sources/faits" -I"$sources/moteur/include" "$d/table.cpp" ||
    echoue "la licence a cassé le code généré"
grep -q "^   License: bidon" "$d/table.cpp" || echoue "licence absente du code généré"
echo "OK"
