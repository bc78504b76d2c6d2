#!/usr/bin/env bash
# Installs what is missing, builds Florimot and starts its window.
set -euo pipefail
cd "$(dirname "$0")/.."
bash outils/dependances.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "Pas d'affichage graphique : voici la ligne de commande sur un verbe d'exemple." >&2
  exec build/conjugue parler
fi
exec build/interface/florimot
