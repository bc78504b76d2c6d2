#include "verification.hpp"

#include <algorithm>

#include "interne.hpp"
#include "utf8.hpp"

namespace florimot {

using namespace detail;

namespace {

bool EstBlanc(char32_t c) {
    return c == U' ' || c == U'\t' || c == U'\n' || c == U'\r' || c == 0xA0 || c == 0x202F ||
           (c >= 0x2000 && c <= 0x200A);
}

// The answer as compared: one blank between words, ’ as ', and the end of a
// sentence (« ? », « ! », « . ») left out, which the sheet prints around the
// blank.
std::u32string Nettoie(std::string_view s) {
    std::u32string r;
    bool blanc = false;
    for (char32_t c : utf8::Points(s)) {
        if (c == U'’' || c == U'ʼ') c = U'\'';
        if (EstBlanc(c)) {
            blanc = !r.empty();
            continue;
        }
        if (blanc) r += U' ';
        blanc = false;
        r += c;
    }
    while (!r.empty() &&
           (r.back() == U'?' || r.back() == U'!' || r.back() == U'.' || r.back() == U' '))
        r.pop_back();
    return r;
}

char32_t Minuscule(char32_t c) {
    if ((c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 0x20;
    if (c == U'Œ') return U'œ';
    if (c == U'Ÿ') return U'ÿ';
    return c;
}

struct TLettre {
    char32_t Base;
    TGenreAccent Accent;
};

TLettre Lettre(char32_t c) {
    static constexpr TGenreAccent A = TGenreAccent::Aigu, G = TGenreAccent::Grave,
                                  C = TGenreAccent::Circonflexe, T = TGenreAccent::Trema,
                                  Ce = TGenreAccent::Cedille;
    // Place for place with utf8::LettresAccentuees.
    static constexpr TGenreAccent Genres[] = {G, C, T, A, G, C, T, C, T, C, T, G, C, T, Ce, T};
    static_assert(std::size(Genres) == utf8::LettresAccentuees.size());
    const std::size_t k = utf8::LettresAccentuees.find(c);
    if (k == std::u32string_view::npos) return {c, TGenreAccent::Aucun};
    return {utf8::LettresDeBase[k], Genres[k]};
}

std::u32string Plie(const std::u32string& s) {
    std::u32string r;
    for (char32_t c : s) r += Lettre(Minuscule(c)).Base;
    return r;
}

std::string Encode(const std::u32string& s) {
    std::string r;
    for (char32_t c : s) utf8::Encode(c, r);
    return r;
}

// Where `tape` and `juste`, equal once folded, part: the first letter whose
// accent differs, and whether capitals differ anywhere.
void Compare(const std::u32string& tape, const std::u32string& juste, TVerdictReponse& d) {
    for (std::size_t i = 0; i < tape.size() && i < juste.size(); ++i) {
        const char32_t t = Minuscule(tape[i]), j = Minuscule(juste[i]);
        if ((t != tape[i]) != (j != juste[i])) d.Majuscules = true;
        if (t != j && d.Manque == TGenreAccent::Aucun && d.EnTrop == TGenreAccent::Aucun) {
            d.Manque = Lettre(j).Accent;
            d.EnTrop = Lettre(t).Accent;
        }
    }
}

// Every line of the verb, under the options and their accepted other
// series, that the answer is, whole or without its subject.
std::vector<TLectureReponse> Lectures(const TItem& item, const std::u32string& tape,
                                      const TOptions& options, bool plie) {
    std::vector<TLectureReponse> lues;
    const TGrilles g = Grilles(item.Verbe, options);
    const std::u32string cherche = plie ? Plie(tape) : tape;
    for (const TLignesGrille& lignes : g.Grilles)
        for (std::size_t n = 0; n < GrilleComplete.size(); ++n) {
            const TCellule& c = GrilleComplete[n];
            const int nombre = std::max(c.NombreLignes(), 1);
            for (int rang = 0; rang < nombre; ++rang) {
                const std::string_view ligne = lignes[c.Premier + static_cast<std::size_t>(rang)];
                if (ligne.empty() || EstMarqueur(ligne)) continue;
                const int personne = PersonneDuRang(c, static_cast<std::size_t>(rang));
                const std::string forme =
                    SansAmorce(ligne, Amorce(ligne, personne, options.Feminin));
                bool egal = false;
                for (std::string_view l : {ligne, std::string_view(forme)}) {
                    const std::u32string u = Nettoie(l);
                    egal = egal || (plie ? Plie(u) : u) == cherche;
                }
                const TLectureReponse lue{n, personne};
                if (egal && std::find(lues.begin(), lues.end(), lue) == lues.end())
                    lues.push_back(lue);
            }
        }
    return lues;
}

}  // namespace

TVerdictReponse DiagnostiqueReponse(const TItem& item, std::size_t reponse, std::string_view tape,
                                    const TOptions& options, bool indulgent) {
    TVerdictReponse d;
    const std::u32string typee = Nettoie(tape);
    d.Tape = Encode(typee);
    if (reponse >= item.Reponses.size()) return d;
    const TReponse& r = item.Reponses[reponse];
    if (r.Lignes.empty()) return d;
    d.Attendue = r.Lignes.front();

    // Right as typed: the whole line or what fills the blank.
    for (std::size_t i = 0; i < r.Lignes.size(); ++i)
        if (Nettoie(r.Lignes[i]) == typee || Nettoie(r.Formes[i]) == typee) {
            d.Verdict = TVerdict::Juste;
            d.Attendue = r.Lignes[i];
            for (const std::string& autre : r.Lignes)
                if (autre != r.Lignes[i]) d.Autres.push_back(autre);
            return d;
        }
    // Right but for accents or capitals.
    for (std::size_t i = 0; i < r.Lignes.size(); ++i)
        for (const std::string* juste : {&r.Lignes[i], &r.Formes[i]}) {
            const std::u32string j = Nettoie(*juste);
            if (Plie(j) != Plie(typee)) continue;
            d.Attendue = r.Lignes[i];
            Compare(typee, j, d);
            d.Verdict = indulgent ? TVerdict::JusteSaufAccents : TVerdict::Faux;
            return d;
        }
    // Another line of the verb: as typed, else but for its accents.
    d.Lectures = Lectures(item, typee, options, false);
    if (d.Lectures.empty()) d.Lectures = Lectures(item, typee, options, true);
    return d;
}

}  // namespace florimot
