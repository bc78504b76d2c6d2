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
#include "verbe.hpp"

namespace florimot {

namespace {

// The codes JSON gives the notes: the same in every language.
std::string_view CodeNote(NoteAnglaise note) {
    switch (note) {
        case NoteAnglaise::Aucune: break;
        case NoteAnglaise::PasseCompose_PasseSimple: return "passe_compose_ou_passe_simple";
        case NoteAnglaise::TuOuVous: return "tu_ou_vous";
    }
    return {};
}

struct TLigneChoix {
    const TChoixAnglais* choix;
    const TCellule* cellule;  // null for the verb alone
    std::string forme;        // the line, or the infinitive
};

// The choice's line as the grid writes it; nothing when the engine does not
// read the French word as a verb, or the cell has no such person.
std::optional<TLigneChoix> Ligne(const TChoixAnglais& c) {
    TVerbe verbe;
    verbe.DefinitVerbe(c.infinitif);
    const TFaits faits = PrepareVerbe(verbe);
    if (verbe.DonneGroupe() == 0) return std::nullopt;
    if (c.cellule.empty()) return TLigneChoix{&c, nullptr, std::string(verbe.Intitule())};
    const std::optional<TLigneChoisie> place = LigneDuChoix(c);
    if (!place) return std::nullopt;
    const TCellule& cellule = GrilleComplete[place->cellule];
    TOptions options;
    options.Feminin = c.feminin;
    options.Negation = c.negation;
    std::string forme =
        ConjugueForme(verbe, cellule, cellule.PremierePersonne + place->ligne, options, faits);
    if (forme.empty() || EstMarqueur(forme)) return std::nullopt;
    return TLigneChoix{&c, &cellule, std::move(forme)};
}

}  // namespace

int EcritRechercheAnglaise(std::string_view texte, TFormatSortie format, TSorties& sorties) {
    const TDictd* en = DictionnaireAnglaisFrancais();
    const TDictd* fr = DictionnaireFrancaisAnglais();
    if (en == nullptr && fr == nullptr) {
        sorties.messages +=
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
        const auto chaine = [&](std::string_view s) {
            json.String(s.data(), static_cast<rapidjson::SizeType>(s.size()));
        };
        json.StartObject();
        json.Key("anglais");
        chaine(texte);
        json.Key("choix");
        json.StartArray();
        for (const TLigneChoix& l : lignes) {
            json.StartObject();
            json.Key("verbe");
            chaine(l.choix->infinitif);
            json.Key("cellule");
            chaine(l.choix->cellule);
            json.Key("personne");
            json.Int(l.cellule != nullptr ? l.choix->personne : 0);
            json.Key("forme");
            chaine(l.forme);
            json.Key("note");
            chaine(CodeNote(l.choix->note));
            json.EndObject();
        }
        json.EndArray();
        json.EndObject();
        sorties.texte += std::string_view(tampon.GetString(), tampon.GetSize());
        sorties.texte += '\n';
    } else if (!lignes.empty()) {
        sorties.texte += texte;
        sorties.texte += '\n';
        std::vector<NoteAnglaise> notes;
        for (const TLigneChoix& l : lignes) {
            sorties.texte += "  ";
            sorties.texte += l.choix->infinitif;
            sorties.texte += " — ";
            if (l.cellule == nullptr) {
                const std::string glosses = LigneGlosses(GlossesAnglaises(l.choix->infinitif));
                sorties.texte += glosses.empty() ? "infinitif" : glosses;
            } else {
                sorties.texte += l.cellule->Mode;
                sorties.texte += ' ';
                sorties.texte += l.cellule->Temps;
                sorties.texte += " : ";
                sorties.texte += l.forme;
            }
            sorties.texte += '\n';
            if (l.choix->note != NoteAnglaise::Aucune &&
                std::find(notes.begin(), notes.end(), l.choix->note) == notes.end())
                notes.push_back(l.choix->note);
        }
        for (NoteAnglaise n : notes) {
            sorties.texte += "  (";
            sorties.texte += TexteNoteAnglaise(n);
            sorties.texte += ")\n";
        }
    }
    if (!lignes.empty()) return SortieSucces;
    sorties.messages += "« ";
    sorties.messages += DebutCite(std::string(texte));
    sorties.messages += " » : aucun verbe français pour ce texte anglais\n";
    return SortieNonVerbe;
}

}  // namespace florimot
