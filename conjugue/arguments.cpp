#include "arguments.hpp"

#include <optional>

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
        const auto valeur = [&](std::string_view option) -> std::optional<std::string_view> {
            if (!options) return std::nullopt;
            if (a == option) {
                if (n + 1 == arguments.size()) return std::string_view();
                return arguments[++n];
            }
            if (a.size() > option.size() && a.starts_with(option) && a[option.size()] == '=')
                return std::string_view(a).substr(option.size() + 1);
            return std::nullopt;
        };
        if (const auto t = valeur("--temps")) {
            if (std::string m = LitTemps(EstTexteAcceptable(*t) ? *t : "?", lus.filtre); !m.empty())
                return Refus(std::move(m));
        } else if (const auto p = valeur("--personne")) {
            if (std::string m = LitPersonne(EstTexteAcceptable(*p) ? *p : "?", lus.filtre);
                !m.empty())
                return Refus(std::move(m));
        } else if (options && a == "--") {
            options = false;
        } else if (options && (a == "-h" || a == "--help")) {
            lus.demande = TArguments::Demande::Aide;
            return lus;
        } else if (options && (a == "-V" || a == "--version")) {
            lus.demande = TArguments::Demande::Version;
            return lus;
        } else if (options && a == "--tsv") {
            tsv = true;
            lus.format = FormatSortie::Tsv;
        } else if (options && a == "--json") {
            json = true;
            lus.format = FormatSortie::Json;
        } else if (options && (a == "--feminin" || a == "--féminin")) {
            lus.options.Feminin = true;
        } else if (options && (a == "--negation" || a == "--négation")) {
            lus.options.Negation = true;
        } else if (options && a == "--interrogation") {
            lus.options.Interrogation = true;
        } else if (options && a == "--passif") {
            lus.options.Passif = true;
        } else if (options && (a == "--rectifiee" || a == "--rectifiée")) {
            lus.options.Rectifiee = true;
        } else if (options && a == "--variante") {
            lus.options.Variante = true;
        } else if (options && a == "--analyse") {
            lus.analyse = true;
        } else if (options && a == "--complet") {
            lus.complet = true;
        } else if (options && a == "--toutes") {
            lus.toutes = true;
        } else if (options && a == "--suggestions") {
            lus.suggestions = true;
        } else if (options && a.size() > 1 && a[0] == '-') {
            std::string m = "conjugue : option inconnue « ";
            m += EstTexteAcceptable(a) ? std::string_view(a) : "?";
            m += " » (conjugue --help)\n";
            return Refus(std::move(m));
        } else {
            lus.textes.push_back(a);
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
