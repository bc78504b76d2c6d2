#include "ecrivains.hpp"

#include <array>
#include <nlohmann/json.hpp>

#include "copie.hpp"
#include "formes_nues.hpp"
#include "mise_en_page.hpp"
#include "regles.hpp"

namespace florimot {

namespace {

using Json = nlohmann::ordered_json;

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
    TEcrivainTsv(std::string& sortie, const TOptions& options, bool complet)
        : TEcrivain(sortie, options), lignes_(complet ? NombreLignesComplet : NombreLignesGrille) {}

    void Ecrit(const TVerbe& verbe, const LignesGrille& lignes) override {
        // The block's size is known before it is written: one resize, then
        // plain copies, instead of some 700 appends per text.
        const std::string mot = verbe.Intitule();
        const std::string legende = LegendeGroupe(verbe);
        const std::array<std::string, NombreLignesComplet>& champs = Champs();
        std::size_t taille = mot.size() + EnteteTsv.size() + legende.size() + 1;
        for (std::size_t i = 0; i < lignes_; ++i)
            taille += mot.size() + champs[i].size() + lignes[i].size() + 1;
        const std::size_t debut = sortie_.size();
        sortie_.resize(debut + taille);
        char* p = sortie_.data() + debut;
        const auto copie = [&p](std::string_view s) {
            CopieCourte(p, s.data(), s.size());
            p += s.size();
        };
        copie(mot);
        copie(EnteteTsv);
        copie(legende);
        *p++ = '\n';
        for (std::size_t i = 0; i < lignes_; ++i) {
            copie(mot);
            copie(champs[i]);
            copie(lignes[i]);
            *p++ = '\n';
        }
    }
    void NonVerbe(const TVerbe& verbe, const LignesGrille& lignes) override {
        Ecrit(verbe, lignes);
    }

private:
    std::size_t lignes_;
};

// A non-verb has no grid to show: its message on standard error is all.
class TEcrivainLisible final : public TEcrivain {
public:
    TEcrivainLisible(std::string& sortie, const TOptions& options, int largeur, bool gras)
        : TEcrivain(sortie, options), largeur_(largeur), gras_(gras) {}

    void Ecrit(const TVerbe& verbe, const LignesGrille& lignes) override {
        if (premier_)
            premier_ = false;
        else
            sortie_ += '\n';
        sortie_ += MiseEnPage(EnteteLisible(verbe, options_, faits_), lignes, largeur_, gras_);
    }
    void NonVerbe(const TVerbe&, const LignesGrille&) override {}

private:
    int largeur_;
    bool gras_;
    bool premier_ = true;
};

// One object per line (JSON Lines), keys in the grid's order.
class TEcrivainJson final : public TEcrivain {
public:
    using TEcrivain::TEcrivain;

    void Ecrit(const TVerbe& verbe, const LignesGrille& lignes) override {
        Json objet = Entete(verbe);
        Json cellules = Json::object();
        for (const Cellule& c : GrilleComplete) {
            Json formes = Json::array();
            for (int i = 0; i < c.NombreLignes(); ++i)
                formes.push_back(std::string(lignes[c.Premier + i]));
            cellules[std::string(c.Nom)] = std::move(formes);
        }
        objet["cellules"] = std::move(cellules);
        AjouteFaits(objet);
        Ajoute(objet);
    }
    void NonVerbe(const TVerbe& verbe, const LignesGrille&) override {
        Json objet;
        objet["mot"] = verbe.Intitule();
        objet["verbe"] = false;
        objet["erreur"] = verbe.TropLong() ? MessageTropLong : MessageNonVerbe;
        Ajoute(objet);
    }

private:
    // Everything said about a verb before its forms: an item for every
    // reader of the output goes here, and in EnteteLisible.
    Json Entete(const TVerbe& verbe) const {
        Json objet;
        objet["mot"] = verbe.Intitule();
        objet["groupe"] = LegendeGroupe(verbe);
        objet["verbe"] = true;
        objet["modele"] = TypeDuModele(verbe, {options_.Rectifiee, options_.Variante});
        objet["regle"] = RegleDuModele(verbe, options_);
        if (inconnu_) {
            objet["connu"] = false;
            objet["suggestions"] = *inconnu_;
        }
        objet["options"] = {{"feminin", options_.Feminin},
                            {"negation", options_.Negation},
                            {"interrogation", options_.Interrogation},
                            {"passif", options_.Passif},
                            {"rectifiee", options_.Rectifiee},
                            {"variante", options_.Variante}};
        return objet;
    }

    // What the verb allows, as the lines were built with it; after the
    // forms, so that the keys before keep their order.
    void AjouteFaits(Json& objet) const {
        objet["faits"] = {{"connu", faits_.Connu},
                          {"passif", faits_.Passif},
                          {"impersonnel", faits_.Impersonnel},
                          {"troisiemes_personnes", faits_.TroisiemesPersonnes},
                          {"pronominal", faits_.Pronominal},
                          {"reciproque", faits_.Reciproque},
                          {"reflechi_indirect", faits_.ReflechiIndirect},
                          {"peut_etre_pronominal", faits_.PeutEtrePronominal}};
    }

    void Ajoute(const Json& objet) {
        // The engine's text is valid UTF-8; should it ever not be, a
        // replacement character beats a half-written line.
        sortie_ += objet.dump(-1, ' ', false, Json::error_handler_t::replace);
        sortie_ += '\n';
    }
};

}  // namespace

std::unique_ptr<TEcrivain> CreeEcrivain(FormatSortie format, std::string& sortie,
                                        const TOptions& options, int largeur, bool gras,
                                        bool complet) {
    switch (format) {
        case FormatSortie::Tsv: return std::make_unique<TEcrivainTsv>(sortie, options, complet);
        case FormatSortie::Json: return std::make_unique<TEcrivainJson>(sortie, options);
        case FormatSortie::Lisible: break;
    }
    return std::make_unique<TEcrivainLisible>(sortie, options, largeur, gras);
}

}  // namespace florimot
