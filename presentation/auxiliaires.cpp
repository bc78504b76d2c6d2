#include <array>
#include <utility>

#include "entete.hpp"

namespace florimot {

namespace {

// What a verb of movement carries when it takes avoir, to show the two uses
// apart: j'ai monté l'escalier.
constexpr std::array<std::pair<std::string_view, std::string_view>, 10> Objets = {{
    {"monter", "l'escalier"},
    {"descendre", "la valise"},
    {"sortir", "la voiture"},
    {"rentrer", "le linge"},
    {"retourner", "la crêpe"},
    {"passer", "le sel"},
    {"remonter", "la pente"},
    {"redescendre", "l'escalier"},
    {"ressortir", "le dossier"},
    {"repasser", "la chemise"},
}};

std::string_view Objet(const TVerbe& verbe) {
    for (const auto& [v, objet] : Objets)
        if (verbe.Est(v)) return objet;
    return {};
}

}  // namespace

std::string NoteAuxiliaires(const TVerbe& verbe) {
    if (verbe.Auxiliaires() == TDeuxAuxiliaires::Non) return {};
    const TCellule& pc = CelluleNommee("PCInd");
    // The usual one first: « se conjugue avec être (je suis monté) ou avoir
    // (j'ai monté l'escalier) ».
    std::string note = "se conjugue avec ";
    for (const bool autre : {false, true}) {
        TOptions options;
        options.AutreAuxiliaire = autre;
        const bool etre = verbe.AvecEtre(autre);
        if (autre) note += " ou ";
        note += etre ? "être (" : "avoir (";
        note += ConjugueForme(verbe, pc, 1, options);
        if (!etre && verbe.Auxiliaires() == TDeuxAuxiliaires::Mouvement) {
            note += ' ';
            note += Objet(verbe);
        }
        note += ')';
    }
    return note;
}

}  // namespace florimot
