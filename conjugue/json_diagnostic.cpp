#include "json_diagnostic.hpp"

#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include "diagnostics.hpp"

namespace florimot {

std::string TableauDiagnostic(const std::vector<TDiagnostic>& diagnostics) {
    rapidjson::StringBuffer texte;
    rapidjson::Writer<rapidjson::StringBuffer> json(texte);
    const auto paire = [&](const char* cle, std::string_view valeur) {
        json.Key(cle);
        json.String(valeur.data(), static_cast<rapidjson::SizeType>(valeur.size()));
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
            json.StartObject();
            for (const TDescriptionOption& o : DescriptionsOptions) {
                json.Key(o.CleJson.data(), static_cast<rapidjson::SizeType>(o.CleJson.size()));
                json.Bool(EstActive(l.Options, o));
            }
            json.EndObject();
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
