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
        paire("ecrit", d.ecrit);
        paire("correct", d.correct);
        paire("infinitif", d.infinitif);
        json.Key("lectures");
        json.StartArray();
        for (const TLecture& l : d.lectures) {
            json.StartObject();
            paire("cellule", l.cellule);
            json.Key("personne");
            json.Int(l.personne);
            // The options of the grid that writes it (féminin for elle est venue).
            json.Key("options");
            json.StartObject();
            for (const TDescriptionOption& o : DescriptionsOptions) {
                json.Key(o.CleJson.data(), static_cast<rapidjson::SizeType>(o.CleJson.size()));
                json.Bool(EstActive(l.options, o));
            }
            json.EndObject();
            json.EndObject();
        }
        json.EndArray();
        paire("faute", CleFaute(d.faute));
        paire("detail", d.detail);
        paire("raison", RaisonDiagnostic(d));
        paire("phrase", PhraseDiagnostic(d));
        json.EndObject();
    }
    json.EndArray();
    return std::string(texte.GetString(), texte.GetSize());
}

}  // namespace florimot
