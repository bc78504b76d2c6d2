#!/usr/bin/env bash
# Checks a data file with the tool its format has: a manual page with mandoc
# (and groff too when it is installed), a desktop entry with
# desktop-file-validate, an AppStream file with appstreamcli. The file passes
# only if the tool accepts it and has nothing to say: a warning fails too.
# Exit 77 (skipped) when the tool is not installed.
#
# usage: verifie.sh man|desktop|metainfo FICHIER
set -uo pipefail

readonly SAUT=77
export LC_ALL=C.UTF-8

sorte=${1:?usage : verifie.sh man|desktop|metainfo FICHIER}
fichier=${2:?usage : verifie.sh man|desktop|metainfo FICHIER}

saute() {
    echo "SKIP : $*"
    exit "$SAUT"
}
echoue() {
    echo "ÉCHEC : $fichier : $*"
    exit 1
}
exige() {
    command -v "$1" >/dev/null || saute "$1 n'est pas installé (paquet $2, voir outils/dependances.sh)"
}
# Runs a checker; any status but 0, or any message, is a failure.
muet() {
    local messages statut
    messages=$("$@" 2>&1)
    statut=$?
    [ "$statut" -eq 0 ] || echoue "$1 termine avec le statut $statut :"$'\n'"$messages"
    [ -z "$messages" ] || echoue "$1 a des remarques :"$'\n'"$messages"
}

[ -r "$fichier" ] || echoue "illisible"

case "$sorte" in
man)
    exige mandoc mandoc
    muet mandoc -T lint -W warning "$fichier"
    # man-db renders with groff: its warnings are the ones users would see.
    if command -v groff >/dev/null && command -v preconv >/dev/null; then
        messages=$(preconv "$fichier" | groff -man -Tutf8 -ww -z 2>&1)
        [ -z "$messages" ] || echoue "groff a des remarques :"$'\n'"$messages"
    fi
    ;;
desktop)
    exige desktop-file-validate desktop-file-utils
    muet desktop-file-validate "$fichier"
    ;;
metainfo)
    exige appstreamcli appstream
    # appstreamcli always prints a verdict, so its messages are sorted: errors
    # and warnings fail; infos (tags newer than the installed validator) pass.
    messages=$(appstreamcli validate --no-net --no-color "$fichier" 2>&1)
    statut=$?
    [ "$statut" -eq 0 ] || echoue "appstreamcli termine avec le statut $statut :"$'\n'"$messages"
    if grep -Eq '^[EW]:' <<<"$messages"; then
        echoue "appstreamcli a des remarques :"$'\n'"$messages"
    fi
    ;;
*)
    echo "verifie.sh : sorte inconnue « $sorte »"
    exit 2
    ;;
esac
echo "OK : $fichier"
