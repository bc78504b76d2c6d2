#include "meme_modele.hpp"

#include <algorithm>
#include <map>
#include <utility>

#include "conjugaison.hpp"
#include "faits.hpp"
#include "legende.hpp"
#include "utf8.hpp"

namespace florimot {

namespace {

// Letters folded to their base for sorting, the pronoun left out: s'enquérir
// sorts with enquérir, é with e.
std::string Cle(std::string_view s) {
    if (const std::size_t debut = DebutDuVerbe(s); debut > 0) s.remove_prefix(debut);
    return utf8::SansAccents(s);
}

// The model each known verb follows, as its header names it: "m" and the
// verb for a model, "f" and the verb for a family.
using TGroupes = std::map<std::pair<bool, std::string>, std::vector<std::string>>;

std::pair<bool, std::string> GroupeDe(const TVerbe& v) {
    if (const std::string_view m = ModeleDuVerbe(v); !m.empty()) return {false, std::string(m)};
    if (const std::string_view f = FamilleDuVerbe(v); !f.empty()) return {true, std::string(f)};
    // Its own model.
    return {false, std::string(v.MotVue())};
}

const TGroupes& Groupes() {
    static const TGroupes groupes = [] {
        TGroupes g;
        for (const std::string_view infinitif : VerbesConnus()) {
            TVerbe v;
            v.DefinitVerbe(infinitif);
            if (v.DonneGroupe() == 0) continue;
            auto cle = GroupeDe(v);
            // The model itself is named, not listed.
            if (!cle.first && cle.second == v.MotVue() && infinitif == v.MotVue()) {
                g[cle];
                continue;
            }
            g[cle].emplace_back(infinitif);
        }
        for (auto& [cle, verbes] : g)
            std::sort(verbes.begin(), verbes.end(), [](const std::string& a, const std::string& b) {
                const std::string ca = Cle(a), cb = Cle(b);
                return ca != cb ? ca < cb : a < b;
            });
        return g;
    }();
    return groupes;
}

}  // namespace

TMemeModele MemeModele(const TVerbe& verbe) {
    TMemeModele liste;
    if (verbe.DonneGroupe() == 0) return liste;
    auto cle = GroupeDe(verbe);
    liste.Modele = cle.second;
    liste.Famille = cle.first;
    const TGroupes& groupes = Groupes();
    if (const auto g = groupes.find(cle); g != groupes.end()) liste.Verbes = g->second;
    return liste;
}

std::string PhraseMemeModele(const TMemeModele& liste, std::string_view sauf, std::size_t montres) {
    if (liste.Modele.empty()) return {};
    const std::size_t n = liste.Verbes.size();
    if (n == 0 || (n == 1 && liste.Verbes.front() == sauf))
        return "aucun autre verbe connu ne " +
               (liste.Famille ? "suit le modèle de la famille " + DeVerbe(liste.Modele)
                              : "se conjugue comme " + liste.Modele);
    std::string r = std::to_string(n) + (n > 1 ? " verbes" : " verbe");
    if (liste.Famille)
        r += (n > 1 ? " suivent le modèle de la famille " : " suit le modèle de la famille ") +
             DeVerbe(liste.Modele);
    else
        r += (n > 1 ? " se conjuguent comme " : " se conjugue comme ") + liste.Modele;
    r += " (ordre alphabétique) : ";
    std::size_t dits = 0;
    for (const std::string& v : liste.Verbes) {
        if (v == sauf) continue;
        if (dits == montres) {
            r += ", …";
            return r;
        }
        r += (dits++ > 0 ? ", " : "") + v;
    }
    return r;
}

std::string TitreMemeModele(const TMemeModele& liste, std::size_t montres) {
    if (liste.Modele.empty()) return {};
    const std::size_t n = liste.Verbes.size();
    std::string r = std::to_string(n) + (n > 1 ? " verbes " : " verbe ");
    r += liste.Famille
             ? (n > 1 ? "suivent le modèle de la famille " : "suit le modèle de la famille ") +
                   DeVerbe(liste.Modele)
             : (n > 1 ? "se conjuguent comme " : "se conjugue comme ") + liste.Modele;
    if (n > montres)
        return r + " ; les " + std::to_string(montres) + " premiers, par ordre alphabétique :";
    return r + ", par ordre alphabétique :";
}

}  // namespace florimot
