#include <algorithm>
#include <array>
#include <span>

#include "ecrivains_internes.hpp"
#include "entete.hpp"
#include "flux_json.hpp"

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
          flux_{sortie},
          json_(flux_),
          texteOptions_(TexteOptions()),
          selection_(std::move(selection)) {
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
        prefixes_ = std::move(texte);
        cadre_.Lignes = NombreLignesComplet;
        for (std::size_t i = 0; i < NombreLignesComplet; ++i)
            cadre_.Prefixe[i] =
                std::string_view(prefixes_).substr(debut[i], debut[i + 1] - debut[i]);
        tailleCadre_ = cadre_.TailleMax();
    }

    void Ecrit(const TVerbe& verbe) override {
        json_.Reset(flux_);
        json_.StartObject();
        const TEntete entete = FaitEntete(verbe, options_, faits_);
        Entete(entete);
        if (selection_) {
            // The facts first: a reader of a few cells sees them before.
            Faits();
            if (selection_->personne > 0) {
                Cle("personne");
                json_.Int(selection_->personne);
            }
            Cle("cellules");
            CellulesGardees(verbe);
        } else {
            Cle("cellules");
            Cellules(verbe, entete.Intitule);
            Faits();
        }
        json_.EndObject();
        sortie_ += '\n';
    }
    void NonVerbe(const TVerbe& verbe) override {
        json_.Reset(flux_);
        json_.StartObject();
        Cle("mot");
        Chaine(verbe.Intitule());
        Cle("verbe");
        json_.Bool(false);
        Cle("erreur");
        Chaine(verbe.TropLong() ? MessageTropLong : MessageNonVerbe);
        if (inconnu_) Suggestions();
        json_.EndObject();
        sortie_ += '\n';
    }

private:
    using Writer = rapidjson::Writer<TFluxJson>;

    // The known verbs the text may stand for.
    void Suggestions() {
        Cle("suggestions");
        json_.StartArray();
        for (const std::string& s : *inconnu_) Chaine(s);
        json_.EndArray();
    }

    void Cle(std::string_view cle) {
        json_.Key(cle.data(), static_cast<rapidjson::SizeType>(cle.size()));
    }
    void Chaine(std::string_view s) {
        json_.String(s.data(), static_cast<rapidjson::SizeType>(s.size()));
    }

    // Everything said about a verb before its forms, from the header every
    // front end says (FaitEntete).
    void Entete(const TEntete& entete) {
        Cle("mot");
        Chaine(entete.Intitule);
        Cle("groupe");
        Chaine(entete.Groupe);
        Cle("verbe");
        json_.Bool(true);
        Cle("modele");
        Chaine(entete.Type);
        Cle("regle");
        Chaine(entete.Regle);
        if (inconnu_) {
            Cle("connu");
            json_.Bool(false);
            Suggestions();
        }
        Cle("options");
        // Written once, again only for a verb --auxiliaire gives other options.
        if (options_ != optionsEcrites_) texteOptions_ = TexteOptions();
        Brut(texteOptions_);
    }

    // What the verb allows, as the lines were built with it; after the
    // forms, so that the keys before keep their order. Eight yes-or-no
    // facts: each set is written once, then copied.
    void Faits() {
        const auto faits = FaitsJson(faits_);
        std::size_t cle = 0;
        for (const auto& f : faits) cle = cle * 2 + f.second;
        std::string& texte = texteFaits_[cle];
        if (texte.empty()) texte = ObjetDeBooleens(faits);
        Cle("faits");
        Brut(texte);
    }

    // An object written beforehand, as the value of the key just written:
    // the writer puts the colon in and counts the value, then it is copied
    // whole, not byte by byte.
    void Brut(std::string_view objet) {
        json_.RawValue("", 0, rapidjson::kObjectType);
        sortie_ += objet;
    }

    // {"nom":true,…}, written once to be copied as often as it is needed.
    static std::string ObjetDeBooleens(std::span<const std::pair<std::string_view, bool>> paires) {
        TTamponSortie texte;
        TFluxJson flux{texte};
        Writer json(flux);
        json.StartObject();
        for (const auto& [cle, valeur] : paires) {
            json.Key(cle.data(), static_cast<rapidjson::SizeType>(cle.size()));
            json.Bool(valeur);
        }
        json.EndObject();
        return std::string(texte);
    }

    // The same for every verb of a run: written once.
    std::string TexteOptions() {
        optionsEcrites_ = options_;
        std::array<std::pair<std::string_view, bool>, OptionsFormat1> options;
        for (std::size_t i = 0; i < OptionsFormat1; ++i)
            options[i] = {DescriptionsOptions[i].CleJson,
                          EstActive(options_, DescriptionsOptions[i])};
        return ObjetDeBooleens(options);
    }

    void Cellules(const TVerbe& verbe, std::string_view mot) {
        Brut({});  // the object follows
        // The lines hold nothing to escape but what the word brings: the
        // engine's own words and signs never need it.
        if (AEchapper(mot)) {
            const TLignesGrille lignes = ConjugueGrille(verbe, options_, faits_);
            Writer cellules(flux_);
            cellules.StartObject();
            for (const TCellule& c : GrilleComplete) {
                cellules.Key(c.Nom.data(), static_cast<rapidjson::SizeType>(c.Nom.size()));
                cellules.StartArray();
                for (int i = 0; i < c.NombreLignes(); ++i) {
                    const std::string_view l = lignes[c.Premier + i];
                    cellules.String(l.data(), static_cast<rapidjson::SizeType>(l.size()));
                }
                cellules.EndArray();
            }
            cellules.EndObject();
        } else {
            sortie_.Valide(
                ConjugueGrille(verbe, options_, faits_, cadre_, sortie_.Reserve(tailleCadre_)));
            sortie_ += "\"]}";
        }
    }

    // Only the cells with a kept line, each with its kept lines.
    void CellulesGardees(const TVerbe& verbe) {
        const TLignesGrille lignes = ConjugueGrille(verbe, options_, faits_);
        json_.StartObject();
        for (const TCellule& c : GrilleComplete) {
            bool ouverte = false;
            for (const std::size_t i : selection_->lignes) {
                if (i < c.Premier || i >= std::size_t(c.Premier + c.NombreLignes())) continue;
                if (!ouverte) {
                    Cle(c.Nom);
                    json_.StartArray();
                    ouverte = true;
                }
                Chaine(lignes[i]);
            }
            if (ouverte) json_.EndArray();
        }
        json_.EndObject();
    }

    TFluxJson flux_;
    Writer json_;
    TOptions optionsEcrites_;  // those texteOptions_ says
    std::string texteOptions_;
    std::optional<TSelection> selection_;
    std::array<std::string, 256> texteFaits_;
    TCadreGrille cadre_;
    std::string prefixes_;
    std::size_t tailleCadre_;
};

}  // namespace

std::unique_ptr<TEcrivain> CreeEcrivainJson(TTamponSortie& sortie, const TOptions& options,
                                            std::optional<TSelection> selection) {
    return std::make_unique<TEcrivainJson>(sortie, options, std::move(selection));
}

}  // namespace florimot
