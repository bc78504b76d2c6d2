// --analyse --json in the second format: the format first, then whether a
// verb the dictionary knows was found and the suggestions, in every mode;
// each reading with its features when --traits asks for them.
#include <algorithm>

#include "ecrivains_internes.hpp"
#include "flux_json.hpp"
#include "json_diagnostic.hpp"
#include "json_valeurs.hpp"

namespace florimot {

namespace {

class TAnalyseJson2 final : public TEcrivainAnalyse {
public:
    TAnalyseJson2(TTamponSortie& sortie, const TTraitsDemandes& traits)
        : TEcrivainAnalyse(sortie), Flux_{sortie}, Json_(Flux_), Schemas_(traits.Schemas()) {}

    bool DitDiagnostic() const override { return true; }

    void Ecrit(std::string_view forme, const std::vector<TAnalyse>& analyse) override {
        Json_.Reset(Flux_);
        Json_.StartObject();
        Cle("format");
        Json_.Int(2);
        Cle("forme");
        Chaine(forme);
        Cle("connu");
        Json_.Bool(
            std::any_of(analyse.begin(), analyse.end(), [](const TAnalyse& a) { return a.Connu; }));
        Cle("suggestions");
        if (Suggestions_) {
            Json_.StartArray();
            for (const std::string& s : *Suggestions_) Chaine(s);
            Json_.EndArray();
        } else {
            Json_.Null();
        }
        Cle("verbes");
        Json_.StartArray();
        for (const TAnalyse& a : analyse) {
            Json_.StartObject();
            Cle("infinitif");
            Chaine(a.Infinitif);
            Cle("connu");
            Json_.Bool(a.Connu);
            Cle("lectures");
            Json_.StartArray();
            for (const TLecture& l : a.Lectures) Lecture(l);
            Json_.EndArray();
            Json_.EndObject();
        }
        Json_.EndArray();
        // What a text no verb writes was probably meant to be: [] for a text read.
        Cle("diagnostic");
        const std::string diagnostic = TableauDiagnostic(Diagnostics_);
        Json_.RawValue(diagnostic.data(), diagnostic.size(), rapidjson::kArrayType);
        Json_.EndObject();
        Sortie_ += '\n';
    }

private:
    void Lecture(const TLecture& l) {
        Json_.StartObject();
        Cle("cellule");
        Chaine(l.Cellule);
        Cle("personne");
        Json_.Int(l.Personne);
        Cle("rectifiee");
        Json_.Bool(l.Options.Rectifiee);
        Cle("variante");
        Json_.Bool(l.Options.Variante);
        Cle("options");
        OptionsJson(Json_, l.Options);
        for (const TSchemaTraits schema : Schemas_) {
            Cle(NomSchema(schema));
            Chaine(TraitsCase(schema, l.Cellule, l.Personne));
        }
        Json_.EndObject();
    }

    void Cle(std::string_view cle) { CleJson(Json_, cle); }
    void Chaine(std::string_view s) { ChaineJson(Json_, s); }

    TFluxJson Flux_;
    rapidjson::Writer<TFluxJson> Json_;
    std::vector<TSchemaTraits> Schemas_;
};

}  // namespace

std::unique_ptr<TEcrivainAnalyse> CreeAnalyseJson2(TTamponSortie& sortie,
                                                   const TTraitsDemandes& traits) {
    return std::make_unique<TAnalyseJson2>(sortie, traits);
}

}  // namespace florimot
