// A stand-in for the printer: records the jobs the window makes, with what
// the window showed at each drawing, and fails where it is told to.
#pragma once

#include <QList>
#include <QPixmap>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>

#include "impression.hpp"

namespace florimot {

class TImpressionEnregistree final : public TImpression {
public:
    enum class TEtape {
        Aucune,
        TaillePage,
        Commence,
        Dessin1,
        NouvellePage,
        Dessin2,
        Dessin3,
        Termine
    };

    struct Dessin {
        QRect Destination;
        QRect Zone;
        QPixmap Image;       // the zone of the widget drawn, as on the screen
        QStringList Releve;  // what Releve() answered about it at that moment
    };
    struct Travail {
        QString Nom;
        QList<QList<Dessin>> Pages;
        bool Termine = false;
        bool Abandonne = false;
    };

    QSize TaillePage() override {
        if (Panne == TEtape::TaillePage) {
            Raison = QStringLiteral("pas de taille");
            return {};
        }
        return Page;
    }
    bool Commence(const QString& nom) override {
        ++Demarrages;
        if (EnCours()) return Echoue(QStringLiteral("déjà en cours"));
        if (Panne == TEtape::Commence) return Echoue(QStringLiteral("pas de travail"));
        Travaux.append({nom, {{}}, false, false});
        Actif = true;
        if (PendantLeTravail) PendantLeTravail();
        return true;
    }
    bool Dessine(const QRect& destination, QWidget& source, const QRect& zone) override {
        if (!EnCours()) return Echoue(QStringLiteral("dessin hors travail"));
        auto& pages = Travaux.back().Pages;
        constexpr TEtape dessins[] = {TEtape::Dessin1, TEtape::Dessin2, TEtape::Dessin3};
        if (pages.size() <= 3 && Panne == dessins[pages.size() - 1])
            return Echoue(QStringLiteral("pas de dessin"));
        pages.back().append(
            {destination, zone, source.grab(zone), Releve ? Releve(source) : QStringList{}});
        if (PendantLeTravail) PendantLeTravail();
        return true;
    }
    bool NouvellePage() override {
        if (!EnCours()) return Echoue(QStringLiteral("page hors travail"));
        if (Panne == TEtape::NouvellePage) return Echoue(QStringLiteral("pas de page"));
        Travaux.back().Pages.append(QList<Dessin>{});
        if (PendantLeTravail) PendantLeTravail();
        return true;
    }
    bool Termine() override {
        if (!EnCours()) return Echoue(QStringLiteral("fin hors travail"));
        if (Panne == TEtape::Termine) return Echoue(QStringLiteral("pas de fin"));
        Travaux.back().Termine = true;
        Actif = false;
        return true;
    }
    void Abandonne() override {
        if (Actif) Travaux.back().Abandonne = true;
        Actif = false;
    }
    bool EnCours() const override { return Actif; }
    QString Erreur() const override { return Raison; }

    QSize Page{4800, 6600};
    TEtape Panne = TEtape::Aucune;
    QList<Travail> Travaux;
    int Demarrages = 0;
    // Called at each drawing with the widget drawn: what it shows then.
    std::function<QStringList(QWidget&)> Releve;
    // Runs inside the job (after starting, each drawing and each new page),
    // where the real printer lets events through.
    std::function<void()> PendantLeTravail;

private:
    bool Echoue(const QString& raison) {
        Raison = raison;
        return false;
    }
    bool Actif = false;
    QString Raison;
};

}  // namespace florimot
