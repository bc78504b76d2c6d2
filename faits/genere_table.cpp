// Build-time tool: reads the verb entries of the French hunspell dictionary
// and writes the table of verb facts compiled into Florimot.
//
//     genere_table SORTIE.cpp [DICTIONNAIRE.dic [COPYRIGHT]]
//
// Without a dictionary named the table is empty, and Florimot conjugates as
// the letters of each verb say. A dictionary named is checked first
// (lecture_dictionnaire.hpp): a damaged one stops the build.
//
// A verb entry reads `demander/a0p+() po:v1_itnq__a`: the 9 characters after
// "po:v" tag what the verb admits, by position. Worked out from the verbs
// whose use is known (the package documents none of it):
//   0  group: 1, 2, 3, or 0 for être and avoir
//   1  e: copular verb (sembler, devenir)
//   2  i: can be intransitive
//   3  t: takes a direct object; x: not checked upstream
//   4  n: takes an indirect object; x: not checked
//   5  p: pronominal only (s'évanouir); q: may be pronominal; r: reciprocal,
//      pronominal and plural only (s'entraider); e: pronominal with "en"
//      (s'en aller); x: not checked
//   6  m: can be impersonal (il neige; pleuvoir is also personal)
//   7  e: conjugated with être; z: not checked
//   8  a: conjugated with avoir; z: not checked
// Entries carrying "is:" are conjugated forms (ci-gît), not infinitives.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "lecture_dictionnaire.hpp"
#include "table.hpp"

namespace {

// Of all the entries of one infinitive: whether some takes a direct object
// (or is unchecked), whether every one is pronominal only, reciprocal, and
// whether some has a pronominal use.
struct TMarques {
    bool Transitif = false;
    bool Pronominal = true;
    bool Reciproque = true;
    bool PeutPronominal = false;
};

bool MotSur(std::string_view mot) {
    if (mot.empty() || mot.size() > 255) return false;
    for (const char c : mot) {
        const auto o = static_cast<unsigned char>(c);
        if (o < 0x20 || o == 0x7F || c == '"' || c == '\\' || c == ' ') return false;
    }
    return true;
}

// The verb entries of the dictionary, by infinitive, their tags merged.
std::map<std::string, TMarques> Verbes(const std::vector<std::string>& lignes) {
    std::map<std::string, TMarques> verbes;
    for (const std::string& ligne : lignes) {
        std::istringstream champs(ligne);
        std::string mot, champ, etiquette;
        champs >> mot;
        bool forme = false;
        while (champs >> champ) {
            if (champ.starts_with("is:")) forme = true;
            if (champ.size() >= 13 && champ.starts_with("po:v") && champ[4] >= '0' &&
                champ[4] <= '3')
                etiquette = champ.substr(4, 9);
        }
        if (etiquette.empty() || forme) continue;
        mot = mot.substr(0, mot.find('/'));
        if (!MotSur(mot)) continue;
        TMarques& m = verbes[mot];
        m.Transitif = m.Transitif || etiquette[3] == 't' || etiquette[3] == 'x';
        m.Pronominal = m.Pronominal && (etiquette[5] == 'p' || etiquette[5] == 'r');
        m.Reciproque = m.Reciproque && etiquette[5] == 'r';
        m.PeutPronominal =
            m.PeutPronominal || etiquette[5] == 'p' || etiquette[5] == 'q' || etiquette[5] == 'r';
    }
    return verbes;
}

// A line of outside text (a path, a line of a copyright file) as a line of
// the block comment at the head of the table. In a // comment a final
// backslash would join the next line of code to it; in a block comment only
// "*/" ends it and "/*" draws a warning, so both are split, and control
// characters become blanks.
std::string Commentaire(std::string_view ligne) {
    std::string texte = "   ";
    for (const char c : ligne) {
        const auto o = static_cast<unsigned char>(c);
        const bool barre = c == '/' && !texte.empty() && texte.back() == '*';
        const bool etoile = c == '*' && !texte.empty() && texte.back() == '/';
        if (barre || etoile) texte += ' ';
        texte += o < 0x20 || o == 0x7F ? ' ' : c;
    }
    return texte + '\n';
}

// The licence lines of the package's machine-readable copyright file: those
// of its first "Files:" stanza, the dictionary's own.
std::string Licence(const char* chemin) {
    std::ifstream f(chemin == nullptr ? "" : chemin);
    std::string texte, ligne;
    bool stanza = false;
    while (std::getline(f, ligne)) {
        if (ligne.starts_with("Upstream-Name:") || ligne.starts_with("Source:"))
            texte += Commentaire(ligne);
        if (ligne.starts_with("Files:")) {
            if (stanza) break;
            stanza = true;
        }
        if (stanza && !ligne.starts_with("Files:")) texte += Commentaire(ligne);
        if (stanza && ligne.starts_with("License:")) break;
    }
    return texte;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage : genere_table SORTIE.cpp [DICTIONNAIRE.dic [COPYRIGHT]]\n";
        return 2;
    }
    std::map<std::string, TMarques> verbes;
    std::string source = "no dictionary at build time: the table is empty";
    if (argc >= 3) {
        florimot::faits::TDictionnaireLu lu;
        std::string erreur;
        if (!florimot::faits::LitDictionnaire(argv[2], false, lu, erreur)) {
            std::cerr << "genere_table : " << erreur << '\n';
            return 1;
        }
        verbes = Verbes(lu.Lignes);
        source = std::string("derived from ") + argv[2];
    }
    std::ostringstream sortie;
    sortie << "// Generated at build time by faits/genere_table.cpp: do not edit.\n"
           << "/* The verb facts of " << verbes.size() << " infinitives,\n"
           << Commentaire(source + '.');
    if (!verbes.empty()) {
        sortie << "   The data come from the French hunspell dictionary (package\n"
               << "   hunspell-fr-comprehensive), under its own licence:\n"
               << Licence(argc >= 4 ? argv[3] : nullptr);
    }
    sortie << " */\n";
    sortie << "#include \"table.hpp\"\n\nnamespace florimot::faits {\n\nnamespace {\n\n";
    if (!verbes.empty()) {
        // Each entry as two escaped bytes, then its letters in a literal of
        // their own, so that no letter is read as part of an escape.
        sortie << "constexpr char E[] =\n";
        std::vector<std::uint32_t> debuts;
        std::uint32_t position = 0;
        char octets[16];
        for (const auto& [mot, m] : verbes) {
            using namespace florimot::faits;
            const unsigned bits = (m.Transitif ? MarqueTransitif : 0) |
                                  (m.Pronominal ? MarquePronominal : 0) |
                                  (m.Reciproque ? MarqueReciproque : 0) |
                                  (m.PeutPronominal ? MarquePeutPronominal : 0);
            std::snprintf(octets, sizeof octets, "\\x%02zx\\x%02x", mot.size(), bits);
            sortie << "    \"" << octets << "\" \"" << mot << "\"\n";
            debuts.push_back(position);
            position += static_cast<std::uint32_t>(2 + mot.size());
        }
        sortie << ";\n\n";
        // Twice as many slots as verbs at least: probes stay short.
        std::size_t taille = 1;
        while (taille < 2 * verbes.size()) taille *= 2;
        std::vector<std::uint32_t> alveoles(taille, 0);
        std::size_t indice = 0;
        for (const auto& [mot, m] : verbes) {
            std::size_t a = florimot::faits::Hache(mot) & (taille - 1);
            while (alveoles[a] != 0) a = (a + 1) & (taille - 1);
            alveoles[a] = debuts[indice++] + 1;
        }
        sortie << "constexpr std::uint32_t A[] = {";
        for (std::size_t a = 0; a < taille; ++a)
            sortie << (a % 12 == 0 ? "\n    " : " ") << alveoles[a] << ',';
        sortie << "\n};\n\n}  // namespace\n\n"
               << "constinit const std::span<const char> Entrees(E, sizeof E - 1);\n"
               << "constinit const std::span<const std::uint32_t> Alveoles(A);\n";
    } else {
        sortie << "}  // namespace\n\n"
               << "constinit const std::span<const char> Entrees;\n"
               << "constinit const std::span<const std::uint32_t> Alveoles;\n";
    }
    sortie << "\n}  // namespace florimot::faits\n";

    const std::string texte = sortie.str();
    std::ofstream f(argv[1], std::ios::binary | std::ios::trunc);
    f << texte;
    f.close();
    if (!f) {
        std::cerr << "genere_table : impossible d'écrire " << argv[1] << '\n';
        std::remove(argv[1]);
        return 1;
    }
    return 0;
}
