// JSON's second format: one fixed order of keys whatever the options, plain
// values beside their captions, each line with its parts, and what the
// dictionary says of the text in every mode.
#include <algorithm>

#include "ecrivains_internes.hpp"
#include "entete.hpp"
#include "flux_json.hpp"
#include "json_accord.hpp"
#include "json_anglais.hpp"
#include "json_valeurs.hpp"
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
          Flux_{sortie},
          Json_(Flux_),
          Selection_(std::move(selection)),
          Traits_(traits) {}

    void Ecrit(const TVerbe& verbe) override {
        const TEntete entete = FaitEntete(verbe, Options_, Faits_);
        Debut(entete.Intitule, true);
        Cle("groupe");
        Json_.Int(verbe.DonneGroupe());
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
        EcritGlossesJson(Json_, entete.Intitule);
        Cle("options");
        OptionsJson(Json_, Options_);
        Faits();
        // Why each participle agrees, after the facts it is read from.
        Cle("accord");
        const std::string accord = ObjetAccord(verbe, Options_, Faits_);
        Json_.RawValue(accord.data(), accord.size(), rapidjson::kObjectType);
        Cle("personne");
        if (Selection_ && Selection_->Personne > 0)
            Json_.Int(Selection_->Personne);
        else
            Json_.Null();
        Cle("cellules");
        Cellules(verbe);
        Json_.EndObject();
        Sortie_ += '\n';
    }

    void NonVerbe(const TVerbe& verbe) override {
        Debut(verbe.Intitule(), false);
        Cle("groupe");
        Json_.Int(0);
        Cle("erreur");
        Chaine(verbe.TropLong() ? MessageTropLong : MessageNonVerbe);
        Json_.EndObject();
        Sortie_ += '\n';
    }

private:
    void Cle(std::string_view cle) { CleJson(Json_, cle); }
    void Chaine(std::string_view s) { ChaineJson(Json_, s); }
    // "" is no value: null.
    void ChaineOuNul(bool present, std::string_view s) {
        if (present && !s.empty())
            Chaine(s);
        else
            Json_.Null();
    }

    // What every object starts with: its format, the text, whether it is a
    // verb, what the dictionary says of it.
    void Debut(std::string_view mot, bool verbe) {
        Json_.Reset(Flux_);
        Json_.StartObject();
        Cle("format");
        Json_.Int(2);
        Cle("mot");
        Chaine(mot);
        Cle("verbe");
        Json_.Bool(verbe);
        Cle("connu");
        Json_.Bool(verbe && Connu_);
        Cle("suggestions");
        if (!Recherche_) {
            Json_.Null();
            return;
        }
        Json_.StartArray();
        if (Inconnu_)
            for (const std::string& s : *Inconnu_) Chaine(s);
        Json_.EndArray();
    }

    void Faits() {
        const auto faits = FaitsJson(Faits_);
        Cle("faits");
        Json_.StartObject();
        for (const auto& [cle, valeur] : faits) {
            Cle(cle);
            Json_.Bool(valeur);
        }
        Json_.EndObject();
    }

    bool Garde(std::size_t i) const {
        if (!Selection_) return true;
        const std::vector<std::size_t>& l = Selection_->Lignes;
        return std::find(l.begin(), l.end(), i) != l.end();
    }

    // Every cell of the whole table, or those with a kept line; each line an
    // object with its parts.
    void Cellules(const TVerbe& verbe) {
        const TLignesGrille lignes = ConjugueGrille(verbe, Options_, Faits_);
        Json_.StartObject();
        for (const TCellule& c : GrilleComplete) {
            bool ouverte = false;
            for (int k = 0; k < c.NombreLignes(); ++k) {
                const std::size_t i = c.Premier + std::size_t(k);
                if (!Garde(i)) continue;
                if (!ouverte) {
                    Cle(c.Nom);
                    Json_.StartArray();
                    ouverte = true;
                }
                const std::string_view ligne = lignes[i];
                const TParties p = PartiesDeLigne(verbe, c, Options_, ligne);
                Json_.StartObject();
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
                Json_.EndObject();
            }
            if (ouverte) Json_.EndArray();
        }
        Json_.EndObject();
    }

    // The features of the line's cell and person, when asked for; null for a
    // line with no form.
    void EcritTraits(const TCellule& c, int personne, bool forme) {
        for (const TSchemaTraits schema : Traits_.Schemas()) {
            Cle(NomSchema(schema));
            if (forme)
                Chaine(TraitsCase(schema, c, personne));
            else
                Json_.Null();
        }
    }

    TFluxJson Flux_;
    rapidjson::Writer<TFluxJson> Json_;
    std::optional<TSelection> Selection_;
    TTraitsDemandes Traits_;
};

}  // namespace

std::unique_ptr<TEcrivain> CreeEcrivainJson2(TTamponSortie& sortie, const TOptions& options,
                                             std::optional<TSelection> selection,
                                             const TTraitsDemandes& traits) {
    return std::make_unique<TEcrivainJson2>(sortie, options, std::move(selection), traits);
}

}  // namespace florimot
