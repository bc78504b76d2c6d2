#include "json_diagnostic.hpp"

#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include "diagnostics.hpp"
#include "json_valeurs.hpp"

namespace florimot {

std::string TableauDiagnostic(const std::vector<TDiagnostic>& diagnostics) {
    rapidjson::StringBuffer texte;
    rapidjson::Writer<rapidjson::StringBuffer> json(texte);
    const auto paire = [&](const char* cle, std::string_view valeur) {
        json.Key(cle);
        ChaineJson(json, valeur);
    };
    json.StartArray();
    for (const TDiagnostic& d : diagnostics) {
        json.StartObject();
        paire("ecrit", d.Ecrit);
        paire("correct", d.Correct);
        paire("infinitif", d.Infinitif);
        json.Key("lectures");
        json.StartArray();
        for (const TLecture& l : d.Lectures) {
            json.StartObject();
            paire("cellule", l.Cellule);
            json.Key("personne");
            json.Int(l.Personne);
            // The options of the grid that writes it (féminin for elle est venue).
            json.Key("options");
            OptionsJson(json, l.Options);
            json.EndObject();
        }
        json.EndArray();
        paire("faute", CleFaute(d.Faute));
        paire("detail", d.Detail);
        paire("raison", RaisonDiagnostic(d));
        paire("phrase", PhraseDiagnostic(d));
        json.EndObject();
    }
    json.EndArray();
    return std::string(texte.GetString(), texte.GetSize());
}

}  // namespace florimot
