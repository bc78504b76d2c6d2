#include "modele.hpp"

#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <algorithm>

#include "faits.hpp"
#include "json_valeurs.hpp"
#include "meme_modele.hpp"

namespace florimot {

namespace {

class TListeModele final : public TTraitement {
public:
    TListeModele(bool json, TSorties& sorties, TLexiqueDiffere& lexique)
        : TTraitement(sorties, lexique), Json_(json) {}

    void Traite(std::string_view texte) override {
        TVerbe verbe;
        verbe.DefinitVerbe(texte);
        PrepareVerbe(verbe);
        const std::string mot = verbe.Intitule();
        if (verbe.DonneGroupe() == 0) {
            Sorties_.Messages += mot + " : ";
            Sorties_.Messages += verbe.TropLong() ? MessageTropLong : MessageNonVerbe;
            Sorties_.Messages += '\n';
            Statut_ = std::max(Statut_, SortieNonVerbe);
            if (Json_) Json(mot, nullptr);
        } else {
            const TMemeModele liste = MemeModele(verbe);
            if (Json_) {
                Json(mot, &liste);
            } else {
                Sorties_.Texte += mot + " : " + PhraseMemeModele(liste);
                Sorties_.Texte += '\n';
            }
        }
        Sorties_.Libere();
    }

private:
    void Json(const std::string& mot, const TMemeModele* liste) {
        rapidjson::StringBuffer texte;
        rapidjson::Writer<rapidjson::StringBuffer> json(texte);
        json.StartObject();
        json.Key("format");
        json.Int(2);
        json.Key("mot");
        ChaineJson(json, mot);
        if (liste == nullptr) {
            json.Key("verbe");
            json.Bool(false);
            json.Key("erreur");
            ChaineJson(json, MessageNonVerbe);
        } else {
            json.Key("modele");
            ChaineJson(json, liste->Modele);
            json.Key("famille");
            json.Bool(liste->Famille);
            json.Key("nombre");
            json.Uint64(liste->Verbes.size());
            json.Key("verbes");
            json.StartArray();
            for (std::size_t i = 0; i < liste->Verbes.size() && i < VerbesModeleMontres; ++i)
                ChaineJson(json, liste->Verbes[i]);
            json.EndArray();
            json.Key("phrase");
            ChaineJson(json, PhraseMemeModele(*liste));
        }
        json.EndObject();
        Sorties_.Texte += std::string_view(texte.GetString(), texte.GetSize());
        Sorties_.Texte += '\n';
    }

    bool Json_;
};

}  // namespace

std::unique_ptr<TTraitement> CreeTraitementModele(bool json, TSorties& sorties,
                                                  TLexiqueDiffere& lexique) {
    return std::make_unique<TListeModele>(json, sorties, lexique);
}

}  // namespace florimot
