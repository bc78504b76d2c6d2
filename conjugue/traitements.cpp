#include "traitements.hpp"

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "anglais.hpp"
#include "anglais_texte.hpp"
#include "citation.hpp"
#include "diagnostic.hpp"
#include "ecoute.hpp"
#include "faits.hpp"
#include "filtre.hpp"
#include "lexique.hpp"
#include "message_systeme.hpp"
#include "modele.hpp"
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
    // `options` are those the writer reads; --auxiliaire sets them for each
    // verb.
    TConjugueur(std::unique_ptr<TEcrivain> ecrivain, std::unique_ptr<TOptions> options,
                TSorties& sorties, TLexiqueDiffere& lexique, const TArguments& arguments)
        : TTraitement(sorties, lexique),
          ecrivain_(std::move(ecrivain)),
          options_(std::move(options)),
          demandees_(*options_),
          auxiliaireEtre_(arguments.auxiliaireEtre),
          ecouter_(arguments.ecouter) {
        if (ecouter_) lignesDites_ = arguments.filtre.Lignes();
    }

    void Traite(std::string_view texte) override {
        verbe_.DefinitVerbe(texte);
        const TFaits faits = PrepareVerbe(verbe_);
        if (auxiliaireEtre_) *options_ = AvecAuxiliaire(demandees_, verbe_, *auxiliaireEtre_);
        ecrivain_->DefinitFaits(faits);
        // A word typed without its accents (etre, preferer): the verb it is
        // comes first, and the run says something was wrong. The table is
        // compiled in: a batch pays no dictionary for it.
        std::vector<std::string> accentues = VerbesAccentues(verbe_);
        if (!accentues.empty()) {
            sorties_.Vide();
            sorties_.messages += verbe_.Intitule();
            sorties_.messages += " : ";
            sorties_.messages += PhraseVerbesProches(accentues);
            sorties_.messages += '\n';
            sorties_.VideMessages();
            statut_ = std::max(statut_, SortieNonVerbe);
        }
        if (verbe_.DonneGroupe() == 0) {
            sorties_.messages += verbe_.Intitule();
            sorties_.messages += " : ";
            sorties_.messages += verbe_.TropLong() ? MessageTropLong : MessageNonVerbe;
            sorties_.messages += '\n';
            suggeres_.clear();
            // The verb behind a word typed without its accents is the
            // suggestion; only without one is the dictionary asked.
            if (!accentues.empty()) {
                suggeres_ = std::move(accentues);
            } else if (suggestions_ && !verbe_.TropLong()) {
                Conseille(verbe_.Intitule());
                NoteAnglais(verbe_.Intitule(), false);
            }
            ecrivain_->DefinitConnu(false, suggestions_ || !suggeres_.empty());
            ecrivain_->DefinitInconnu(suggeres_.empty() ? std::nullopt : std::optional(suggeres_));
            ecrivain_->NonVerbe(verbe_);
            statut_ = std::max(statut_, SortieNonVerbe);
        } else if (!accentues.empty()) {
            ecrivain_->DefinitConnu(faits.Connu, true);
            ecrivain_->DefinitInconnu(std::move(accentues));
            ecrivain_->Ecrit(verbe_);
        } else {
            // A misspelt verb is still conjugated from its letters (new verbs
            // must work), but the likely verb is named first, ahead of the
            // grid on a shared terminal.
            // The facts table holds the dictionary's verbs: a verb it knows
            // needs no dictionary loaded to be called known.
            std::optional<std::vector<std::string>> inconnu;
            connuDuDictionnaire_ = false;
            if (suggestions_ && !faits.Connu) inconnu = Inconnu(verbe_.Intitule());
            if (inconnu && !inconnu->empty()) {
                sorties_.Vide();
                sorties_.messages += verbe_.Intitule();
                sorties_.messages += " : ";
                sorties_.messages += PhraseVerbesProches(*inconnu);
                sorties_.messages += '\n';
                sorties_.VideMessages();
            }
            ecrivain_->DefinitConnu(faits.Connu || (suggestions_ && connuDuDictionnaire_),
                                    suggestions_);
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
        connuDuDictionnaire_ = l != nullptr && l->Faits(infinitif).connu;
        if (l == nullptr || connuDuDictionnaire_) return std::nullopt;
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
        const TLignesGrille lignes = ConjugueGrille(verbe_, *options_, faits);
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
    std::unique_ptr<TOptions> options_;
    const TOptions demandees_;
    const std::optional<bool> auxiliaireEtre_;
    TVerbe verbe_;
    bool connuDuDictionnaire_ = false;  // of the last text Inconnu looked up
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
        suggeres_.clear();
        if (suggestions_ && !Connu(analyse))
            if (const std::string s = Suggere(forme); !s.empty()) {
                sorties_.messages += "  ";
                sorties_.messages += s;
                sorties_.messages += '\n';
            }
        ecrivain_->DefinitSuggestions(suggestions_ ? std::optional(suggeres_) : std::nullopt);
        // No verb the dictionary knows: maybe a known verb's line written wrong.
        ecrivain_->DefinitDiagnostic(Connu(analyse) ? std::vector<TDiagnostic>()
                                                    : Diagnostique(forme));
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
    sorties_.messages += MessageSysteme(erreur);
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
        for (std::string& s : suggeres_ = l->Suggestions(texte)) {
            liste += liste.empty() ? "suggestions : " : ", ";
            liste += s;
        }
    return liste;
}

std::unique_ptr<TTraitement> CreeTraitement(const TArguments& arguments,
                                            const TPresentation& presentation, TSorties& sorties,
                                            TLexiqueDiffere& lexique) {
    std::unique_ptr<TTraitement> traitement;
    if (arguments.modele) {
        traitement =
            CreeTraitementModele(arguments.format == TFormatSortie::Json, sorties, lexique);
    } else if (arguments.analyse) {
        traitement = std::make_unique<TAnalyseur>(
            CreeEcrivainAnalyse(arguments.format, sorties.texte, arguments.toutes,
                                arguments.formatJson, arguments.traits),
            sorties, lexique);
    } else {
        auto options = std::make_unique<TOptions>(arguments.options);
        std::unique_ptr<TEcrivain> ecrivain =
            arguments.filtre.Actif()
                ? CreeEcrivainFiltre(arguments.format, sorties.texte, *options, arguments.filtre,
                                     arguments.formatJson, arguments.traits, arguments.pourquoi)
                : CreeEcrivain(arguments.format, sorties.texte, *options, presentation.largeur,
                               presentation.gras, arguments.complet, arguments.formatJson,
                               arguments.traits, arguments.pourquoi);
        traitement = std::make_unique<TConjugueur>(std::move(ecrivain), std::move(options), sorties,
                                                   lexique, arguments);
    }
    // A batch on standard input asks for none unless told: each would load
    // the dictionary and cost a tenth of a second.
    traitement->AvecSuggestions(!arguments.textes.empty() || arguments.suggestions);
    return traitement;
}

}  // namespace florimot
