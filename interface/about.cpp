#include "about.hpp"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include "apparence.hpp"
#include "dictd.hpp"
#include "florimot_version.hpp"

namespace florimot {

namespace {

QLabel* CreeEtiquette(QWidget* parent, const char* nom, const QString& texte, QPoint position,
                      int pixels) {
    auto* etiquette = new QLabel(texte, parent);
    etiquette->setObjectName(QString::fromLatin1(nom));
    etiquette->setTextFormat(Qt::PlainText);
    etiquette->setFont(PoliceTexte(pixels));
    etiquette->move(position);
    etiquette->adjustSize();
    return etiquette;
}

void Colore(QLabel* etiquette, const QColor& texte) {
    QPalette palette = etiquette->palette();
    palette.setColor(QPalette::WindowText, texte);
    etiquette->setPalette(palette);
}

void ColoreFond(QLabel* etiquette, const QColor& fond) {
    QPalette palette = etiquette->palette();
    palette.setColor(QPalette::Window, fond);
    etiquette->setPalette(palette);
    etiquette->setAutoFillBackground(true);
}

}  // namespace

TAbout::TAbout(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("About"));
    setWindowTitle(tr("A Propos de Florimot"));
    setFont(PoliceTexte(11));
    setModal(false);
    setFixedSize(427, 273);
    // Only the main window decides when the program ends.
    setAttribute(Qt::WA_QuitOnClose, false);

    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(ImageAPropos());
    image->setGeometry(8, 8, 200, 150);

    const QColor fondMenu = QApplication::palette("QMenu").color(QPalette::Window);
    const QColor fondFenetre = QApplication::palette().color(QPalette::Base);

    Colore(CreeEtiquette(this, "Label1", QStringLiteral("Florimot"), {248, 24}, 19),
           QColor(0, 128, 0));
    ColoreFond(CreeEtiquette(this, "Label2", tr("Version %1").arg(QStringLiteral(FLORIMOT_VERSION)),
                             {280, 56}, 11),
               fondMenu);

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("OK"));
    ok->setGeometry(192, 216, 75, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TAbout::OKClick);

    Colore(CreeEtiquette(this, "Label3", tr("Programmé par "), {248, 128}, 16),
           QColor(128, 0, 128));
    // Light letters on the menu's colour; the colour is deepened where the two
    // would be too close to read.
    QLabel* auteur = CreeEtiquette(this, "Label4", tr("L'équipe Florimot"), {280, 152}, 16);
    Colore(auteur, fondFenetre);
    ColoreFond(auteur, FondLisible(fondFenetre, fondMenu));
    CreeEtiquette(this, "Label5", tr("En principe sans faute"), {264, 72}, 11);
    CreeEtiquette(this, "Label6", tr("Version de décembre 2026"), {264, 88}, 11);
    CreeEtiquette(this, "Label7", tr("Si vous découvrez une faute, merci de m'en faire part au"),
                  {8, 176}, 11);
    CreeEtiquette(this, "Label8", QStringLiteral("florimot@example.org"), {8, 192}, 11);
    // Where the English meanings come from, when they are shown at all.
    if (const TDictd* d = DictionnaireFrancaisAnglais())
        CreeEtiquette(this, "SourceAnglais",
                      tr("Sens anglais : %1 (GPL-2+)").arg(QString::fromStdString(d->Titre())),
                      {8, 250}, 10);
}

void TAbout::OKClick() {
    hide();
}

}  // namespace florimot
