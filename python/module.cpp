// import florimot: the engine, the analysis and the lemmatiser for Python
// programs, with the data of conjugue --json's second format.
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <optional>
#include <string>
#include <vector>

#include "ecrivains.hpp"
#include "faits.hpp"
#include "lemme.hpp"
#include "lexique.hpp"
#include "utf8.hpp"

namespace py = pybind11;

namespace {

using namespace florimot;

// The line conjugue --json writes, built without the interpreter's lock.
std::string ObjetConjugue(const std::string& texte, const TOptions& options,
                          const TTraitsDemandes& traits) {
    TTamponSortie sortie;
    const std::unique_ptr<TEcrivain> ecrivain =
        CreeEcrivain(TFormatSortie::Json, sortie, options, 0, false, false, 2, traits);
    TVerbe verbe;
    verbe.DefinitVerbe(texte);
    const TFaits faits = PrepareVerbe(verbe);
    ecrivain->DefinitFaits(faits);
    ecrivain->DefinitConnu(faits.Connu, false);
    if (verbe.DonneGroupe() == 0)
        ecrivain->NonVerbe(verbe);
    else
        ecrivain->Ecrit(verbe);
    return std::string(sortie);
}

std::string ObjetAnalyse(const std::string& texte, const TTraitsDemandes& traits) {
    TTamponSortie sortie;
    const std::unique_ptr<TEcrivainAnalyse> ecrivain =
        CreeEcrivainAnalyse(TFormatSortie::Json, sortie, false, 2, traits);
    ecrivain->Ecrit(texte, AnalyseTexte(texte));
    return std::string(sortie);
}

TTraitsDemandes LitTraits(const std::vector<std::string>& schemas) {
    TTraitsDemandes traits;
    for (const std::string& s : schemas) {
        if (s == NomSchema(TSchemaTraits::UniMorph))
            traits.Unimorph = true;
        else if (s == NomSchema(TSchemaTraits::Ud))
            traits.Ud = true;
        else
            throw py::value_error("schéma de traits inconnu : " + s + " (unimorph, ud)");
    }
    return traits;
}

void Verifie(const std::string& texte) {
    if (!utf8::EstValide(texte) || texte.find('\0') != std::string::npos)
        throw py::value_error("texte UTF-8 invalide ou caractère NUL");
}

// JSON text to Python objects, with the lock held.
py::object Objets(const std::string& json) {
    static py::object charge = py::module_::import("json").attr("loads");
    return charge(py::str(json));
}

}  // namespace

PYBIND11_MODULE(florimot, m) {
    m.doc() = "Conjugaison des verbes français, analyse des formes conjuguées, lemmes.";
    m.def(
        "conjugue",
        [](const std::string& texte, bool feminin, bool negation, bool interrogation, bool passif,
           bool rectifiee, bool variante, const std::vector<std::string>& traits) {
            Verifie(texte);
            TOptions options;
            options.Feminin = feminin;
            options.Negation = negation;
            options.Interrogation = interrogation;
            options.Passif = passif;
            options.Rectifiee = rectifiee;
            options.Variante = variante;
            const TTraitsDemandes demandes = LitTraits(traits);
            std::string json;
            {
                py::gil_scoped_release libre;
                json = ObjetConjugue(texte, options, demandes);
            }
            return Objets(json);
        },
        py::arg("texte"), py::kw_only(), py::arg("feminin") = false, py::arg("negation") = false,
        py::arg("interrogation") = false, py::arg("passif") = false, py::arg("rectifiee") = false,
        py::arg("variante") = false, py::arg("traits") = std::vector<std::string>{},
        "Le même objet que conjugue --json (format 2), en dict.");
    m.def(
        "analyse",
        [](const std::string& texte, const std::vector<std::string>& traits) {
            Verifie(texte);
            const TTraitsDemandes demandes = LitTraits(traits);
            std::string json;
            {
                py::gil_scoped_release libre;
                json = ObjetAnalyse(texte, demandes);
            }
            return Objets(json);
        },
        py::arg("texte"), py::kw_only(), py::arg("traits") = std::vector<std::string>{},
        "Les lectures d'une forme, comme conjugue --analyse --json (format 2).");
    m.def(
        "lemmatise",
        [](const std::vector<std::string>& formes) {
            for (const std::string& f : formes) Verifie(f);
            std::vector<std::optional<std::string>> lemmes;
            {
                py::gil_scoped_release libre;
                lemmes.reserve(formes.size());
                for (const std::string& f : formes) {
                    std::string l = LemmeDeForme(f);
                    lemmes.push_back(l.empty() ? std::nullopt : std::optional(std::move(l)));
                }
            }
            return lemmes;
        },
        py::arg("formes"), "L'infinitif de chaque forme, None pour une forme sans lecture.");
}
