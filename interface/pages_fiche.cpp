#include "pages_fiche.hpp"

#include <QCoreApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

#include "impression.hpp"
#include "textes_fiche.hpp"

namespace florimot {

namespace {

constexpr int Marge = 48;

QString DepuisUtf8(const std::string& s) {
    return QString::fromStdString(s);
}

class TPage {
public:
    TPage(double rapport, const QFont& police, const QString& titre, const QString& sousTitre)
        : Page_(std::make_unique<QWidget>()) {
        Page_->setAttribute(Qt::WA_DontShowOnScreen);
        Page_->setAutoFillBackground(true);
        QPalette palette = Page_->palette();
        palette.setColor(QPalette::Window, Qt::white);
        palette.setColor(QPalette::WindowText, Qt::black);
        Page_->setPalette(palette);
        Page_->setFont(police);
        Page_->setFixedSize(LargeurPageFiche, static_cast<int>(LargeurPageFiche * rapport));
        Disposition_ = new QVBoxLayout(Page_.get());
        Disposition_->setContentsMargins(Marge, Marge, Marge, Marge);
        Disposition_->setSpacing(Espace);
        const QFont grande = PoliceEchelle(police, 1.4, true),
                    petite = PoliceEchelle(police, 0.9, false);
        for (QLabel* l : {Ajoute(titre, grande), Ajoute(sousTitre, petite)})
            Hauteur_ += l->heightForWidth(Largeur()) + Espace;
        // The spacer and the spacing after it.
        Disposition_->addSpacing(Espace);
        Hauteur_ += 2 * Espace;
    }

    // Adds the lines of one item; false, the page unchanged, when they do
    // not fit.
    bool AjouteSiPlace(const QString& texte) {
        QLabel* l = Ajoute(texte, Page_->font());
        const int hauteur = l->heightForWidth(Largeur()) + Espace;
        if (Hauteur_ + hauteur <= Page_->height() - Marge || Vide_) {
            Vide_ = false;
            Hauteur_ += hauteur;
            return true;
        }
        Disposition_->removeWidget(l);
        delete l;
        return false;
    }

    std::unique_ptr<QWidget> Fin() {
        Disposition_->addStretch(1);
        Disposition_->activate();
        return std::move(Page_);
    }

private:
    static constexpr int Espace = 10;  // room for a pupil's hand between items

    int Largeur() const { return Page_->width() - 2 * Marge; }

    QLabel* Ajoute(const QString& texte, const QFont& police) {
        auto* l = new QLabel(texte, Page_.get());
        l->setFont(police);
        l->setWordWrap(true);
        l->setTextFormat(Qt::PlainText);
        Disposition_->addWidget(l);
        return l;
    }

    std::unique_ptr<QWidget> Page_;
    QVBoxLayout* Disposition_;
    bool Vide_ = true;     // no item yet: the first is kept even when too long
    int Hauteur_ = Marge;  // the height the page's lines take so far
};

}  // namespace

// `police` made `facteur` times larger, whether it is sized in points or in
// pixels.
QFont PoliceEchelle(const QFont& police, double facteur, bool gras) {
    QFont f = police;
    if (police.pointSizeF() > 0)
        f.setPointSizeF(police.pointSizeF() * facteur);
    else
        f.setPixelSize(std::max(1, static_cast<int>(police.pixelSize() * facteur)));
    f.setBold(gras);
    return f;
}

void PagesListe(std::vector<std::unique_ptr<QWidget>>& pages, double rapport, const QFont& police,
                const QString& titre, const QString& sousTitre, const QStringList& entrees) {
    auto page = std::make_unique<TPage>(rapport, police, titre, sousTitre);
    for (const QString& e : entrees)
        if (!page->AjouteSiPlace(e)) {
            pages.push_back(page->Fin());
            page = std::make_unique<TPage>(rapport, police, titre, sousTitre);
            page->AjouteSiPlace(e);
        }
    pages.push_back(page->Fin());
}

std::vector<std::unique_ptr<QWidget>> PagesFiche(const TFiche& fiche, double rapport,
                                                 const QFont& police) {
    const QString sousTitre = DepuisUtf8(SousTitre(fiche));
    QStringList enonces, corriges;
    for (std::size_t i = 0; i < fiche.Items.size(); ++i) {
        QString e;
        for (const std::string& l : Enonce(fiche.Items[i], fiche.Choix.Genre))
            e += (e.isEmpty() ? QString::number(i + 1) + QStringLiteral(". ")
                              : QStringLiteral("\n")) +
                 DepuisUtf8(l);
        enonces << e;
        corriges << QString::number(i + 1) + QStringLiteral(". ") +
                        DepuisUtf8(Corrige(fiche.Items[i]));
    }
    enonces.prepend(DepuisUtf8(LigneNomDate()) + u'\n');
    std::vector<std::unique_ptr<QWidget>> pages;
    PagesListe(pages, rapport, police, DepuisUtf8(TitreFiche()), sousTitre, enonces);
    PagesListe(pages, rapport, police, DepuisUtf8(TitreCorrige()), sousTitre, corriges);
    return pages;
}

QString ImprimePages(TImpression& service, const QString& nom,
                     const std::function<std::vector<std::unique_ptr<QWidget>>(double)>& fait) {
    const auto raison = [&] {
        const QString r = service.Erreur();
        return r.isEmpty()
                   ? QCoreApplication::translate("TPagesFiche", "L'impression n'a pas pu se faire.")
                   : r;
    };
    const QSize page = service.TaillePage();
    if (page.isEmpty()) return raison();
    const auto pages = fait(double(page.height()) / page.width());
    if (!service.Commence(nom)) return raison();
    bool reussi = true;
    for (std::size_t i = 0; reussi && i < pages.size(); ++i) {
        if (i > 0) reussi = service.NouvellePage();
        QWidget& p = *pages[i];
        if (reussi) reussi = service.Dessine(QRect(QPoint(0, 0), page), p, p.rect());
    }
    if (reussi) reussi = service.Termine();
    if (reussi) return {};
    const QString r = raison();
    if (service.EnCours()) service.Abandonne();
    return r;
}

}  // namespace florimot
