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
    return std::any_of(analyse.begin(), analyse.end(), [](const TAnalyse& a) { return a.Connu; });
}

class TConjugueur final : public TTraitement {
public:
    // `options` are those the writer reads; --auxiliaire sets them for each
    // verb.
    TConjugueur(std::unique_ptr<TEcrivain> ecrivain, std::unique_ptr<TOptions> options,
                TSorties& sorties, TLexiqueDiffere& lexique, const TArguments& arguments)
        : TTraitement(sorties, lexique),
          Ecrivain_(std::move(ecrivain)),
          Options_(std::move(options)),
          Demandees_(*Options_),
          AuxiliaireEtre_(arguments.AuxiliaireEtre),
          Ecouter_(arguments.Ecouter) {
        if (Ecouter_) LignesDites_ = arguments.Filtre.Lignes();
    }

    void Traite(std::string_view texte) override {
        Verbe_.DefinitVerbe(texte);
        const TFaits faits = PrepareVerbe(Verbe_);
        if (AuxiliaireEtre_) *Options_ = AvecAuxiliaire(Demandees_, Verbe_, *AuxiliaireEtre_);
        Ecrivain_->DefinitFaits(faits);
        // A word typed without its accents (etre, preferer): the verb it is
        // comes first, and the run says something was wrong. The table is
        // compiled in: a batch pays no dictionary for it.
        std::vector<std::string> accentues = VerbesAccentues(Verbe_);
        if (!accentues.empty()) {
            Sorties_.Vide();
            Sorties_.Messages += Verbe_.Intitule();
            Sorties_.Messages += " : ";
            Sorties_.Messages += PhraseVerbesProches(accentues);
            Sorties_.Messages += '\n';
            Sorties_.VideMessages();
            Statut_ = std::max(Statut_, SortieNonVerbe);
        }
        if (Verbe_.DonneGroupe() == 0) {
            Sorties_.Messages += Verbe_.Intitule();
            Sorties_.Messages += " : ";
            Sorties_.Messages += Verbe_.TropLong() ? MessageTropLong : MessageNonVerbe;
            Sorties_.Messages += '\n';
            Suggeres_.clear();
            // The verb behind a word typed without its accents is the
            // suggestion; only without one is the dictionary asked.
            if (!accentues.empty()) {
                Suggeres_ = std::move(accentues);
            } else if (Suggestions_ && !Verbe_.TropLong()) {
                Conseille(Verbe_.Intitule());
                NoteAnglais(Verbe_.Intitule(), false);
            }
            Ecrivain_->DefinitConnu(false, Suggestions_ || !Suggeres_.empty());
            Ecrivain_->DefinitInconnu(Suggeres_.empty() ? std::nullopt : std::optional(Suggeres_));
            Ecrivain_->NonVerbe(Verbe_);
            Statut_ = std::max(Statut_, SortieNonVerbe);
        } else if (!accentues.empty()) {
            Ecrivain_->DefinitConnu(faits.Connu, true);
            Ecrivain_->DefinitInconnu(std::move(accentues));
            Ecrivain_->Ecrit(Verbe_);
        } else {
            // A misspelt verb is still conjugated from its letters (new verbs
            // must work), but the likely verb is named first, ahead of the
            // grid on a shared terminal.
            // The facts table holds the dictionary's verbs: a verb it knows
            // needs no dictionary loaded to be called known.
            std::optional<std::vector<std::string>> inconnu;
            ConnuDuDictionnaire_ = false;
            if (Suggestions_ && !faits.Connu) inconnu = Inconnu(Verbe_.Intitule());
            if (inconnu && !inconnu->empty()) {
                Sorties_.Vide();
                Sorties_.Messages += Verbe_.Intitule();
                Sorties_.Messages += " : ";
                Sorties_.Messages += PhraseVerbesProches(*inconnu);
                Sorties_.Messages += '\n';
                Sorties_.VideMessages();
            }
            Ecrivain_->DefinitConnu(faits.Connu || (Suggestions_ && ConnuDuDictionnaire_),
                                    Suggestions_);
            if (inconnu) NoteAnglais(Verbe_.Intitule(), true);
            Ecrivain_->DefinitInconnu(std::move(inconnu));
            Ecrivain_->Ecrit(Verbe_);
            if (Ecouter_) Ecoute(faits);
        }
        Sorties_.Libere();
    }

    void Fin() override { Ecrivain_->Fin(); }

private:
    // For a verb typed as an argument: std::nullopt when the dictionary knows
    // it (or there is none), else the verbs close to it, maybe none.
    std::optional<std::vector<std::string>> Inconnu(std::string_view infinitif) {
        TLexique* l = Lexique_.Lexique();
        ConnuDuDictionnaire_ = l != nullptr && l->Faits(infinitif).Connu;
        if (l == nullptr || ConnuDuDictionnaire_) return std::nullopt;
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
        Sorties_.Vide();
        Sorties_.Messages += mot;
        Sorties_.Messages += " : ";
        Sorties_.Messages += MotPeutEtreAnglais;
        Sorties_.Messages += " (conjugue --anglais)\n";
        Sorties_.VideMessages();
    }

    // The lines shown, then said: the whole grid, or what --temps and
    // --personne keep.
    void Ecoute(const TFaits& faits) {
        Sorties_.Vide();
        const TLignesGrille lignes = ConjugueGrille(Verbe_, *Options_, faits);
        std::vector<std::string> dites;
        if (LignesDites_.empty())
            for (int i = 0; i < NombreLignesGrille; ++i) dites.emplace_back(lignes[std::size_t(i)]);
        else
            for (std::size_t i : LignesDites_) dites.emplace_back(lignes[i]);
        if (const int e = Dit(PrepareParole(dites)); e != 0) {
            Sorties_.Messages += "conjugue : --ecouter : ";
            Sorties_.Messages += std::strerror(e);
            Sorties_.Messages += '\n';
            Statut_ = std::max(Statut_, SortieNonVerbe);
        }
    }

    std::unique_ptr<TEcrivain> Ecrivain_;
    std::unique_ptr<TOptions> Options_;
    const TOptions Demandees_;
    const std::optional<bool> AuxiliaireEtre_;
    TVerbe Verbe_;
    bool ConnuDuDictionnaire_ = false;  // of the last text Inconnu looked up
    bool Ecouter_;
    std::vector<std::size_t> LignesDites_;
};

// --analyse: from each form back to the verbs whose grid holds it. The form
// index needs no dictionary: a batch never waits for it.
class TAnalyseur final : public TTraitement {
public:
    TAnalyseur(std::unique_ptr<TEcrivainAnalyse> ecrivain, TSorties& sorties,
               TLexiqueDiffere& lexique)
        : TTraitement(sorties, lexique), Ecrivain_(std::move(ecrivain)) {}

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
            Sorties_.Messages += "« ";
            Sorties_.Messages += DebutCite(forme);
            Sorties_.Messages += " » : aucune forme verbale connue\n";
            Statut_ = std::max(Statut_, SortieNonVerbe);
        }
        // Nothing found, or only verbs guessed from the letters: maybe a
        // misspelling.
        Suggeres_.clear();
        if (Suggestions_ && !Connu(analyse))
            if (const std::string s = Suggere(forme); !s.empty()) {
                Sorties_.Messages += "  ";
                Sorties_.Messages += s;
                Sorties_.Messages += '\n';
            }
        Ecrivain_->DefinitSuggestions(Suggestions_ ? std::optional(Suggeres_) : std::nullopt);
        // No verb the dictionary knows: maybe a known verb's line written wrong.
        Ecrivain_->DefinitDiagnostic(Connu(analyse) || !Ecrivain_->DitDiagnostic()
                                         ? std::vector<TDiagnostic>()
                                         : Diagnostique(forme));
        Ecrivain_->Ecrit(forme, analyse);
        Sorties_.Libere();
    }

private:
    std::unique_ptr<TEcrivainAnalyse> Ecrivain_;
};

}  // namespace

void TTraitement::Refuse(std::string_view ou) {
    Sorties_.Messages += "conjugue : ";
    Sorties_.Messages += ou;
    Sorties_.Messages += " : texte UTF-8 invalide ou caractère NUL, ignoré\n";
    Statut_ = std::max(Statut_, SortieTexteInvalide);
    Sorties_.Libere();
}

void TTraitement::EchecLecture(int erreur) {
    Sorties_.Messages += "conjugue : lecture de l'entrée standard impossible : ";
    Sorties_.Messages += MessageSysteme(erreur);
    Sorties_.Messages += '\n';
    Statut_ = SortieLecture;
}

// What the lexicon says of a text, one line each: the verbs whose grid holds
// it ("« allions » : aller, …"), then, when suggestions are given and no verb
// the dictionary knows was found, the verbs it may be a misspelling of.
void TTraitement::Conseille(std::string_view texte) {
    std::vector<std::string> lignes;
    const std::vector<TAnalyse> analyse = AnalyseTexte(texte);
    if (!analyse.empty()) lignes.push_back(DecritAnalyse(texte, analyse));
    if (Suggestions_ && !Connu(analyse))
        if (std::string s = Suggere(texte); !s.empty()) lignes.push_back(std::move(s));
    for (const std::string& ligne : lignes) {
        Sorties_.Messages += "  ";
        Sorties_.Messages += ligne;
        Sorties_.Messages += '\n';
    }
}

std::string TTraitement::Suggere(std::string_view texte) {
    std::string liste;
    if (TLexique* l = Lexique_.Lexique())
        for (std::string& s : Suggeres_ = l->Suggestions(texte)) {
            liste += liste.empty() ? "suggestions : " : ", ";
            liste += s;
        }
    return liste;
}

std::unique_ptr<TTraitement> CreeTraitement(const TArguments& arguments,
                                            const TPresentation& presentation, TSorties& sorties,
                                            TLexiqueDiffere& lexique) {
    std::unique_ptr<TTraitement> traitement;
    if (arguments.Modele) {
        traitement =
            CreeTraitementModele(arguments.Format == TFormatSortie::Json, sorties, lexique);
    } else if (arguments.Analyse) {
        traitement = std::make_unique<TAnalyseur>(
            CreeEcrivainAnalyse(arguments.Format, sorties.Texte, arguments.Toutes,
                                arguments.FormatJson, arguments.Traits),
            sorties, lexique);
    } else {
        auto options = std::make_unique<TOptions>(arguments.Options);
        std::unique_ptr<TEcrivain> ecrivain =
            arguments.Filtre.Actif()
                ? CreeEcrivainFiltre(arguments.Format, sorties.Texte, *options, arguments.Filtre,
                                     arguments.FormatJson, arguments.Traits, arguments.Pourquoi)
                : CreeEcrivain(arguments.Format, sorties.Texte, *options, presentation.Largeur,
                               presentation.Gras, arguments.Complet, arguments.FormatJson,
                               arguments.Traits, arguments.Pourquoi);
        traitement = std::make_unique<TConjugueur>(std::move(ecrivain), std::move(options), sorties,
                                                   lexique, arguments);
    }
    // A batch on standard input asks for none unless told: each would load
    // the dictionary and cost a tenth of a second.
    traitement->AvecSuggestions(!arguments.Textes.empty() || arguments.Suggestions);
    return traitement;
}

}  // namespace florimot
