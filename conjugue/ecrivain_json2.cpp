// JSON's second format: one fixed order of keys whatever the options, plain
// values beside their captions, each line with its parts, and what the
// dictionary says of the text in every mode.
#include <algorithm>

#include "ecrivains_internes.hpp"
#include "entete.hpp"
#include "flux_json.hpp"
#include "json_accord.hpp"
#include "json_anglais.hpp"
#include "legende.hpp"
#include "legende_modele.hpp"
#include "parties.hpp"

namespace florimot {

namespace {

class TEcrivainJson2 final : public TEcrivain {
public:
    TEcrivainJson2(TTamponSortie& sortie, const TOptions& options,
                   std::optional<TSelection> selection, const TTraitsDemandes& traits)
        : TEcrivain(sortie, options),
          flux_{sortie},
          json_(flux_),
          selection_(std::move(selection)),
          traits_(traits) {}

    void Ecrit(const TVerbe& verbe) override {
        const TEntete entete = FaitEntete(verbe, options_, faits_);
        Debut(entete.Intitule, true);
        Cle("groupe");
        json_.Int(verbe.DonneGroupe());
        Cle("legende_groupe");
        Chaine(LegendeGroupe(verbe));
        Cle("auxiliaire");
        Chaine(AuxiliaireDuVerbe(verbe));
        Cle("modele");
        Chaine(entete.Type);
        Cle("legende_modele");
        Chaine(LegendeModele(entete));
        Cle("regle");
        Chaine(entete.Regle);
        EcritGlossesJson(json_, entete.Intitule);
        Cle("options");
        json_.StartObject();
        for (const TDescriptionOption& d : DescriptionsOptions) {
            Cle(d.CleJson);
            json_.Bool(EstActive(options_, d));
        }
        json_.EndObject();
        Faits();
        // Why each participle agrees, after the facts it is read from.
        Cle("accord");
        const std::string accord = ObjetAccord(verbe, options_, faits_);
        json_.RawValue(accord.data(), accord.size(), rapidjson::kObjectType);
        Cle("personne");
        if (selection_ && selection_->personne > 0)
            json_.Int(selection_->personne);
        else
            json_.Null();
        Cle("cellules");
        Cellules(verbe);
        json_.EndObject();
        sortie_ += '\n';
    }

    void NonVerbe(const TVerbe& verbe) override {
        Debut(verbe.Intitule(), false);
        Cle("groupe");
        json_.Int(0);
        Cle("erreur");
        Chaine(verbe.TropLong() ? MessageTropLong : MessageNonVerbe);
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
    // "" is no value: null.
    void ChaineOuNul(bool present, std::string_view s) {
        if (present && !s.empty())
            Chaine(s);
        else
            json_.Null();
    }

    // What every object starts with: its format, the text, whether it is a
    // verb, what the dictionary says of it.
    void Debut(std::string_view mot, bool verbe) {
        json_.Reset(flux_);
        json_.StartObject();
        Cle("format");
        json_.Int(2);
        Cle("mot");
        Chaine(mot);
        Cle("verbe");
        json_.Bool(verbe);
        Cle("connu");
        json_.Bool(verbe && connu_);
        Cle("suggestions");
        if (!recherche_) {
            json_.Null();
            return;
        }
        json_.StartArray();
        if (inconnu_)
            for (const std::string& s : *inconnu_) Chaine(s);
        json_.EndArray();
    }

    void Faits() {
        const auto faits = FaitsJson(faits_);
        Cle("faits");
        json_.StartObject();
        for (const auto& [cle, valeur] : faits) {
            Cle(cle);
            json_.Bool(valeur);
        }
        json_.EndObject();
    }

    bool Garde(std::size_t i) const {
        if (!selection_) return true;
        const std::vector<std::size_t>& l = selection_->lignes;
        return std::find(l.begin(), l.end(), i) != l.end();
    }

    // Every cell of the whole table, or those with a kept line; each line an
    // object with its parts.
    void Cellules(const TVerbe& verbe) {
        const TLignesGrille lignes = ConjugueGrille(verbe, options_, faits_);
        json_.StartObject();
        for (const TCellule& c : GrilleComplete) {
            bool ouverte = false;
            for (int k = 0; k < c.NombreLignes(); ++k) {
                const std::size_t i = c.Premier + std::size_t(k);
                if (!Garde(i)) continue;
                if (!ouverte) {
                    Cle(c.Nom);
                    json_.StartArray();
                    ouverte = true;
                }
                const std::string_view ligne = lignes[i];
                const TParties p = PartiesDeLigne(verbe, c, options_, ligne);
                json_.StartObject();
                Cle("ligne");
                Chaine(ligne);
                Cle("forme");
                ChaineOuNul(p.Forme, p.Nue);
                Cle("pronom");
                ChaineOuNul(p.Forme, p.Pronom);
                Cle("auxiliaire");
                ChaineOuNul(p.Forme, p.Auxiliaire);
                Cle("participe");
                ChaineOuNul(p.Forme, p.Participe);
                EcritTraits(c, c.PremierePersonne + k, p.Forme);
                json_.EndObject();
            }
            if (ouverte) json_.EndArray();
        }
        json_.EndObject();
    }

    // The features of the line's cell and person, when asked for; null for a
    // line with no form.
    void EcritTraits(const TCellule& c, int personne, bool forme) {
        for (const TSchemaTraits schema : traits_.Schemas()) {
            Cle(NomSchema(schema));
            if (forme)
                Chaine(TraitsCase(schema, c, personne));
            else
                json_.Null();
        }
    }

    TFluxJson flux_;
    rapidjson::Writer<TFluxJson> json_;
    std::optional<TSelection> selection_;
    TTraitsDemandes traits_;
};

}  // namespace

std::unique_ptr<TEcrivain> CreeEcrivainJson2(TTamponSortie& sortie, const TOptions& options,
                                             std::optional<TSelection> selection,
                                             const TTraitsDemandes& traits) {
    return std::make_unique<TEcrivainJson2>(sortie, options, std::move(selection), traits);
}

}  // namespace florimot
