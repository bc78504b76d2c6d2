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
    TLecteurLignes lecteur([&](const TLecteurLignes::TLigneFlux& l) {
        if (l.Valide)
            traitement.Traite(l.Texte);
        else
            traitement.Refuse("ligne " + std::to_string(l.Numero));
    });
    constexpr std::size_t Taille = 1 << 16;
    const auto bloc = std::make_unique<char[]>(Taille);
    for (;;) {
        const TLectureFlux lu = entree.Lit(bloc.get(), Taille);
        if (lu.Erreur != 0) {
            // The line cut short by the failure is not conjugated: it may be
            // only the start of a word.
            traitement.EchecLecture(lu.Erreur);
            return;
        }
        if (lu.Taille == 0) break;
        lecteur.Ajoute(std::string_view(bloc.get(), lu.Taille));
        // A short read means the writer has nothing more ready for now: what
        // is done is shown before waiting, so that someone typing sees each
        // answer while a file or a fast pipe still goes out in large blocks.
        if (lu.Taille < Taille) sorties.Vide();
    }
    lecteur.Termine();
}

// --conllu: the file through, block after block; nothing but its lemmas
// changes, so nothing else is reported.
int LitConllu(TEntree& entree, TSorties& sorties) {
    TLemmatiseurConllu lemmatiseur(sorties.Texte);
    constexpr std::size_t Taille = 1 << 16;
    const auto bloc = std::make_unique<char[]>(Taille);
    for (;;) {
        const TLectureFlux lu = entree.Lit(bloc.get(), Taille);
        if (lu.Erreur != 0) {
            lemmatiseur.Termine();
            sorties.Messages += "conjugue : lecture de l'entrée standard impossible : ";
            sorties.Messages += MessageSysteme(lu.Erreur);
            sorties.Messages += '\n';
            sorties.Vide();
            return SortieLecture;
        }
        if (lu.Taille == 0) break;
        lemmatiseur.Ajoute(std::string_view(bloc.get(), lu.Taille));
        sorties.Libere();
        if (lu.Taille < Taille) sorties.Vide();
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
    p.Gras = sansCouleur == nullptr || *sansCouleur == '\0';
    p.Largeur = std::max(largeurTerminal, 0);
    if (colonnes != nullptr && *colonnes != '\0') {
        // Digits only, and no absurd width: anything else is not a width.
        const std::string_view s(colonnes);
        if (s.size() <= 6 &&
            std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; }))
            p.Largeur = std::stoi(std::string(s));
    }
    return p;
}

int ExecuteConjugue(const std::vector<std::string>& arguments, TEntree& entree, TSortie& sortie,
                    TSortie& erreurs, TPresentation presentation) {
    TSorties sorties(sortie, erreurs);
    try {
        const TArguments lus = LitArguments(arguments);
        switch (lus.Demande) {
            case TArguments::TDemande::Refus:
                sorties.Messages += lus.Refus;
                sorties.Vide();
                return SortieTexteInvalide;
            case TArguments::TDemande::Aide:
            case TArguments::TDemande::Version:
                sorties.Texte +=
                    lus.Demande == TArguments::TDemande::Aide ? TexteAide() : TexteVersion();
                sorties.Vide();
                return SortieSucces;
            case TArguments::TDemande::AideTemps:
                sorties.Texte += GuideLisible();
                sorties.Vide();
                return SortieSucces;
            case TArguments::TDemande::Conjuguer: break;
        }
        if (lus.Fiche.Active) {
            const int statut = EcritFiche(lus.Fiche, lus.Options, lus.Format == TFormatSortie::Json,
                                          lus.Textes, entree, sorties);
            sorties.Vide();
            return statut;
        }

        if (lus.Conllu) return LitConllu(entree, sorties);
        if (lus.Ecouter && !ParoleDisponible()) {
            sorties.Messages +=
                "conjugue : espeak-ng n'est pas installé : --ecouter ne peut rien dire (paquet "
                "espeak-ng)\n";
            sorties.Vide();
            return SortieTexteInvalide;
        }
        int statutAnglais = SortieSucces;
        if (!lus.Anglais.empty()) {
            for (std::string_view a : lus.Anglais)
                statutAnglais =
                    std::max(statutAnglais, EcritRechercheAnglaise(a, lus.Format, sorties));
            sorties.Vide();
            // Verbs given besides are conjugated after; standard input is not
            // read for them.
            if (lus.Textes.empty()) return statutAnglais;
        }

        TLexiqueDiffere lexique(sorties.Messages, lus.Analyse);
        const std::unique_ptr<TTraitement> traitement =
            CreeTraitement(lus, presentation, sorties, lexique);
        if (!lus.Textes.empty()) {
            for (std::size_t i = 0; i < lus.Textes.size(); ++i) {
                if (EstTexteAcceptable(lus.Textes[i]))
                    traitement->Traite(lus.Textes[i]);
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
        if (e.Erreur != EPIPE) {
            sorties.Messages += "conjugue : impossible d'écrire la sortie : ";
            sorties.Messages += MessageSysteme(e.Erreur);
            sorties.Messages += '\n';
            sorties.VideMessages();
        }
        return SortieEcriture;
    }
}

}  // namespace florimot
