#include "commande.hpp"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

#include "aide.hpp"
#include "arguments.hpp"
#include "conllu.hpp"
#include "ecoute.hpp"
#include "guide.hpp"
#include "lexique_differe.hpp"
#include "message_systeme.hpp"
#include "recherche_anglaise.hpp"
#include "sorties.hpp"
#include "traitements.hpp"

namespace florimot {

namespace {

void LitEntree(TEntree& entree, TTraitement& traitement, TSorties& sorties) {
    TLecteurLignes lecteur([&](const TLecteurLignes::Ligne& l) {
        if (l.valide)
            traitement.Traite(l.texte);
        else
            traitement.Refuse("ligne " + std::to_string(l.numero));
    });
    constexpr std::size_t Taille = 1 << 16;
    const auto bloc = std::make_unique<char[]>(Taille);
    for (;;) {
        const Lecture lu = entree.Lit(bloc.get(), Taille);
        if (lu.erreur != 0) {
            // The line cut short by the failure is not conjugated: it may be
            // only the start of a word.
            traitement.EchecLecture(lu.erreur);
            return;
        }
        if (lu.taille == 0) break;
        lecteur.Ajoute(std::string_view(bloc.get(), lu.taille));
        // A short read means the writer has nothing more ready for now: what
        // is done is shown before waiting, so that someone typing sees each
        // answer while a file or a fast pipe still goes out in large blocks.
        if (lu.taille < Taille) sorties.Vide();
    }
    lecteur.Termine();
}

// --conllu: the file through, block after block; nothing but its lemmas
// changes, so nothing else is reported.
int LitConllu(TEntree& entree, TSorties& sorties) {
    TLemmatiseurConllu lemmatiseur(sorties.texte);
    constexpr std::size_t Taille = 1 << 16;
    const auto bloc = std::make_unique<char[]>(Taille);
    for (;;) {
        const Lecture lu = entree.Lit(bloc.get(), Taille);
        if (lu.erreur != 0) {
            lemmatiseur.Termine();
            sorties.messages += "conjugue : lecture de l'entrée standard impossible : ";
            sorties.messages += MessageSysteme(lu.erreur);
            sorties.messages += '\n';
            sorties.Vide();
            return SortieLecture;
        }
        if (lu.taille == 0) break;
        lemmatiseur.Ajoute(std::string_view(bloc.get(), lu.taille));
        sorties.Libere();
        if (lu.taille < Taille) sorties.Vide();
    }
    lemmatiseur.Termine();
    sorties.Vide();
    return SortieSucces;
}

}  // namespace

TPresentation ChoisitPresentation(bool terminal, const char* colonnes, const char* sansCouleur,
                                  int largeurTerminal) {
    if (!terminal) return {};
    TPresentation p;
    p.gras = sansCouleur == nullptr || *sansCouleur == '\0';
    p.largeur = std::max(largeurTerminal, 0);
    if (colonnes != nullptr && *colonnes != '\0') {
        // Digits only, and no absurd width: anything else is not a width.
        const std::string_view s(colonnes);
        if (s.size() <= 6 &&
            std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; }))
            p.largeur = std::stoi(std::string(s));
    }
    return p;
}

int ExecuteConjugue(const std::vector<std::string>& arguments, TEntree& entree, TSortie& sortie,
                    TSortie& erreurs, TPresentation presentation) {
    TSorties sorties(sortie, erreurs);
    try {
        const TArguments lus = LitArguments(arguments);
        switch (lus.demande) {
            case TArguments::Demande::Refus:
                sorties.messages += lus.refus;
                sorties.Vide();
                return SortieTexteInvalide;
            case TArguments::Demande::Aide:
            case TArguments::Demande::Version:
                sorties.texte +=
                    lus.demande == TArguments::Demande::Aide ? TexteAide() : TexteVersion();
                sorties.Vide();
                return SortieSucces;
            case TArguments::Demande::AideTemps:
                sorties.texte += GuideLisible();
                sorties.Vide();
                return SortieSucces;
            case TArguments::Demande::Conjuguer: break;
        }
        if (lus.fiche.Active) {
            const int statut = EcritFiche(lus.fiche, lus.options, lus.format == TFormatSortie::Json,
                                          lus.textes, entree, sorties);
            sorties.Vide();
            return statut;
        }

        if (lus.conllu) return LitConllu(entree, sorties);
        if (lus.ecouter && !ParoleDisponible()) {
            sorties.messages +=
                "conjugue : espeak-ng n'est pas installé : --ecouter ne peut rien dire (paquet "
                "espeak-ng)\n";
            sorties.Vide();
            return SortieTexteInvalide;
        }
        int statutAnglais = SortieSucces;
        if (!lus.anglais.empty()) {
            for (std::string_view a : lus.anglais)
                statutAnglais =
                    std::max(statutAnglais, EcritRechercheAnglaise(a, lus.format, sorties));
            sorties.Vide();
            // Verbs given besides are conjugated after; standard input is not
            // read for them.
            if (lus.textes.empty()) return statutAnglais;
        }

        TLexiqueDiffere lexique(sorties.messages, lus.analyse);
        const std::unique_ptr<TTraitement> traitement =
            CreeTraitement(lus, presentation, sorties, lexique);
        if (!lus.textes.empty()) {
            for (std::size_t i = 0; i < lus.textes.size(); ++i) {
                if (EstTexteAcceptable(lus.textes[i]))
                    traitement->Traite(lus.textes[i]);
                else
                    traitement->Refuse("argument " + std::to_string(i + 1));
            }
        } else {
            LitEntree(entree, *traitement, sorties);
        }
        traitement->Fin();
        sorties.Vide();
        return std::max(traitement->Statut(), statutAnglais);
    } catch (const TEchecSortie& e) {
        // A reader that went away (… | head) has all it wanted: not an error
        // worth a message, but not a success either.
        if (e.erreur != EPIPE) {
            sorties.messages += "conjugue : impossible d'écrire la sortie : ";
            sorties.messages += MessageSysteme(e.erreur);
            sorties.messages += '\n';
            sorties.VideMessages();
        }
        return SortieEcriture;
    }
}

}  // namespace florimot
