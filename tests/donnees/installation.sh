#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR and checks that every file
# users and desktops look for is there, byte for byte the one in the tree.
#
# usage: installation.sh CMAKE DOSSIER_BUILD [CHEMIN_INSTALLE=SOURCE]...
# (CHEMIN_INSTALLE relative to the prefix, or absolute)
set -uo pipefail

cmake_=${1:?usage : installation.sh CMAKE DOSSIER_BUILD [CHEMIN=SOURCE]...}
build=${2:?usage : installation.sh CMAKE DOSSIER_BUILD [CHEMIN=SOURCE]...}
shift 2

readonly PREFIXE=/usr
destdir=$(mktemp -d) || exit 1
trap 'rm -rf "$destdir"' EXIT

echoue() {
    echo "ÉCHEC : $*"
    exit 1
}

journal=$(DESTDIR="$destdir" "$cmake_" --install "$build" --prefix "$PREFIXE" 2>&1) ||
    echoue "cmake --install a échoué :"$'\n'"$journal"

for paire in "$@"; do
    chemin=${paire%%=*}
    source=${paire#*=}
    case "$chemin" in
    /*) installe=$destdir$chemin ;;
    *) installe=$destdir$PREFIXE/$chemin ;;
    esac
    [ -f "$installe" ] || echoue "$chemin n'est pas installé"
    cmp -s "$source" "$installe" || echoue "$chemin diffère de $source"
    echo "OK : $chemin"
done
