#include "liste_temps.hpp"

#include <QClipboard>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QListWidget>
#include <QStringList>
#include <QStyledItemDelegate>
#include <QToolTip>
#include <algorithm>

namespace florimot {

namespace {

// The room left around a line's text inside the list's frame.
constexpr int MargeTexte = 6;

QString Bulle(const QString& coupee, const QString& raison) {
    if (coupee.isEmpty() || raison.isEmpty()) return coupee + raison;
    return coupee + QStringLiteral("\n") + raison;
}

class TDelegueLigne : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        // Taller when the type grows with the window.
        return {QStyledItemDelegate::sizeHint(option, index).width(),
                std::max(HauteurLigne, option.fontMetrics.height())};
    }
    // The line's own tooltip (its whole text when cut), then its reason.
    bool helpEvent(QHelpEvent* evenement, QAbstractItemView* vue,
                   const QStyleOptionViewItem& option, const QModelIndex& index) override {
        if (evenement->type() != QEvent::ToolTip || !index.isValid())
            return QStyledItemDelegate::helpEvent(evenement, vue, option, index);
        const QString bulle =
            Bulle(index.data(Qt::ToolTipRole).toString(), index.data(RoleRaison).toString());
        if (bulle.isEmpty()) {
            QToolTip::hideText();
            evenement->ignore();
            return false;
        }
        QToolTip::showText(evenement->globalPos(), bulle, vue);
        return true;
    }
};

// The view alone would copy the current line only.
class TListeTemps : public QListWidget {
public:
    using QListWidget::QListWidget;

protected:
    void keyPressEvent(QKeyEvent* evenement) override {
        if (evenement->matches(QKeySequence::Copy)) {
            QStringList lignes;
            for (int i = 0; i < count(); ++i)
                if (item(i)->isSelected()) lignes << item(i)->text();
            if (!lignes.isEmpty()) QGuiApplication::clipboard()->setText(lignes.join(u'\n'));
            evenement->accept();
            return;
        }
        QListWidget::keyPressEvent(evenement);
    }
};

}  // namespace

QListWidget* CreeListeTemps(const QString& nom, QWidget* parent) {
    auto* liste = new TListeTemps(parent);
    liste->setObjectName(nom);
    liste->setItemDelegate(new TDelegueLigne(liste));
    liste->setUniformItemSizes(true);
    liste->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    liste->setTextElideMode(Qt::ElideRight);
    liste->setSelectionMode(QAbstractItemView::ExtendedSelection);
    return liste;
}

void MarqueCoupures(QListWidget* liste) {
    const QFontMetrics mesure(liste->font());
    const int largeur = liste->contentsRect().width() - MargeTexte;
    for (int i = 0; i < liste->count(); ++i) {
        QListWidgetItem* ligne = liste->item(i);
        ligne->setToolTip(mesure.horizontalAdvance(ligne->text()) > largeur ? ligne->text()
                                                                            : QString());
    }
}

QString BulleLigne(const QListWidgetItem* ligne) {
    return Bulle(ligne->toolTip(), ligne->data(RoleRaison).toString());
}

int LargeurVoulue(const QListWidget* liste) {
    const QFontMetrics mesure(liste->font());
    int besoin = 0;
    for (int k = 0; k < liste->count(); ++k)
        besoin = std::max(besoin, mesure.horizontalAdvance(liste->item(k)->text()));
    return besoin + MargeTexte + liste->width() - liste->contentsRect().width();
}

}  // namespace florimot
