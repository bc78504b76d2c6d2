// The main window: the entry, the tense lists and the forms without person
// over three pages, and the menu.
#pragma once

#include <QMainWindow>
#include <QString>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "conjugaison.hpp"
#include "dialogues.hpp"
#include "disposition.hpp"
#include "entete.hpp"
#include "entree_verbe.hpp"
#include "historique.hpp"
#include "impression.hpp"
#include "langue_interface.hpp"
#include "menus.hpp"

namespace florimot {

class TAbout;
class TBandeauProposition;
class TContenu;
class TEntrainement;
class TFicheExercices;
class TSessionLexique;
class TVoix;

class TEcran : public QMainWindow {
    Q_OBJECT

public:
    // Letters of the verb the entry holds, and the length the text read
    // from it is padded to.
    static constexpr int LongueurEntree = LettresEntree;
    // The window's default and smallest size.
    static constexpr QSize TailleInitiale = TailleFenetre;

    // The dictionary is looked for in its standard folders, on a thread of
    // its own: the window is up before it is loaded.
    explicit TEcran(TDialogues& dialogues, QWidget* parent = nullptr);
    // The dictionary looked for in `dossiersDictionnaire` instead (tests),
    // `avantChargement` run on the loading thread before it starts.
    TEcran(TDialogues& dialogues, std::vector<std::filesystem::path> dossiersDictionnaire,
           QWidget* parent = nullptr, std::function<void()> avantChargement = {});
    ~TEcran() override;

    // The About window the "A Propos..." command shows; the window does not own it.
    void AttacheAbout(TAbout* about) { About_ = about; }
    // The printer the "Imprimer" command uses; the window does not own it.
    void AttacheImpression(TImpression* impression) { Impression_ = impression; }

    // The entry's text as the conjugation reads it: what was typed, lower
    // case, then blanks up to 15 characters (a pronominal text may be longer).
    QString TexteVerbe() const;

    // The options in force: those the menu "Options" has checked.
    TOptions Options() const { return Options_; }
    // The options the user chose, which the next verb typed comes back to
    // and the settings keep; an analysed line's options are for its verb only.
    TOptions OptionsChoisies() const { return Choisies_; }

    // Handlers. A conjugation asked for while one is running (from inside
    // its message box) or while a print job runs is not lost: it runs once
    // that is over, on the entry's text as it was when asked.
    //
    // A text that is no verb, or a verb the engine gives no form of, is
    // looked up in the dictionary: a conjugated form ("allions") shows its
    // verb with the lines holding the form selected, and a button for each
    // other verb it may belong to; a misspelt verb is offered suggestions in
    // the warning.
    void ConjugueClick();
    void Conjuguer1Click();
    void SetPage(int onglet);
    void Imprimer1Click();
    // The print preview, on the default printer's pages.
    void Apercu1Click();
    void EnregistrerPdf1Click();
    void CopierConjugaison1Click();
    // The known verbs of the model of the verb shown, each a click from its
    // conjugation (Ctrl+M, or the button beside the model).
    void MemeModele1Click();
    // The worksheet dialog (Ctrl+E) and the practice panel (Ctrl+Shift+E),
    // each made once and kept, non-modal, beside the window.
    void FicheExercices1Click();
    void Entrainement1Click();
    // Says the selected lines, or the whole tense, with the French voice.
    void Ecouter1Click();
    // The menu « Langue de l'interface / Interface language »: kept in the
    // settings, in force from the next start.
    void ChoisitLangue(TLangueInterface langue);
    void Quitter1Click();
    void APropos1Click();
    void Aide1Click();
    // What each tense is for, what each option does, what the signs mean.
    void GuideTemps1Click();
    // An item of the menu "Options" checked or unchecked: what is shown is
    // conjugated again with the options now in force.
    void OptionClick();
    // Every option unchecked, chosen and in force (Ctrl+Shift+R).
    void ReinitialiserOptions1Click();
    // Back and forth among the verbs conjugated in this run, each with the
    // options and the page it was left with (Alt+Left, Alt+Right).
    void Precedent1Click();
    void Suivant1Click();

    // Keeps the window's size, place and state for the next run (done when
    // the window closes and when the program quits).
    void GardeReglages() const;

protected:
    void keyPressEvent(QKeyEvent* evenement) override;
    void showEvent(QShowEvent* evenement) override;
    void closeEvent(QCloseEvent* evenement) override;

private:
    // Above the pages, for a verb the dictionary does not know: the verbs it
    // knows that are close to it ("acceuillir": accueillir). Hidden for
    // `intitule` "" or a verb it knows.
    void ProposeProches(const QString& intitule);
    // The known verbs a word typed without its accents is (etre: être):
    // named at once, the dictionary not needed.
    void ProposeAccentues(const std::vector<std::string>& verbes);
    // Takes back the size, place and state the last run left, if they fit
    // on a screen of this one.
    void RestaureReglages();
    // `avertit` false: a word already shown is only conjugated again, and
    // its warning is not given twice. `prefere`: of the verbs the dictionary
    // finds behind `texte`, the one to show ("" for its first).
    void Conjugue(const QString& texte, bool avertit = true, const QString& prefere = {});
    // The found verb `rang` conjugated, the lines that hold the form selected.
    // `optionsDeLaLigne`: a line just typed sets the options it shows.
    void MontreTrouve(std::size_t rang, bool optionsDeLaLigne = false);
    // The verb's row (word, options, group, model, what its facts change)
    // and its lists `lignes`; returns the word as shown. `avecNote`: the
    // verb's note will be shown, its other series wanted.
    QString Remplit(const TVerbe& verbe, const TLignesGrille& lignes, const TFaits& faits,
                    bool avecNote);
    // A text no grid holds but close to a known verb's line: that verb
    // shown, the right line selected, and above the pages what was wrong
    // and why. False when no line is near.
    bool MontreDiagnostic(const QString& texte);
    // The warning for a text that is no verb, with suggestions when the
    // dictionary has some.
    void Avertit(const QString& texte);
    // The note on `intitule` beside the group: what its facts change at
    // once, the dictionary's note as soon as the dictionary is loaded.
    void MetNote(QString intitule);
    // The text the print job and the PDF are named after.
    QString TexteNomme() const;
    void CocheOptions();
    // What is shown, conjugated again with the options now in force.
    void MontreAutresOptions();
    void ConjugueEnAttente();
    // Prints the three pages on `service`; an empty text when all went well,
    // else why not, for the user.
    QString ImprimeSur(TImpression& service);
    void SignaleEchec(const QString& raison);
    // The verb shown becomes the last step of the history, or the current
    // one takes its options if it is the same verb.
    void Memorise();
    void RevientA(std::size_t position);
    void ActiveHistorique();
    // Widens the window, as far as the screen allows, until no line of the
    // page shown is cut.
    void AjusteLargeur();
    // The English verb phrase `texte` ("i went") in the suggestion strip: a
    // button for each French verb it may stand for, the tenses and what
    // English leaves open in the sentence. False when it reads as none.
    bool ProposeAnglais(const QString& texte);
    // « Écouter » greyed, with the reason in its tooltip, without a voice.
    void ActiveEcoute();

    TDialogues& Dialogues_;
    TAbout* About_ = nullptr;
    TImpression* Impression_ = nullptr;
    TContenu* Contenu_ = nullptr;
    TBandeauProposition* Proposition_ = nullptr;
    bool Imprime_ = false;
    bool Conjugue_ = false;
    bool Centree_ = false;
    // The text of a conjugation asked for at a moment it could not run.
    // A blank entry is a text asked for too: it is not "none".
    std::optional<QString> EnAttente_;
    bool AvertitEnAttente_ = true;
    QString PrefereEnAttente_;
    // The text the lists show the conjugation of (none before the first).
    std::optional<QString> Montre_;
    TOptions Options_;
    TOptions Choisies_;
    // The options a choice of the suggestion strip gives its verb, for the
    // conjugation it asks for.
    std::optional<TOptions> OptionsDuChoix_;
    // The header of the verb shown, and the first line of its other series
    // ("" for none), for its note.
    TEntete Entete_;
    std::string AutreForme_;
    THistorique Historique_;
    bool Navigue_ = false;
    TSessionLexique* Session_ = nullptr;
    // The verb whose note waits for the end of loading ("" for none), and
    // the one whose close verbs do, with the text shown when it was asked.
    QString NoteEnAttente_;
    QString ProchesEnAttente_;
    QString ProchesPour_;

    TMenus Menus_;
    TFicheExercices* Fiche_ = nullptr;
    TEntrainement* Entrainement_ = nullptr;
    TVoix* Voix_ = nullptr;
};

}  // namespace florimot
