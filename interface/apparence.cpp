#include "apparence.hpp"

#include <QApplication>
#include <QLibraryInfo>
#include <QStringList>
#include <QStyleFactory>
#include <QTranslator>
#include <cmath>

#include "florimot_version.hpp"
#include "langue_interface.hpp"

// The pictures live in the library; a static library needs its resources
// registered by hand.
static void ChargeRessources() {
    Q_INIT_RESOURCE(florimot);
}

namespace florimot {

namespace {

double Luminance(const QColor& c) {
    const auto canal = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * canal(c.redF()) + 0.7152 * canal(c.greenF()) + 0.0722 * canal(c.blueF());
}

}  // namespace

QFont PoliceTexte(int pixels, bool gras) {
    QFont police;
    police.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    police.setPixelSize(pixels);
    police.setWeight(gras ? QFont::Bold : QFont::Normal);
    police.setStyleHint(QFont::SansSerif);
    return police;
}

QFont PoliceParticipe(int pixels) {
    QFont police;
    police.setFamilies({QStringLiteral("Liberation Sans Narrow"), QStringLiteral("Liberation Sans"),
                        QStringLiteral("DejaVu Sans")});
    police.setPixelSize(pixels);
    police.setStyleHint(QFont::SansSerif);
    return police;
}

QIcon IconeApplication() {
    ChargeRessources();
    QIcon icone;
    for (int taille : {32, 48, 64, 128, 256})
        icone.addFile(QStringLiteral(":/florimot/florimot-%1.png").arg(taille),
                      QSize(taille, taille));
    return icone;
}

QPixmap ImageAPropos() {
    ChargeRessources();
    return QPixmap(QStringLiteral(":/florimot/apropos.png"));
}

double Contraste(const QColor& a, const QColor& b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor FondLisible(const QColor& texte, const QColor& fond) {
    constexpr double Minimum = 4.5;
    QColor resultat = fond;
    const bool texteClair = Luminance(texte) > 0.5;
    // Each step moves the background 5 % further from the text; 60 steps reach
    // black or white from any colour, and black or white always contrast enough
    // with a light or a dark text.
    for (int i = 0; i < 60 && Contraste(texte, resultat) < Minimum; ++i)
        resultat = texteClair ? resultat.darker(105) : resultat.lighter(105);
    if (Contraste(texte, resultat) < Minimum) resultat = texteClair ? Qt::black : Qt::white;
    return resultat;
}

void PrepareApplication(QApplication& application) {
    QApplication::setApplicationName(QStringLiteral("Florimot"));
    QApplication::setApplicationVersion(QStringLiteral(FLORIMOT_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Florimot"));
    // The layout is in fixed pixels: one style everywhere keeps it as drawn.
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Fusion")))
        application.setStyle(style);
    application.setFont(PoliceTexte(11));
    application.setWindowIcon(IconeApplication());
    InstalleLangue(application);
}

}  // namespace florimot
