#include "aide.hpp"

#include <QCoreApplication>

namespace florimot {

QString TexteAide() {
    return QCoreApplication::translate(
        "Florimot",
        "Entrez le verbe sans faute et appuyez sur Entrée.\n"
        "\n"
        "Options : F5 Féminin, F6 Négation, F7 Interrogation, F8 Voix passive, "
        "F9 Orthographe rectifiée (1990), F10 Autre forme, F11 Autre auxiliaire (j'ai "
        "monté les valises, il est disparu) (menu Options). Elles se "
        "combinent, et la conjugaison affichée est refaite aussitôt.\n"
        "\n"
        "Trois pages : la page 1 présente l'indicatif et le subjonctif ; la page 2, "
        "le conditionnel, l'impératif et le participe présent ; la page 3, "
        "l'infinitif, le participe passé et le gérondif. Pour changer de page, "
        "cliquez sur l'onglet « Page1 », « Page2 » ou « Page3 » en bas, ou appuyez sur "
        "Ctrl+Page suivante ou "
        "Ctrl+Page précédente, Ctrl+Tab, Alt+1, Alt+2 ou Alt+3.\n"
        "\n"
        "Forme conjuguée : tapez une forme (« allions ») ou une ligne entière telle "
        "que Florimot l'écrit (« nous sommes allés », « je ne me lève pas », « ne "
        "parle-t-il pas ? ») ; Florimot affiche son verbe, coche les options que la "
        "ligne montre et sélectionne les lignes qui la contiennent. Un verbe "
        "pronominal s'écrit avec son pronom : « se lever », « s'en aller ».\n"
        "\n"
        "Copier : Ctrl+C copie les lignes sélectionnées d'une liste ; Ctrl+Maj+C "
        "(menu Action) copie toute la conjugaison en texte. Ctrl+P l'imprime, et "
        "Ctrl+S l'enregistre en PDF : les trois pages, sans ligne coupée.\n"
        "\n"
        "À quoi sert chaque temps, ce que fait chaque option, ce que veulent dire "
        "« - » et « non usité » : menu ? › Guide des temps et des options ; le titre "
        "de chaque temps le dit aussi sous le pointeur.\n"
        "\n"
        "Écouter : F12, le menu contextuel d'une liste ou le bouton « Écouter » disent la "
        "ligne choisie, ou tout le temps, par une voix française. Un texte anglais (« I "
        "went », « to go ») propose ses verbes français dans la bande du haut ; le sens "
        "anglais du verbe s'affiche sous les pages quand le dictionnaire FreeDict est "
        "installé. Menu ? : « Langue de l'interface / Interface language ».\n"
        "\n"
        "Exercices : Ctrl+E fait une fiche à imprimer, avec son corrigé ; Ctrl+Maj+E "
        "ouvre l'entraînement, qui corrige chaque réponse. Ctrl+M liste les verbes du "
        "même modèle.\n"
        "\n"
        "Ctrl+Maj+R remet les options à zéro. Ctrl+L, Alt+D ou Échap ramènent à la "
        "saisie ; Alt+Gauche et Alt+Droite reviennent aux verbes déjà conjugués. F2 : à "
        "propos ; Ctrl+H : cette aide ; Ctrl+Q : quitter.");
}

}  // namespace florimot
