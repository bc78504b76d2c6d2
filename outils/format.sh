#!/usr/bin/env bash
# Checks that every C++ file of the project is laid out as .clang-format
# says; with --corrige, lays them out so.
set -euo pipefail
cd "$(dirname "$0")/.."
outil=clang-format-14
command -v "$outil" >/dev/null || { echo "format.sh : $outil absent (outils/dependances.sh l'installe)" >&2; exit 2; }
mapfile -t fichiers < <(git ls-files '*.cpp' '*.hpp')
if [ "${1:-}" = --corrige ]; then
  "$outil" -i "${fichiers[@]}"
else
  "$outil" --dry-run --Werror "${fichiers[@]}"
fi
