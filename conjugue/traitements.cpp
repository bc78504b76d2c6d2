#include "traitements.hpp"

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "anglais.hpp"
#include "anglais_texte.hpp"
#include "citation.hpp"
#include "ecoute.hpp"
#include "faits.hpp"
#include "filtre.hpp"
#include "lexique.hpp"
#include "parole.hpp"
#include "proches.hpp"
#include "saisie.hpp"
#include "verbe.hpp"

namespace florimot {

namespace {

// Whether a verb the dictionary knows was found, not only verbs guessed
// from the letters (which may hide a misspelling).
bool Connu(const std::vector<TAnalyse>& analyse) {
    return std::any_of(analyse.begin(), analyse.end(), [](const TAnalyse& a) { return a.connu; });
}

class TConjugueur final : public TTraitement {
public:
    TConjugueur(std::unique_ptr<TEcrivain> ecrivain, TSorties& sorties, TLexiqueDiffere& lexique,
                const TArguments& arguments)
        : TTraitement(sorties, lexique),
          ecrivain_(std::move(ecrivain)),
          options_(arguments.options),
          ecouter_(arguments.ecouter) {
        if (ecouter_) lignesDites_ = arguments.filtre.Lignes();
    }

    void Traite(std::string_view texte) override {
        verbe_.DefinitVerbe(texte);
        const TFaits faits = PrepareVerbe(verbe_);
        ecrivain_->DefinitFaits(faits);
        if (verbe_.DonneGroupe() == 0) {
            ecrivain_->NonVerbe(verbe_);
            sorties_.messages += verbe_.Intitule();
            sorties_.messages += " : ";
            sorties_.messages += verbe_.TropLong() ? MessageTropLong : MessageNonVerbe;
            sorties_.messages += '\n';
            if (suggestions_ && !verbe_.TropLong()) {
                Conseille(verbe_.Intitule());
                NoteAnglais(verbe_.Intitule(), false);
            }
            statut_ = std::max(statut_, SortieNonVerbe);
        } else {
            // A misspelt verb is still conjugated from its letters (new verbs
            // must work), but the likely verb is named first, ahead of the
            // grid on a shared terminal.
            // The facts table holds the dictionary's verbs: a verb it knows
            // needs no dictionary loaded to be called known.
            std::optional<std::vector<std::string>> inconnu;
            if (suggestions_ && !faits.Connu) inconnu = Inconnu(verbe_.Intitule());
            if (inconnu && !inconnu->empty()) {
                sorties_.Vide();
                sorties_.messages += verbe_.Intitule();
                sorties_.messages += " : ";
                sorties_.messages += PhraseVerbesProches(*inconnu);
                sorties_.messages += '\n';
                sorties_.VideMessages();
            }
            if (inconnu) NoteAnglais(verbe_.Intitule(), true);
            ecrivain_->DefinitInconnu(std::move(inconnu));
            ecrivain_->Ecrit(verbe_);
            if (ecouter_) Ecoute(faits);
        }
        sorties_.Libere();
    }

    void Fin() override { ecrivain_->Fin(); }

private:
    // For a verb typed as an argument: std::nullopt when the dictionary knows
    // it (or there is none), else the verbs close to it, maybe none.
    std::optional<std::vector<std::string>> Inconnu(std::string_view infinitif) {
        TLexique* l = lexique_.Lexique();
        if (l == nullptr || l->Faits(infinitif).connu) return std::nullopt;
        return VerbesProches(*l, infinitif);
    }

    // Under a verb the dictionary does not know, that it reads as English
    // ("googler", "checker"); under a text of several words that is no verb,
    // that it reads as an English verb phrase ("i went"). A single word
    // that is no verb may well be French ("accent"): nothing is said of it.
    void NoteAnglais(std::string_view mot, bool verbe) {
        const bool anglais = verbe
                                 ? PeutEtreAnglais(mot, MotAnglais)
                                 : mot.find(' ') != std::string_view::npos &&
                                       AnalyseTexte(mot).empty() && !RechercheAnglaise(mot).empty();
        if (!anglais) return;
        sorties_.Vide();
        sorties_.messages += mot;
        sorties_.messages += " : ";
        sorties_.messages += MotPeutEtreAnglais;
        sorties_.messages += " (conjugue --anglais)\n";
        sorties_.VideMessages();
    }

    // The lines shown, then said: the whole grid, or what --temps and
    // --personne keep.
    void Ecoute(const TFaits& faits) {
        sorties_.Vide();
        const LignesGrille lignes = ConjugueGrille(verbe_, options_, faits);
        std::vector<std::string> dites;
        if (lignesDites_.empty())
            for (int i = 0; i < NombreLignesGrille; ++i) dites.emplace_back(lignes[std::size_t(i)]);
        else
            for (std::size_t i : lignesDites_) dites.emplace_back(lignes[i]);
        if (const int e = Dit(PrepareParole(dites)); e != 0) {
            sorties_.messages += "conjugue : --ecouter : ";
            sorties_.messages += std::strerror(e);
            sorties_.messages += '\n';
            statut_ = std::max(statut_, SortieNonVerbe);
        }
    }

    std::unique_ptr<TEcrivain> ecrivain_;
    TVerbe verbe_;
    const TOptions& options_;
    bool ecouter_;
    std::vector<std::size_t> lignesDites_;
};

// --analyse: from each form back to the verbs whose grid holds it. The form
// index needs no dictionary: a batch never waits for it.
class TAnalyseur final : public TTraitement {
public:
    TAnalyseur(std::unique_ptr<TEcrivainAnalyse> ecrivain, TSorties& sorties,
               TLexiqueDiffere& lexique)
        : TTraitement(sorties, lexique), ecrivain_(std::move(ecrivain)) {}

    void Traite(std::string_view texte) override {
        // Most words of a batch are already normal: a copy, no normalising.
        std::string forme;
        if (lexique::DejaNormal(texte)) {
            forme = texte;
        } else {
            forme = NormaliseSaisie(texte);
            const std::size_t debut = forme.find_first_not_of(' ');
            forme = debut == std::string::npos ? std::string() : forme.substr(debut);
            while (!forme.empty() && forme.back() == ' ') forme.pop_back();
        }
        const std::vector<TAnalyse> analyse = AnalyseTexte(forme);
        if (analyse.empty()) {
            sorties_.messages += "« ";
            sorties_.messages += DebutCite(forme);
            sorties_.messages += " » : aucune forme verbale connue\n";
            statut_ = std::max(statut_, SortieNonVerbe);
        }
        // Nothing found, or only verbs guessed from the letters: maybe a
        // misspelling.
        if (suggestions_ && !Connu(analyse))
            if (const std::string s = Suggere(forme); !s.empty()) {
                sorties_.messages += "  ";
                sorties_.messages += s;
                sorties_.messages += '\n';
            }
        ecrivain_->Ecrit(forme, analyse);
        sorties_.Libere();
    }

private:
    std::unique_ptr<TEcrivainAnalyse> ecrivain_;
};

}  // namespace

void TTraitement::Refuse(std::string_view ou) {
    sorties_.messages += "conjugue : ";
    sorties_.messages += ou;
    sorties_.messages += " : texte UTF-8 invalide ou caractère NUL, ignoré\n";
    statut_ = std::max(statut_, SortieTexteInvalide);
    sorties_.Libere();
}

void TTraitement::EchecLecture(int erreur) {
    sorties_.messages += "conjugue : lecture de l'entrée standard impossible : ";
    sorties_.messages += std::strerror(erreur);
    sorties_.messages += '\n';
    statut_ = SortieLecture;
}

// What the lexicon says of a text, one line each: the verbs whose grid holds
// it ("« allions » : aller, …"), then, when suggestions are given and no verb
// the dictionary knows was found, the verbs it may be a misspelling of.
void TTraitement::Conseille(std::string_view texte) {
    std::vector<std::string> lignes;
    const std::vector<TAnalyse> analyse = AnalyseTexte(texte);
    if (!analyse.empty()) lignes.push_back(DecritAnalyse(texte, analyse));
    if (suggestions_ && !Connu(analyse))
        if (std::string s = Suggere(texte); !s.empty()) lignes.push_back(std::move(s));
    for (const std::string& ligne : lignes) {
        sorties_.messages += "  ";
        sorties_.messages += ligne;
        sorties_.messages += '\n';
    }
}

std::string TTraitement::Suggere(std::string_view texte) {
    std::string liste;
    if (TLexique* l = lexique_.Lexique())
        for (const std::string& s : l->Suggestions(texte)) {
            liste += liste.empty() ? "suggestions : " : ", ";
            liste += s;
        }
    return liste;
}

std::unique_ptr<TTraitement> CreeTraitement(const TArguments& arguments,
                                            const Presentation& presentation, TSorties& sorties,
                                            TLexiqueDiffere& lexique) {
    std::unique_ptr<TTraitement> traitement;
    if (arguments.analyse) {
        traitement = std::make_unique<TAnalyseur>(
            CreeEcrivainAnalyse(arguments.format, sorties.texte, arguments.toutes), sorties,
            lexique);
    } else {
        std::unique_ptr<TEcrivain> ecrivain =
            arguments.filtre.Actif()
                ? CreeEcrivainFiltre(arguments.format, sorties.texte, arguments.options,
                                     arguments.filtre)
                : CreeEcrivain(arguments.format, sorties.texte, arguments.options,
                               presentation.largeur, presentation.gras, arguments.complet);
        traitement =
            std::make_unique<TConjugueur>(std::move(ecrivain), sorties, lexique, arguments);
    }
    // A batch on standard input asks for none unless told: each would load
    // the dictionary and cost a tenth of a second.
    traitement->AvecSuggestions(!arguments.textes.empty() || arguments.suggestions);
    return traitement;
}

}  // namespace florimot
