#include "liste_modele.hpp"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "apparence.hpp"

namespace florimot {

TListeModele::TListeModele(const QString& phrase, const QStringList& verbes,
                           std::function<void(const QString&)> choix, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("ListeModele"));
    setWindowTitle(tr("Verbes du même modèle"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* pile = new QVBoxLayout(this);
    auto* texte = new QLabel(phrase, this);
    texte->setObjectName(QStringLiteral("PhraseModele"));
    texte->setTextFormat(Qt::PlainText);
    texte->setWordWrap(true);
    pile->addWidget(texte);
    auto* liste = new QListWidget(this);
    liste->setObjectName(QStringLiteral("VerbesModele"));
    liste->setFont(PoliceTexte(11));
    liste->addItems(verbes);
    liste->setToolTip(tr("Un clic conjugue le verbe"));
    pile->addWidget(liste);
    const auto conjugue = [this, choix = std::move(choix)](QListWidgetItem* ligne) {
        if (ligne == nullptr) return;
        const QString verbe = ligne->text();
        close();
        choix(verbe);
    };
    connect(liste, &QListWidget::itemClicked, this, conjugue);
    connect(liste, &QListWidget::itemActivated, this, conjugue);
    auto* boutons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::close);
    pile->addWidget(boutons);
    resize(360, 420);
}

}  // namespace florimot
