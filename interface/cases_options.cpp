#include "cases_options.hpp"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QResizeEvent>
#include <algorithm>

#include "apparence.hpp"

namespace florimot {

namespace {

constexpr int Ecart = 5;

QString Texte(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

// The room a box takes beside its caption's text (its square, spacing and
// margins), measured on the whole caption.
int LargeurCarre(QCheckBox* c, const QString& entiere) {
    const QString montre = c->text();
    c->setText(entiere);
    const int carre = c->sizeHint().width() - c->fontMetrics().horizontalAdvance(entiere);
    c->setText(montre);
    return carre;
}

}  // namespace

TCasesOptions::TCasesOptions(const std::array<QAction*, NombreOptions>& items, QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("CasesOptions"));
    // Close to its caption: the row shares the tabs' strip.
    setStyleSheet(QStringLiteral("QCheckBox { spacing: 3px; }"));
    for (std::size_t i = 0; i < NombreOptions; ++i) {
        const TDescriptionOption& d = DescriptionsOptions[i];
        QAction* item = items[i];
        auto* c = new QCheckBox(Texte(d.Legende), this);
        c->setObjectName(Texte(d.Nom) + QStringLiteral("Case"));
        c->setFont(PoliceTexte(10));
        // A click leaves the focus where it was, in the entry most often.
        c->setFocusPolicy(Qt::TabFocus);
        c->setToolTip(QCoreApplication::translate("TCasesOptions", "%1 (%2)")
                          .arg(item->text().remove(u'&'), Texte(d.Touche)));
        c->setAccessibleName(item->text().remove(u'&'));
        c->setChecked(item->isChecked());
        // The item runs the window's handler; the box follows the item,
        // whoever changed it (a key, the menu, an analysed line).
        connect(c, &QCheckBox::clicked, item, [item, c](bool oui) {
            if (item->isChecked() != oui) item->trigger();
            c->setChecked(item->isChecked());
        });
        connect(item, &QAction::toggled, c, &QCheckBox::setChecked);
        Cases_[i] = c;
    }
    Place();
}

int TCasesOptions::LargeurEntiere() const {
    int largeur = 0;
    for (std::size_t i = 0; i < NombreOptions; ++i)
        largeur +=
            Cases_[i]->fontMetrics().horizontalAdvance(Texte(DescriptionsOptions[i].Legende)) +
            LargeurCarre(Cases_[i], Texte(DescriptionsOptions[i].Legende)) + 1 +
            (i > 0 ? Ecart : 0);
    return largeur;
}

void TCasesOptions::resizeEvent(QResizeEvent* evenement) {
    QWidget::resizeEvent(evenement);
    Place();
}

void TCasesOptions::Place() {
    std::array<int, NombreOptions> textes{}, carres{};
    int total = 0;
    for (std::size_t i = 0; i < NombreOptions; ++i) {
        const QString entiere = Texte(DescriptionsOptions[i].Legende);
        textes[i] = Cases_[i]->fontMetrics().horizontalAdvance(entiere);
        carres[i] = LargeurCarre(Cases_[i], entiere);
        total += textes[i] + carres[i] + 1 + (i > 0 ? Ecart : 0);
    }
    // Too wide: the longest caption loses a few pixels at a time, down to a
    // third of its length, until the row fits.
    while (total > width()) {
        const auto longue = std::max_element(textes.begin(), textes.end());
        if (*longue <= 24) break;
        *longue -= 4;
        total -= 4;
    }
    int x = std::max(0, width() - total);
    for (std::size_t i = 0; i < NombreOptions; ++i) {
        QCheckBox* c = Cases_[i];
        const QString entiere = Texte(DescriptionsOptions[i].Legende);
        // A pixel to spare: the text's advance is rounded.
        c->setText(c->fontMetrics().elidedText(entiere, Qt::ElideRight, textes[i] + 1));
        const int largeur = textes[i] + carres[i] + 1;
        c->setGeometry(x, 0, largeur, height());
        x += largeur + Ecart;
    }
}

}  // namespace florimot
