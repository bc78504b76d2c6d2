#include "entrainement.hpp"

#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>

#include "dialogues.hpp"
#include "impression.hpp"
#include "pages_fiche.hpp"
#include "textes_fiche.hpp"
#include "verification.hpp"

namespace florimot {

namespace {

QString DepuisUtf8(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

TEntrainement::TEntrainement(TDialogues& dialogues, TImpression* impression, QWidget* parent)
    : QDialog(parent), Dialogues_(dialogues), Impression_(impression) {
    setObjectName(QStringLiteral("Entrainement"));
    setWindowTitle(tr("S'entraîner"));
    setAccessibleName(tr("S'entraîner"));
    auto* disposition = new QVBoxLayout(this);

    Choix_ = new TChoixExercices(false, this);
    disposition->addWidget(Choix_);
    auto* commencer = new QPushButton(tr("&Commencer"), this);
    commencer->setObjectName(QStringLiteral("CommencerEntrainement"));
    commencer->setAutoDefault(false);
    disposition->addWidget(commencer);

    Enonce_ = new QLabel(this);
    Enonce_->setObjectName(QStringLiteral("EnonceEntrainement"));
    Enonce_->setAccessibleName(tr("Item"));
    Enonce_->setTextFormat(Qt::PlainText);
    Enonce_->setWordWrap(true);
    Enonce_->setFont(PoliceEchelle(Enonce_->font(), 1.3, false));
    disposition->addWidget(Enonce_);

    Reponse_ = new QLineEdit(this);
    Reponse_->setObjectName(QStringLiteral("ReponseEntrainement"));
    Reponse_->setAccessibleName(tr("Réponse"));
    Reponse_->setAccessibleDescription(
        tr("Tapez la forme qui manque puis Entrée ; Entrée encore pour l'item suivant"));
    auto* reponse = new QLabel(tr("&Réponse :"), this);
    reponse->setBuddy(Reponse_);
    auto* ligne = new QHBoxLayout;
    ligne->addWidget(reponse);
    ligne->addWidget(Reponse_, 1);
    disposition->addLayout(ligne);

    Indulgent_ = new QCheckBox(tr("&Indulgent pour les accents et les majuscules"), this);
    Indulgent_->setObjectName(QStringLiteral("IndulgentEntrainement"));
    disposition->addWidget(Indulgent_);

    Remarque_ = new QLabel(this);
    Remarque_->setObjectName(QStringLiteral("RemarqueEntrainement"));
    Remarque_->setAccessibleName(tr("Remarque"));
    Remarque_->setTextFormat(Qt::PlainText);
    Remarque_->setWordWrap(true);
    Remarque_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    disposition->addWidget(Remarque_);

    auto* bas = new QHBoxLayout;
    Score_ = new QLabel(this);
    Score_->setObjectName(QStringLiteral("ScoreEntrainement"));
    Score_->setAccessibleName(tr("Score"));
    Terminer_ = new QPushButton(tr("&Terminer"), this);
    Terminer_->setObjectName(QStringLiteral("TerminerEntrainement"));
    Terminer_->setAutoDefault(false);
    bas->addWidget(Score_, 1);
    bas->addWidget(Terminer_);
    disposition->addLayout(bas);

    Manques_ = new QPlainTextEdit(this);
    Manques_->setObjectName(QStringLiteral("ManquesEntrainement"));
    Manques_->setAccessibleName(tr("Items manqués"));
    Manques_->setReadOnly(true);
    Manques_->setTabChangesFocus(true);
    Manques_->setVisible(false);
    disposition->addWidget(Manques_);
    Imprimer_ = new QPushButton(tr("Im&primer la liste"), this);
    Imprimer_->setObjectName(QStringLiteral("ImprimerManques"));
    Imprimer_->setAutoDefault(false);
    Imprimer_->setVisible(false);
    disposition->addWidget(Imprimer_);

    Reglages_ = LitReglagesExercices();
    Choix_->Applique(Reglages_);
    Indulgent_->setChecked(Reglages_.Indulgent);

    connect(commencer, &QPushButton::clicked, this, &TEntrainement::Commence);
    connect(Reponse_, &QLineEdit::returnPressed, this, &TEntrainement::Valide);
    connect(Terminer_, &QPushButton::clicked, this, &TEntrainement::Termine);
    connect(Imprimer_, &QPushButton::clicked, this, &TEntrainement::ImprimeManques);
    Commence();
}

void TEntrainement::Commence() {
    Reglages_ = Choix_->Reglages(Reglages_);
    Reglages_.Indulgent = Indulgent_->isChecked();
    TChoixFiche choix = Reglages_.Choix;
    choix.Verbes = VerbesChoisis(Reglages_);
    choix.Genre = TGenreExercice::Trou;
    Fiche_ = GenereFiche(choix);
    Rang_ = 0;
    Justes_ = Faites_ = 0;
    Manquees_.clear();
    Manques_->clear();
    Manques_->setVisible(false);
    Imprimer_->setVisible(false);
    Montre();
    MetScore();
    Reponse_->setFocus();
}

void TEntrainement::Montre() {
    Verifie_ = false;
    Remarque_->clear();
    Reponse_->clear();
    if (Rang_ >= Fiche_.Items.size()) {
        Enonce_->setText(Fiche_.Items.empty()
                             ? tr("Aucun item : choisissez des verbes et des temps qui en donnent.")
                             : tr("Fin de la série."));
        Reponse_->setEnabled(false);
        return;
    }
    Reponse_->setEnabled(true);
    QString e;
    for (const std::string& l : Enonce(Fiche_.Items[Rang_], TGenreExercice::Trou))
        e += (e.isEmpty() ? QString() : QStringLiteral("\n")) + DepuisUtf8(l);
    Enonce_->setText(QStringLiteral("%1/%2  ").arg(Rang_ + 1).arg(Fiche_.Items.size()) + e);
}

void TEntrainement::MetScore() {
    Score_->setText(DepuisUtf8(TexteScore(Justes_, Faites_)));
}

void TEntrainement::Valide() {
    if (Rang_ >= Fiche_.Items.size()) return;
    if (Verifie_) {
        ++Rang_;
        Montre();
        if (Rang_ >= Fiche_.Items.size()) Termine();
        return;
    }
    const TItem& item = Fiche_.Items[Rang_];
    const std::string tape = Reponse_->text().toStdString();
    const TVerdictReponse d =
        DiagnostiqueReponse(item, 0, tape, Fiche_.Choix.Options, Indulgent_->isChecked());
    ++Faites_;
    if (d.Verdict == TVerdict::Faux)
        Manquees_.push_back(DepuisUtf8(LigneManquee(item, d.Tape)));
    else
        ++Justes_;
    Remarque_->setText(DepuisUtf8(DecritDiagnostic(item, d)));
    Remarque_->setAccessibleDescription(Remarque_->text());
    Verifie_ = true;
    MetScore();
}

void TEntrainement::Termine() {
    Reglages_.Indulgent = Indulgent_->isChecked();
    QString texte = DepuisUtf8(TexteScore(Justes_, Faites_)) + u'\n';
    if (Manquees_.empty()) {
        texte += tr("Aucun item manqué.");
    } else {
        texte += DepuisUtf8(TitreManques()) + QStringLiteral(" :\n");
        for (std::size_t i = 0; i < Manquees_.size(); ++i)
            texte += QString::number(i + 1) + QStringLiteral(". ") + Manquees_[i] + u'\n';
    }
    Manques_->setPlainText(texte);
    Manques_->setVisible(true);
    Imprimer_->setVisible(!Manquees_.empty());
    Rang_ = Fiche_.Items.size();
    Enonce_->setText(tr("Fin de la série."));
    Reponse_->setEnabled(false);
    Manques_->setFocus();
}

void TEntrainement::ImprimeManques() {
    if (Impression_ == nullptr || Imprime_ || Impression_->EnCours() || Manquees_.empty()) return;
    const QScopedValueRollback<bool> enCours(Imprime_, true);
    QStringList entrees;
    for (std::size_t i = 0; i < Manquees_.size(); ++i)
        entrees << QString::number(i + 1) + QStringLiteral(". ") + Manquees_[i];
    const QString sousTitre = DepuisUtf8(TexteScore(Justes_, Faites_));
    const QFont police = font();
    const QString raison = ImprimePages(*Impression_, tr("Florimot, items manqués"), [&](double r) {
        std::vector<std::unique_ptr<QWidget>> pages;
        PagesListe(pages, r, police, DepuisUtf8(TitreManques()), sousTitre, entrees);
        return pages;
    });
    if (!raison.isEmpty())
        Dialogues_.Demande(this, raison, QStringLiteral("Florimot"), TDialogues::TIcone::Erreur,
                           TDialogues::TBoutons::Ok);
}

void TEntrainement::closeEvent(QCloseEvent* evenement) {
    // A session stopped is nothing to keep: no question, only the choices.
    Reglages_ = Choix_->Reglages(Reglages_);
    Reglages_.Indulgent = Indulgent_->isChecked();
    EcritReglagesExercices(Reglages_);
    evenement->accept();
}

}  // namespace florimot
