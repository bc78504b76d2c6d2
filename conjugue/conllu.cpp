#include "conllu.hpp"

#include <array>

#include "arguments.hpp"
#include "lemme.hpp"

namespace florimot {

void TLemmatiseurConllu::Ajoute(std::string_view octets) {
    while (!octets.empty()) {
        const std::size_t fin = octets.find('\n');
        const std::string_view morceau =
            octets.substr(0, fin == std::string_view::npos ? octets.size() : fin + 1);
        octets.remove_prefix(morceau.size());
        const bool complete = morceau.back() == '\n';
        if (Traverse_) {
            Sortie_ += morceau;
            Traverse_ = !complete;
            continue;
        }
        if (Ligne_.empty() && complete) {
            Ligne(morceau);  // the common case: no copy
            continue;
        }
        Ligne_ += morceau;
        if (complete) {
            Ligne(Ligne_);
            Ligne_.clear();
        } else if (Ligne_.size() > LigneMax) {
            Sortie_ += Ligne_;
            Ligne_.clear();
            Traverse_ = true;
        }
    }
}

void TLemmatiseurConllu::Termine() {
    if (!Ligne_.empty()) Ligne(Ligne_);
    Ligne_.clear();
    Traverse_ = false;
}

void TLemmatiseurConllu::Ligne(std::string_view ligne) {
    std::string_view corps = ligne;
    if (corps.ends_with('\n')) corps.remove_suffix(1);
    if (corps.ends_with('\r')) corps.remove_suffix(1);
    // ID FORM LEMMA UPOS XPOS FEATS HEAD DEPREL DEPS MISC
    std::array<std::string_view, 10> champs;
    std::size_t n = 0, debut = 0;
    for (; n < champs.size(); ++n) {
        const std::size_t tab = corps.find('\t', debut);
        champs[n] = corps.substr(debut, tab == std::string_view::npos ? tab : tab - debut);
        if (tab == std::string_view::npos) break;
        debut = tab + 1;
    }
    const bool dixChamps = n == champs.size() - 1;
    const std::string_view id = champs[0];
    const bool mot = dixChamps && !corps.starts_with('#') && !id.empty() &&
                     id.find_first_of("-.") == std::string_view::npos;
    if (!mot || champs[2] != "_" || (champs[3] != "VERB" && champs[3] != "AUX") ||
        !EstTexteAcceptable(champs[1])) {
        Sortie_ += ligne;
        return;
    }
    const std::string lemme = LemmeDeForme(champs[1], champs[5]);
    if (lemme.empty()) {
        Sortie_ += ligne;
        return;
    }
    // Everything before the lemma, the lemma, everything after it.
    const std::size_t avant = static_cast<std::size_t>(champs[2].data() - ligne.data());
    Sortie_ += ligne.substr(0, avant);
    Sortie_ += lemme;
    Sortie_ += ligne.substr(avant + champs[2].size());
}

}  // namespace florimot
