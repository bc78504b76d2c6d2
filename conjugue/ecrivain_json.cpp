#include <algorithm>
#include <array>
#include <span>

#include "ecrivains_internes.hpp"
#include "entete.hpp"
#include "flux_json.hpp"
#include "json_valeurs.hpp"

namespace florimot {

namespace {

// The bytes a string needs escaped in JSON.
bool AEchapper(std::string_view s) {
    return std::any_of(s.begin(), s.end(), [](char c) {
        return c == '"' || c == '\\' || static_cast<unsigned char>(c) < 0x20;
    });
}

// One object per line (JSON Lines), keys in the grid's order. Written as it
// goes, with no tree per verb: the keys through a streaming writer, the cells
// by the engine into a frame whose quotes, commas and names are made once.
class TEcrivainJson final : public TEcrivain {
public:
    TEcrivainJson(TTamponSortie& sortie, const TOptions& options,
                  std::optional<TSelection> selection = std::nullopt)
        : TEcrivain(sortie, options),
          Flux_{sortie},
          Json_(Flux_),
          TexteOptions_(TexteOptions()),
          Selection_(std::move(selection)) {
        // "PresInd":["je parle","tu parles",…],"PCInd":[…]
        std::string texte;
        std::array<std::size_t, NombreLignesComplet + 1> debut{};
        for (const TCellule& c : GrilleComplete)
            for (int i = 0; i < c.NombreLignes(); ++i) {
                if (i == 0) {
                    texte += c.Premier == 0 ? "{\"" : "\"],\"";
                    texte += c.Nom;
                    texte += "\":[\"";
                } else {
                    texte += "\",\"";
                }
                debut[c.Premier + i + 1] = texte.size();
            }
        Prefixes_ = std::move(texte);
        Cadre_.Lignes = NombreLignesComplet;
        for (std::size_t i = 0; i < NombreLignesComplet; ++i)
            Cadre_.Prefixe[i] =
                std::string_view(Prefixes_).substr(debut[i], debut[i + 1] - debut[i]);
        TailleCadre_ = Cadre_.TailleMax();
    }

    void Ecrit(const TVerbe& verbe) override {
        Json_.Reset(Flux_);
        Json_.StartObject();
        const TEntete entete = FaitEntete(verbe, Options_, Faits_);
        Entete(entete);
        if (Selection_) {
            // The facts first: a reader of a few cells sees them before.
            Faits();
            if (Selection_->Personne > 0) {
                Cle("personne");
                Json_.Int(Selection_->Personne);
            }
            Cle("cellules");
            CellulesGardees(verbe);
        } else {
            Cle("cellules");
            Cellules(verbe, entete.Intitule);
            Faits();
        }
        Json_.EndObject();
        Sortie_ += '\n';
    }
    void NonVerbe(const TVerbe& verbe) override {
        Json_.Reset(Flux_);
        Json_.StartObject();
        Cle("mot");
        Chaine(verbe.Intitule());
        Cle("verbe");
        Json_.Bool(false);
        Cle("erreur");
        Chaine(verbe.TropLong() ? MessageTropLong : MessageNonVerbe);
        if (Inconnu_) Suggestions();
        Json_.EndObject();
        Sortie_ += '\n';
    }

private:
    using Writer = rapidjson::Writer<TFluxJson>;

    // The known verbs the text may stand for.
    void Suggestions() {
        Cle("suggestions");
        Json_.StartArray();
        for (const std::string& s : *Inconnu_) Chaine(s);
        Json_.EndArray();
    }

    void Cle(std::string_view cle) { CleJson(Json_, cle); }
    void Chaine(std::string_view s) { ChaineJson(Json_, s); }

    // Everything said about a verb before its forms, from the header every
    // front end says (FaitEntete).
    void Entete(const TEntete& entete) {
        Cle("mot");
        Chaine(entete.Intitule);
        Cle("groupe");
        Chaine(entete.Groupe);
        Cle("verbe");
        Json_.Bool(true);
        Cle("modele");
        Chaine(entete.Type);
        Cle("regle");
        Chaine(entete.Regle);
        if (Inconnu_) {
            Cle("connu");
            Json_.Bool(false);
            Suggestions();
        }
        Cle("options");
        // Written once, again only for a verb --auxiliaire gives other options.
        if (Options_ != OptionsEcrites_) TexteOptions_ = TexteOptions();
        Brut(TexteOptions_);
    }

    // What the verb allows, as the lines were built with it; after the
    // forms, so that the keys before keep their order. Eight yes-or-no
    // facts: each set is written once, then copied.
    void Faits() {
        const auto faits = FaitsJson(Faits_);
        std::size_t cle = 0;
        for (const auto& f : faits) cle = cle * 2 + f.second;
        std::string& texte = TexteFaits_[cle];
        if (texte.empty()) texte = ObjetDeBooleens(faits);
        Cle("faits");
        Brut(texte);
    }

    // An object written beforehand, as the value of the key just written:
    // the writer puts the colon in and counts the value, then it is copied
    // whole, not byte by byte.
    void Brut(std::string_view objet) {
        Json_.RawValue("", 0, rapidjson::kObjectType);
        Sortie_ += objet;
    }

    // {"nom":true,…}, written once to be copied as often as it is needed.
    static std::string ObjetDeBooleens(std::span<const std::pair<std::string_view, bool>> paires) {
        TTamponSortie texte;
        TFluxJson flux{texte};
        Writer json(flux);
        json.StartObject();
        for (const auto& [cle, valeur] : paires) {
            CleJson(json, cle);
            json.Bool(valeur);
        }
        json.EndObject();
        return std::string(texte);
    }

    // The same for every verb of a run: written once.
    std::string TexteOptions() {
        OptionsEcrites_ = Options_;
        std::array<std::pair<std::string_view, bool>, OptionsFormat1> options;
        for (std::size_t i = 0; i < OptionsFormat1; ++i)
            options[i] = {DescriptionsOptions[i].CleJson,
                          EstActive(Options_, DescriptionsOptions[i])};
        return ObjetDeBooleens(options);
    }

    void Cellules(const TVerbe& verbe, std::string_view mot) {
        Brut({});  // the object follows
        // The lines hold nothing to escape but what the word brings: the
        // engine's own words and signs never need it.
        if (AEchapper(mot)) {
            const TLignesGrille lignes = ConjugueGrille(verbe, Options_, Faits_);
            Writer cellules(Flux_);
            cellules.StartObject();
            for (const TCellule& c : GrilleComplete) {
                CleJson(cellules, c.Nom);
                cellules.StartArray();
                for (int i = 0; i < c.NombreLignes(); ++i) {
                    const std::string_view l = lignes[c.Premier + i];
                    ChaineJson(cellules, l);
                }
                cellules.EndArray();
            }
            cellules.EndObject();
        } else {
            Sortie_.Valide(
                ConjugueGrille(verbe, Options_, Faits_, Cadre_, Sortie_.Reserve(TailleCadre_)));
            Sortie_ += "\"]}";
        }
    }

    // Only the cells with a kept line, each with its kept lines.
    void CellulesGardees(const TVerbe& verbe) {
        const TLignesGrille lignes = ConjugueGrille(verbe, Options_, Faits_);
        Json_.StartObject();
        for (const TCellule& c : GrilleComplete) {
            bool ouverte = false;
            for (const std::size_t i : Selection_->Lignes) {
                if (i < c.Premier || i >= std::size_t(c.Premier + c.NombreLignes())) continue;
                if (!ouverte) {
                    Cle(c.Nom);
                    Json_.StartArray();
                    ouverte = true;
                }
                Chaine(lignes[i]);
            }
            if (ouverte) Json_.EndArray();
        }
        Json_.EndObject();
    }

    TFluxJson Flux_;
    Writer Json_;
    TOptions OptionsEcrites_;  // those texteOptions_ says
    std::string TexteOptions_;
    std::optional<TSelection> Selection_;
    std::array<std::string, 256> TexteFaits_;
    TCadreGrille Cadre_;
    std::string Prefixes_;
    std::size_t TailleCadre_;
};

}  // namespace

std::unique_ptr<TEcrivain> CreeEcrivainJson(TTamponSortie& sortie, const TOptions& options,
                                            std::optional<TSelection> selection) {
    return std::make_unique<TEcrivainJson>(sortie, options, std::move(selection));
}

}  // namespace florimot
