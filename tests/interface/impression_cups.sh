#!/usr/bin/env bash
# End to end: the real window prints to a real print server. A CUPS server
# of our own (its own configuration, socket and spool, so that a server
# already running on the machine is left alone) gets a PDF queue as its
# default destination; the window conjugates a verb and prints it with
# Ctrl+P; the PDF the queue writes must have one or two sheets and carry the job's
# name. Exit 77 (skipped) when no print server can be had here.
#
# usage: impression_cups.sh IMPRIME_FENETRE
set -uo pipefail

readonly SAUT=77
export LC_ALL=C.UTF-8
readonly VERBE=parler
# The job's name: the entry's 15 characters, blanks included.
TITRE=$(printf 'Florimot du verbe %-15s' "$VERBE")
readonly TITRE
readonly ATTENTE=40  # seconds allowed for the queue to write the PDF

aide=${1:?usage : impression_cups.sh IMPRIME_FENETRE}

saute() {
    echo "SKIP : $*"
    exit "$SAUT"
}
echoue() {
    echo "ÉCHEC : $*"
    [ -n "${dossier:-}" ] && [ -f "$dossier/log/error_log" ] && tail -n 30 "$dossier/log/error_log"
    exit 1
}

# What the test needs, installed when missing (as root only: nothing else
# may install packages).
manquants=()
command -v cupsd >/dev/null || manquants+=(cups)
command -v lpadmin >/dev/null || manquants+=(cups-client)
[ -f /usr/lib/cups/backend/cups-pdf ] && [ -f /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd ] ||
    manquants+=(printer-driver-cups-pdf)
command -v pdfinfo >/dev/null || manquants+=(poppler-utils)
if [ "${#manquants[@]}" -gt 0 ]; then
    [ "$(id -u)" -eq 0 ] || saute "paquets absents (${manquants[*]}) et pas de droits pour les installer"
    echo "Installation : ${manquants[*]}"
    export DEBIAN_FRONTEND=noninteractive
    # Bounded, so that the whole test stays well within its time.
    timeout 60 apt-get install -y -qq --no-install-recommends "${manquants[@]}" >/dev/null 2>&1 ||
        saute "installation impossible de ${manquants[*]} (outils/dependances.sh les installe)"
fi
[ "$(id -u)" -eq 0 ] || saute "le serveur d'impression de test demande les droits root (file cups-pdf)"

dossier=$(mktemp -d /tmp/florimot-cups.XXXXXX) || saute "pas de dossier temporaire"
serveur_pid=""
pdf=""
nettoie() {
    if [ -n "$serveur_pid" ]; then
        kill "$serveur_pid" 2>/dev/null
        wait "$serveur_pid" 2>/dev/null
    fi
    [ -n "$pdf" ] && rm -f "$pdf"
    rm -rf "$dossier"
}
trap nettoie EXIT

# The server's filters run as lp: they must reach the spool.
chmod 755 "$dossier"
mkdir -p "$dossier"/{conf/ppd,conf/ssl,spool/tmp,cache,state/certs,log,maison}
chgrp lp "$dossier/spool" "$dossier/spool/tmp" "$dossier/cache" "$dossier/state" "$dossier/conf" \
    "$dossier/conf/ppd" 2>/dev/null
chmod 710 "$dossier/spool"
chmod 1770 "$dossier/spool/tmp"
chmod 770 "$dossier/cache" "$dossier/state"
socket="$dossier/cups.sock"

cat >"$dossier/conf/cupsd.conf" <<EOF
Listen $socket
LogLevel info
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Location /admin>
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
cat >"$dossier/conf/cups-files.conf" <<EOF
ServerRoot $dossier/conf
RequestRoot $dossier/spool
TempDir $dossier/spool/tmp
CacheDir $dossier/cache
StateDir $dossier/state
AccessLog $dossier/log/access_log
ErrorLog $dossier/log/error_log
PageLog $dossier/log/page_log
ServerBin /usr/lib/cups
DataDir /usr/share/cups
User lp
Group lp
SystemGroup root lpadmin
Sandboxing Relaxed
EOF

# Every client below talks to this server only, with its settings only.
export CUPS_SERVER="$socket"
export CUPS_SERVERROOT="$dossier/conf"
export HOME="$dossier/maison"

cupsd -f -c "$dossier/conf/cupsd.conf" -s "$dossier/conf/cups-files.conf" \
    >"$dossier/log/cupsd.out" 2>&1 &
serveur_pid=$!
pret=""
for _ in $(seq 50); do
    if ! kill -0 "$serveur_pid" 2>/dev/null; then
        serveur_pid=""
        break
    fi
    lpstat -r 2>/dev/null | grep -q "is running" && { pret=1; break; }
    sleep 0.2
done
[ -n "$pret" ] || saute "le serveur CUPS ne démarre pas : $(tail -n 5 "$dossier/log/cupsd.out" "$dossier/log/error_log" 2>/dev/null | tr '\n' ' ')"

lpadmin -p PDF -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd -E >/dev/null 2>&1 ||
    saute "la file PDF ne peut pas être créée"
lpadmin -d PDF >/dev/null 2>&1 || saute "la file PDF ne peut pas devenir la destination par défaut"
[ "$(lpstat -d 2>/dev/null)" = "system default destination: PDF" ] ||
    saute "la destination par défaut n'est pas PDF : $(lpstat -d 2>&1)"

# Where cups-pdf writes: the job owner's PDF folder, or the anonymous one.
maison_reelle=$(getent passwd "$(id -un)" | cut -d: -f6)
sorties=("$maison_reelle/PDF" /var/spool/cups-pdf/ANONYMOUS)
repere="$dossier/repere"
touch "$repere"
sleep 1  # file times have a one-second grain on some file systems

annonce=$(QT_QPA_PLATFORM=offscreen "$aide" "$VERBE") || echoue "la fenêtre n'a pas imprimé"
[ "$annonce" = "$TITRE" ] || echoue "travail lancé sous le nom « $annonce »"

for _ in $(seq $((ATTENTE * 2))); do
    for d in "${sorties[@]}"; do
        [ -d "$d" ] || continue
        pdf=$(find "$d" -maxdepth 1 -name '*.pdf' -newer "$repere" -print -quit 2>/dev/null)
        [ -n "$pdf" ] && break 2
    done
    sleep 0.5
done
[ -n "$pdf" ] || echoue "aucun PDF écrit par la file en ${ATTENTE} s ; travaux : $(lpstat -W all -o 2>&1 | tr '\n' ' ')"
# The file may still be growing: wait until pdfinfo can read it whole.
for _ in $(seq 20); do pdfinfo "$pdf" >/dev/null 2>&1 && break; sleep 0.5; done

info=$(pdfinfo "$pdf" 2>&1) || echoue "PDF illisible : $info"
pages=$(sed -n 's/^Pages:[[:space:]]*//p' <<<"$info")
[ "$pages" = 1 ] || [ "$pages" = 2 ] || echoue "$pdf a $pages pages au lieu d'une ou deux"
# cups-pdf gives the document the job's title (in parentheses).
titre=$(sed -n 's/^Title:[[:space:]]*//p' <<<"$info")
titre=${titre#(}
titre=${titre%)}
[ "$titre" = "$TITRE" ] || echoue "titre du travail « $titre » au lieu de « $TITRE »"
echo "OK : $(basename "$pdf"), $pages pages, titre « $titre »"

# A job dropped part-way never reaches the queue's output. The first job must
# be finished first: its own file may still be written to for a moment.
for _ in $(seq 30); do
    [ -z "$(lpstat -o PDF 2>/dev/null)" ] && break
    sleep 0.5
done
repere_abandon="$dossier/repere-abandon"
touch "$repere_abandon"
sleep 1
QT_QPA_PLATFORM=offscreen "$aide" --abandonne "Florimot abandon" || echoue "le travail à abandonner n'a pas commencé"
for _ in $(seq 30); do
    [ -z "$(lpstat -o PDF 2>/dev/null)" ] && break
    sleep 0.5
done
[ -z "$(lpstat -o PDF 2>/dev/null)" ] || echoue "la file ne se vide pas : $(lpstat -o PDF 2>&1)"
for d in "${sorties[@]}"; do
    [ -d "$d" ] || continue
    reste=$(find "$d" -maxdepth 1 -name '*.pdf' -newer "$repere_abandon" ! -name "$(basename "$pdf")" \
        -print -quit 2>/dev/null)
    if [ -n "$reste" ]; then
        rm -f "$reste"
        echoue "le travail abandonné a été imprimé : $(basename "$reste")"
    fi
done
echo "OK : travail abandonné, rien d'imprimé"

# A queue that refuses jobs: the window says so instead of passing the job
# off as printed.
cupsreject PDF >/dev/null 2>&1 || saute "la file PDF ne peut pas refuser les travaux"
refus=$(QT_QPA_PLATFORM=offscreen "$aide" "$VERBE" 2>&1) && echoue "travail refusé annoncé comme imprimé"
grep -q "a refusé l'impression" <<<"$refus" || echoue "refus mal expliqué : $refus"
echo "OK : $(grep "a refusé" <<<"$refus")"
