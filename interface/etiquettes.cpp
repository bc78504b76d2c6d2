#include "etiquettes.hpp"

#include <QFontMetrics>
#include <QLabel>
#include <QPalette>
#include <algorithm>
#include <cstdlib>
#include <tuple>

#include "apparence.hpp"

namespace florimot {

QLabel* CreeEtiquette(QWidget* parent, const char* nom, const QString& texte, QPoint position,
                      const QFont& police) {
    auto* etiquette = new QLabel(texte, parent);
    etiquette->setObjectName(QString::fromLatin1(nom));
    etiquette->setTextFormat(Qt::PlainText);
    etiquette->setFont(police);
    etiquette->move(position);
    etiquette->adjustSize();
    return etiquette;
}

QColor TexteDiscret(const QPalette& palette) {
    const QColor texte = palette.color(QPalette::WindowText);
    const QColor fond = palette.color(QPalette::Window);
    for (int part = 40; part < 100; part += 5) {
        const auto melange = [&](int a, int b) { return (a * part + b * (100 - part)) / 100; };
        const QColor couleur(melange(texte.red(), fond.red()), melange(texte.green(), fond.green()),
                             melange(texte.blue(), fond.blue()));
        if (Contraste(couleur, fond) >= 4.5) return couleur;
    }
    return texte;
}

void EcritSurDeuxLignes(QLabel* etiquette, const QString& texte, int largeur) {
    const QFontMetrics mesure(etiquette->font());
    const auto large = [&](QStringView t) { return mesure.horizontalAdvance(t.toString()); };
    // Too little room for even an ellipsis and a letter: nothing rather than a mark.
    const bool rien = largeur < large(u"m…");
    if (rien || large(texte) <= largeur) {
        etiquette->setText(rien ? QString() : texte);
        etiquette->setToolTip(QString());
        return;
    }
    const auto force = [](QChar avant) {
        const QString fortes = QStringLiteral("—;:,");
        const qsizetype rang = fortes.indexOf(avant);
        return rang < 0 ? int(fortes.size()) : int(rang);
    };
    // The best break: one that fits, at the strongest stop, lines as even as
    // can be; failing that, the most even.
    qsizetype coupure = -1;
    std::tuple<bool, int, int> meilleure;
    for (qsizetype i = 1; i + 1 < texte.size(); ++i) {
        // Never between a guillemet and the word it quotes.
        if (texte[i] != u' ' || texte[i - 1] == u'«' || texte[i + 1] == u'»') continue;
        const QStringView t(texte);
        const int l = std::max(large(t.left(i)), large(t.mid(i + 1)));
        const bool tient = l <= largeur;
        const std::tuple<bool, int, int> cle{!tient, tient ? force(texte[i - 1]) : 0, l};
        if (coupure < 0 || cle < meilleure) {
            coupure = i;
            meilleure = cle;
        }
    }
    const QString premiere = coupure < 0 ? texte : texte.left(coupure);
    const QString seconde = coupure < 0 ? QString() : texte.mid(coupure + 1);
    QString lignes = mesure.elidedText(premiere, Qt::ElideRight, largeur);
    bool coupe = lignes != premiere;
    if (!seconde.isEmpty()) {
        const QString fin = mesure.elidedText(seconde, Qt::ElideRight, largeur);
        coupe = coupe || fin != seconde;
        lignes += u'\n' + fin;
    }
    etiquette->setText(lignes);
    etiquette->setToolTip(coupe ? texte : QString());
}

QString CoupeALaVirgule(QString texte) {
    qsizetype coupure = -1;
    for (qsizetype i = texte.indexOf(u','); i >= 0; i = texte.indexOf(u',', i + 1))
        if (coupure < 0 || std::abs(texte.size() - 2 * i) < std::abs(texte.size() - 2 * coupure))
            coupure = i;
    if (coupure >= 0) texte.replace(coupure + 1, 1, u'\n');
    return texte;
}

}  // namespace florimot
