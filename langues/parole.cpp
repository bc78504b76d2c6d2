#include "parole.hpp"

namespace florimot {

namespace {

bool EstLettre(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c >= 0x80;
}

}  // namespace

std::string PrepareParole(std::string_view ligne) {
    std::string texte;
    for (std::size_t i = 0; i < ligne.size(); ++i) {
        const std::string_view reste = ligne.substr(i);
        if (reste.substr(0, 2) == "\u00A0") {  // before « ? »
            texte += ' ';
            ++i;
        } else if (reste.substr(0, 3) == "\u202F") {
            texte += ' ';
            i += 2;
        } else if (reste.substr(0, 3) == "\u2019") {
            texte += '\'';
            i += 2;
        } else {
            texte += ligne[i];
        }
    }
    // The pronoun « y » alone after a hyphen (vas-y, allez-y, prends-en-y)
    // is read as the letter's name; « i » keeps the liaison (va-z-i).
    for (std::size_t y = texte.find("-y"); y != std::string::npos; y = texte.find("-y", y + 2)) {
        const std::size_t apres = y + 2;
        if (apres == texte.size() || !EstLettre(static_cast<unsigned char>(texte[apres])))
            texte[y + 1] = 'i';
    }
    std::size_t debut = texte.find_first_not_of(' ');
    std::size_t fin = texte.find_last_not_of(' ');
    if (debut == std::string::npos) return {};
    texte = texte.substr(debut, fin - debut + 1);
    if (texte == "-" || texte == "non usité" || texte == "pas d'impératif") return {};
    return texte;
}

std::string PrepareParole(const std::vector<std::string>& lignes) {
    std::string texte;
    for (const std::string& l : lignes) {
        const std::string dite = PrepareParole(l);
        if (dite.empty()) continue;
        if (!texte.empty()) texte += ' ';
        texte += dite;
        // A question keeps its rise; any other line ends with a fall.
        if (texte.back() != '?') texte += '.';
    }
    return texte;
}

}  // namespace florimot
