#include "anglais.hpp"

#include <algorithm>
#include <cstdint>
#include <map>
#include <mutex>
#include <tuple>

#include "motifs_anglais.hpp"

namespace florimot {

namespace {

using anglais::TFormeAnglaise;

std::string_view Rogne(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

// An article: its head line ("aller /ale/ <v>"), then one sense a line
// ("1. go, ride, travel"), the senses' words split by commas.
struct TArticle {
    std::string_view Partie;  // "v", "n, fem"; "" when not given
    std::vector<std::vector<std::string_view>> Sens;
};

TArticle LitArticle(std::string_view texte) {
    TArticle a;
    const std::size_t fin = texte.find('\n');
    const std::string_view tete = texte.substr(0, fin);
    if (const std::size_t o = tete.rfind('<'); o != std::string_view::npos) {
        const std::size_t f = tete.find('>', o);
        if (f != std::string_view::npos) a.Partie = tete.substr(o + 1, f - o - 1);
    }
    std::string_view reste = fin == std::string_view::npos ? "" : texte.substr(fin + 1);
    while (!reste.empty()) {
        const std::size_t f = reste.find('\n');
        std::string_view ligne = Rogne(reste.substr(0, f));
        reste.remove_prefix(f == std::string_view::npos ? reste.size() : f + 1);
        // "2. " before a sense.
        std::size_t chiffres = 0;
        while (chiffres < ligne.size() && ligne[chiffres] >= '0' && ligne[chiffres] <= '9')
            ++chiffres;
        if (chiffres > 0 && ligne.substr(chiffres, 2) == ". ") ligne.remove_prefix(chiffres + 2);
        std::vector<std::string_view> mots;
        while (!ligne.empty()) {
            const std::size_t v = ligne.find(',');
            const std::string_view mot = Rogne(ligne.substr(0, v));
            if (!mot.empty()) mots.push_back(mot);
            ligne.remove_prefix(v == std::string_view::npos ? ligne.size() : v + 1);
        }
        if (!mots.empty()) a.Sens.push_back(std::move(mots));
    }
    return a;
}

bool EstVerbe(const TArticle& a) {
    return a.Partie == "v" || a.Partie == "vi" || a.Partie == "vt";
}

bool FinitPar(std::string_view s, std::string_view fin) {
    return s.size() >= fin.size() && s.substr(s.size() - fin.size()) == fin;
}

// "se lever" → "lever"; "s'asseoir" → "asseoir"; else nothing.
std::string_view SansPronom(std::string_view verbe) {
    if (verbe.substr(0, 3) == "se ") return verbe.substr(3);
    if (verbe.substr(0, 2) == "s'") return verbe.substr(2);
    return {};
}

bool FinitCommeInfinitif(std::string_view mot) {
    return FinitPar(mot, "er") || FinitPar(mot, "ir") || FinitPar(mot, "re") || FinitPar(mot, "ïr");
}

// Whether a French word of the English–French dictionary can be a verb:
// it ends as an infinitive, and the French–English dictionary, when it
// knows the word, files it as a verb at least once ("mer", "hier" are not).
bool PeutEtreVerbeFrancais(std::string_view mot, const TDictd* francaisAnglais) {
    const std::string_view nu = SansPronom(mot).empty() ? mot : SansPronom(mot);
    if (nu.empty() || nu.find(' ') != std::string_view::npos || !FinitCommeInfinitif(nu))
        return false;
    if (francaisAnglais == nullptr) return true;
    const std::vector<std::string_view> articles = francaisAnglais->Articles(nu);
    return articles.empty() ||
           std::any_of(articles.begin(), articles.end(),
                       [](std::string_view a) { return EstVerbe(LitArticle(a)); });
}

// The French verbs an English–French article gives: its one-word verbs
// (a pronominal one counts as one word), or when it has none, the verb
// that starts its phrases ("recevoir solennellement": recevoir).
std::vector<std::string> VerbesDeLArticle(std::string_view texte, const TDictd* francaisAnglais) {
    std::vector<std::string> simples, tetes;
    for (const auto& sens : LitArticle(texte).Sens)
        for (std::string_view mot : sens) {
            if (PeutEtreVerbeFrancais(mot, francaisAnglais)) {
                simples.emplace_back(mot);
                continue;
            }
            const std::size_t blanc = mot.find(' ', SansPronom(mot).empty() ? 0 : 3);
            if (blanc != std::string_view::npos &&
                PeutEtreVerbeFrancais(mot.substr(0, blanc), francaisAnglais))
                tetes.emplace_back(mot.substr(0, blanc));
        }
    return simples.empty() ? tetes : simples;
}

// From an English word to the French verbs whose articles give it, the
// verbs that give it first coming first ("eat": manger before dévorer).
using TInverse =
    std::map<std::string, std::vector<std::pair<std::size_t, std::string>>, std::less<>>;

const TInverse& Inverse(const TDictd& francaisAnglais) {
    static std::mutex garde;
    static std::map<const TDictd*, TInverse> faits;
    const std::lock_guard verrou(garde);
    const auto essai = faits.try_emplace(&francaisAnglais);
    TInverse& inverse = essai.first->second;
    if (essai.second) {
        francaisAnglais.PourChaqueArticle([&](std::string_view mot, std::string_view texte) {
            const TArticle a = LitArticle(texte);
            if (!EstVerbe(a)) return;
            for (const auto& sens : a.Sens)
                for (std::size_t rang = 0; rang < sens.size(); ++rang)
                    inverse[std::string(sens[rang])].emplace_back(rang, mot);
        });
        for (auto& [anglais, verbes] : inverse) std::sort(verbes.begin(), verbes.end());
    }
    return inverse;
}

constexpr std::size_t ChoixAuPlus = 6;

std::vector<std::string> VerbesFrancais(const TDictd* anglaisFrancais,
                                        const TDictd* francaisAnglais, std::string_view anglais) {
    // The verbs the English–French side gives come first; among them, and
    // among the others, those whose own article puts the word first.
    struct TCandidat {
        bool InverseSeul;
        std::size_t Rang;
        std::size_t Ordre;
        std::string Verbe;
    };
    std::vector<TCandidat> candidats;
    const TInverse* inverse = francaisAnglais != nullptr ? &Inverse(*francaisAnglais) : nullptr;
    const auto rang = [&](std::string_view v) {
        std::size_t r = SIZE_MAX;
        if (inverse == nullptr) return r;
        if (const auto i = inverse->find(anglais); i != inverse->end())
            for (const auto& [n, verbe] : i->second)
                if (verbe == v) r = std::min(r, n);
        return r;
    };
    const auto ajoute = [&](std::string v, bool inverseSeul) {
        for (const TCandidat& c : candidats)
            if (c.Verbe == v) return;
        candidats.push_back({inverseSeul, rang(v), candidats.size(), std::move(v)});
    };
    if (anglaisFrancais != nullptr)
        for (std::string_view article : anglaisFrancais->Articles(anglais))
            for (std::string& v : VerbesDeLArticle(article, francaisAnglais))
                ajoute(std::move(v), false);
    if (inverse != nullptr)
        if (const auto i = inverse->find(anglais); i != inverse->end())
            for (const auto& [n, v] : i->second) ajoute(v, true);
    std::stable_sort(candidats.begin(), candidats.end(),
                     [](const TCandidat& a, const TCandidat& b) {
                         return std::tie(a.InverseSeul, a.Rang) < std::tie(b.InverseSeul, b.Rang);
                     });
    std::vector<std::string> verbes;
    for (TCandidat& c : candidats)
        if (verbes.size() < ChoixAuPlus) verbes.push_back(std::move(c.Verbe));
    return verbes;
}

bool Alternative(std::string_view alternatives, std::string_view mot) {
    while (!alternatives.empty()) {
        const std::size_t barre = alternatives.find('|');
        if (alternatives.substr(0, barre) == mot) return true;
        alternatives.remove_prefix(barre == std::string_view::npos ? alternatives.size()
                                                                   : barre + 1);
    }
    return false;
}

bool EstConsonne(char c) {
    return c >= 'a' && c <= 'z' && std::string_view("aeiou").find(c) == std::string_view::npos;
}

// The English verbs `mot` may be the `forme` of, likeliest first.
std::vector<std::string> Lemmes(std::string_view mot, TFormeAnglaise forme, bool sujet) {
    std::vector<std::string> l;
    const auto sans = [&](std::size_t n, std::string_view ajout = {}) {
        if (mot.size() > n + 1)
            l.push_back(std::string(mot.substr(0, mot.size() - n)) + std::string(ajout));
    };
    // "stopped", "running": the doubled consonant is one.
    const auto sansDouble = [&](std::size_t n) {
        if (mot.size() > n + 2 && mot[mot.size() - n - 1] == mot[mot.size() - n - 2] &&
            EstConsonne(mot[mot.size() - n - 1]))
            l.push_back(std::string(mot.substr(0, mot.size() - n - 1)));
    };
    switch (forme) {
        case TFormeAnglaise::Base:
            l.emplace_back(mot);
            if (sujet) {
                if (FinitPar(mot, "ies")) sans(3, "y");
                if (FinitPar(mot, "es")) sans(2);
                if (FinitPar(mot, "s")) sans(1);
            }
            break;
        case TFormeAnglaise::Passe:
        case TFormeAnglaise::Participe:
            for (const anglais::TIrregulier& v : anglais::Irreguliers())
                if (Alternative(forme == TFormeAnglaise::Passe ? v.Passe : v.Participe, mot))
                    l.emplace_back(v.Base);
            if (FinitPar(mot, "ied")) sans(3, "y");
            if (FinitPar(mot, "ed")) {
                sansDouble(2);
                sans(2);
                sans(1);
            }
            break;
        case TFormeAnglaise::Progressif:
            if (FinitPar(mot, "ying")) sans(4, "ie");
            if (FinitPar(mot, "ing")) {
                sansDouble(3);
                sans(3);
                sans(3, "e");
            }
            break;
    }
    return l;
}

std::vector<std::string> Mots(std::string_view texte) {
    std::vector<std::string> mots;
    std::string mot;
    const auto fin = [&] {
        if (mot.empty()) return;
        mots.push_back(std::move(mot));
        mot.clear();
    };
    for (std::size_t i = 0; i < texte.size(); ++i) {
        const char c = texte[i];
        if (texte.substr(i, 3) == "\u2019") {  // ’
            mot += '\'';
            i += 2;
        } else if (c >= 'A' && c <= 'Z') {
            mot += static_cast<char>(c - 'A' + 'a');
        } else if ((c >= 'a' && c <= 'z') || c == '\'' || c == '-') {
            mot += c;
        } else if (c == ' ' || c == '\t' || c == '?' || c == '!' || c == '.' || c == ',') {
            fin();
        } else {
            return {};  // digits, accents, other scripts: not English as read here
        }
    }
    fin();
    return mots;
}

// The readings of the short forms: "she's eaten" is both "she is eaten"
// and "she has eaten"; "didn't" is "did" plus the negation.
void Developpe(std::vector<std::string> mots, std::size_t depuis, bool negation,
               std::vector<std::pair<std::vector<std::string>, bool>>& lectures) {
    for (std::size_t i = depuis; i < mots.size(); ++i) {
        const std::string mot = mots[i];
        if (mot == "not") {
            mots.erase(mots.begin() + static_cast<std::ptrdiff_t>(i));
            return Developpe(std::move(mots), i, true, lectures);
        }
        if (mot == "let's") continue;
        for (const anglais::TNegation& n : anglais::NegationsIrregulieres)
            if (mot == n.Forme) {
                mots[i] = n.Verbe;
                return Developpe(std::move(mots), i + 1, true, lectures);
            }
        if (FinitPar(mot, "n't") && mot.size() > 3) {
            mots[i] = mot.substr(0, mot.size() - 3);
            return Developpe(std::move(mots), i + 1, true, lectures);
        }
        for (const anglais::TContraction& c : anglais::Contractions)
            if (FinitPar(mot, c.Fin) && mot.size() > c.Fin.size()) {
                for (std::string_view m : c.Mots) {
                    if (m.empty()) continue;
                    std::vector<std::string> autre = mots;
                    autre[i] = mot.substr(0, mot.size() - c.Fin.size());
                    autre.insert(autre.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                                 std::string(m));
                    Developpe(std::move(autre), i + 2, negation, lectures);
                }
                return;
            }
    }
    lectures.emplace_back(std::move(mots), negation);
}

}  // namespace

std::vector<std::string> GlossesAnglaises(const TDictd& francaisAnglais,
                                          std::string_view infinitif) {
    std::vector<std::string_view> articles = francaisAnglais.Articles(infinitif);
    if (articles.empty() && !SansPronom(infinitif).empty())
        articles = francaisAnglais.Articles(SansPronom(infinitif));
    std::vector<std::string> glosses;
    for (std::string_view texte : articles) {
        const TArticle a = LitArticle(texte);
        if (!EstVerbe(a)) continue;
        for (const auto& sens : a.Sens)
            for (std::string_view mot : sens) {
                std::string g =
                    mot.substr(0, 3) == "to " ? std::string(mot) : "to " + std::string(mot);
                if (std::find(glosses.begin(), glosses.end(), g) == glosses.end())
                    glosses.push_back(std::move(g));
            }
    }
    return glosses;
}

std::vector<std::string> GlossesAnglaises(std::string_view infinitif) {
    const TDictd* d = DictionnaireFrancaisAnglais();
    return d == nullptr ? std::vector<std::string>{} : GlossesAnglaises(*d, infinitif);
}

std::vector<TChoixAnglais> RechercheAnglaise(const TDictd* anglaisFrancais,
                                             const TDictd* francaisAnglais,
                                             std::string_view texte) {
    std::vector<TChoixAnglais> choix;
    if (anglaisFrancais == nullptr && francaisAnglais == nullptr) return choix;
    std::vector<std::string> mots = Mots(texte);
    if (mots.empty() || mots.size() > 6) return choix;
    std::vector<std::pair<std::vector<std::string>, bool>> lectures;
    Developpe(std::move(mots), 0, false, lectures);
    for (const auto& [lus, negation] : lectures) {
        const anglais::TSujet* sujet = nullptr;
        for (const anglais::TSujet& s : anglais::Sujets)
            if (s.Mot == lus.front()) sujet = &s;
        for (const anglais::TMotif& motif : anglais::Motifs) {
            if (motif.Sujet != (sujet != nullptr)) continue;
            std::size_t i = sujet != nullptr ? 1 : 0;
            bool va = true;
            for (std::string_view aux : motif.Auxiliaires) {
                if (aux.empty()) break;
                va = va && i < lus.size() && Alternative(aux, lus[i]);
                ++i;
            }
            if (!va || i + 1 != lus.size()) continue;
            for (const std::string& lemme : Lemmes(lus[i], motif.Forme, sujet != nullptr)) {
                const std::vector<std::string> verbes =
                    VerbesFrancais(anglaisFrancais, francaisAnglais, lemme);
                for (const std::string& v : verbes)
                    for (std::size_t n = 0; n < motif.Cellules.size(); ++n) {
                        const std::string_view cellule = motif.Cellules[n];
                        if (cellule.empty() && n > 0) break;
                        TChoixAnglais c;
                        c.Infinitif = v;
                        c.Anglais = lemme;
                        c.Cellule = cellule;
                        c.Personne = sujet != nullptr ? sujet->Personne : motif.Personne;
                        c.Feminin = sujet != nullptr && sujet->Feminin;
                        c.Negation = negation;
                        c.Note = motif.Note != TNoteAnglaise::Aucune ? motif.Note
                                 : sujet != nullptr                  ? sujet->Note
                                                                     : TNoteAnglaise::Aucune;
                        const bool vu =
                            std::any_of(choix.begin(), choix.end(), [&](const TChoixAnglais& d) {
                                return d.Infinitif == c.Infinitif && d.Cellule == c.Cellule &&
                                       d.Personne == c.Personne && d.Negation == c.Negation;
                            });
                        if (!vu) choix.push_back(std::move(c));
                    }
                if (!verbes.empty()) break;  // the likeliest English verb the dictionaries know
            }
        }
    }
    return choix;
}

std::vector<TChoixAnglais> RechercheAnglaise(std::string_view texte) {
    return RechercheAnglaise(DictionnaireAnglaisFrancais(), DictionnaireFrancaisAnglais(), texte);
}

bool CommenceCommeDeLAnglais(std::string_view texte) {
    const std::size_t blanc = texte.find(' ');
    if (blanc == std::string_view::npos) return false;
    std::string premier(texte.substr(0, blanc));
    for (char& c : premier)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (premier == "to" || premier == "let's") return true;
    return std::any_of(anglais::Sujets.begin(), anglais::Sujets.end(),
                       [&](const anglais::TSujet& s) { return s.Mot == premier; });
}

bool PeutEtreAnglais(std::string_view mot, bool (*anglais)(std::string_view)) {
    // Letter groups of English that French verbs' spelling has not ("th"
    // and "sh" it has: sympathiser, déshabiller).
    constexpr std::array<std::string_view, 7> Groupes = {"ck", "oo", "ee", "w", "gh", "tch", "ea"};
    for (std::string_view g : Groupes)
        if (mot.find(g) != std::string_view::npos) return true;
    if (anglais == nullptr) return false;
    if (anglais(mot)) return true;
    for (std::string_view fin :
         {std::string_view("er"), std::string_view("ir"), std::string_view("re")})
        if (FinitPar(mot, fin) && mot.size() > fin.size() + 2 &&
            anglais(mot.substr(0, mot.size() - fin.size())))
            return true;
    return false;
}

}  // namespace florimot
