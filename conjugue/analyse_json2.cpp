// --analyse --json in the second format: the format first, then whether a
// verb the dictionary knows was found and the suggestions, in every mode;
// each reading with its features when --traits asks for them.
#include <algorithm>

#include "ecrivains_internes.hpp"
#include "flux_json.hpp"
#include "json_diagnostic.hpp"

namespace florimot {

namespace {

class TAnalyseJson2 final : public TEcrivainAnalyse {
public:
    TAnalyseJson2(TTamponSortie& sortie, const TTraitsDemandes& traits)
        : TEcrivainAnalyse(sortie), flux_{sortie}, json_(flux_), schemas_(traits.Schemas()) {}

    void Ecrit(std::string_view forme, const std::vector<TAnalyse>& analyse) override {
        json_.Reset(flux_);
        json_.StartObject();
        Cle("format");
        json_.Int(2);
        Cle("forme");
        Chaine(forme);
        Cle("connu");
        json_.Bool(
            std::any_of(analyse.begin(), analyse.end(), [](const TAnalyse& a) { return a.connu; }));
        Cle("suggestions");
        if (suggestions_) {
            json_.StartArray();
            for (const std::string& s : *suggestions_) Chaine(s);
            json_.EndArray();
        } else {
            json_.Null();
        }
        Cle("verbes");
        json_.StartArray();
        for (const TAnalyse& a : analyse) {
            json_.StartObject();
            Cle("infinitif");
            Chaine(a.infinitif);
            Cle("connu");
            json_.Bool(a.connu);
            Cle("lectures");
            json_.StartArray();
            for (const TLecture& l : a.lectures) Lecture(l);
            json_.EndArray();
            json_.EndObject();
        }
        json_.EndArray();
        // What a text no verb writes was probably meant to be: [] for a text read.
        Cle("diagnostic");
        const std::string diagnostic = TableauDiagnostic(diagnostics_);
        json_.RawValue(diagnostic.data(), diagnostic.size(), rapidjson::kArrayType);
        json_.EndObject();
        sortie_ += '\n';
    }

private:
    void Lecture(const TLecture& l) {
        json_.StartObject();
        Cle("cellule");
        Chaine(l.cellule);
        Cle("personne");
        json_.Int(l.personne);
        Cle("rectifiee");
        json_.Bool(l.options.Rectifiee);
        Cle("variante");
        json_.Bool(l.options.Variante);
        Cle("options");
        json_.StartObject();
        for (const TDescriptionOption& d : DescriptionsOptions) {
            Cle(d.CleJson);
            json_.Bool(EstActive(l.options, d));
        }
        json_.EndObject();
        for (const TSchemaTraits schema : schemas_) {
            Cle(NomSchema(schema));
            Chaine(TraitsCase(schema, l.cellule, l.personne));
        }
        json_.EndObject();
    }

    void Cle(std::string_view cle) {
        json_.Key(cle.data(), static_cast<rapidjson::SizeType>(cle.size()));
    }
    void Chaine(std::string_view s) {
        json_.String(s.data(), static_cast<rapidjson::SizeType>(s.size()));
    }

    TFluxJson flux_;
    rapidjson::Writer<TFluxJson> json_;
    std::vector<TSchemaTraits> schemas_;
};

}  // namespace

std::unique_ptr<TEcrivainAnalyse> CreeAnalyseJson2(TTamponSortie& sortie,
                                                   const TTraitsDemandes& traits) {
    return std::make_unique<TAnalyseJson2>(sortie, traits);
}

}  // namespace florimot
