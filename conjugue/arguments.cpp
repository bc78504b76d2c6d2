#include "arguments.hpp"

#include "drapeaux.hpp"
#include "utf8.hpp"

namespace florimot {

namespace {

TArguments Refus(std::string message) {
    TArguments refus;
    refus.demande = TArguments::Demande::Refus;
    refus.refus = std::move(message);
    return refus;
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
            lus.textes.push_back(a);
            continue;
        }
        switch (drapeau->Action) {
            case ActionDrapeau::Option: Active(lus.options, *drapeau->Option); break;
            case ActionDrapeau::Temps:
                if (std::string m = LitTemps(lue, lus.filtre); !m.empty())
                    return Refus(std::move(m));
                break;
            case ActionDrapeau::Personne:
                if (std::string m = LitPersonne(lue, lus.filtre); !m.empty())
                    return Refus(std::move(m));
                break;
            case ActionDrapeau::Analyse: lus.analyse = true; break;
            case ActionDrapeau::Toutes: lus.toutes = true; break;
            case ActionDrapeau::Suggestions: lus.suggestions = true; break;
            case ActionDrapeau::Tsv:
                tsv = true;
                lus.format = FormatSortie::Tsv;
                break;
            case ActionDrapeau::Complet: lus.complet = true; break;
            case ActionDrapeau::Json:
                json = true;
                lus.format = FormatSortie::Json;
                break;
            case ActionDrapeau::Anglais:
                if (valeur.empty() || !EstTexteAcceptable(valeur))
                    return Refus("conjugue : --anglais : valeur manquante\n");
                lus.anglais.push_back(valeur);
                break;
            case ActionDrapeau::Ecouter: lus.ecouter = true; break;
            case ActionDrapeau::Aide: lus.demande = TArguments::Demande::Aide; return lus;
            case ActionDrapeau::Version: lus.demande = TArguments::Demande::Version; return lus;
            case ActionDrapeau::FinOptions: options = false; break;
        }
    }
    if (tsv && json) return Refus("conjugue : --tsv et --json s'excluent (conjugue --help)\n");
    if (std::string m = VerifieFiltre(lus.filtre); !m.empty()) return Refus(std::move(m));
    if (lus.toutes && !lus.analyse)
        return Refus("conjugue : --toutes ne s'emploie qu'avec --analyse\n");
    if (lus.analyse && lus.filtre.Actif())
        return Refus("conjugue : --temps et --personne ne s'emploient pas avec --analyse\n");
    return lus;
}

}  // namespace florimot
