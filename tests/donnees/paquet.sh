#!/usr/bin/env bash
# Builds the Debian package with cpack and checks what it holds and says.
# usage: paquet.sh DOSSIER_BUILD VERSION
set -uo pipefail
build=${1:?usage : paquet.sh DOSSIER_BUILD VERSION}
version=${2:?usage : paquet.sh DOSSIER_BUILD VERSION}
for outil in cpack dpkg-deb dpkg-shlibdeps; do
    command -v "$outil" >/dev/null || { echo "SKIP : $outil absent"; exit 77; }
done
echoue() { echo "ÉCHEC : $*"; exit 1; }
sortie=$(mktemp -d) || exit 1
trap 'rm -rf "$sortie"' EXIT

journal=$(cd "$build" && cpack -G DEB -B "$sortie" 2>&1) || echoue "cpack :"$'\n'"$journal"
paquet=$sortie/florimot_${version}_amd64.deb
contenu=$(dpkg-deb -c "$paquet") || echoue "pas de paquet $(basename "$paquet")"
attendus=(bin/conjugue share/man/fr/man1/conjugue.1.gz share/doc/florimot/copyright
    share/doc/florimot/changelog.gz)
[ -f "$build/interface/org.example.Florimot.metainfo.xml" ] && attendus+=(bin/florimot
    share/man/fr/man1/florimot.1.gz share/applications/org.example.Florimot.desktop
    share/metainfo/org.example.Florimot.metainfo.xml share/icons/hicolor/scalable/apps/florimot.svg)
for f in "${attendus[@]}"; do
    grep -q " \./usr/$f\$" <<<"$contenu" || echoue "/usr/$f absent du paquet"
done
grep -v ' root/root ' <<<"$contenu" && echoue "fichiers qui ne sont pas à root"

controle=$(dpkg-deb -f "$paquet" Package Version Architecture Recommends)
[ "$controle" = "Package: florimot
Version: $version
Architecture: amd64
Recommends: hunspell-fr-comprehensive" ] || echoue "contrôle :"$'\n'"$controle"
# Read from the binaries: the C++ library at least, with its version.
# Read whole before grep: grep -q stops at its match, and under pipefail the
# writer's broken pipe would fail the test.
infos=$(dpkg-deb -I "$paquet")
grep -Eq '^ Depends: .*libstdc\+\+6 \(>= [0-9.]+\)' <<<"$infos" || echoue "Depends :"$'\n'"$(grep -i depends <<<"$infos")"
if grep -q metainfo <<<"$contenu"; then
    dpkg-deb -x "$paquet" "$sortie/x" &&
        grep -q "<release version=\"$version\"" "$sortie"/x/usr/share/metainfo/*.xml ||
        echoue "la metainfo ne donne pas la version $version"
fi
echo "OK : $(basename "$paquet")"
