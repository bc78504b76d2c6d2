#include "contenu.hpp"

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPalette>
#include <QPushButton>
#include <QResizeEvent>
#include <QTabBar>
#include <algorithm>
#include <string>
#include <string_view>

#include "apparence.hpp"
#include "entree_verbe.hpp"
#include "etiquettes.hpp"
#include "guide.hpp"
#include "langue_interface.hpp"
#include "legende.hpp"
#include "liste_temps.hpp"
#include "pages.hpp"

namespace florimot {

TContenu::TContenu(TUsage usage, QWidget* parent) : QWidget(parent) {
    setFont(PoliceTexte(11));
    // The captions of the group boxes sit on their frame line, leaving the
    // whole inside to the tense captions placed near the top.
    setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 6px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0px 2px; }"));

    auto* entree = new TEntreeVerbe(this);
    Verbe = entree;
    Verbe->setObjectName(QStringLiteral("Verbe"));
    Verbe->setGeometry(8, 8, 81, 21);

    Conjugue = new QPushButton(tr("Conjugue"), this);
    Conjugue->setObjectName(QStringLiteral("Conjugue"));
    Conjugue->setGeometry(96, 8, 81, 23);
    Conjugue->setToolTip(tr("Conjugue un verbe"));
    Conjugue->setDefault(true);
    entree->Valide = [this] { Conjugue->click(); };
    Groupe =
        CreeEtiquette(this, "Groupe", tr("Groupe"), {PositionGroupe, 8}, PoliceTexte(16, true));
    VerbeL = CreeEtiquette(this, "VerbeL", tr("Verbe"), {208, 8}, PoliceTexte(16, true));
    // Discreet beside the word and the group: they qualify them.
    OptionsL = CreeEtiquette(this, "OptionsL", QString(), {208, 8}, PoliceTexte(10));
    ModeleL = CreeEtiquette(this, "ModeleL", QString(), {PositionGroupe, 8}, PoliceTexte(10));
    NoteL = CreeEtiquette(this, "NoteL", QString(), {PositionGroupe, 8}, PoliceTexte(10));
    if (usage == TUsage::Ecran) {
        MemeModeleB = new QPushButton(tr("même modèle…"), this);
        MemeModeleB->setObjectName(QStringLiteral("MemeModele"));
        MemeModeleB->setFlat(true);
        MemeModeleB->setFont(PoliceTexte(10));
        MemeModeleB->setCursor(Qt::PointingHandCursor);
        MemeModeleB->setAutoDefault(false);
        MemeModeleB->setToolTip(tr("Les verbes connus qui se conjuguent de même (Ctrl+M)"));
        MemeModeleB->hide();
    }
    for (QLabel* legende : {OptionsL, ModeleL, NoteL}) {
        QPalette palette = legende->palette();
        palette.setColor(QPalette::WindowText, TexteDiscret(palette));
        legende->setPalette(palette);
    }

    Biseau = new QFrame(this);
    Biseau->setObjectName(QStringLiteral("Rectangl"));
    Biseau->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Biseau->lower();  // a bevel is drawn beneath the controls it frames

    for (std::size_t i = 0; i < NombreGroupes; ++i) {
        const TPlaceGroupe& place = PlacesGroupes[i];
        Boites[i] = new QGroupBox(QString::fromUtf8(place.Legende), this);
        Boites[i]->setObjectName(QString::fromLatin1(place.Nom));
        Boites[i]->setVisible(place.Page == 0);
    }

    const QFont policeTemps = PoliceTexte(11, true);
    const bool anglais = InterfaceEnAnglais(LitLangueInterface());
    for (std::size_t i = 0; i < GrilleComplete.size(); ++i) {
        const TCellule& cellule = GrilleComplete[i];
        const TPlaceListe* place = TrouvePlace(cellule.Nom);
        if (place == nullptr) continue;  // the participle, a label
        QGroupBox* groupe = Boite(place->Groupe);
        Legendes[i] = CreeEtiquette(groupe, place->Etiquette, Texte(cellule.Temps),
                                    place->PositionEtiquette, policeTemps);
        // The guide's line, with its example, in French; in English, what
        // the tense is for.
        if (usage == TUsage::Ecran)
            Legendes[i]->setToolTip(anglais ? ExplicationTemps(cellule.Nom)
                                            : Texte(GuideDuTemps(cellule)));
        Listes[i] = CreeListeTemps(Texte(cellule.Nom), groupe);
        connect(Listes[i], &QListWidget::itemSelectionChanged, this,
                [this, liste = Listes[i]] { MontreRaison(liste); });
        if (usage == TUsage::Ecran) {
            Listes[i]->setContextMenuPolicy(Qt::CustomContextMenu);
            connect(Listes[i], &QWidget::customContextMenuRequested, this,
                    [this, i](const QPoint& ou) { MenuListe(i, ou); });
        }
    }

    PartPres = CreeEtiquette(Boite(TGroupeBoite::Participe), "PartPres", QStringLiteral("PartPres"),
                             {80, 56}, PoliceParticipe(48));

    PageSet = new TOngletsPages(this);
    PageSet->setObjectName(QStringLiteral("PageSet"));
    PageSet->setShape(QTabBar::RoundedSouth);
    PageSet->setExpanding(false);
    PageSet->addTab(tr("Page1"));
    PageSet->addTab(tr("Page2"));
    PageSet->setTabToolTip(0, tr("Indicatif, subjonctif"));
    PageSet->setTabToolTip(1, tr("Conditionnel, impératif, participe"));
    PageSet->addTab(tr("Page3"));
    PageSet->setTabToolTip(2, tr("Infinitif, participe passé, gérondif"));
    PageSet->setCurrentIndex(0);

    AnalyseL = CreeEtiquette(this, "AnalyseL", QString(), {8, 432}, PoliceTexte(10));
    AnalyseL->hide();
    NommePourLecteurs();

    if (usage == TUsage::Impression) {
        // Paper shows neither what is typed nor how to change pages, nor the
        // lists' frames.
        Verbe->hide();
        Conjugue->hide();
        PageSet->hide();
        for (QListWidget* liste : Listes)
            if (liste != nullptr) liste->setFrameStyle(QFrame::NoFrame);
    }
    resize(Reference_);
    Agence();
}

void TContenu::NommePourLecteurs() {
    const auto nomme = [](QWidget* w, const QString& nom, const QString& description) {
        w->setAccessibleName(nom);
        w->setAccessibleDescription(description);
    };
    nomme(Verbe, tr("Verbe à conjuguer"),
          tr("Un infinitif, un verbe pronominal (se lever, s'en aller), ou une "
             "forme ou une ligne conjuguée (allions, nous sommes allés)"));
    nomme(Conjugue, tr("Conjuguer"), tr("Conjugue le verbe saisi"));
    nomme(VerbeL, tr("Verbe conjugué"), QString());
    nomme(OptionsL, tr("Options"), QString());
    nomme(Groupe, tr("Groupe"), QString());
    nomme(ModeleL, tr("Modèle"), QString());
    nomme(NoteL, tr("Note"), QString());
    nomme(PartPres, tr("Participe présent"), QString());
    QWidget* precedent = Conjugue;
    setTabOrder(Verbe, Conjugue);
    for (std::size_t i = 0; i < GrilleComplete.size(); ++i) {
        if (Listes[i] == nullptr) continue;
        // "Indicatif présent", "Participe passé composé".
        const TCellule& c = GrilleComplete[i];
        const QString nom = (Texte(c.Mode) + u' ' + Texte(c.Temps).toLower()).trimmed();
        nomme(Listes[i], nom,
              tr("Formes du verbe, une par ligne ; Ctrl+C copie les lignes choisies"));
        setTabOrder(precedent, Listes[i]);
        precedent = Listes[i];
    }
}

void TContenu::resizeEvent(QResizeEvent* evenement) {
    QWidget::resizeEvent(evenement);
    Agence();
}

void TContenu::DefinitReference(QSize reference) {
    Reference_ = reference;
    Agence();
}

QString TContenu::Remplit(const TEntete& entete, const TLignesGrille& lignes,
                          const QStringList& raisons) {
    const QString texte = QString::fromStdString(entete.Intitule).trimmed();
    Regle_ = Texte(entete.Regle);
    VerbeL->setText(texte);
    Options_ = QString::fromStdString(entete.Options);
    Groupe->setText(GroupeTraduit(entete.Groupe));
    ModeleL->setText(
        !entete.Modele.empty() ? tr("comme %1").arg(Texte(entete.Modele))
        : entete.Famille.empty()
            ? QString()
            : tr("modèle : famille %1").arg(QString::fromStdString(DeVerbe(entete.Famille))));
    Note_.clear();
    MemeModeleVoulu_ = MemeModeleB != nullptr && !entete.Type.empty();
    AligneGroupe();
    for (std::size_t i = 0; i < GrilleComplete.size(); ++i) {
        const TCellule& cellule = GrilleComplete[i];
        QListWidget* liste = Listes[i];
        if (liste == nullptr) {
            PartPres->setText(QString::fromUtf8(lignes[cellule.Premier]));
            continue;
        }
        liste->clear();
        for (int k = 0; k < cellule.NombreLignes(); ++k) {
            liste->addItem(QString::fromUtf8(lignes[cellule.Premier + k]));
            if (cellule.Premier + k < raisons.size())
                liste->item(k)->setData(RoleRaison, raisons[cellule.Premier + k]);
        }
        MarqueCoupures(liste);
    }
    Raison_.clear();
    PlaceParticipe();
    PlaceAnalyse();
    return texte;
}

void TContenu::Selectionne(const std::vector<TLigneChoisie>& lignes) {
    std::size_t premiere = GrilleComplete.size();
    for (const auto& [cellule, ligne] : lignes) {
        QListWidget* liste = Listes[cellule];
        if (liste == nullptr || ligne >= liste->count()) continue;
        liste->item(ligne)->setSelected(true);
        liste->scrollToItem(liste->item(ligne));
        premiere = std::min(premiere, cellule);
    }
    if (premiere < GrilleComplete.size())
        PageSet->setCurrentIndex(PageDeCellule(GrilleComplete[premiere]) - 1);
}

void TContenu::AttacheRaccourcisPages(QWidget* fenetre) {
    // Window-wide, as the menu's shortcuts: no control of the window takes
    // these keys for itself.
    const auto raccourci = [this, fenetre](const QList<QKeySequence>& touches, auto page) {
        auto* action = new QAction(fenetre);
        action->setShortcuts(touches);
        action->setShortcutContext(Qt::WindowShortcut);
        fenetre->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, page] { PageSet->setCurrentIndex(page(PageSet)); });
    };
    const auto suivante = [](const QTabBar* b) { return (b->currentIndex() + 1) % b->count(); };
    const auto precedente = [](const QTabBar* b) {
        return (b->currentIndex() + b->count() - 1) % b->count();
    };
    raccourci({QKeySequence(Qt::CTRL | Qt::Key_PageDown), QKeySequence(Qt::CTRL | Qt::Key_Tab)},
              suivante);
    raccourci({QKeySequence(Qt::CTRL | Qt::Key_PageUp),
               QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
               QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab)},
              precedente);
    raccourci({QKeySequence(Qt::ALT | Qt::Key_1)}, [](const QTabBar*) { return 0; });
    raccourci({QKeySequence(Qt::ALT | Qt::Key_2)}, [](const QTabBar*) { return 1; });
    raccourci({QKeySequence(Qt::ALT | Qt::Key_3)}, [](const QTabBar*) { return 2; });
}

void TContenu::CopieDe(const TContenu& autre) {
    VerbeL->setText(autre.VerbeL->text());
    Options_ = autre.Options_;
    Groupe->setText(autre.Groupe->text());
    ModeleL->setText(autre.ModeleL->text());
    Note_ = autre.Note_;
    Regle_ = autre.Regle_;
    AligneGroupe();
    PartPres->setText(autre.PartPres->text());
    PlaceParticipe();
    for (std::size_t i = 0; i < Listes.size(); ++i) {
        if (Listes[i] == nullptr) continue;
        Listes[i]->clear();
        for (int k = 0; k < autre.Listes[i]->count(); ++k)
            Listes[i]->addItem(autre.Listes[i]->item(k)->text());
        MarqueCoupures(Listes[i]);
    }
}

QString TContenu::TexteEntree() const {
    return Verbe->text();
}

void TContenu::DefinitEntree(const QString& texte) {
    Verbe->setText(texte);
}

void TContenu::FocusEntree(bool selectionne) {
    Verbe->setFocus(selectionne ? Qt::ShortcutFocusReason : Qt::OtherFocusReason);
    if (selectionne) Verbe->selectAll();
}

void TContenu::QuandCopieConjugaison(std::function<void()> action) {
    CopieConjugaison_ = std::move(action);
}

void TContenu::VideEntete() {
    Options_.clear();
    Regle_.clear();
    Note_.clear();
    Groupe->clear();
    ModeleL->clear();
    AligneGroupe();
}

void TContenu::MenuListe(std::size_t i, const QPoint& ou) {
    QListWidget* liste = Listes[i];
    const TCellule& c = GrilleComplete[i];
    QListWidgetItem* sous = liste->itemAt(ou);
    QMenu menu(liste);
    const auto copie = [](const QString& texte) { QGuiApplication::clipboard()->setText(texte); };
    QAction* ligne = menu.addAction(QCoreApplication::translate("TContenu", "Copier la ligne"));
    ligne->setObjectName(QStringLiteral("CopierLigne"));
    ligne->setEnabled(sous != nullptr);
    connect(ligne, &QAction::triggered, liste, [sous, copie] { copie(sous->text()); });
    QAction* temps = menu.addAction(QCoreApplication::translate("TContenu", "Copier le temps"));
    temps->setObjectName(QStringLiteral("CopierTemps"));
    connect(temps, &QAction::triggered, liste, [liste, &c, copie] {
        // Its title as the copied conjugation writes it, then its lines.
        QStringList lignes{(Texte(c.Mode) + u' ' + Texte(c.Temps).toLower()).trimmed()};
        for (int k = 0; k < liste->count(); ++k) lignes << liste->item(k)->text();
        copie(lignes.join(u'\n') + u'\n');
    });
    QAction* tout =
        menu.addAction(QCoreApplication::translate("TContenu", "Copier la conjugaison"));
    tout->setObjectName(QStringLiteral("CopierConjugaison"));
    tout->setEnabled(bool(CopieConjugaison_));
    connect(tout, &QAction::triggered, liste, [this] { CopieConjugaison_(); });
    menu.exec(liste->viewport()->mapToGlobal(ou));
}

void TContenu::PresseConjugue() {
    Conjugue->click();
}

void TContenu::QuandMemeModele(std::function<void()> action) {
    if (MemeModeleB != nullptr)
        connect(MemeModeleB, &QPushButton::clicked, this,
                [action = std::move(action)] { action(); });
}

void TContenu::QuandConjugue(std::function<void()> action) {
    connect(Conjugue, &QPushButton::clicked, this, [action = std::move(action)] { action(); });
}

int TContenu::Page() const {
    return PageSet->currentIndex();
}

void TContenu::DefinitPage(int onglet) {
    PageSet->setCurrentIndex(onglet);
}

void TContenu::QuandPage(std::function<void(int)> action) {
    connect(PageSet, &QTabBar::currentChanged, this, std::move(action));
}

void TContenu::DefinitNote(const QString& note) {
    Note_ = note;
    AligneGroupe();
}

void TContenu::MontreRaison(const QListWidget* liste) {
    // The line the user is on, else the first selected (a reading's).
    const QListWidgetItem* ligne = liste->currentItem();
    if (ligne == nullptr || !ligne->isSelected())
        ligne = liste->selectedItems().isEmpty() ? nullptr : liste->selectedItems().front();
    const QString raison = ligne != nullptr ? ligne->data(RoleRaison).toString() : QString();
    Raison_ = raison.isEmpty()
                  ? QString()
                  : QStringLiteral("« ") + ligne->text() + QStringLiteral(" » : ") + raison;
    PlaceAnalyse();
}

void TContenu::DefinitAnalyse(const QString& texte, const QStringList& autres,
                              const std::function<void(const QString&)>& choix) {
    Analyse_ = texte;
    // Possibly the very button pressed: gone from sight now, deleted later.
    for (QPushButton* bouton : AutresVerbes) {
        bouton->hide();
        bouton->deleteLater();
    }
    AutresVerbes.clear();
    for (int i = 0; i < autres.size(); ++i) {
        auto* bouton = new QPushButton(autres[i], this);
        bouton->setObjectName(QStringLiteral("AutreVerbe"));
        bouton->setToolTip(tr("Conjuguer %1").arg(autres[i]));
        bouton->setFont(PoliceTexte(11));
        bouton->setAutoDefault(false);
        connect(bouton, &QPushButton::clicked, bouton,
                [choix, verbe = autres[i]] { choix(verbe); });
        bouton->show();
        AutresVerbes.push_back(bouton);
    }
    PlaceAnalyse();
}

}  // namespace florimot
