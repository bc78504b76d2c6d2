#include "json_accord.hpp"

#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <algorithm>
#include <vector>

#include "accords.hpp"
#include "json_valeurs.hpp"

namespace florimot {

std::string ObjetAccord(const TVerbe& verbe, const TOptions& options, const TFaits& faits) {
    const TLignesGrille lignes = ConjugueGrille(verbe, options, faits);
    rapidjson::StringBuffer texte;
    rapidjson::Writer<rapidjson::StringBuffer> json(texte);
    // Each line names its reason by its code; a verb's few sentences follow
    // once, so that a batch does not carry the same sentence sixty times.
    std::vector<TCodeAccord> vus;
    json.StartObject();
    json.Key("lignes");
    json.StartObject();
    for (const TCellule& c : GrilleComplete) {
        if (AccordDeCellule(verbe, options, faits, c) == TCodeAccord::Aucun) continue;
        bool ouverte = false;
        for (int i = 0; i < c.NombreLignes(); ++i) {
            const std::size_t n = c.Premier + i;
            if (!ouverte) {
                CleJson(json, c.Nom);
                json.StartArray();
                ouverte = true;
            }
            const TCodeAccord code = AccordDeLigne(verbe, options, faits, c, lignes[n]);
            if (code == TCodeAccord::Aucun) {
                json.Null();
                continue;
            }
            ChaineJson(json, CleAccord(code));
            if (std::find(vus.begin(), vus.end(), code) == vus.end()) vus.push_back(code);
        }
        if (ouverte) json.EndArray();
    }
    json.EndObject();
    json.Key("phrases");
    json.StartObject();
    for (const TCodeAccord code : vus) {
        CleJson(json, CleAccord(code));
        ChaineJson(json, PhraseAccord(code, verbe));
    }
    json.EndObject();
    json.EndObject();
    return std::string(texte.GetString(), texte.GetSize());
}

}  // namespace florimot
