// Arbitrary standard input for conjugue --tsv: lines, bad UTF-8, NUL bytes,
// long lines, CR LF.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "commande.hpp"
#include "utf8.hpp"

namespace {

void Exige(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const std::string entree(reinterpret_cast<const char*>(donnees), taille);

    // The reader alone, fed in two pieces cut anywhere, must see what it sees
    // in one piece.
    auto lit = [&](std::size_t coupure) {
        std::string trace;
        florimot::LecteurLignes lecteur([&](const florimot::LecteurLignes::Ligne& l) {
            trace += std::to_string(l.numero) + (l.valide ? "+" : "-");
            trace.append(l.texte);
            trace += '\n';
            Exige(l.texte.size() <= florimot::LecteurLignes::LongueurGardee);
            Exige(!l.valide || florimot::utf8::EstValide(l.texte));
        });
        lecteur.Ajoute(std::string_view(entree).substr(0, coupure));
        lecteur.Ajoute(std::string_view(entree).substr(coupure));
        lecteur.Termine();
        return trace;
    };
    Exige(lit(0) == lit(taille / 2));

    std::istringstream flux(entree);
    std::ostringstream sortie, erreurs;
    const int statut = florimot::ExecuteConjugue({"--tsv"}, flux, sortie, erreurs);
    Exige(statut == florimot::SortieSucces || statut == florimot::SortieNonVerbe ||
          statut == florimot::SortieTexteInvalide);
    const std::string texte = sortie.str();
    Exige(florimot::utf8::EstValide(texte));
    std::size_t lignes = 0;
    for (char c : texte) lignes += c == '\n';
    Exige(lignes % 98 == 0);
    return 0;
}
