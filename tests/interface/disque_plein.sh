#!/usr/bin/env bash
# The PDF saved onto a full disk: a 64 KiB tmpfs in a mount namespace of the
# test's own, which only root can make; skipped otherwise.
# usage: disque_plein.sh TEST_IMPRESSION_PDF
set -u
[ "$(id -u)" -eq 0 ] || { echo "SKIP : il faut être root pour monter un tmpfs"; exit 77; }
command -v unshare >/dev/null || { echo "SKIP : unshare absent"; exit 77; }
unshare -m true 2>/dev/null || { echo "SKIP : pas d'espace de montage à soi ici"; exit 77; }
dossier=$(mktemp -d) || exit 1
trap 'rmdir "$dossier"' EXIT
unshare -m --propagation private sh -c '
    mount -t tmpfs -o size=64k florimot-plein "$1" || exit 77
    FLORIMOT_DISQUE_PLEIN="$1" "$2" disquePlein' sh "$dossier" "$1"
