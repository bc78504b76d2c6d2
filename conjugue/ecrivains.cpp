#include "ecrivains.hpp"

#include <rapidjson/writer.h>

#include <algorithm>
#include <array>
#include <span>

#include "anglais_texte.hpp"
#include "entete.hpp"
#include "json_anglais.hpp"
#include "legende.hpp"
#include "mise_en_page.hpp"

namespace florimot {

namespace {

constexpr std::string_view EnteteTsv = "\tGroupe\t0\t";

// "\tPresInd\t1\t" for each line of the whole table, in its order.
const std::array<std::string, NombreLignesComplet>& Champs() {
    static const std::array<std::string, NombreLignesComplet> champs = [] {
        std::array<std::string, NombreLignesComplet> c;
        for (const Cellule& cel : GrilleComplete)
            for (int p = cel.PremierePersonne; p <= cel.DernierePersonne; ++p) {
                std::string& champ = c[cel.Premier + p - cel.PremierePersonne];
                champ = '\t';
                champ += cel.Nom;
                champ += '\t';
                champ += static_cast<char>('0' + p);
                champ += '\t';
            }
        return c;
    }();
    return champs;
}

// Read by other programs: not one byte of it may change. A non-verb keeps its
// 98 lines (empty forms), since scripts count 98 lines per text. `complet`
// adds the cells without person after them, for readers that ask for them.
class TEcrivainTsv final : public TEcrivain {
public:
    TEcrivainTsv(TTamponSortie& sortie, const TOptions& options, bool complet,
                 std::optional<TSelection> selection = std::nullopt)
        : TEcrivain(sortie, options), selection_(std::move(selection)) {
        const std::array<std::string, NombreLignesComplet>& champs = Champs();
        std::copy(champs.begin(), champs.end(), cadre_.Prefixe.begin());
        cadre_.Fin = "\n";
        cadre_.Lignes = complet ? NombreLignesComplet : NombreLignesGrille;
        tailleSansMot_ = cadre_.TailleMax();
    }

    void Ecrit(const TVerbe& verbe) override {
        const std::string mot = verbe.Intitule();
        sortie_ += mot;
        sortie_ += EnteteTsv;
        sortie_ += LegendeGroupe(verbe);
        sortie_ += '\n';
        if (selection_) return EcritSelection(verbe, mot);
        // "parler" + "\tPresInd\t1\t" + the line the engine writes in place.
        cadre_.Debut = mot;
        const std::size_t taille = tailleSansMot_ + cadre_.Lignes * mot.size();
        sortie_.Valide(ConjugueGrille(verbe, options_, faits_, cadre_, sortie_.Reserve(taille)));
    }
    void NonVerbe(const TVerbe& verbe) override { Ecrit(verbe); }

private:
    // The same lines, a few of them: the engine's grid, then only those.
    void EcritSelection(const TVerbe& verbe, std::string_view mot) {
        const LignesGrille lignes = ConjugueGrille(verbe, options_, faits_);
        const std::array<std::string, NombreLignesComplet>& champs = Champs();
        for (const std::size_t i : selection_->lignes) {
            sortie_ += mot;
            sortie_ += champs[i];
            sortie_ += lignes[i];
            sortie_ += '\n';
        }
    }

    CadreGrille cadre_;
    std::size_t tailleSansMot_;  // TailleMax without Debut, which counts once per line
    std::optional<TSelection> selection_;
};

// A non-verb has no grid to show: its message on standard error is all.
class TEcrivainLisible final : public TEcrivain {
public:
    TEcrivainLisible(TTamponSortie& sortie, const TOptions& options, int largeur, bool gras)
        : TEcrivain(sortie, options), largeur_(largeur), gras_(gras) {}

    void Ecrit(const TVerbe& verbe) override {
        if (premier_)
            premier_ = false;
        else
            sortie_ += '\n';
        std::string entete = EnteteLisible(verbe, options_, faits_);
        if (const std::string g = LigneGlosses(GlossesAnglaises(verbe.Intitule())); !g.empty())
            entete.append("\n").append(g);
        sortie_ += MiseEnPage(entete, ConjugueGrille(verbe, options_, faits_), largeur_, gras_);
    }
    void NonVerbe(const TVerbe&) override {}

private:
    int largeur_;
    bool gras_;
    bool premier_ = true;
};

// What the JSON writer writes into: standard output's buffer itself. The
// writer asks for room before each value, then writes it byte by byte.
struct FluxJson {
    using Ch = char;
    TTamponSortie& tampon;
    void Put(char c) { tampon += c; }
    void Flush() {}
};
void PutReserve(FluxJson& flux, std::size_t n) {
    flux.tampon.Reserve(n);
}
void PutUnsafe(FluxJson& flux, char c) {
    flux.tampon.AjouteReserve(c);
}

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
        for (const Cellule& c : GrilleComplete)
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
        json_.EndObject();
        sortie_ += '\n';
    }

private:
    using Writer = rapidjson::Writer<FluxJson>;

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
        EcritGlossesJson(json_, entete.Intitule);
        if (inconnu_) {
            Cle("connu");
            json_.Bool(false);
            Cle("suggestions");
            json_.StartArray();
            for (const std::string& s : *inconnu_) Chaine(s);
            json_.EndArray();
        }
        Cle("options");
        Brut(texteOptions_);
    }

    // What the verb allows, as the lines were built with it; after the
    // forms, so that the keys before keep their order. Eight yes-or-no
    // facts: each set is written once, then copied.
    void Faits() {
        const std::pair<std::string_view, bool> faits[] = {
            {"connu", faits_.Connu},
            {"passif", faits_.Passif},
            {"impersonnel", faits_.Impersonnel},
            {"troisiemes_personnes", faits_.TroisiemesPersonnes},
            {"pronominal", faits_.Pronominal},
            {"reciproque", faits_.Reciproque},
            {"reflechi_indirect", faits_.ReflechiIndirect},
            {"peut_etre_pronominal", faits_.PeutEtrePronominal},
        };
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
        FluxJson flux{texte};
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
    std::string TexteOptions() const {
        std::array<std::pair<std::string_view, bool>, NombreOptions> options;
        for (std::size_t i = 0; i < NombreOptions; ++i)
            options[i] = {DescriptionsOptions[i].CleJson,
                          EstActive(options_, DescriptionsOptions[i])};
        return ObjetDeBooleens(options);
    }

    void Cellules(const TVerbe& verbe, std::string_view mot) {
        Brut({});  // the object follows
        // The lines hold nothing to escape but what the word brings: the
        // engine's own words and signs never need it.
        if (AEchapper(mot)) {
            const LignesGrille lignes = ConjugueGrille(verbe, options_, faits_);
            Writer cellules(flux_);
            cellules.StartObject();
            for (const Cellule& c : GrilleComplete) {
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
        const LignesGrille lignes = ConjugueGrille(verbe, options_, faits_);
        json_.StartObject();
        for (const Cellule& c : Grille) {
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

    FluxJson flux_;
    Writer json_;
    std::string texteOptions_;
    std::optional<TSelection> selection_;
    std::array<std::string, 256> texteFaits_;
    CadreGrille cadre_;
    std::string prefixes_;
    std::size_t tailleCadre_;
};

class TAnalyseTsv final : public TEcrivainAnalyse {
public:
    TAnalyseTsv(TTamponSortie& sortie, bool toutes) : TEcrivainAnalyse(sortie), toutes_(toutes) {}

    void Ecrit(std::string_view forme, const std::vector<TAnalyse>& analyse) override {
        if (analyse.empty() && toutes_) {
            sortie_ += forme;
            sortie_ += "\t\t\t\n";
        }
        for (const TAnalyse& a : analyse)
            for (const TLecture& l : a.lectures) {
                sortie_ += forme;
                sortie_ += '\t';
                sortie_ += a.infinitif;
                sortie_ += '\t';
                sortie_ += l.cellule;
                sortie_ += '\t';
                sortie_ += static_cast<char>('0' + l.personne);
                sortie_ += '\n';
            }
    }

private:
    bool toutes_;
};

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
                for (const TDescriptionOption& d : DescriptionsOptions) {
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

    FluxJson flux_;
    rapidjson::Writer<FluxJson> json_;
};

class TAnalyseLisible final : public TEcrivainAnalyse {
public:
    TAnalyseLisible(TTamponSortie& sortie, bool toutes)
        : TEcrivainAnalyse(sortie), toutes_(toutes) {}

    void Ecrit(std::string_view forme, const std::vector<TAnalyse>& analyse) override {
        if (analyse.empty() && !toutes_) return;
        sortie_ += DecritAnalyse(forme, analyse);
        sortie_ += '\n';
    }

private:
    bool toutes_;
};

}  // namespace

std::unique_ptr<TEcrivain> CreeEcrivain(FormatSortie format, TTamponSortie& sortie,
                                        const TOptions& options, int largeur, bool gras,
                                        bool complet) {
    switch (format) {
        case FormatSortie::Tsv: return std::make_unique<TEcrivainTsv>(sortie, options, complet);
        case FormatSortie::Json: return std::make_unique<TEcrivainJson>(sortie, options);
        case FormatSortie::Lisible: break;
    }
    return std::make_unique<TEcrivainLisible>(sortie, options, largeur, gras);
}

std::unique_ptr<TEcrivain> CreeEcrivainSelection(FormatSortie format, TTamponSortie& sortie,
                                                 const TOptions& options, TSelection selection) {
    if (format == FormatSortie::Json)
        return std::make_unique<TEcrivainJson>(sortie, options, std::move(selection));
    return std::make_unique<TEcrivainTsv>(sortie, options, false, std::move(selection));
}

std::unique_ptr<TEcrivainAnalyse> CreeEcrivainAnalyse(FormatSortie format, TTamponSortie& sortie,
                                                      bool toutes) {
    switch (format) {
        case FormatSortie::Tsv: return std::make_unique<TAnalyseTsv>(sortie, toutes);
        case FormatSortie::Json: return std::make_unique<TAnalyseJson>(sortie);
        case FormatSortie::Lisible: break;
    }
    return std::make_unique<TAnalyseLisible>(sortie, toutes);
}

}  // namespace florimot
