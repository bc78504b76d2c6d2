// The engine's models, each named once: what conjugation books call it, the
// plan it draws, the letters that choose it, and what the lexicon learns from
// it to guess the verb of a form no dictionary knows.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>
#include <utility>

#include "modeles.hpp"

namespace florimot {

struct TModeleInscrit {
    // The verb conjugation books name the model by ("placer").
    std::string_view Type;
    Modele Plan;
    // The group whose dispatch reads Choix; 0 for any (avoir, être).
    std::uint8_t Groupe;
    // What chooses the model, blank-separated: endings, or a whole verb after
    // "=". The longest ending that fits wins. A model no text chooses is
    // reached otherwise: by the spelling or the series asked for, or as its
    // group's default.
    std::string_view Choix;
    // Verbs whose forms show every tail the model puts after the letters they
    // share with their infinitive.
    std::string_view Exemples;
    // Where those infinitives are cut for that: the letters the forms may change.
    std::string_view Coupes;
};

inline constexpr TModeleInscrit Registre[] = {
    // avoir and être, whatever their group
    {"avoir", ModeleAvoir, 0, "=avoir", "", ""},
    {"être", ModeleEtre, 0, "=être", "", ""},
    // First group: the dispatch falls back on lever, céder or parler by the
    // vowel before the last consonants.
    // jogger: the g stays hard before a, o (nous joggons); grasseyer, faseyer
    // keep their y everywhere.
    {"parler", ModeleEr, 1, "gger eyer", "parler grasseyer arriver créer crier jouer tomber",
     "er yer"},
    {"appeler", ModeleAppeler, 1, "eler eter", "appeler jeter acheter geler", "er"},
    {"lever", ModeleLever, 1, "", "lever semer", "er"},
    {"céder", ModeleCeder, 1, "", "céder régler célébrer", "er"},
    {"placer", ModeleCer, 1, "cer", "placer", "cer"},
    {"manger", ModeleGer, 1, "ger", "manger", "er"},
    {"nettoyer", ModeleYer, 1, "yer", "payer nettoyer essuyer", "yer oyer"},
    // Only envoyer and renvoyer have the futur enverrai; convoyer is regular.
    {"envoyer", ModeleVoyer, 1, "envoyer", "envoyer", "oyer"},
    {"protéger", ModeleEger, 1, "éger", "protéger", "er"},
    {"protéger", ModeleEgerRectifie, 1, "", "", ""},
    {"placer", ModeleCerRectifie, 1, "", "", ""},
    // Second group: finir unless an ending chooses.
    {"finir", ConjugueDeuxiemeGroupe, 2, "", "finir", "ir"},
    {"haïr", ModeleHair, 2, "=haïr", "haïr", "ïr"},
    // Third group: a word no ending chooses has no form.
    {"prendre", ModelePrendre, 3, "prendre", "prendre", "endre"},
    // répondre and the other verbs in -ondre go like rendre; only -aindre,
    // -eindre and -oindre take gn.
    {"rendre", ModeleAndre, 3, "andre endre ondre dre", "rendre répondre perdre", "endre ndre dre"},
    {"peindre", ModeleNdre, 3, "ndre", "peindre joindre craindre", "ndre"},
    {"absoudre", ModeleSoudre, 3, "soudre", "résoudre absoudre", "udre"},
    {"absoudre", ModeleSoudreRectifie, 3, "", "", ""},
    {"coudre", ModeleCoudre, 3, "coudre", "coudre", "udre"},
    {"moudre", ModeleMoudre, 3, "moudre", "moudre", "udre"},
    {"rompre", ModeleRompre, 3, "rompre", "rompre", "re"},
    {"battre", ModeleBattre, 3, "battre", "battre", "tre"},
    {"mettre", ModeleMettre, 3, "mettre", "mettre", "ettre"},
    {"faire", ModeleFaire, 3, "faire", "faire", "aire"},
    // traire, braire, raire: je brais, nous rayons.
    {"traire", ModeleTraire, 3, "raire", "traire", "aire"},
    {"foutre", ModeleFoutre, 3, "foutre", "", ""},
    {"vaincre", ModeleCre, 3, "cre", "vaincre", "cre"},
    // taire: je tus, j'ai tu.
    {"plaire", ModelePlaire, 3, "plaire taire", "plaire taire", "aire"},
    // connaître and its kin go like paraître, not like naître; each -aître
    // and -oître ending has its rectified spelling beside it (connaitre).
    {"naître", ModeleNaitre, 3, "=naître =renaître =naitre =renaitre", "naître", "aître ître"},
    {"repaître", ModeleRepaitre, 3, "repaître repaitre", "repaître", "aître"},
    {"paître", ModelePaitre, 3, "paître paitre", "paître", "aître"},
    {"paraître", ModeleAitre, 3, "aître aitre", "connaître apparaître", "aître"},
    {"accroître", ModeleOitre, 3, "oître oitre", "croître accroître", "oître"},
    {"croire", ModeleCroire, 3, "croire", "croire", "oire"},
    {"boire", ModeleBoire, 3, "boire", "boire", "oire"},
    {"clore", ModeleClore, 3, "clore", "clore éclore", "ore"},
    {"conclure", ModeleClure, 3, "clure", "conclure", "ure"},
    {"suivre", ModeleSuivre, 3, "suivre", "suivre", "ivre vre"},
    {"vivre", ModeleVivre, 3, "vivre", "vivre", "ivre"},
    {"lire", ModeleLire, 3, "lire", "lire", "ire"},
    {"dire", ModeleDire, 3, "dire", "dire", "ire"},
    {"écrire", ModeleEcrire, 3, "crire", "écrire", "ire"},
    {"rire", ModeleRire, 3, "rire", "rire", "ire"},
    {"conduire", ModeleUire, 3, "uire", "conduire", "ire"},
    // inscrire and the other verbs in -crire go like écrire; frire is a
    // defective verb of this model, not a kin of rire.
    {"suffire", ModeleIre, 3, "frire ire", "suffire frire", "ire"},
    {"recevoir", ModeleCevoir, 3, "cevoir", "recevoir", "cevoir"},
    {"pourvoir", ModeleOurvoir, 3, "ourvoir", "pourvoir", "oir"},
    {"savoir", ModeleSavoir, 3, "savoir", "savoir", "avoir"},
    {"devoir", ModeleDevoir, 3, "devoir", "devoir", "evoir"},
    {"pouvoir", ModelePouvoir, 3, "pouvoir", "pouvoir", "ouvoir"},
    {"pouvoir", ModelePouvoirPuis, 3, "", "", ""},
    {"mouvoir", ModeleMouvoir, 3, "mouvoir", "mouvoir", "ouvoir"},
    // chaloir is valoir's kin (il chaut, like il vaut), of which only that
    // form is left.
    {"valoir", ModeleValoir, 3, "valoir =chaloir", "valoir", "loir"},
    {"vouloir", ModeleVouloir, 3, "vouloir", "vouloir", "ouloir"},
    {"asseoir", ModeleAsseoir, 3, "asseoir", "asseoir", "eoir"},
    {"assoir", ModeleAssoir, 3, "assoir sursoir", "", ""},
    {"asseoir", ModeleAsseoirIe, 3, "", "", ""},
    {"asseoir", ModeleAssoirIe, 3, "", "", ""},
    {"apparoir", ModeleApparoir, 3, "=apparoir", "", ""},
    {"surseoir", ModeleSurseoir, 3, "surseoir", "surseoir", "eoir"},
    {"choir", ModeleChoir, 3, "choir", "choir", "oir"},
    {"voir", ModeleVoir, 3, "voir", "voir", "oir"},
    {"pleuvoir", ModelePleuvoir, 3, "pleuvoir", "pleuvoir", "euvoir"},
    {"falloir", ModeleFalloir, 3, "falloir", "falloir", "lloir"},
    {"seoir", ModeleSeoir, 3, "seoir", "seoir", "eoir"},
    {"échoir", ModeleEchoir, 3, "échoir", "échoir", "oir"},
    {"venir", ModeleEnir, 3, "enir", "venir tenir", "enir"},
    {"acquérir", ModeleErir, 3, "érir", "acquérir", "érir"},
    {"vêtir", ModeleVetir, 3, "vêtir", "vêtir", "tir"},
    {"sentir", ModeleTir, 3, "tir", "sentir partir mentir sortir", "tir"},
    {"ouvrir", ModeleVrir, 3, "vrir frir", "ouvrir offrir", "rir"},
    {"cueillir", ModeleEillir, 3, "eillir", "cueillir", "illir"},
    {"bouillir", ModeleOuillir, 3, "ouillir", "bouillir", "illir"},
    {"dormir", ModeleOrmir, 3, "ormir", "dormir", "mir"},
    {"servir", ModeleErvir, 3, "ervir", "servir", "vir"},
    {"fuir", ModeleFuir, 3, "fuir", "fuir", "ir"},
    {"assaillir", ModeleAillir, 3, "aillir", "assaillir faillir", "illir"},
    {"courir", ModeleOurir, 3, "ourir", "courir mourir", "ourir"},
    {"gésir", ModeleGesir, 3, "gésir", "gésir", "ésir"},
    {"ouïr", ModeleOuir, 3, "=ouïr", "ouïr", "uïr"},
    {"aller", ModeleAller, 3, "=aller", "", ""},
};

// The words of a blank-separated list, one after another.
template <class F>
constexpr void ChaqueMot(std::string_view liste, F f) {
    while (!liste.empty()) {
        const std::size_t blanc = std::min(liste.find(' '), liste.size());
        if (blanc > 0) f(liste.substr(0, blanc));
        liste.remove_prefix(std::min(blanc + 1, liste.size()));
    }
}

struct TRegle {
    std::string_view Texte;
    bool MotEntier;  // the whole verb, not its ending
    Modele Plan;
};

constexpr std::size_t NombreRegles(std::uint8_t groupe) {
    std::size_t n = 0;
    for (const TModeleInscrit& m : Registre)
        if (m.Groupe == groupe) ChaqueMot(m.Choix, [&](std::string_view) { ++n; });
    return n;
}

// A group's rules in the order they are tried, built while compiling: the
// whole verbs, then the endings from the longest, so that an ending is tried
// before every shorter ending it contains ("prendre" before "endre", "crire"
// before "rire").
template <std::uint8_t Groupe>
constexpr auto Regles() {
    std::array<TRegle, NombreRegles(Groupe)> regles{};
    std::size_t n = 0;
    for (const TModeleInscrit& m : Registre)
        if (m.Groupe == Groupe)
            ChaqueMot(m.Choix, [&](std::string_view mot) {
                const bool entier = mot.front() == '=';
                if (entier) mot.remove_prefix(1);
                regles[n++] = {mot, entier, m.Plan};
            });
    const auto avant = [](const TRegle& a, const TRegle& b) {
        if (a.MotEntier != b.MotEntier) return a.MotEntier;
        return a.Texte.size() > b.Texte.size();
    };
    // Insertion sort: stable, and the lists are short.
    for (std::size_t i = 1; i < regles.size(); ++i)
        for (std::size_t j = i; j > 0 && avant(regles[j], regles[j - 1]); --j)
            std::swap(regles[j], regles[j - 1]);
    return regles;
}

template <std::uint8_t Groupe>
constexpr auto ReglesDuGroupe = Regles<Groupe>();

// The dispatch reads the third byte from the end of every ending first.
constexpr bool FinsDeTroisOctets() {
    bool court = false;
    for (const TModeleInscrit& m : Registre)
        ChaqueMot(m.Choix, [&](std::string_view mot) {
            court = court || (mot.front() != '=' && mot.size() < 3);
        });
    return !court;
}
static_assert(FinsDeTroisOctets());

// The model the registry's endings or whole verbs choose for a verb of this
// group (0: the verbs chosen whatever their group); null when none does.
// Inline, so that the scan of the rules is compiled with them.
template <std::uint8_t Groupe>
inline Modele ChoisitDansRegistre(const TVerbe& verbe) {
    const std::string_view mot = verbe.MotVue();
    for (const TRegle& r : ReglesDuGroupe<Groupe>) {
        if (r.MotEntier) {
            if (mot == r.Texte) return r.Plan;
            continue;
        }
        // Most endings differ from the word in their third byte from the end
        // (parler: cer, ger, yer …): one load rejects them.
        if (mot.size() < r.Texte.size() || mot[mot.size() - 3] != r.Texte[r.Texte.size() - 3])
            continue;
        if (verbe.TerminePar(r.Texte)) return r.Plan;
    }
    return nullptr;
}

}  // namespace florimot
