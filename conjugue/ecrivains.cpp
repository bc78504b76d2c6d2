#include "ecrivains.hpp"

#include <nlohmann/json.hpp>

#include "formes_nues.hpp"
#include "mise_en_page.hpp"

namespace florimot {

namespace {

using Json = nlohmann::ordered_json;

// Read by other programs: not one byte of it may change. A non-verb keeps its
// 98 lines (empty forms), since scripts count 98 lines per text.
class TEcrivainTsv final : public TEcrivain {
public:
    using TEcrivain::TEcrivain;

    void Ecrit(const TVerbe& verbe, const LignesGrille& lignes) override {
        const std::string mot = verbe.Intitule();
        sortie_ += mot;
        sortie_ += "\tGroupe\t0\t";
        sortie_ += LegendeGroupe(verbe);
        sortie_ += '\n';
        for (const Cellule& c : Grille) {
            for (int p = c.PremierePersonne; p <= c.DernierePersonne; ++p) {
                sortie_ += mot;
                sortie_ += '\t';
                sortie_ += c.Nom;
                sortie_ += '\t';
                sortie_ += static_cast<char>('0' + p);
                sortie_ += '\t';
                sortie_ += lignes[c.Premier + p - c.PremierePersonne];
                sortie_ += '\n';
            }
        }
    }
    void NonVerbe(const TVerbe& verbe, const LignesGrille& lignes) override {
        Ecrit(verbe, lignes);
    }
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
        sortie_ += MiseEnPage(EnteteLisible(verbe, options_), lignes, largeur_, gras_);
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
        for (const Cellule& c : Grille) {
            Json formes = Json::array();
            for (int i = 0; i < c.NombreLignes(); ++i)
                formes.push_back(std::string(lignes[c.Premier + i]));
            cellules[std::string(c.Nom)] = std::move(formes);
        }
        objet["cellules"] = std::move(cellules);
        Ajoute(objet);
    }
    void NonVerbe(const TVerbe& verbe, const LignesGrille&) override {
        Json objet;
        objet["mot"] = verbe.Intitule();
        objet["verbe"] = false;
        objet["erreur"] = MessageNonVerbe;
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
        objet["modele"] = TypeDuModele(verbe);
        objet["options"] = {{"feminin", options_.Feminin},
                            {"negation", options_.Negation},
                            {"interrogation", options_.Interrogation},
                            {"passif", options_.Passif}};
        return objet;
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
                                        const TOptions& options, int largeur, bool gras) {
    switch (format) {
        case FormatSortie::Tsv: return std::make_unique<TEcrivainTsv>(sortie, options);
        case FormatSortie::Json: return std::make_unique<TEcrivainJson>(sortie, options);
        case FormatSortie::Lisible: break;
    }
    return std::make_unique<TEcrivainLisible>(sortie, options, largeur, gras);
}

}  // namespace florimot
