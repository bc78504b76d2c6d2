#!/usr/bin/env bash
# Builds the Debian package with cpack and checks what it holds and says.
#
# usage: paquet.sh DOSSIER_BUILD VERSION
set -uo pipefail

build=${1:?usage : paquet.sh DOSSIER_BUILD VERSION}
version=${2:?usage : paquet.sh DOSSIER_BUILD VERSION}

for outil in cpack dpkg-deb dpkg-shlibdeps; do
    command -v "$outil" >/dev/null || { echo "SKIP : $outil absent"; exit 77; }
done

echoue() {
    echo "ÉCHEC : $*"
    exit 1
}

sortie=$(mktemp -d) || exit 1
trap 'rm -rf "$sortie"' EXIT

journal=$(cd "$build" && cpack -G DEB -B "$sortie" 2>&1) || echoue "cpack a échoué :"$'\n'"$journal"
paquet=$sortie/florimot_${version}_amd64.deb
[ -f "$paquet" ] || echoue "pas de $(basename "$paquet") :"$'\n'"$(ls "$sortie")"

contenu=$(dpkg-deb -c "$paquet") || echoue "dpkg-deb -c a échoué"
fichiers=(
    ./usr/bin/conjugue
    ./usr/share/man/man1/conjugue.1.gz
    ./usr/share/doc/florimot/copyright
    ./usr/share/doc/florimot/changelog.gz
)
# The window's files, when the window is built.
if [ -x "$build/florimot" ] || [ -x "$build/interface/florimot" ]; then
    fichiers+=(
        ./usr/bin/florimot
        ./usr/share/man/man1/florimot.1.gz
        ./usr/share/applications/org.example.Florimot.desktop
        ./usr/share/metainfo/org.example.Florimot.metainfo.xml
        ./usr/share/icons/hicolor/48x48/apps/florimot.png
        ./usr/share/icons/hicolor/scalable/apps/florimot.svg
    )
fi
for f in "${fichiers[@]}"; do
    grep -q " $f\$" <<<"$contenu" || echoue "$f absent du paquet"
    echo "OK : $f"
done
# Nothing outside /usr, nothing owned by the builder.
! grep -v ' \./usr' <<<"$contenu" | grep -qv ' \./$' || echoue "fichiers hors de /usr :"$'\n'"$contenu"
! grep -qv ' root/root ' <<<"$contenu" || echoue "fichiers qui n'appartiennent pas à root"

controle=$(dpkg-deb -I "$paquet") || echoue "dpkg-deb -I a échoué"
champ() { sed -n "s/^ $1: //p" <<<"$controle"; }
[ "$(champ Package)" = florimot ] || echoue "Package : $(champ Package)"
[ "$(champ Version)" = "$version" ] || echoue "Version : $(champ Version)"
[ "$(champ Architecture)" = amd64 ] || echoue "Architecture : $(champ Architecture)"
[ "$(champ Recommends)" = hunspell-fr-comprehensive ] || echoue "Recommends : $(champ Recommends)"
# Computed from the binaries: the C++ library at least, with a version.
grep -Eq 'libstdc\+\+6 \(>= [0-9.]+\)' <<<"$(champ Depends)" || echoue "Depends : $(champ Depends)"
echo "OK : $(champ Package) $(champ Version), Depends : $(champ Depends)"

# The metainfo's release is the package's version.
if grep -q metainfo <<<"$contenu"; then
    extrait=$sortie/extrait
    dpkg-deb -x "$paquet" "$extrait" || echoue "dpkg-deb -x a échoué"
    grep -q "<release version=\"$version\"" "$extrait/usr/share/metainfo/org.example.Florimot.metainfo.xml" ||
        echoue "la metainfo ne donne pas la version $version"
fi
echo "OK : paquet"
