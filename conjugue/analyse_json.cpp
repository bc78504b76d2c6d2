#include "ecrivains_internes.hpp"
#include "flux_json.hpp"

namespace florimot {

namespace {

class TAnalyseJson final : public TEcrivainAnalyse {
public:
    explicit TAnalyseJson(TTamponSortie& sortie)
        : TEcrivainAnalyse(sortie), flux_{sortie}, json_(flux_) {}

    void Ecrit(std::string_view forme, const std::vector<TAnalyse>& analyse) override {
        json_.Reset(flux_);
        json_.StartObject();
        Cle("forme");
        Chaine(forme);
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
            for (const TLecture& l : a.lectures) {
                json_.StartObject();
                Cle("cellule");
                Chaine(l.cellule);
                Cle("personne");
                json_.Int(l.personne);
                Cle("rectifiee");
                json_.Bool(l.options.Rectifiee);
                Cle("variante");
                json_.Bool(l.options.Variante);
                // The options of the grid that holds the line, as a grid's
                // object names them.
                Cle("options");
                json_.StartObject();
                for (const TDescriptionOption& d : DescriptionsOptionsFormat1) {
                    Cle(d.CleJson);
                    json_.Bool(EstActive(l.options, d));
                }
                json_.EndObject();
                json_.EndObject();
            }
            json_.EndArray();
            json_.EndObject();
        }
        json_.EndArray();
        json_.EndObject();
        sortie_ += '\n';
    }

private:
    void Cle(std::string_view cle) {
        json_.Key(cle.data(), static_cast<rapidjson::SizeType>(cle.size()));
    }
    void Chaine(std::string_view s) {
        json_.String(s.data(), static_cast<rapidjson::SizeType>(s.size()));
    }

    TFluxJson flux_;
    rapidjson::Writer<TFluxJson> json_;
};

}  // namespace

std::unique_ptr<TEcrivainAnalyse> CreeAnalyseJson(TTamponSortie& sortie) {
    return std::make_unique<TAnalyseJson>(sortie);
}

}  // namespace florimot
