// What exercises are drawn from, as the worksheet dialog and the practice
// panel both let the user choose it: verbs typed or drawn, tenses, persons,
// options, the kind and number of items, the seed.
#pragma once

#include <QString>
#include <QWidget>
#include <array>

#include "exercices.hpp"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QSpinBox;

namespace florimot {

// Where the verbs come from besides those typed.
enum class TTirageVerbes : int { Aucun, Groupe1, Groupe2, Groupe3, Comme, Courants };

// The choices as the settings keep them.
struct TReglagesExercices {
    QString Verbes;  // as typed: one a line, or separated by commas
    TTirageVerbes Tirage = TTirageVerbes::Aucun;
    QString Modele;          // for TTirageVerbes::Comme
    TChoixFiche Choix;       // its Verbes unused: Verbes and Tirage say them
    bool Indulgent = false;  // the practice's check box
};

TReglagesExercices LitReglagesExercices();
void EcritReglagesExercices(const TReglagesExercices& reglages);

// The verbs `reglages` names: those typed, then those drawn.
std::vector<std::string> VerbesChoisis(const TReglagesExercices& reglages);

class TChoixExercices : public QWidget {
    Q_OBJECT

public:
    // `avecGenre`: the kind of item is offered (the worksheet's; practice
    // asks one form at a time).
    explicit TChoixExercices(bool avecGenre, QWidget* parent = nullptr);

    void Applique(const TReglagesExercices& reglages);
    // What is chosen; Indulgent left as `base` has it.
    TReglagesExercices Reglages(const TReglagesExercices& base = {}) const;

    QPlainTextEdit* Verbes() const { return Verbes_; }

signals:
    // Any choice changed.
    void Change();

private:
    QLabel* Etiquette(const QString& texte, QWidget* copain);

    QPlainTextEdit* Verbes_;
    QComboBox* Tirage_;
    QLineEdit* Modele_;
    QListWidget* Temps_;
    std::array<QCheckBox*, 6> Personnes_{};
    std::array<QCheckBox*, NombreOptions> Options_{};
    QComboBox* Genre_ = nullptr;
    QSpinBox* Nombre_;
    QLineEdit* Graine_;
};

}  // namespace florimot
