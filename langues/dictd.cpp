#include "dictd.hpp"

#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <limits>

namespace florimot {

namespace {

// dictd writes offsets and sizes in base 64, most significant digit first.
std::optional<std::size_t> LitBase64(std::string_view s) {
    constexpr std::string_view Chiffres =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    if (s.empty() || s.size() > 10) return std::nullopt;
    std::size_t n = 0;
    for (char c : s) {
        const std::size_t v = Chiffres.find(c);
        if (v == std::string_view::npos) return std::nullopt;
        n = n * 64 + v;
    }
    return n;
}

std::optional<std::string> LitFichier(const std::string& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    if (!f) return std::nullopt;
    std::string texte((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    if (f.bad()) return std::nullopt;
    return texte;
}

// The whole of a gzip file (members one after another, as dictzip writes
// one); nothing when it is not gzip or is cut short.
std::optional<std::string> Decompresse(const std::string& chemin) {
    gzFile f = gzopen(chemin.c_str(), "rb");
    if (f == nullptr) return std::nullopt;
    std::string texte;
    char bloc[1 << 16];
    int lu = 0;
    while ((lu = gzread(f, bloc, sizeof bloc)) > 0)
        texte.append(bloc, static_cast<std::size_t>(lu));
    int erreur = Z_OK;
    gzerror(f, &erreur);
    gzclose(f);
    if (lu < 0 || (erreur != Z_OK && erreur != Z_STREAM_END)) return std::nullopt;
    return texte;
}

}  // namespace

std::optional<TDictd> TDictd::Ouvre(const std::string& base) {
    const std::optional<std::string> index = LitFichier(base + ".index");
    if (!index) return std::nullopt;
    std::optional<std::string> texte = Decompresse(base + ".dict.dz");
    if (!texte) texte = LitFichier(base + ".dict");
    if (!texte) return std::nullopt;
    TDictd d;
    d.Texte_ = std::move(*texte);
    std::string_view reste = *index;
    while (!reste.empty()) {
        const std::size_t fin = reste.find('\n');
        std::string_view ligne = reste.substr(0, fin);
        reste.remove_prefix(fin == std::string_view::npos ? reste.size() : fin + 1);
        const std::size_t t1 = ligne.find('\t');
        const std::size_t t2 = t1 == std::string_view::npos ? t1 : ligne.find('\t', t1 + 1);
        if (t2 == std::string_view::npos) return std::nullopt;
        const auto place = LitBase64(ligne.substr(t1 + 1, t2 - t1 - 1));
        const auto taille = LitBase64(ligne.substr(t2 + 1));
        // An article outside the text: the files do not belong together.
        if (!place || !taille || *place > d.Texte_.size() || *taille > d.Texte_.size() - *place)
            return std::nullopt;
        d.Index_.emplace(std::string(ligne.substr(0, t1)), std::pair(*place, *taille));
    }
    return d;
}

std::vector<std::string_view> TDictd::Articles(std::string_view mot) const {
    std::vector<std::pair<std::size_t, std::size_t>> places;
    const auto [debut, fin] = Index_.equal_range(std::string(mot));
    for (auto i = debut; i != fin; ++i) places.push_back(i->second);
    // The index's order, which the multimap does not keep.
    std::sort(places.begin(), places.end());
    std::vector<std::string_view> articles;
    for (const auto& [place, taille] : places)
        articles.push_back(std::string_view(Texte_).substr(place, taille));
    return articles;
}

std::string TDictd::Titre() const {
    const std::vector<std::string_view> a = Articles("00databaseshort");
    if (a.empty()) return {};
    std::string_view t = a.front();
    // dictfmt files its own header line under the entry ("00databaseshort\n").
    if (t.substr(0, 15) == "00databaseshort") t.remove_prefix(t.find('\n') + 1);
    while (!t.empty() && (t.front() == ' ' || t.front() == '\n')) t.remove_prefix(1);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\n')) t.remove_suffix(1);
    return std::string(t);
}

std::string DossierDictd() {
    const char* dossier = std::getenv("FLORIMOT_DICTD");
    return dossier != nullptr ? dossier : "/usr/share/dictd";
}

namespace {

const TDictd* Ouvert(std::string_view nom) {
    const std::string dossier = DossierDictd();
    if (dossier.empty()) return nullptr;
    static std::optional<TDictd> fr, en;
    std::optional<TDictd>& d = nom == "freedict-fra-eng" ? fr : en;
    d = TDictd::Ouvre(dossier + "/" + std::string(nom));
    return d ? &*d : nullptr;
}

}  // namespace

const TDictd* DictionnaireFrancaisAnglais() {
    static const TDictd* const d = Ouvert("freedict-fra-eng");
    return d;
}

const TDictd* DictionnaireAnglaisFrancais() {
    static const TDictd* const d = Ouvert("freedict-eng-fra");
    return d;
}

}  // namespace florimot
