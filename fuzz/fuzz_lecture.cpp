// Arbitrary standard input for conjugue: lines, bad UTF-8, NUL bytes, long
// lines, CR LF, leading blanks, read in pieces of any size.
#include <rapidjson/document.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "commande.hpp"
#include "flux.hpp"
#include "utf8.hpp"

namespace {

void Exige(bool condition) {
    if (!condition) std::abort();
}

std::size_t CompteLignes(const std::string& texte) {
    std::size_t lignes = 0;
    for (char c : texte) lignes += c == '\n';
    return lignes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const std::string entree(reinterpret_cast<const char*>(donnees), taille);

    // The reader alone, fed in two pieces cut anywhere, must see what it sees
    // in one piece.
    auto lit = [&](std::size_t coupure) {
        std::string trace;
        florimot::TLecteurLignes lecteur([&](const florimot::TLecteurLignes::TLigneFlux& l) {
            trace += std::to_string(l.Numero) + (l.Valide ? "+" : "-");
            trace.append(l.Texte);
            trace += '\n';
            Exige(l.Texte.size() <= florimot::TLecteurLignes::LongueurGardee);
            Exige(!l.Valide || florimot::utf8::EstValide(l.Texte));
            // The word is where the text starts, wherever it was on the line.
            Exige(l.Texte.empty() || l.Texte == " " ||
                  static_cast<unsigned char>(l.Texte[0]) > 0x20);
        });
        lecteur.Ajoute(std::string_view(entree).substr(0, coupure));
        lecteur.Ajoute(std::string_view(entree).substr(coupure));
        lecteur.Termine();
        return trace;
    };
    Exige(lit(0) == lit(taille / 2));

    // The whole command, standard input handed out in pieces of a size the
    // input chooses.
    const std::size_t bloc = taille == 0 ? 1 : 1 + donnees[0] % 64 * (taille / 64 + 1);
    auto execute = [&](const char* format, std::string& sortie) {
        florimot::TEntreeMemoire flux(entree, bloc);
        florimot::TSortieMemoire ecrit, erreurs;
        const int statut = florimot::ExecuteConjugue({format}, flux, ecrit, erreurs);
        Exige(statut == florimot::SortieSucces || statut == florimot::SortieNonVerbe ||
              statut == florimot::SortieTexteInvalide);
        Exige(florimot::utf8::EstValide(ecrit.Texte()));
        sortie = ecrit.Texte();
        return statut;
    };
    std::string tsv, json;
    const int statut = execute("--tsv", tsv);
    Exige(CompteLignes(tsv) % 98 == 0);

    // JSON: the same texts, one object each.
    Exige(execute("--json", json) == statut);
    Exige(CompteLignes(json) * 98 == CompteLignes(tsv));
    std::size_t debut = 0;
    for (std::size_t fin; (fin = json.find('\n', debut)) != std::string::npos; debut = fin + 1) {
        rapidjson::Document objet;
        objet.Parse(json.data() + debut, fin - debut);
        Exige(!objet.HasParseError() && objet.IsObject() && objet.HasMember("mot") &&
              objet.HasMember("verbe"));
    }
    return 0;
}
