// Writes the form index (lexique/index.hpp) of a list of verbs: every form
// the engine's grid gives each one, with its readings, and the dictionary's
// other words, with none.
//
//     genere_index <verbs> <index.bin>
//
// <verbs> is the French hunspell dictionary, or a list of infinitives, one
// a line, checked first (faits/lecture_dictionnaire.hpp). From the
// dictionary, the verbs are those of the verb facts table (VerbesConnus,
// generated from the same file), its other words are kept with no reading;
// --sans-dictionnaire gives an empty index, for a build chosen without the
// dictionary.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "faits.hpp"
#include "index.hpp"
#include "interne.hpp"
#include "lecture_dictionnaire.hpp"

namespace {

using namespace florimot;

// The dictionary's verbs: "abaisser/a0p+() po:v1_it_q__a" names abaisser. A
// line with no tag at all is a plain list's infinitive. The dictionary's
// other words ("usité/F.() po:adj") go to `autres`.
std::set<std::string> LitVerbes(const std::vector<std::string>& lignes,
                                std::set<std::string>& autres) {
    std::set<std::string> verbes;
    for (const std::string& ligne : lignes) {
        const std::size_t tag = ligne.find(" po:v");
        const bool liste = ligne.find(':') == std::string::npos;
        std::string mot = ligne.substr(0, ligne.find_first_of("/ \t\r"));
        const auto inf = lexique::Normalise(mot);
        if (!inf || *inf != mot) continue;
        if (!liste && (tag == std::string::npos || tag + 5 >= ligne.size() ||
                       ligne[tag + 5] < '0' || ligne[tag + 5] > '9')) {
            autres.insert(mot);
            continue;
        }
        TVerbe v;
        v.DefinitVerbe(mot);
        // A word the engine does not conjugate under that very name gives no
        // line of any grid.
        if (v.DonneGroupe() != 0 && v.MotVue() == mot) verbes.insert(mot);
    }
    return verbes;
}

void Ajoute(std::vector<std::uint32_t>& mots, std::string& texte, std::string_view s) {
    mots.push_back(static_cast<std::uint32_t>(texte.size()));
    mots.push_back(static_cast<std::uint32_t>(s.size()));
    texte += s;
}

}  // namespace

// The generator reads no index: the guesses' table is made anew, and
// written into the one it makes.
std::string_view florimot::lexique::QueuesDeLIndex() {
    return {};
}

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "utilisation : genere_index <verbes> <index.bin>\n";
        return 2;
    }
    faits::TDictionnaireLu lu;
    if (std::string erreur; std::string_view(argv[1]) != "--sans-dictionnaire" &&
                            !faits::LitDictionnaire(argv[1], true, lu, erreur)) {
        std::cerr << "genere_index : " << erreur << '\n';
        return 1;
    }
    std::set<std::string> autres;
    std::set<std::string> lus = LitVerbes(lu.Lignes, autres);
    // The dictionary's verbs as the facts table knows them, when it does.
    if (!autres.empty() && !VerbesConnus().empty()) {
        lus.clear();
        for (const std::string_view v : VerbesConnus()) {
            TVerbe verbe;
            verbe.DefinitVerbe(v);
            if (verbe.DonneGroupe() != 0 && verbe.MotVue() == v) lus.emplace(v);
        }
    }
    for (const std::string& v : lus) autres.erase(v);
    std::vector<std::string> verbes(lus.begin(), lus.end());
    std::sort(verbes.begin(), verbes.end(), lexique::AvantConnu);

    // form → readings, each reading once. The rectified spelling and the
    // other series add only what the usual grid lacks, marked as theirs
    // (connait, paye): the first spelling that holds a reading names it.
    std::map<std::string, std::vector<std::uint32_t>> formes;
    for (std::uint32_t n = 0; n < verbes.size(); ++n) {
        TVerbe v;
        v.DefinitVerbe(verbes[n]);
        std::set<std::pair<std::string, std::uint32_t>> vues;
        // A rectified infinitive (connaitre) has its forms in that spelling only.
        const bool infinitifRectifie = InfinitifRectifie(v);
        for (const TOptions& graphie : lexique::Graphies)
            if (!infinitifRectifie || graphie.Rectifiee)
                lexique::FormesDuVerbe(v, graphie, [&](std::string_view f, const TLecture& l) {
                    const std::uint32_t lecture = lexique::Lecture(
                        n, static_cast<std::uint32_t>(lexique::RangCellule(l.Cellule)),
                        static_cast<std::uint32_t>(l.Personne), l.Inversion);
                    if (!vues.emplace(std::string(f), lecture).second) return;
                    const std::uint32_t marquee = lexique::Lecture(
                        n, static_cast<std::uint32_t>(lexique::RangCellule(l.Cellule)),
                        static_cast<std::uint32_t>(l.Personne), l.Inversion, graphie.Rectifiee,
                        graphie.Variante);
                    formes[std::string(f)].push_back(marquee);
                });
    }

    // The dictionary's words that are no form of its verbs stay in, with
    // no reading: no verb is guessed behind "usité" or "maison".
    for (const std::string& mot : autres) formes.try_emplace(mot);

    std::vector<std::uint32_t> verbe, ordre(verbes.size()), fiches;
    std::string texte;
    for (const std::string& v : verbes) Ajoute(verbe, texte, v);
    for (std::uint32_t i = 0; i < ordre.size(); ++i) ordre[i] = i;
    std::sort(ordre.begin(), ordre.end(),
              [&](std::uint32_t a, std::uint32_t b) { return verbes[a] < verbes[b]; });
    // At least a quarter more slots than forms: a probe that meets another
    // form's slot compares its hash only, and a smaller table stays in the
    // processor's cache more.
    std::uint32_t alveoles = 1;
    while (alveoles < formes.size() + formes.size() / 4 + 1) alveoles *= 2;
    std::vector<std::uint32_t> alveole(2 * std::size_t{alveoles}, 0);
    for (auto& [f, ls] : formes) {
        // The reader takes the length from one byte.
        if (f.size() > 0xFF) {
            std::cerr << "genere_index : forme trop longue : " << f << '\n';
            return 1;
        }
        // Verb order, then grid order: the packed readings sort so.
        std::sort(ls.begin(), ls.end());
        fiches.push_back(static_cast<std::uint32_t>(ls.size() << 8 | f.size()));
        const auto debut = static_cast<std::uint32_t>(fiches.size());
        fiches.insert(fiches.end(), ls.begin(), ls.end());
        std::string mot = f;
        mot.resize((mot.size() + 3) / 4 * 4, '\0');
        for (std::size_t k = 0; k < mot.size(); k += 4) {
            std::uint32_t m;
            std::memcpy(&m, mot.data() + k, 4);
            fiches.push_back(m);
        }
        const std::uint32_t h = lexique::Hache(f);
        std::uint32_t i = h & (alveoles - 1);
        while (alveole[2 * i + 1] != 0) i = (i + 1) & (alveoles - 1);
        alveole[2 * i] = h;
        alveole[2 * i + 1] = debut;
    }
    texte.resize((texte.size() + 3) / 4 * 4, '\0');
    std::string queues = lexique::TexteDesQueues();
    const auto octetsQueues = static_cast<std::uint32_t>(queues.size());
    queues.resize((queues.size() + 3) / 4 * 4, '\0');

    std::vector<std::uint32_t> tout = {lexique::IndexMagie,
                                       lexique::IndexVersion,
                                       static_cast<std::uint32_t>(verbes.size()),
                                       static_cast<std::uint32_t>(formes.size()),
                                       alveoles,
                                       static_cast<std::uint32_t>(fiches.size()),
                                       static_cast<std::uint32_t>(texte.size()),
                                       octetsQueues};
    for (const auto* partie : {&verbe, &ordre, &alveole, &fiches})
        tout.insert(tout.end(), partie->begin(), partie->end());
    std::ofstream sortie(argv[2], std::ios::binary | std::ios::trunc);
    sortie.write(reinterpret_cast<const char*>(tout.data()),
                 static_cast<std::streamsize>(tout.size() * sizeof(std::uint32_t)));
    sortie.write(texte.data(), static_cast<std::streamsize>(texte.size()));
    sortie.write(queues.data(), static_cast<std::streamsize>(queues.size()));
    if (!sortie) {
        std::cerr << "genere_index : " << argv[2] << " ne peut être écrit\n";
        return 1;
    }
    std::cout << "index des formes : " << verbes.size() << " verbes, " << formes.size()
              << " formes\n";
    return 0;
}
