#include "ecrivains_internes.hpp"
#include "flux_json.hpp"
#include "json_valeurs.hpp"

namespace florimot {

namespace {

class TAnalyseJson final : public TEcrivainAnalyse {
public:
    explicit TAnalyseJson(TTamponSortie& sortie)
        : TEcrivainAnalyse(sortie), Flux_{sortie}, Json_(Flux_) {}

    void Ecrit(std::string_view forme, const std::vector<TAnalyse>& analyse) override {
        Json_.Reset(Flux_);
        Json_.StartObject();
        Cle("forme");
        Chaine(forme);
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
            for (const TLecture& l : a.Lectures) {
                Json_.StartObject();
                Cle("cellule");
                Chaine(l.Cellule);
                Cle("personne");
                Json_.Int(l.Personne);
                Cle("rectifiee");
                Json_.Bool(l.Options.Rectifiee);
                Cle("variante");
                Json_.Bool(l.Options.Variante);
                // The options of the grid that holds the line, as a grid's
                // object names them.
                Cle("options");
                OptionsJson(Json_, l.Options, DescriptionsOptionsFormat1);
                Json_.EndObject();
            }
            Json_.EndArray();
            Json_.EndObject();
        }
        Json_.EndArray();
        Json_.EndObject();
        Sortie_ += '\n';
    }

private:
    void Cle(std::string_view cle) { CleJson(Json_, cle); }
    void Chaine(std::string_view s) { ChaineJson(Json_, s); }

    TFluxJson Flux_;
    rapidjson::Writer<TFluxJson> Json_;
};

}  // namespace

std::unique_ptr<TEcrivainAnalyse> CreeAnalyseJson(TTamponSortie& sortie) {
    return std::make_unique<TAnalyseJson>(sortie);
}

}  // namespace florimot
