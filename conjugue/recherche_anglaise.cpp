#include "recherche_anglaise.hpp"

#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <algorithm>
#include <optional>

#include "anglais.hpp"
#include "anglais_texte.hpp"
#include "citation.hpp"
#include "commande.hpp"
#include "faits.hpp"
#include "json_valeurs.hpp"
#include "verbe.hpp"

namespace florimot {

namespace {

// The codes JSON gives the notes: the same in every language.
std::string_view CodeNote(TNoteAnglaise note) {
    switch (note) {
        case TNoteAnglaise::Aucune: break;
        case TNoteAnglaise::PasseCompose_PasseSimple: return "passe_compose_ou_passe_simple";
        case TNoteAnglaise::TuOuVous: return "tu_ou_vous";
    }
    return {};
}

struct TLigneChoix {
    const TChoixAnglais* Choix;
    const TCellule* Cellule;  // null for the verb alone
    std::string Forme;        // the line, or the infinitive
};

// The choice's line as the grid writes it; nothing when the engine does not
// read the French word as a verb, or the cell has no such person.
std::optional<TLigneChoix> Ligne(const TChoixAnglais& c) {
    TVerbe verbe;
    verbe.DefinitVerbe(c.Infinitif);
    const TFaits faits = PrepareVerbe(verbe);
    if (verbe.DonneGroupe() == 0) return std::nullopt;
    if (c.Cellule.empty()) return TLigneChoix{&c, nullptr, std::string(verbe.Intitule())};
    const std::optional<TLigneChoisie> place = LigneDuChoix(c);
    if (!place) return std::nullopt;
    const TCellule& cellule = GrilleComplete[place->Cellule];
    TOptions options;
    options.Feminin = c.Feminin;
    options.Negation = c.Negation;
    std::string forme =
        ConjugueForme(verbe, cellule, cellule.PremierePersonne + place->Ligne, options, faits);
    if (forme.empty() || EstMarqueur(forme)) return std::nullopt;
    return TLigneChoix{&c, &cellule, std::move(forme)};
}

}  // namespace

int EcritRechercheAnglaise(std::string_view texte, TFormatSortie format, TSorties& sorties) {
    const TDictd* en = DictionnaireAnglaisFrancais();
    const TDictd* fr = DictionnaireFrancaisAnglais();
    if (en == nullptr && fr == nullptr) {
        sorties.Messages +=
            "conjugue : les dictionnaires FreeDict ne sont pas installés : --anglais ne trouve "
            "rien "
            "(paquets dict-freedict-eng-fra, dict-freedict-fra-eng)\n";
        return SortieNonVerbe;
    }
    const std::vector<TChoixAnglais> choix = RechercheAnglaise(en, fr, texte);
    std::vector<TLigneChoix> lignes;
    for (const TChoixAnglais& c : choix)
        if (std::optional<TLigneChoix> l = Ligne(c)) lignes.push_back(std::move(*l));

    if (format == TFormatSortie::Json) {
        rapidjson::StringBuffer tampon;
        rapidjson::Writer<rapidjson::StringBuffer> json(tampon);
        json.StartObject();
        json.Key("anglais");
        ChaineJson(json, texte);
        json.Key("choix");
        json.StartArray();
        for (const TLigneChoix& l : lignes) {
            json.StartObject();
            json.Key("verbe");
            ChaineJson(json, l.Choix->Infinitif);
            json.Key("cellule");
            ChaineJson(json, l.Choix->Cellule);
            json.Key("personne");
            json.Int(l.Cellule != nullptr ? l.Choix->Personne : 0);
            json.Key("forme");
            ChaineJson(json, l.Forme);
            json.Key("note");
            ChaineJson(json, CodeNote(l.Choix->Note));
            json.EndObject();
        }
        json.EndArray();
        json.EndObject();
        sorties.Texte += std::string_view(tampon.GetString(), tampon.GetSize());
        sorties.Texte += '\n';
    } else if (!lignes.empty()) {
        sorties.Texte += texte;
        sorties.Texte += '\n';
        std::vector<TNoteAnglaise> notes;
        for (const TLigneChoix& l : lignes) {
            sorties.Texte += "  ";
            sorties.Texte += l.Choix->Infinitif;
            sorties.Texte += " — ";
            if (l.Cellule == nullptr) {
                const std::string glosses = LigneGlosses(GlossesAnglaises(l.Choix->Infinitif));
                sorties.Texte += glosses.empty() ? "infinitif" : glosses;
            } else {
                sorties.Texte += l.Cellule->Mode;
                sorties.Texte += ' ';
                sorties.Texte += l.Cellule->Temps;
                sorties.Texte += " : ";
                sorties.Texte += l.Forme;
            }
            sorties.Texte += '\n';
            if (l.Choix->Note != TNoteAnglaise::Aucune &&
                std::find(notes.begin(), notes.end(), l.Choix->Note) == notes.end())
                notes.push_back(l.Choix->Note);
        }
        for (TNoteAnglaise n : notes) {
            sorties.Texte += "  (";
            sorties.Texte += TexteNoteAnglaise(n);
            sorties.Texte += ")\n";
        }
    }
    if (!lignes.empty()) return SortieSucces;
    sorties.Messages += "« ";
    sorties.Messages += DebutCite(std::string(texte));
    sorties.Messages += " » : aucun verbe français pour ce texte anglais\n";
    return SortieNonVerbe;
}

}  // namespace florimot
