// The window at a scale factor of 2 (run with QT_SCALE_FACTOR=2): no text
// is cut and no control leaves the window, on either page, in the menus or
// in the About window. Pictures are written when FLORIMOT_CAPTURES names a
// folder.
#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTest>
#include <memory>

#include "about.hpp"
#include "apparence.hpp"
#include "dialogues_enregistres.hpp"
#include "ecran.hpp"
#include "lexique.hpp"
#include "pilote.hpp"

using namespace florimot;

namespace {

QString SansEsperluette(QString texte) {
    return texte.remove(QRegularExpression(QStringLiteral("&(?!&)")));
}

// Every text of `fenetre`'s visible controls whole inside its control, and
// every visible control inside the window; the failures, described.
QStringList Coupures(QWidget* fenetre) {
    QStringList coupures;
    const auto signale = [&](const QWidget* w, const QString& quoi) {
        coupures << w->metaObject()->className() + QStringLiteral(" ") + w->objectName() +
                        QStringLiteral(" : ") + quoi;
    };
    const QRect dedans = fenetre->rect();
    for (QWidget* w : fenetre->findChildren<QWidget*>()) {
        if (!w->isVisible() || w->isWindow()) continue;
        const QRect place(w->mapTo(fenetre, QPoint(0, 0)), w->size());
        if (!dedans.contains(place)) signale(w, QStringLiteral("hors de la fenêtre"));
        const QFontMetrics mesure = w->fontMetrics();
        if (auto* etiquette = qobject_cast<QLabel*>(w)) {
            // Each of its lines: the options' caption may take two.
            const QSize texte = mesure.size(0, etiquette->text());
            if (texte.width() > etiquette->contentsRect().width() ||
                texte.height() > etiquette->height())
                signale(w, etiquette->text());
        } else if (auto* bouton = qobject_cast<QAbstractButton*>(w)) {
            if (mesure.horizontalAdvance(SansEsperluette(bouton->text())) + 8 > bouton->width() ||
                mesure.height() > bouton->height())
                signale(w, bouton->text());
        } else if (auto* entree = qobject_cast<QLineEdit*>(w)) {
            // Up to 15 characters show whole; a longer pronominal text
            // ("se désolidariser") scrolls in the entry as in any other.
            const QString texte = entree->displayText().trimmed().left(TEcran::LongueurEntree);
            if (mesure.horizontalAdvance(texte) + 6 > entree->width() ||
                mesure.height() > entree->height())
                signale(w, entree->displayText());
        } else if (auto* boite = qobject_cast<QGroupBox*>(w)) {
            QStyleOptionGroupBox option;
            option.initFrom(boite);
            option.text = boite->title();
            option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
            const QRect legende = boite->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                                 QStyle::SC_GroupBoxLabel, boite);
            if (mesure.horizontalAdvance(boite->title()) > legende.width() ||
                !boite->rect().contains(legende))
                signale(w, boite->title());
        } else if (auto* onglets = qobject_cast<QTabBar*>(w)) {
            for (int i = 0; i < onglets->count(); ++i)
                if (!onglets->rect().contains(onglets->tabRect(i)) ||
                    mesure.horizontalAdvance(onglets->tabText(i)) > onglets->tabRect(i).width())
                    signale(w, onglets->tabText(i));
        } else if (auto* liste = qobject_cast<QListWidget*>(w)) {
            for (int i = 0; i < liste->count(); ++i)
                if (liste->visualItemRect(liste->item(i)).height() < mesure.height() - 2)
                    signale(w, QStringLiteral("ligne trop basse : ") + liste->item(i)->text());
        } else if (auto* barre = qobject_cast<QMenuBar*>(w)) {
            for (QAction* action : barre->actions()) {
                const QRect titre = barre->actionGeometry(action);
                if (!barre->rect().contains(titre) ||
                    mesure.horizontalAdvance(SansEsperluette(action->text())) > titre.width())
                    signale(w, action->text());
            }
        }
    }
    return coupures;
}

}  // namespace

class TestEchelle : public QObject {
    Q_OBJECT

    TDialoguesEnregistres Dialogues;
    std::unique_ptr<TEcran> Ecran;
    QString Captures = qEnvironmentVariable("FLORIMOT_CAPTURES");

    void Capture(QWidget* fenetre, const QString& nom) {
        const QImage image = fenetre->grab().toImage();
        QCOMPARE(image.size(), fenetre->size() * 2);
        if (!Captures.isEmpty()) QVERIFY(image.save(Captures + u'/' + nom));
    }

private slots:
    void initTestCase() {
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
        Ecran = std::make_unique<TEcran>(Dialogues);
        Ecran->AttacheAbout(new TAbout(Ecran.get()));
        Ecran->show();
        QVERIFY(QTest::qWaitForWindowExposed(Ecran.get()));
    }
    void cleanupTestCase() { Ecran.reset(); }

    void pages_data() {
        QTest::addColumn<QString>("verbe");
        QTest::addColumn<int>("onglet");
        QTest::newRow("au départ") << "" << 0;
        QTest::newRow("parler, page 1") << "parler" << 0;
        QTest::newRow("parler, page 2") << "parler" << 1;
        QTest::newRow("déshumidifier, page 2") << "déshumidifier" << 1;
        QTest::newRow("s'en aller, page 3") << "s'en aller" << 2;
        QTest::newRow("déshumidifier, page 3") << "déshumidifier" << 2;
        // The dictionary's note beside the group, and what it found behind
        // a form under the pages (when it is installed).
        QTest::newRow("googler, page 1") << "googler" << 0;
        QTest::newRow("allions, page 1") << "allions" << 0;
        // The last: the options stay on.
        QTest::newRow("se désolidariser, toutes les options") << "se désolidariser" << 0;
    }
    void pages() {
        QFETCH(QString, verbe);
        QFETCH(int, onglet);
        if (QByteArray(QTest::currentDataTag()).contains("options"))
            for (const Qt::Key cle : {Qt::Key_F5, Qt::Key_F6, Qt::Key_F7, Qt::Key_F8})
                QTest::keyClick(Ecran.get(), cle);
        if (!verbe.isEmpty())
            pilote::Conjugue(pilote::Composant<QLineEdit>(Ecran.get(), "Verbe"), verbe);
        // The note comes when the dictionary is loaded, without a new conjugation.
        if (verbe == u"googler" && TLexique::AvecDictionnaire() &&
            QFile::exists(QStringLiteral("/usr/share/hunspell/fr.dic")))
            QTRY_VERIFY(!pilote::Composant<QLabel>(Ecran.get(), "NoteL")->text().isEmpty());
        pilote::Composant<QTabBar>(Ecran.get(), "PageSet")->setCurrentIndex(onglet);
        const QStringList coupures = Coupures(Ecran.get());
        QVERIFY2(coupures.isEmpty(), qPrintable(coupures.join(u'\n')));
        Capture(Ecran.get(), QStringLiteral("echelle2-%1-page%2.png")
                                 .arg(verbe.isEmpty() ? QStringLiteral("depart") : verbe)
                                 .arg(onglet + 1));
    }

    void menus() {
        for (QMenu* menu : Ecran->menuBar()->findChildren<QMenu*>()) {
            menu->popup(Ecran->mapToGlobal(QPoint(0, 0)));
            QVERIFY(QTest::qWaitForWindowExposed(menu));
            for (QAction* action : menu->actions()) {
                if (action->isSeparator()) continue;
                const QRect ligne = menu->actionGeometry(action);
                const QFontMetrics mesure = menu->fontMetrics();
                const int largeur =
                    mesure.horizontalAdvance(SansEsperluette(action->text())) +
                    mesure.horizontalAdvance(action->shortcut().toString(QKeySequence::NativeText));
                QVERIFY2(menu->rect().contains(ligne) && largeur < ligne.width(),
                         qPrintable(action->text()));
            }
            Capture(menu, QStringLiteral("echelle2-menu-%1.png").arg(menu->objectName()));
            menu->hide();
        }
    }

    void aPropos() {
        auto* about = Ecran->findChild<TAbout*>();
        about->show();
        QVERIFY(QTest::qWaitForWindowExposed(about));
        const QStringList coupures = Coupures(about);
        QVERIFY2(coupures.isEmpty(), qPrintable(coupures.join(u'\n')));
        Capture(about, QStringLiteral("echelle2-apropos.png"));
        about->hide();
    }
};

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    PrepareApplication(application);
    TestEchelle test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_echelle.moc"
