#!/usr/bin/env bash
# Installs, from Debian 12's packages, whatever the build and the tests need
# and the machine lacks. Needs root (or sudo) only when something is missing.
set -euo pipefail

paquets=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libgl-dev qt6-translations-l10n
  libgtest-dev libbenchmark-dev
  fonts-dejavu-core fonts-liberation
  clang-14 libclang-rt-14-dev clang-format-14
  valgrind poppler-utils xvfb xauth
  cups printer-driver-cups-pdf libcups2-dev
  libhunspell-dev hunspell-fr-comprehensive hunspell-en-us
  qt6-speech-dev qt6-declarative-dev qt6-speech-speechd-plugin speech-dispatcher-espeak-ng qt6-tools-dev qt6-l10n-tools
  rapidjson-dev zlib1g-dev python3-jsonschema pybind11-dev python3-dev
  dict-freedict-fra-eng dict-freedict-eng-fra espeak-ng
  mandoc desktop-file-utils appstream
  devscripts
)
if [ "$#" -gt 0 ]; then paquets+=("$@"); fi

manquants=()
for p in "${paquets[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || manquants+=("$p")
done
if [ "${#manquants[@]}" -gt 0 ]; then
  echo "Installation : ${manquants[*]}"
  sudo_=""
  [ "$(id -u)" -ne 0 ] && sudo_="sudo"
  $sudo_ apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_ apt-get install -y -qq --no-install-recommends "${manquants[@]}"
fi
