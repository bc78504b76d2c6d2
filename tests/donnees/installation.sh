#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR and checks that every file
# users and desktops look for is there, byte for byte the one in the tree.
# With the metainfo installed, appstreamcli also checks the tree as a whole:
# the desktop entry the metainfo launches must be where desktops look for it.
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

metainfo=false
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
    case "$chemin" in *.metainfo.xml) metainfo=true ;; esac
done

if $metainfo && command -v appstreamcli >/dev/null; then
    messages=$(appstreamcli validate-tree --no-net --no-color "$destdir" 2>&1)
    statut=$?
    if [ "$statut" -ne 0 ] || grep -Eq '^ *[EW]:' <<<"$messages"; then
        echoue "appstreamcli validate-tree :"$'\n'"$messages"
    fi
    echo "OK : l'arbre installé"
fi
