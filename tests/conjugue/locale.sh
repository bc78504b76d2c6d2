# A system error is quoted in the locale's language, in UTF-8 whatever the
# locale's character set. The French locales are made in a folder of the
# test's own; without localedef, or /dev/full, it cannot be tried.
set -eu
conjugue=$1
command -v localedef >/dev/null && [ -w /dev/full ] || { echo "localedef ou /dev/full absent"; exit 77; }
dossier=$(mktemp -d)
trap 'rm -rf "$dossier"' EXIT
for jeu in UTF-8 ISO-8859-1; do
    localedef -i fr_FR -f $jeu "$dossier/fr_FR.$jeu" 2>/dev/null || { echo "fr_FR.$jeu impossible"; exit 77; }
    statut=0
    message=$(LOCPATH=$dossier LC_ALL=fr_FR.$jeu "$conjugue" parler 2>&1 > /dev/full) || statut=$?
    [ "$statut" = 3 ]
    [ "$message" = "conjugue : impossible d'écrire la sortie : Aucun espace disponible sur le périphérique" ]
done
