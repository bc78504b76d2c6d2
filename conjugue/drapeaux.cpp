#include "drapeaux.hpp"

namespace florimot {

namespace {

// Columns on a terminal: one a character, whatever its bytes.
std::size_t Largeur(std::string_view s) {
    std::size_t n = 0;
    for (char c : s) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

}  // namespace

const TDrapeau* DrapeauNomme(std::string_view nom) {
    for (const TDrapeau& d : Drapeaux)
        for (std::string_view n : d.Noms)
            if (!n.empty() && n == nom) return &d;
    return nullptr;
}

std::string AideDesDrapeaux(bool anglais) {
    std::string texte;
    for (const TDrapeau& d : Drapeaux) {
        std::string tete = "  ";
        for (std::string_view n : d.Noms) {
            if (n.empty()) continue;
            if (tete.size() > 2) tete += ", ";
            tete += n;
        }
        if (!d.Argument.empty()) tete.append(" ").append(d.Argument);
        // Names too long for the column are followed by two blanks.
        const std::size_t largeur = Largeur(tete);
        tete.append(largeur < d.Colonne ? d.Colonne - largeur : 2, ' ');
        std::string_view aide = anglais && !AideAnglaise(d).empty() ? AideAnglaise(d) : d.Aide;
        for (bool premiere = true; !aide.empty(); premiere = false) {
            const std::size_t fin = aide.find('\n') + 1;
            texte += premiere ? tete : std::string(d.Colonne, ' ');
            texte += aide.substr(0, fin);
            aide.remove_prefix(fin);
        }
    }
    return texte;
}

}  // namespace florimot
