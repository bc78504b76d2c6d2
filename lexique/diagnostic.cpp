// From a wrong text to the line it was meant to be: the known verbs whose
// forms are one letter or accent away from its verb word, then, of their
// grids, the lines nearest to the whole text, and what differs.
#include "diagnostic.hpp"

#include <algorithm>
#include <array>

#include "conjugaison.hpp"
#include "faits.hpp"
#include "formes_nues.hpp"
#include "interne.hpp"
#include "utf8.hpp"

namespace florimot {

namespace {

std::string Octets(std::u32string_view s) {
    std::string r;
    for (const char32_t c : s) utf8::Encode(c, r);
    return r;
}

// The letter without its accent or cedilla.
char32_t Base(char32_t c) {
    static constexpr std::u32string_view Avec = U"àâäéèêëîïôöùûüçÿ", Sans = U"aaaeeeeiioouuucy";
    static_assert(Avec.size() == Sans.size());
    const std::size_t k = Avec.find(c);
    return k == std::u32string_view::npos ? c : Sans[k];
}

bool Voyelle(char32_t c) {
    return std::u32string_view(U"aeiouy").find(Base(c)) != std::u32string_view::npos;
}

// Edits between two words, a letter for an accented one costing half a
// letter for another: "cede" is nearer "cède" than "code".
int Distance(std::u32string_view a, std::u32string_view b) {
    if (a.size() > b.size() + 3 || b.size() > a.size() + 3) return 100;
    std::vector<int> avant(b.size() + 1), ici(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) avant[j] = int(2 * j);
    for (std::size_t i = 1; i <= a.size(); ++i) {
        ici[0] = int(2 * i);
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const int change = a[i - 1] == b[j - 1] ? 0 : Base(a[i - 1]) == Base(b[j - 1]) ? 1 : 4;
            // An e after g (mangeons) or a consonant doubled (appelle)
            // left out is a spelling rule missed: half an edit.
            const bool regle = j >= 2 && ((b[j - 1] == U'e' && b[j - 2] == U'g') ||
                                          (b[j - 1] == b[j - 2] && !Voyelle(b[j - 1])));
            ici[j] = std::min({avant[j] + 2, ici[j - 1] + (regle ? 1 : 2), avant[j - 1] + change});
        }
        std::swap(avant, ici);
    }
    return avant[b.size()];
}

std::vector<std::string> Mots(std::string_view texte) {
    std::vector<std::string> mots;
    while (!texte.empty()) {
        const std::size_t blanc = texte.find(' ');
        if (blanc != 0) mots.emplace_back(texte.substr(0, blanc));
        if (blanc == std::string_view::npos) break;
        texte.remove_prefix(blanc + 1);
    }
    return mots;
}

// The verb word inside a written word: after its elided pronoun, before
// an inverted one ("j'apelle", "parles-tu").
std::string_view Noyau(std::string_view mot) {
    if (const std::size_t a = mot.rfind('\''); a != std::string_view::npos)
        mot.remove_prefix(a + 1);
    if (const std::size_t t = mot.find('-'); t != std::string_view::npos && t > 0)
        mot = mot.substr(0, t);
    return mot;
}

// Whether `mot` is a word of avoir's (or être's) before a participle: one of
// its simple forms, the engine's own, or its infinitive (avoir parlé).
bool DeAuxiliaire(std::string_view mot, bool etre) {
    if (mot == (etre ? "être" : "avoir")) return true;
    for (int slot = 1; slot <= NombreSlots; ++slot)
        if (slot != SlotParticipePasse && FormeDeAuxiliaire(etre, slot) == mot) return true;
    return false;
}

// Whether the two words are avoir's and être's forms of one tense and person
// (tu aies, tu sois).
bool MemeTempsEtPersonne(std::string_view avoir, std::string_view etre) {
    if (avoir == "avoir") return etre == "être";
    for (int slot = 1; slot <= NombreSlots; ++slot)
        if (slot != SlotParticipePasse && FormeDeAuxiliaire(false, slot) == avoir &&
            FormeDeAuxiliaire(true, slot) == etre)
            return true;
    return false;
}

bool Parmi(std::string_view mot, const auto& formes) {
    return std::find(formes.begin(), formes.end(), mot) != formes.end();
}

// The known verbs one of whose forms is `mot` or one edit away from it: a
// letter dropped, doubled, given or robbed of its accent or cedilla, an e
// after g, or another letter among the last three (the ending).
std::vector<std::string> VerbesProches(std::string_view mot) {
    std::vector<std::string> verbes;
    const auto essaie = [&](std::string_view forme) {
        for (const TAnalyse& a : lexique::LecturesIndex(forme))
            if (a.Connu && std::find(verbes.begin(), verbes.end(), a.Infinitif) == verbes.end())
                verbes.push_back(a.Infinitif);
    };
    essaie(mot);
    if (!verbes.empty()) return verbes;
    const std::u32string m = utf8::Points(mot);
    if (m.size() < 2 || m.size() > lexique::LettresMax) return verbes;
    static constexpr std::u32string_view Accentuees = U"àâéèêëîïôûùç";
    static constexpr std::u32string_view Fins = U"aeiostxzr";
    for (std::size_t i = 0; i < m.size(); ++i) {
        std::u32string v = m;
        v.erase(i, 1);
        essaie(Octets(v));
        v = m;
        v.insert(i, 1, m[i]);
        essaie(Octets(v));
        for (const char32_t a : Accentuees)
            if (Base(a) == Base(m[i]) && a != m[i]) {
                v = m;
                v[i] = a;
                essaie(Octets(v));
            }
        if (Base(m[i]) != m[i]) {
            v = m;
            v[i] = Base(m[i]);
            essaie(Octets(v));
        }
        if (m[i] == U'g') {
            v = m;
            v.insert(i + 1, 1, U'e');
            essaie(Octets(v));
        }
        if (i + 3 >= m.size())
            for (const char32_t f : Fins) {
                v = m;
                v[i] = f;
                if (v != m) essaie(Octets(v));
                v = m;
                v.insert(i + 1, 1, f);
                essaie(Octets(v));
            }
    }
    return verbes;
}

struct TCandidat {
    int Cout = 0;
    int Brut = 0;            // the edits themselves, between candidates of one cost
    std::u32string Radical;  // the infinitive's head: "fin" of finir
    std::string Correct;
    std::string Infinitif;
    std::vector<TLecture> Lectures;
    std::u32string EcritMot, CorrectMot;  // the words that differ, the verb's
    bool Auxiliaire = false;              // an auxiliary of one verb for the other's
    std::string AuxiliaireCorrect;
};

// What the words that differ say is wrong.
void Qualifie(const TCandidat& c, TDiagnostic& d) {
    if (c.Auxiliaire) {
        d.Faute = TFaute::Auxiliaire;
        d.Detail = c.AuxiliaireCorrect;
        return;
    }
    const std::u32string& e = c.EcritMot;
    const std::u32string& k = c.CorrectMot;
    const bool participe = std::any_of(c.Lectures.begin(), c.Lectures.end(), [](const TLecture& l) {
        const TCellule* cel = lexique::Cherche(l.Cellule);
        return l.Cellule == lexique::PartPasse || l.Options.Passif ||
               (cel != nullptr && EstCompose(*cel));
    });
    const auto accord = [](std::u32string_view plus, std::u32string_view moins) {
        if (!plus.starts_with(moins) || plus.size() == moins.size()) return false;
        const std::u32string_view fin = plus.substr(moins.size());
        return fin == U"e" || fin == U"s" || fin == U"es";
    };
    if (participe && accord(e, k)) {
        d.Faute = TFaute::AccordEnTrop;
        return;
    }
    if (participe && accord(k, e)) {
        d.Faute = TFaute::AccordManquant;
        return;
    }
    if (e.size() == k.size()) {
        bool memesBases = true;
        for (std::size_t i = 0; i < e.size(); ++i)
            memesBases = memesBases && Base(e[i]) == Base(k[i]);
        if (memesBases) {
            for (std::size_t i = 0; i < e.size(); ++i)
                if (e[i] != k[i]) {
                    d.Faute = k[i] == U'ç' ? TFaute::Cedille : TFaute::Accent;
                    d.Detail = Octets(std::u32string(1, k[i]));
                    return;
                }
        }
    }
    // One letter more in the right word: an e after g, or a consonant doubled.
    const auto unDePlus = [](std::u32string_view plus, std::u32string_view moins, std::size_t& ou) {
        if (plus.size() != moins.size() + 1) return false;
        std::size_t i = 0;
        while (i < moins.size() && plus[i] == moins[i]) ++i;
        ou = i;
        return plus.substr(i + 1) == moins.substr(i);
    };
    std::size_t ou = 0;
    if (unDePlus(k, e, ou)) {
        if (k[ou] == U'e' && ou > 0 && k[ou - 1] == U'g') {
            d.Faute = TFaute::GeDevantAO;
            return;
        }
        // The extra letter may be either of the pair: "apelle" lacks the p
        // of "appelle" wherever it is counted.
        if (!Voyelle(k[ou]) &&
            ((ou > 0 && k[ou - 1] == k[ou]) || (ou + 1 < k.size() && k[ou + 1] == k[ou]))) {
            d.Faute = TFaute::Consonne;
            d.Detail = Octets(std::u32string(2, k[ou]));
            return;
        }
    }
    if (unDePlus(e, k, ou) && !Voyelle(e[ou]) &&
        ((ou > 0 && e[ou - 1] == e[ou]) || (ou + 1 < e.size() && e[ou + 1] == e[ou]))) {
        d.Faute = TFaute::Consonne;
        d.Detail = Octets(std::u32string(1, e[ou]));
        return;
    }
    // The same head, another ending: the ending is said from the vowels
    // before the first letter that differs.
    std::size_t commun = 0;
    while (commun < e.size() && commun < k.size() && e[commun] == k[commun]) ++commun;
    // The ending from the vowels before the first letter that differs (-ais
    // of finissais), else all that follows the infinitive's head.
    if (commun >= 2 && commun < k.size() && k.size() - commun <= 3 && e.size() - commun <= 3) {
        std::size_t debut = commun;
        while (debut > 0 && Voyelle(k[debut - 1])) --debut;
        d.Faute = TFaute::Terminaison;
        d.Detail = Octets(std::u32string_view(k).substr(debut));
        return;
    }
    if (c.Radical.size() >= 2 && commun >= c.Radical.size() && k.size() > c.Radical.size()) {
        d.Faute = TFaute::Terminaison;
        d.Detail = Octets(std::u32string_view(k).substr(c.Radical.size()));
        return;
    }
    d.Faute = TFaute::Orthographe;
}

// The words a line keeps whatever its verb: its subject, its pronouns, its
// negation. The one who wrote them meant them.
constexpr std::array<std::string_view, 17> PetitsMots = {
    "je", "tu", "il", "elle", "on", "nous", "vous", "ils", "elles",
    "me", "te", "se", "que",  "ne", "pas",  "en",   "y"};

// Compares the written words with a line's: the cost of the nearest, or
// -1 when the line has other words, differs in more than its verb's word
// and an auxiliary, or in its subject. A wrong ending after the verb's
// whole head counts as one mistake however many letters it takes.
int Compare(const std::vector<std::string>& ecrits, std::string_view ligne, TCandidat& c) {
    const std::vector<std::string> mots = Mots(ligne);
    if (mots.size() != ecrits.size()) return -1;
    int cout = 0;
    bool vu = false;
    for (std::size_t i = 0; i < mots.size(); ++i) {
        if (mots[i] == ecrits[i]) continue;
        const std::string_view e = Noyau(ecrits[i]), k = Noyau(mots[i]);
        // An elided pronoun is kept too, the auxiliary's as the verb's (j'apelle
        // is no t'appelle, j'aie allé no sois allé).
        if (ecrits[i].size() - e.size() != mots[i].size() - k.size() ||
            std::string_view(ecrits[i]).substr(0, ecrits[i].size() - e.size()) !=
                std::string_view(mots[i]).substr(0, mots[i].size() - k.size()))
            return -1;
        const bool versEtre = DeAuxiliaire(e, false) && DeAuxiliaire(k, true);
        if (versEtre || (DeAuxiliaire(e, true) && DeAuxiliaire(k, false))) {
            // The other auxiliary in the same tense and person only.
            if (!(versEtre ? MemeTempsEtPersonne(e, k) : MemeTempsEtPersonne(k, e))) return -1;
            cout += 2;
            c.Auxiliaire = true;
            c.AuxiliaireCorrect = versEtre ? "être" : "avoir";
            continue;
        }
        if (vu || Parmi(ecrits[i], PetitsMots) || Parmi(mots[i], PetitsMots)) return -1;
        const std::u32string pe = utf8::Points(e), pk = utf8::Points(k);
        int d = Distance(pe, pk);
        c.Brut += d;
        if (c.Radical.size() >= 2 && pe.starts_with(c.Radical) && pk.starts_with(c.Radical))
            d = std::min(d, 3);
        if (d > 4) return -1;
        cout += d;
        c.EcritMot = pe;
        c.CorrectMot = pk;
        vu = true;
    }
    if (!vu && !c.Auxiliaire) return cout == 0 ? 0 : -1;
    return cout;
}

}  // namespace

std::vector<TDiagnostic> Diagnostique(std::string_view texte) {
    std::vector<TDiagnostic> diagnostics;
    const lexique::TTexteLu lu = lexique::Canonique(texte);
    const std::vector<std::string> ecrits = Mots(lu.Texte);
    if (ecrits.empty() || ecrits.size() > 12) return diagnostics;
    // One word: only one the dictionary does not know (a noun close to a
    // form, bouton, is no wrong form). A line: only one that starts as a
    // line does, with its subject or que.
    const bool mot = ecrits.size() == 1 && ecrits[0].find_first_of("'-") == std::string::npos;
    if (mot) {
        bool connu = false;
        lexique::LecturesIndex(ecrits[0], &connu);
        if (connu) return diagnostics;
    } else {
        static constexpr std::string_view Debuts[] = {"je",   "tu",  "il",    "elle", "on", "nous",
                                                      "vous", "ils", "elles", "que",  "ne"};
        static constexpr std::string_view Elisions[] = {"j'", "qu'", "n'", "m'", "t'", "s'"};
        const std::string& premier = ecrits[0];
        const bool sujet =
            std::find(std::begin(Debuts), std::end(Debuts), premier) != std::end(Debuts) ||
            std::any_of(std::begin(Elisions), std::end(Elisions),
                        [&](std::string_view e) { return premier.starts_with(e); }) ||
            premier.find('-') != std::string::npos;
        if (!sujet) return diagnostics;
    }
    const std::string_view verbe = Noyau(ecrits.back());
    std::vector<std::string> infinitifs = VerbesProches(verbe);
    // A compound line's verb is its participle; the auxiliary's verb is
    // not the one meant.
    if (infinitifs.size() > 6) infinitifs.resize(6);
    const auto reflechi = [&] {
        for (std::size_t i = 0; i + 1 < ecrits.size(); ++i)
            for (std::string_view p : {"me", "te", "se", "nous", "vous"})
                if (ecrits[i] == p && (p.size() == 2 || (i > 0 && ecrits[i - 1] == p))) return true;
        return std::any_of(ecrits.begin(), ecrits.end(), [](const std::string& m) {
            return m.starts_with("m'") || m.starts_with("t'") || m.starts_with("s'");
        });
    }();
    std::vector<TOptions> options = {{}, {.Feminin = true}};
    const bool negation = std::find(ecrits.begin(), ecrits.end(), "ne") != ecrits.end() ||
                          std::any_of(ecrits.begin(), ecrits.end(),
                                      [](const std::string& m) { return m.starts_with("n'"); });
    for (TOptions& o : options) {
        o.Negation = negation;
        o.Interrogation = lu.Question || lu.Texte.find('-') != std::string::npos;
    }
    std::vector<TCandidat> candidats;
    int meilleur = 1000;
    int meilleurBrut = 1000;
    const auto retient = [&](TCandidat c) {
        if (c.Cout > meilleur || (c.Cout == meilleur && c.Brut > meilleurBrut)) return;
        if (c.Cout < meilleur || c.Brut < meilleurBrut) candidats.clear();
        meilleur = c.Cout;
        meilleurBrut = c.Brut;
        for (TCandidat& k : candidats)
            if (k.Correct == c.Correct && k.Infinitif == c.Infinitif) {
                // The same line in the grid of another option (je, féminin) is no other reading.
                for (const TLecture& l : c.Lectures)
                    if (std::none_of(k.Lectures.begin(), k.Lectures.end(), [&](const TLecture& m) {
                            return m.Cellule == l.Cellule && m.Personne == l.Personne;
                        }))
                        k.Lectures.push_back(l);
                return;
            }
        candidats.push_back(std::move(c));
    };
    for (const std::string& infinitif : infinitifs) {
        // "se asseoir" is read as "s'asseoir".
        std::vector<std::string> textes = {infinitif};
        if (reflechi) textes.push_back("se " + infinitif);
        for (const std::string& t : textes) {
            TVerbe v;
            v.DefinitVerbe(t);
            if (v.DonneGroupe() == 0) continue;
            const TFaits faits = PrepareVerbe(v);
            if (!faits.Connu) continue;
            const std::string nom = v.Intitule();
            // The head the endings follow: the infinitive but -er, -ir, -re or -oir.
            std::u32string radical = utf8::Points(v.MotVue());
            radical.resize(radical.size() - std::min<std::size_t>(
                                                radical.size(), radical.ends_with(U"oir") ? 3 : 2));
            if (mot) {
                // One word: the forms of the grid, each with its readings.
                lexique::FormesDuVerbe(v, {}, [&](std::string_view forme, const TLecture& l) {
                    if (forme == ecrits[0]) {
                        meilleur = -1;  // a form of a known verb: nothing wrong
                        return;
                    }
                    TCandidat c;
                    c.Cout = c.Brut = Distance(utf8::Points(ecrits[0]), utf8::Points(forme));
                    if (c.Cout > 2) return;
                    c.Radical = radical;
                    c.Correct = forme;
                    c.Infinitif = nom;
                    c.Lectures = {l};
                    c.EcritMot = utf8::Points(ecrits[0]);
                    c.CorrectMot = utf8::Points(forme);
                    retient(std::move(c));
                });
                if (meilleur < 0) return diagnostics;
                continue;
            }
            for (const TOptions& o : options) {
                const TLignesGrille lignes = ConjugueGrille(v, o, faits);
                for (const TCellule& cel : GrilleComplete)
                    for (int p = cel.PremierePersonne; p <= cel.DernierePersonne; ++p) {
                        const std::string_view plein =
                            lignes[cel.Premier + p - cel.PremierePersonne];
                        std::string_view ligne = plein;
                        if (EstMarqueur(ligne)) continue;
                        // A question is compared without its mark, as it was read.
                        if (ligne.ends_with("?")) ligne.remove_suffix(1);
                        while (ligne.ends_with(" ")) ligne.remove_suffix(1);
                        if (ligne.ends_with("\u00a0")) ligne.remove_suffix(2);
                        TCandidat c;
                        c.Radical = radical;
                        c.Cout = Compare(ecrits, ligne, c);
                        if (c.Cout == 0) return diagnostics;  // the text is that line
                        if (c.Cout < 0) continue;
                        c.Correct = plein;
                        c.Infinitif = nom;
                        c.Lectures = {{cel.Nom, p, false, Restreint(o, TPorteeOption::Ligne)}};
                        retient(std::move(c));
                    }
            }
        }
    }
    for (const TCandidat& c : candidats) {
        if (diagnostics.size() == DiagnosticsMax) break;
        TDiagnostic d;
        d.Ecrit = lu.Texte;
        d.Correct = c.Correct;
        d.Infinitif = c.Infinitif;
        d.Lectures = c.Lectures;
        Qualifie(c, d);
        // A word alone has no person to call its ending wrong, and another
        // letter makes it as likely some other word.
        if (mot && (d.Faute == TFaute::Terminaison || d.Faute == TFaute::Orthographe)) continue;
        diagnostics.push_back(std::move(d));
    }
    return diagnostics;
}

}  // namespace florimot
