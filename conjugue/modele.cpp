#include "modele.hpp"

#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <algorithm>

#include "faits.hpp"
#include "meme_modele.hpp"

namespace florimot {

namespace {

class TListeModele final : public TTraitement {
public:
    TListeModele(bool json, TSorties& sorties, TLexiqueDiffere& lexique)
        : TTraitement(sorties, lexique), json_(json) {}

    void Traite(std::string_view texte) override {
        TVerbe verbe;
        verbe.DefinitVerbe(texte);
        PrepareVerbe(verbe);
        const std::string mot = verbe.Intitule();
        if (verbe.DonneGroupe() == 0) {
            sorties_.messages += mot + " : ";
            sorties_.messages += verbe.TropLong() ? MessageTropLong : MessageNonVerbe;
            sorties_.messages += '\n';
            statut_ = std::max(statut_, SortieNonVerbe);
            if (json_) Json(mot, nullptr);
        } else {
            const TMemeModele liste = MemeModele(verbe);
            if (json_) {
                Json(mot, &liste);
            } else {
                sorties_.texte += mot + " : " + PhraseMemeModele(liste);
                sorties_.texte += '\n';
            }
        }
        sorties_.Libere();
    }

private:
    void Json(const std::string& mot, const TMemeModele* liste) {
        rapidjson::StringBuffer texte;
        rapidjson::Writer<rapidjson::StringBuffer> json(texte);
        const auto chaine = [&](std::string_view s) {
            json.String(s.data(), static_cast<rapidjson::SizeType>(s.size()));
        };
        json.StartObject();
        json.Key("format");
        json.Int(2);
        json.Key("mot");
        chaine(mot);
        if (liste == nullptr) {
            json.Key("verbe");
            json.Bool(false);
            json.Key("erreur");
            chaine(MessageNonVerbe);
        } else {
            json.Key("modele");
            chaine(liste->modele);
            json.Key("famille");
            json.Bool(liste->famille);
            json.Key("nombre");
            json.Uint64(liste->verbes.size());
            json.Key("verbes");
            json.StartArray();
            for (std::size_t i = 0; i < liste->verbes.size() && i < VerbesModeleMontres; ++i)
                chaine(liste->verbes[i]);
            json.EndArray();
            json.Key("phrase");
            chaine(PhraseMemeModele(*liste));
        }
        json.EndObject();
        sorties_.texte += std::string_view(texte.GetString(), texte.GetSize());
        sorties_.texte += '\n';
    }

    bool json_;
};

}  // namespace

std::unique_ptr<TTraitement> CreeTraitementModele(bool json, TSorties& sorties,
                                                  TLexiqueDiffere& lexique) {
    return std::make_unique<TListeModele>(json, sorties, lexique);
}

}  // namespace florimot
