#include "verbe.hpp"

#include <algorithm>
#include <array>

#include "locutions.hpp"
#include "modeles.hpp"
#include "saisie.hpp"
#include "utf8.hpp"

namespace florimot {

namespace {

// Tabs, line ends, every other control character and every line or
// paragraph separator end a word like a blank: a word must never carry them
// into a tab-separated line or a list box.
char32_t Lisible(char32_t c) {
    return EstSeparateur(c) ? U' ' : c;
}

}  // namespace

namespace {

// Letters before which "je" becomes "j'".
bool EstVoyelle(char32_t c) {
    switch (c) {
        case U'a':
        case U'â':
        case U'à':
        case U'ä':
        case U'e':
        case U'é':
        case U'è':
        case U'ê':
        case U'ë':
        case U'i':
        case U'î':
        case U'ï':
        case U'o':
        case U'ô':
        case U'ö':
        case U'u':
        case U'û':
        case U'ù':
        case U'ü':
        case U'y':
        case U'ÿ':
        case U'œ':
        case U'æ': return true;
        default: return false;
    }
}

// Beginnings of the verbs whose h is mute (j'habite); every other h is
// aspirated (je hais, je hurle). Longest first is not needed: any match wins.
constexpr std::string_view HMuet[] = {
    "habil",     "habit",       "hallucin",   "hameçonn",   "harmonis",    "hébét",    "héberg",
    "hébraïs",   "hélitreuill", "hellénis",   "herb",       "hérit",       "hésit",    "hibern",
    "histori",   "hivern",      "homogénéi",  "homologu",   "honor",       "hormon",   "horodat",
    "horrifi",   "horripil",    "hospitalis", "huil",       "humanis",     "humect",   "humidifi",
    "humili",    "hybrid",      "hydr",       "hyperbolis", "hypertrophi", "hypnotis", "hypostasi",
    "hypothéqu", "hystéris",
};

}  // namespace

bool ElideDevant(const TVerbe& verbe, std::string_view mot) {
    if (mot.empty()) return false;
    const char32_t premiere = utf8::Decode(mot).Point;
    if (EstVoyelle(premiere)) return true;
    if (premiere != U'h') return false;
    for (std::string_view debut : HMuet)
        if (verbe.CommencePar(debut)) return true;
    return false;
}

void TText::Affecte(std::string_view texte) {
    // Blanks before the word are dropped, so that " parler" is parler and no
    // form starts with a blank; a text of nothing but blanks still gives the
    // one-blank word, which is no verb.
    std::string_view mot = texte;
    while (!mot.empty()) {
        const utf8::TDecodage d = utf8::Decode(mot);
        if (Lisible(d.Point) != U' ') {
            texte = mot;
            break;
        }
        mot.remove_prefix(d.Taille);
    }
    std::size_t octet = 0;
    std::uint8_t i = 1;
    Debut[1] = 0;
    TropLong_ = false;
    while (!texte.empty()) {
        const utf8::TDecodage d = utf8::Decode(texte);
        const char32_t c = Lisible(d.Point);
        // The first character is kept whatever it is (a blank entry gives a
        // one-blank word); after it, NUL or a blank ends the word.
        if (i > 1 && (d.Point == 0 || c == U' ')) break;
        if (i > Capacite) {
            TropLong_ = true;
            break;
        }
        if (d.Valide && c == d.Point) {
            for (std::size_t k = 0; k < d.Taille; ++k) Octets[octet++] = texte[k];
        } else {
            std::string encode;  // a blank or U+FFFD standing for what was there
            utf8::Encode(c, encode);
            for (char b : encode) Octets[octet++] = b;
        }
        Lettres[i] = c;
        texte.remove_prefix(d.Taille);
        ++i;
        Debut[i] = static_cast<std::uint16_t>(octet);
    }
    Fin = i;
}

char32_t TText::LettreFin(std::uint8_t k) const {
    if (k == 0 || k > Fin) return 0;
    return Lettres[Fin - k];
}

std::string_view TText::DroiteVue(std::uint8_t n) const {
    const std::string_view mot = MotVue();
    if (n >= Longueur()) return mot;
    return mot.substr(Debut[Fin - n]);
}

std::string_view TText::GaucheVue(std::uint8_t n) const {
    const std::string_view mot = MotVue();
    if (n >= Longueur()) return mot;
    return mot.substr(0, Debut[n + 1]);
}

namespace {

// Only a text made of these needs no normalising: small letters, the
// apostrophe, and the precomposed small letters of Latin-1 (U+00E0..U+00FF
// but ÷) and œ. The common case, kept fast.
bool DejaNormal(std::string_view texte) {
    for (std::size_t i = 0; i < texte.size(); ++i) {
        const auto c = static_cast<unsigned char>(texte[i]);
        if ((c >= 'a' && c <= 'z') || c == '\'') continue;
        if (i + 1 >= texte.size()) return false;
        const auto suite = static_cast<unsigned char>(texte[++i]);
        if (c == 0xC3 && suite >= 0xA0 && suite <= 0xBF && suite != 0xB7) continue;
        if (c == 0xC5 && suite == 0x93) continue;
        return false;
    }
    return true;
}

}  // namespace

namespace {

// A normalised text cut where the engine reads it: its pronoun, the
// infinitive, and whatever follows the infinitive, blanks aside.
struct TLecture {
    TPronom Pronom = TPronom::Aucun;
    std::string_view Verbe;  // from the infinitive on
    std::string_view Complement;
};

std::string_view SansBlancs(std::string_view texte) {
    const std::size_t debut = texte.find_first_not_of(' ');
    if (debut == std::string_view::npos) return {};
    return texte.substr(debut, texte.find_last_not_of(' ') + 1 - debut);
}

TLecture Lit(std::string_view texte) {
    TLecture l;
    std::string_view reste = texte.substr(std::min(texte.find_first_not_of(' '), texte.size()));
    // A text of blanks alone is left to Affecte, which keeps one as its word.
    l.Verbe = reste.empty() ? texte : reste;
    // "se lever", "s'asseoir", "s'en aller", "s'y prendre": the verb after its
    // pronoun. "se" or "s'en" alone is no verb: the word stays what was typed.
    TPronom pronom = TPronom::Aucun;
    if (const std::size_t debut = DebutDuVerbe(reste, &pronom); debut < reste.size()) {
        l.Pronom = pronom;
        l.Verbe = reste.substr(debut);
    }
    const std::size_t blanc = l.Verbe.find(' ', 1);
    if (blanc != std::string_view::npos) {
        l.Complement = SansBlancs(l.Verbe.substr(blanc));
        l.Verbe = l.Verbe.substr(0, blanc);
    }
    return l;
}

}  // namespace

std::size_t DebutDuVerbe(std::string_view texte, TPronom* pronom) {
    std::string_view reste = texte;
    const auto sauteBlancs = [&] {
        reste.remove_prefix(std::min(reste.find_first_not_of(' '), reste.size()));
    };
    TPronom lu = TPronom::Aucun;
    if (reste.starts_with("se ") || reste.starts_with("s'")) {
        reste.remove_prefix(reste[1] == 'e' ? 3 : 2);
        sauteBlancs();
        lu = TPronom::Se;
        if (reste.starts_with("en ") || reste.starts_with("y ")) {
            lu = reste[0] == 'e' ? TPronom::En : TPronom::Y;
            reste.remove_prefix(reste.find(' '));
            sauteBlancs();
        }
    }
    if (pronom != nullptr) *pronom = lu;
    return texte.size() - reste.size();
}

void TVerbe::DefinitVerbe(std::string_view texte) {
    std::string normal;
    if (!DejaNormal(texte)) {
        normal = NormaliseSaisie(texte);
        texte = normal;
    }
    const TLecture l = Lit(texte);
    Pronominal = l.Pronom != TPronom::Aucun;
    En = l.Pronom == TPronom::En;
    Y = l.Pronom == TPronom::Y;
    Affecte(l.Verbe);
    Locution = nullptr;
    Refuse.clear();
    // The whole text, so that a message names what was refused.
    const auto refuse = [&] {
        NumGroupe = 0;
        Etre = false;
        Sorte = TDeuxAuxiliaires::Non;
        const std::string_view lu = SansBlancs(texte);
        std::size_t lettres = 0, fin = 0;
        while (fin < lu.size() && lettres++ < EchoMax) fin += utf8::Decode(lu.substr(fin)).Taille;
        Refuse = lu.substr(0, fin);
    };
    // A verb has a stem before its ending (er, ir, re: "er" alone is none),
    // and one pronoun only ("se s'lever" is none; "se se lever" is too
    // short).
    const bool secondPronom = Pronominal && CommencePar("s'");
    if (TropLong() || Longueur() < 3 || secondPronom || !EstMotDeVerbe(MotVue())) {
        NumGroupe = 0;
        Etre = false;
        Sorte = TDeuxAuxiliaires::Non;
        if (!l.Complement.empty()) refuse();
        return;
    }
    ClasseGroupe();
    // Only a complement, s'y or s'en asks the list: the common case does not.
    Locution = l.Complement.empty() && (l.Pronom == TPronom::Aucun || l.Pronom == TPronom::Se)
                   ? nullptr
                   : TrouveLocution(l.Pronom, MotVue(), l.Complement);
    if (Locution == nullptr && (!l.Complement.empty() || Y)) refuse();
}

bool TVerbe::SansModele() const {
    return NumGroupe == 3 && !ModeleTroisiemeGroupe(*this);
}

void TVerbe::OteVerbe() {
    NumGroupe = 0;
    Etre = false;
    Sorte = TDeuxAuxiliaires::Non;
}

std::string TVerbe::Intitule() const {
    if (!Refuse.empty()) return Refuse;
    std::string texte;
    if (Pronominal)
        texte = En ? "s'en " : Y ? "s'y " : (ElideDevant(*this, MotVue()) ? "s'" : "se ");
    texte += MotVue();
    // The letters kept are not the word: the ellipsis says so.
    if (TropLong()) texte += "…";
    if (!Complement().empty()) {
        texte += ' ';
        texte += Complement();
    }
    return texte;
}

bool BlancPermisApres(std::string_view texte) {
    const std::string normal = NormaliseSaisie(texte);
    const std::string_view lu = SansBlancs(normal);
    if (lu != normal || lu.empty()) return false;  // one blank at a time
    for (std::string_view pronom : {"se", "s'", "s'en", "s'y"})
        if (lu == pronom) return true;
    const TLecture l = Lit(lu);
    return l.Complement.empty() && PrendComplement(l.Pronom, l.Verbe);
}

namespace {

struct TRegleGroupe {
    enum TGenre : std::uint8_t { Termine, Egal } Genre;
    std::string_view Texte;
    std::uint8_t Groupe;
};

// First rule that holds wins. The second-group entries come first: these
// verbs end like partir, sortir or servir but conjugate like finir, and so
// do the verbs made on asservir and assortir (réasservir, désasservir).
constexpr TRegleGroupe ReglesGroupe[] = {
    {TRegleGroupe::Egal, "répartir", 2},
    {TRegleGroupe::Egal, "impartir", 2},
    {TRegleGroupe::Termine, "assortir", 2},
    {TRegleGroupe::Egal, "désassortir", 2},
    {TRegleGroupe::Egal, "réassortir", 2},
    {TRegleGroupe::Egal, "rassortir", 2},
    {TRegleGroupe::Termine, "asservir", 2},
    {TRegleGroupe::Egal, "aller", 3},
    {TRegleGroupe::Termine, "tenir", 3},
    {TRegleGroupe::Termine, "venir", 3},
    {TRegleGroupe::Termine, "quérir", 3},
    // férir ends like the second group but was always of the third (féru).
    {TRegleGroupe::Egal, "férir", 3},
    {TRegleGroupe::Termine, "sentir", 3},
    {TRegleGroupe::Termine, "sortir", 3},
    {TRegleGroupe::Termine, "partir", 3},
    {TRegleGroupe::Termine, "vêtir", 3},
    {TRegleGroupe::Termine, "ouvrir", 3},
    {TRegleGroupe::Egal, "offrir", 3},
    {TRegleGroupe::Egal, "souffrir", 3},
    {TRegleGroupe::Egal, "ouïr", 3},
    // mentir and its family end in "tir" but are not caught by the -tir
    // words above; without these they would conjugate like finir.
    {TRegleGroupe::Egal, "mentir", 3},
    {TRegleGroupe::Egal, "démentir", 3},
    {TRegleGroupe::Egal, "repentir", 3},
    {TRegleGroupe::Termine, "cueillir", 3},
    {TRegleGroupe::Termine, "saillir", 3},
    {TRegleGroupe::Termine, "faillir", 3},
    {TRegleGroupe::Termine, "bouillir", 3},
    {TRegleGroupe::Termine, "ourir", 3},
    {TRegleGroupe::Termine, "dormir", 3},
    {TRegleGroupe::Termine, "oir", 3},
    {TRegleGroupe::Termine, "fuir", 3},
    {TRegleGroupe::Termine, "servir", 3},
    {TRegleGroupe::Termine, "re", 3},
    {TRegleGroupe::Egal, "gésir", 3},
    {TRegleGroupe::Termine, "er", 1},
    {TRegleGroupe::Egal, "haïr", 2},
    {TRegleGroupe::Egal, "amuïr", 2},
    {TRegleGroupe::Termine, "ir", 2},
};

}  // namespace

namespace {

// Whole verbs, not endings: "devenir" takes être but "convenir" does not.
constexpr std::string_view VerbesEtre[] = {
    "aller",    "arriver",  "décéder",    "devenir",   "entrer",   "intervenir", "parvenir",
    "provenir", "survenir", "advenir",    "redevenir", "revenir",  "venir",      "partir",
    "repartir", "rester",   "retomber",   "tomber",    "naître",   "renaître",   "mourir",
    "échoir",   "éclore",   "apparaître", "naitre",    "renaitre", "apparaitre",
};

}  // namespace

void TVerbe::ClasseGroupe() {
    // A verb of movement takes être in its everyday, intransitive use.
    Sorte = AuxiliairesDe(MotVue());
    Etre = Sorte == TDeuxAuxiliaires::Mouvement ||
           std::any_of(std::begin(VerbesEtre), std::end(VerbesEtre),
                       [this](std::string_view v) { return Est(v); });
    NumGroupe = GroupeDuMot(MotVue());
}

namespace {

// A text's last three bytes, or two, as one number: a rule can only hold
// for a word that ends in its own (its last two when it has two).
constexpr std::uint32_t Derniers(std::string_view s, std::size_t n) {
    std::uint32_t fin = 0;
    for (std::size_t i = s.size() < n ? 0 : s.size() - n; i < s.size(); ++i)
        fin = fin << 8 | static_cast<unsigned char>(s[i]);
    return fin;
}
constexpr std::uint32_t CleDe(std::string_view regle) {
    return Derniers(regle, regle.size() < 3 ? 2 : 3);
}
static_assert(std::none_of(std::begin(ReglesGroupe), std::end(ReglesGroupe),
                           [](const TRegleGroupe& r) { return r.Texte.size() < 2; }));

// The rules by that number in a few dozen baskets, each in the rules'
// order: a guess asks for the group of a dozen words a form, and a word is
// tried against the rules of its two baskets, not all of them. Two numbers
// may share a basket: a rule is tried only if its number is the word's.
static_assert(std::size(ReglesGroupe) <= 256, "a rule's rank is a byte");
constexpr std::size_t Paniers = 64;
constexpr std::size_t Panier(std::uint32_t cle) {
    return (cle * 2654435761u) >> 26;
}
struct TPaniers {
    std::array<std::uint32_t, std::size(ReglesGroupe)> Cles{};
    std::array<std::uint8_t, Paniers + 1> Debut{};
    std::array<std::uint8_t, std::size(ReglesGroupe)> Rangs{};
};
constexpr TPaniers ReglesParPanier = [] {
    TPaniers p;
    for (std::size_t i = 0; i < p.Cles.size(); ++i) {
        p.Cles[i] = CleDe(ReglesGroupe[i].Texte);
        ++p.Debut[Panier(p.Cles[i]) + 1];
    }
    for (std::size_t k = 1; k <= Paniers; ++k) p.Debut[k] += p.Debut[k - 1];
    std::array<std::uint8_t, Paniers + 1> suivant = p.Debut;
    for (std::size_t i = 0; i < p.Cles.size(); ++i)
        p.Rangs[suivant[Panier(p.Cles[i])]++] = static_cast<std::uint8_t>(i);
    return p;
}();
static_assert(Panier(0xFFFFFFFFu) < Paniers);

std::span<const std::uint8_t> ReglesDuPanier(std::size_t panier) {
    const TPaniers& p = ReglesParPanier;
    return {p.Rangs.data() + p.Debut[panier], p.Rangs.data() + p.Debut[panier + 1]};
}

}  // namespace

std::uint8_t GroupeDuMot(std::string_view mot) {
    if (mot.size() < 2) return 0;
    // The rules of two bytes and those of three or more never share a
    // number: the first byte of a letter is never 0.
    const std::uint32_t deux = Derniers(mot, 2), trois = mot.size() < 3 ? 0 : Derniers(mot, 3);
    const std::span<const std::uint8_t> a = ReglesDuPanier(Panier(deux));
    const std::span<const std::uint8_t> b = mot.size() < 3 || Panier(trois) == Panier(deux)
                                                ? std::span<const std::uint8_t>()
                                                : ReglesDuPanier(Panier(trois));
    // Both lists merged in the rules' order: the first rule that holds wins.
    auto i = a.begin(), j = b.begin();
    while (i != a.end() || j != b.end()) {
        const bool prendA = j == b.end() || (i != a.end() && *i < *j);
        const std::uint8_t rang = prendA ? *i++ : *j++;
        const std::uint32_t cle = ReglesParPanier.Cles[rang];
        if (cle != deux && cle != trois) continue;
        const TRegleGroupe& r = ReglesGroupe[rang];
        if (r.Genre == TRegleGroupe::Egal ? mot == r.Texte : TerminePar(mot, r.Texte))
            return r.Groupe;
    }
    return 0;
}

}  // namespace florimot
