#!/usr/bin/env bash
# Builds the Debian package with cpack and checks what it holds and says.
# usage: paquet.sh DOSSIER_BUILD VERSION
set -uo pipefail
build=${1:?usage : paquet.sh DOSSIER_BUILD VERSION}
version=${2:?usage : paquet.sh DOSSIER_BUILD VERSION}
# 0 for a build that is not hardened on purpose (the sanitizers): its
# package is checked for all but its hardening.
durci=${3:-1}
for outil in cpack dpkg-deb dpkg-shlibdeps; do
    command -v "$outil" >/dev/null || { echo "SKIP : $outil absent"; exit 77; }
done
echoue() { echo "ÉCHEC : $*"; exit 1; }
sortie=$(mktemp -d) || exit 1
trap 'rm -rf "$sortie"' EXIT

journal=$(cd "$build" && cpack -G DEB -B "$sortie" 2>&1) || echoue "cpack :"$'\n'"$journal"
paquet=$sortie/florimot_${version}_amd64.deb
contenu=$(dpkg-deb -c "$paquet") || echoue "pas de paquet $(basename "$paquet")"
attendus=(bin/conjugue share/man/fr/man1/conjugue.1.gz share/man/man1/conjugue.1.gz
    share/doc/florimot/copyright
    share/doc/florimot/changelog.gz)
[ -f "$build/interface/org.example.Florimot.metainfo.xml" ] && attendus+=(bin/florimot
    share/man/fr/man1/florimot.1.gz share/man/man1/florimot.1.gz share/applications/org.example.Florimot.desktop
    share/metainfo/org.example.Florimot.metainfo.xml share/icons/hicolor/scalable/apps/florimot.svg)
attendus+=(share/florimot/schema/conjugue.schema.json)
for f in "${attendus[@]}"; do
    grep -q " \./usr/$f\$" <<<"$contenu" || echoue "/usr/$f absent du paquet"
done
# The Python module, where it was built, with its stubs.
if compgen -G "$build/python/florimot*.so" >/dev/null; then
    grep -q ' \./usr/lib/python3/dist-packages/florimot\..*\.so$' <<<"$contenu" &&
        grep -q ' \./usr/lib/python3/dist-packages/florimot\.pyi$' <<<"$contenu" ||
        echoue "module Python absent du paquet"
fi
grep -v ' root/root ' <<<"$contenu" && echoue "fichiers qui ne sont pas à root"

controle=$(dpkg-deb -f "$paquet" Package Version Architecture Recommends)
[ "$controle" = "Package: florimot
Version: $version
Architecture: amd64
Recommends: hunspell-fr-comprehensive, hunspell-en-us, dict-freedict-fra-eng, dict-freedict-eng-fra, espeak-ng, qt6-speech-speechd-plugin, speech-dispatcher-espeak-ng, qt6-translations-l10n" ] || echoue "contrôle :"$'\n'"$controle"
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
# Built as Debian builds its packages (CMakeLists.txt, FLORIMOT_DURCI):
# every compilation with the flags, and every binary as hardening-check
# sees it. Two things it cannot see here are read from the compilations
# instead: Debian 12's own C start files (Scrt1.o, crti.o) carry no CET
# marking, so no program linked on it has one, whatever it was compiled
# with; and a program whose copies all have sizes known only at run time
# (conjugue reads into its caller's buffer) calls no checked function,
# which hardening-check reports as unprotected.
if [ "$durci" = 0 ]; then
    echo "build non durci (sanitizers) : durcissement non vérifié"
elif command -v hardening-check >/dev/null && [ -f "$build/compile_commands.json" ]; then
    for drapeau in -fstack-protector-strong -fstack-clash-protection -fcf-protection \
        -D_FORTIFY_SOURCE=2; do
        grep '"command"' "$build/compile_commands.json" | grep -v -e "$drapeau" -e '/fuzz/' |
            head -3 | grep . && echoue "compilé sans $drapeau"
    done
    dpkg-deb -x "$paquet" "$sortie/d" || echoue "dpkg-deb -x"
    for binaire in "$sortie"/d/usr/bin/*; do
        rapport=$(hardening-check --nocfprotection --nofortify "$binaire") ||
            echoue "hardening-check $(basename "$binaire") :"$'\n'"$rapport"
        grep -q 'Fortify Source functions: \(yes\|no, only unprotected\)' <<<"$rapport" ||
            echoue "$(basename "$binaire") sans FORTIFY :"$'\n'"$rapport"
    done
else
    echo "hardening-check absent (paquet devscripts) : durcissement non vérifié"
fi
echo "OK : $(basename "$paquet")"
