#include "arguments.hpp"

#include "drapeaux.hpp"
#include "utf8.hpp"

namespace florimot {

namespace {

TArguments Refus(std::string message) {
    TArguments refus;
    refus.Demande = TArguments::TDemande::Refus;
    refus.Refus = std::move(message);
    return refus;
}

// "unimorph", "ud", or both, separated by a comma.
bool LitTraits(std::string_view valeur, TTraitsDemandes& traits) {
    TTraitsDemandes lus;
    while (true) {
        const std::size_t virgule = valeur.find(',');
        const std::string_view nom = valeur.substr(0, virgule);
        if (nom == NomSchema(TSchemaTraits::UniMorph))
            lus.Unimorph = true;
        else if (nom == NomSchema(TSchemaTraits::Ud))
            lus.Ud = true;
        else
            return false;
        if (virgule == std::string_view::npos) break;
        valeur.remove_prefix(virgule + 1);
    }
    traits = lus;
    return true;
}

}  // namespace

bool EstTexteAcceptable(std::string_view s) {
    return utf8::EstValide(s) && s.find('\0') == std::string_view::npos;
}

TArguments LitArguments(const std::vector<std::string>& arguments) {
    TArguments lus;
    bool tsv = false, json = false;
    bool options = true;  // false after "--"
    for (std::size_t n = 0; n < arguments.size(); ++n) {
        const std::string& a = arguments[n];
        // "--temps X" or "--temps=X".
        const TDrapeau* drapeau = options ? DrapeauNomme(a) : nullptr;
        std::string_view valeur;
        if (drapeau != nullptr && drapeau->PrendValeur()) {
            if (n + 1 < arguments.size()) valeur = arguments[++n];
        } else if (const std::size_t egal = a.find('=');
                   options && drapeau == nullptr && egal != std::string::npos) {
            const TDrapeau* d = DrapeauNomme(std::string_view(a).substr(0, egal));
            if (d != nullptr && d->PrendValeur()) {
                drapeau = d;
                valeur = std::string_view(a).substr(egal + 1);
            }
        }
        const std::string_view lue = EstTexteAcceptable(valeur) ? valeur : "?";
        if (drapeau == nullptr) {
            if (options && a.size() > 1 && a[0] == '-') {
                std::string m = "conjugue : option inconnue « ";
                m += EstTexteAcceptable(a) ? std::string_view(a) : "?";
                m += " » (conjugue --help)\n";
                return Refus(std::move(m));
            }
            lus.Textes.push_back(a);
            continue;
        }
        switch (drapeau->Action) {
            case TActionDrapeau::Option: Active(lus.Options, *drapeau->Option); break;
            case TActionDrapeau::Auxiliaire:
                if (lue == "être" || lue == "etre") {
                    lus.AuxiliaireEtre = true;
                } else if (lue == "avoir") {
                    lus.AuxiliaireEtre = false;
                } else {
                    std::string m = "conjugue : auxiliaire « ";
                    m += lue;
                    m += " » inconnu : être ou avoir (conjugue --help)\n";
                    return Refus(std::move(m));
                }
                break;
            case TActionDrapeau::Temps:
                if (std::string m = LitTemps(lue, lus.Filtre); !m.empty())
                    return Refus(std::move(m));
                lus.Fiche.Temps.push_back(static_cast<std::size_t>(lus.Filtre.Cellule));
                break;
            case TActionDrapeau::Personne:
                if (std::string m = LitPersonne(lue, lus.Filtre); !m.empty())
                    return Refus(std::move(m));
                lus.Fiche.Personnes.push_back(lus.Filtre.Personne);
                break;
            case TActionDrapeau::Analyse: lus.Analyse = true; break;
            case TActionDrapeau::Toutes: lus.Toutes = true; break;
            case TActionDrapeau::Suggestions: lus.Suggestions = true; break;
            case TActionDrapeau::Tsv:
                tsv = true;
                lus.Format = TFormatSortie::Tsv;
                break;
            case TActionDrapeau::Complet: lus.Complet = true; break;
            case TActionDrapeau::Json:
                json = true;
                lus.Format = TFormatSortie::Json;
                break;
            case TActionDrapeau::Format:
                if (lue != "1" && lue != "2")
                    return Refus("conjugue : --format : format inconnu « " + std::string(lue) +
                                 " » ; valeurs possibles : 1, 2\n");
                lus.FormatJson = lue[0] - '0';
                break;
            case TActionDrapeau::Traits:
                if (!LitTraits(lue, lus.Traits))
                    return Refus("conjugue : --traits : schéma inconnu « " + std::string(lue) +
                                 " » ; valeurs possibles : unimorph, ud, unimorph,ud\n");
                break;
            case TActionDrapeau::Conllu: lus.Conllu = true; break;
            case TActionDrapeau::Pourquoi: lus.Pourquoi = true; break;
            case TActionDrapeau::Modele: lus.Modele = true; break;
            case TActionDrapeau::Anglais:
                if (valeur.empty() || !EstTexteAcceptable(valeur))
                    return Refus("conjugue : --anglais : valeur manquante\n");
                lus.Anglais.push_back(valeur);
                break;
            case TActionDrapeau::Ecouter: lus.Ecouter = true; break;
            case TActionDrapeau::Aide: lus.Demande = TArguments::TDemande::Aide; return lus;
            case TActionDrapeau::AideTemps:
                lus.Demande = TArguments::TDemande::AideTemps;
                return lus;
            case TActionDrapeau::Version: lus.Demande = TArguments::TDemande::Version; return lus;
            case TActionDrapeau::FinOptions: options = false; break;
            case TActionDrapeau::Exercices: lus.Fiche.Active = true; break;
            case TActionDrapeau::Courants: lus.Fiche.Courants = true; break;
            case TActionDrapeau::Nombre:
            case TActionDrapeau::Graine:
            case TActionDrapeau::Genre:
            case TActionDrapeau::Comme:
            case TActionDrapeau::Groupe:
                if (std::string m = LitValeurFiche(drapeau->Action, lue, lus.Fiche); !m.empty())
                    return Refus(std::move(m));
                break;
        }
    }
    if (lus.Filtre.Feminin) lus.Options.Feminin = true;
    if (tsv && json) return Refus("conjugue : --tsv et --json s'excluent (conjugue --help)\n");
    if (lus.Fiche.Active) {
        // Several tenses and persons make one sheet; a tense without the
        // person asked for simply gives no item of it.
        if (tsv || lus.Analyse || lus.Complet)
            return Refus(
                "conjugue : --exercices s'écrit en texte ou en JSON, sans --tsv, "
                "--complet ni --analyse\n");
        return lus;
    }
    const TDemandeFiche sansFiche;
    if (lus.Fiche.Nombre != sansFiche.Nombre || lus.Fiche.GraineDonnee ||
        lus.Fiche.Genre != sansFiche.Genre || !lus.Fiche.Comme.empty() ||
        !lus.Fiche.Groupes.empty() || lus.Fiche.Courants)
        return Refus(
            "conjugue : --nombre, --graine, --genre, --comme, --groupe et --courants "
            "ne s'emploient qu'avec --exercices\n");
    if (std::string m = VerifieFiltre(lus.Filtre); !m.empty()) return Refus(std::move(m));
    if (lus.Toutes && !lus.Analyse)
        return Refus("conjugue : --toutes ne s'emploie qu'avec --analyse\n");
    if (lus.Modele && (tsv || lus.Analyse || lus.Pourquoi || lus.Filtre.Actif() || lus.Complet))
        return Refus("conjugue : --modele ne s'emploie qu'avec --json\n");
    if (lus.Pourquoi && (tsv || lus.Analyse))
        return Refus("conjugue : --pourquoi ne s'emploie ni avec --tsv ni avec --analyse\n");
    if (lus.Analyse && lus.Filtre.Actif())
        return Refus("conjugue : --temps et --personne ne s'emploient pas avec --analyse\n");
    if (!lus.Traits.Aucun() && !tsv && !json)
        return Refus("conjugue : --traits ne s'emploie qu'avec --tsv ou --json\n");
    if (!lus.Traits.Aucun() && json && lus.FormatJson == 1)
        return Refus("conjugue : --traits ne s'emploie pas avec --format 1\n");
    if (lus.Conllu && (tsv || json || lus.Analyse || lus.Filtre.Actif() || !lus.Traits.Aucun() ||
                       !lus.Textes.empty()))
        return Refus(
            "conjugue : --conllu lit l'entrée standard et ne s'emploie avec aucune autre "
            "option\n");
    return lus;
}

}  // namespace florimot
