#include "choix_exercices.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "fichier_reglages.hpp"
#include "textes_fiche.hpp"

namespace florimot {

namespace {

QString DepuisUtf8(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// A menu item's caption without its accelerator: "&Féminin" is Féminin.
QString SansEsperluette(std::string_view s) {
    return DepuisUtf8(s).remove(u'&');
}

constexpr std::array<std::string_view, 6> Pronoms = {"je",   "tu",   "il, elle",
                                                     "nous", "vous", "ils, elles"};

}  // namespace

TReglagesExercices LitReglagesExercices() {
    QSettings s = OuvreReglages();
    s.beginGroup(QStringLiteral("exercices"));
    TReglagesExercices r;
    r.Verbes = s.value(QStringLiteral("verbes"), QStringLiteral("finir\naller\npayer")).toString();
    const int tirage = s.value(QStringLiteral("tirage"), 0).toInt();
    if (tirage >= 0 && tirage <= static_cast<int>(TTirageVerbes::Courants))
        r.Tirage = static_cast<TTirageVerbes>(tirage);
    r.Modele = s.value(QStringLiteral("modele")).toString();
    for (const QString& nom : s.value(QStringLiteral("temps")).toStringList())
        for (std::size_t t = 0; t < Grille.size(); ++t)
            if (nom == DepuisUtf8(Grille[t].Nom)) r.Choix.Temps.push_back(t);
    for (const QVariant& p : s.value(QStringLiteral("personnes")).toList())
        if (const int n = p.toInt(); n >= 1 && n <= 6) r.Choix.Personnes.push_back(n);
    const QString lettres = s.value(QStringLiteral("options")).toString();
    for (const TDescriptionOption& d : DescriptionsOptions)
        Active(r.Choix.Options, d, lettres.contains(QChar::fromLatin1(d.Lettre)));
    if (const auto g = GenreNomme(s.value(QStringLiteral("genre")).toString().toStdString()))
        r.Choix.Genre = *g;
    r.Choix.Nombre = std::clamp(s.value(QStringLiteral("nombre"), 10).toInt(), 1, 500);
    r.Choix.Graine = s.value(QStringLiteral("graine"), 1).toULongLong();
    r.Indulgent = s.value(QStringLiteral("indulgent"), false).toBool();
    return r;
}

void EcritReglagesExercices(const TReglagesExercices& r) {
    QSettings s = OuvreReglages();
    s.beginGroup(QStringLiteral("exercices"));
    s.setValue(QStringLiteral("verbes"), r.Verbes);
    s.setValue(QStringLiteral("tirage"), static_cast<int>(r.Tirage));
    s.setValue(QStringLiteral("modele"), r.Modele);
    QStringList temps;
    for (std::size_t t : r.Choix.Temps) temps << DepuisUtf8(Grille[t].Nom);
    s.setValue(QStringLiteral("temps"), temps);
    QVariantList personnes;
    for (int p : r.Choix.Personnes) personnes << p;
    s.setValue(QStringLiteral("personnes"), personnes);
    QString lettres;
    for (const TDescriptionOption& d : DescriptionsOptions)
        if (EstActive(r.Choix.Options, d)) lettres += QChar::fromLatin1(d.Lettre);
    s.setValue(QStringLiteral("options"), lettres);
    s.setValue(QStringLiteral("genre"), DepuisUtf8(NomGenre(r.Choix.Genre)));
    s.setValue(QStringLiteral("nombre"), r.Choix.Nombre);
    s.setValue(QStringLiteral("graine"), QString::number(r.Choix.Graine));
    s.setValue(QStringLiteral("indulgent"), r.Indulgent);
    s.endGroup();
    s.sync();
    SignaleSiNonEnregistres(s);
}

std::vector<std::string> VerbesChoisis(const TReglagesExercices& r) {
    std::vector<std::string> verbes;
    for (const QString& v : r.Verbes.split(QRegularExpression(QStringLiteral("[\\n,;]")))) {
        const QString t = v.trimmed();
        if (!t.isEmpty()) verbes.push_back(t.toStdString());
    }
    const auto ajoute = [&](std::vector<std::string> tires) {
        for (std::string& t : tires) verbes.push_back(std::move(t));
    };
    switch (r.Tirage) {
        case TTirageVerbes::Aucun: break;
        case TTirageVerbes::Groupe1: ajoute(VerbesDuGroupe(1)); break;
        case TTirageVerbes::Groupe2: ajoute(VerbesDuGroupe(2)); break;
        case TTirageVerbes::Groupe3: ajoute(VerbesDuGroupe(3)); break;
        case TTirageVerbes::Comme: ajoute(VerbesComme(r.Modele.trimmed().toStdString())); break;
        case TTirageVerbes::Courants: ajoute(CentVerbesCourants()); break;
    }
    return verbes;
}

QLabel* TChoixExercices::Etiquette(const QString& texte, QWidget* copain) {
    // A row of several widgets has no buddy of its own: its key leads to the first.
    auto* l = new QLabel(texte, this);
    l->setBuddy(copain);
    return l;
}

TChoixExercices::TChoixExercices(bool avecGenre, QWidget* parent) : QWidget(parent) {
    auto* forme = new QFormLayout(this);
    forme->setContentsMargins(0, 0, 0, 0);

    Verbes_ = new QPlainTextEdit(this);
    Verbes_->setObjectName(QStringLiteral("VerbesExercices"));
    Verbes_->setAccessibleName(tr("Verbes"));
    Verbes_->setAccessibleDescription(tr("Les verbes, un par ligne ou séparés par des virgules"));
    Verbes_->setTabChangesFocus(true);
    Verbes_->setMaximumHeight(80);
    forme->addRow(tr("&Verbes :"), Verbes_);

    auto* tirage = new QHBoxLayout;
    Tirage_ = new QComboBox(this);
    Tirage_->setObjectName(QStringLiteral("TirageExercices"));
    Tirage_->setAccessibleName(tr("Verbes tirés en plus"));
    Tirage_->addItems({tr("aucun"), tr("du 1er groupe"), tr("du 2e groupe"), tr("du 3e groupe"),
                       tr("conjugués comme…"), tr("les plus courants")});
    Modele_ = new QLineEdit(this);
    Modele_->setObjectName(QStringLiteral("ModeleExercices"));
    Modele_->setAccessibleName(tr("Verbe modèle"));
    Modele_->setPlaceholderText(tr("acquérir"));
    tirage->addWidget(Tirage_);
    tirage->addWidget(Modele_);
    forme->addRow(Etiquette(tr("&Tirer des verbes :"), Tirage_), tirage);

    Temps_ = new QListWidget(this);
    Temps_->setObjectName(QStringLiteral("TempsExercices"));
    Temps_->setAccessibleName(tr("Temps"));
    Temps_->setAccessibleDescription(tr("Les temps cochés ; aucun : tous"));
    for (std::size_t t = 0; t < Grille.size(); ++t) {
        auto* item = new QListWidgetItem(QString::fromStdString(NomDuTemps(t)), Temps_);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    Temps_->setMaximumHeight(120);
    forme->addRow(tr("T&emps (aucun : tous) :"), Temps_);

    auto* personnes = new QHBoxLayout;
    for (std::size_t p = 0; p < Personnes_.size(); ++p) {
        Personnes_[p] = new QCheckBox(DepuisUtf8(Pronoms[p]), this);
        Personnes_[p]->setObjectName(QStringLiteral("Personne%1").arg(p + 1));
        Personnes_[p]->setAccessibleName(tr("Personne : %1").arg(DepuisUtf8(Pronoms[p])));
        personnes->addWidget(Personnes_[p]);
    }
    forme->addRow(Etiquette(tr("&Personnes (aucune : toutes) :"), Personnes_[0]), personnes);

    auto* options = new QGridLayout;
    for (std::size_t i = 0; i < Options_.size(); ++i) {
        const TDescriptionOption& d = DescriptionsOptions[i];
        Options_[i] = new QCheckBox(SansEsperluette(d.Menu), this);
        Options_[i]->setObjectName(DepuisUtf8(d.Nom) + QStringLiteral("Exercices"));
        options->addWidget(Options_[i], static_cast<int>(i / 3), static_cast<int>(i % 3));
    }
    forme->addRow(Etiquette(tr("&Options :"), Options_[0]), options);

    if (avecGenre) {
        Genre_ = new QComboBox(this);
        Genre_->setObjectName(QStringLiteral("GenreExercices"));
        Genre_->setAccessibleName(tr("Genre d'item"));
        for (TGenreExercice g :
             {TGenreExercice::Trou, TGenreExercice::Phrase, TGenreExercice::TempsEntier})
            Genre_->addItem(DepuisUtf8(LegendeGenre(g)));
        forme->addRow(tr("&Items :"), Genre_);
    }

    auto* nombre = new QHBoxLayout;
    Nombre_ = new QSpinBox(this);
    Nombre_->setObjectName(QStringLiteral("NombreExercices"));
    Nombre_->setAccessibleName(tr("Nombre d'items"));
    Nombre_->setRange(1, 500);
    Graine_ = new QLineEdit(this);
    Graine_->setObjectName(QStringLiteral("GraineExercices"));
    Graine_->setAccessibleName(tr("Graine"));
    Graine_->setAccessibleDescription(tr("La même graine refait la même fiche"));
    Graine_->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{1,19}")), Graine_));
    auto* nouvelle = new QPushButton(tr("&Nouvelle graine"), this);
    nouvelle->setAutoDefault(false);
    nouvelle->setObjectName(QStringLiteral("NouvelleGraine"));
    nombre->addWidget(Nombre_);
    nombre->addWidget(new QLabel(tr("graine :"), this));
    nombre->addWidget(Graine_);
    nombre->addWidget(nouvelle);
    forme->addRow(Etiquette(tr("No&mbre :"), Nombre_), nombre);

    connect(nouvelle, &QPushButton::clicked, this, [this] {
        Graine_->setText(QString::number(QRandomGenerator::global()->bounded(1000000u)));
    });
    connect(Verbes_, &QPlainTextEdit::textChanged, this, &TChoixExercices::Change);
    connect(Tirage_, &QComboBox::currentIndexChanged, this, [this](int i) {
        Modele_->setEnabled(i == static_cast<int>(TTirageVerbes::Comme));
        emit Change();
    });
    connect(Modele_, &QLineEdit::textChanged, this, &TChoixExercices::Change);
    connect(Temps_, &QListWidget::itemChanged, this, &TChoixExercices::Change);
    for (QCheckBox* c : Personnes_) connect(c, &QCheckBox::toggled, this, &TChoixExercices::Change);
    for (QCheckBox* c : Options_) connect(c, &QCheckBox::toggled, this, &TChoixExercices::Change);
    if (Genre_ != nullptr)
        connect(Genre_, &QComboBox::currentIndexChanged, this, &TChoixExercices::Change);
    connect(Nombre_, &QSpinBox::valueChanged, this, &TChoixExercices::Change);
    connect(Graine_, &QLineEdit::textChanged, this, &TChoixExercices::Change);
    Modele_->setEnabled(false);
}

void TChoixExercices::Applique(const TReglagesExercices& r) {
    const QSignalBlocker bloque(this);
    Verbes_->setPlainText(r.Verbes);
    Tirage_->setCurrentIndex(static_cast<int>(r.Tirage));
    Modele_->setText(r.Modele);
    Modele_->setEnabled(r.Tirage == TTirageVerbes::Comme);
    for (int t = 0; t < Temps_->count(); ++t) {
        const bool coche = std::find(r.Choix.Temps.begin(), r.Choix.Temps.end(),
                                     static_cast<std::size_t>(t)) != r.Choix.Temps.end();
        Temps_->item(t)->setCheckState(coche ? Qt::Checked : Qt::Unchecked);
    }
    for (std::size_t p = 0; p < Personnes_.size(); ++p)
        Personnes_[p]->setChecked(std::find(r.Choix.Personnes.begin(), r.Choix.Personnes.end(),
                                            static_cast<int>(p + 1)) != r.Choix.Personnes.end());
    for (std::size_t i = 0; i < Options_.size(); ++i)
        Options_[i]->setChecked(EstActive(r.Choix.Options, DescriptionsOptions[i]));
    if (Genre_ != nullptr) Genre_->setCurrentIndex(static_cast<int>(r.Choix.Genre));
    Nombre_->setValue(r.Choix.Nombre);
    Graine_->setText(QString::number(r.Choix.Graine));
}

TReglagesExercices TChoixExercices::Reglages(const TReglagesExercices& base) const {
    TReglagesExercices r = base;
    r.Verbes = Verbes_->toPlainText();
    r.Tirage = static_cast<TTirageVerbes>(Tirage_->currentIndex());
    r.Modele = Modele_->text();
    r.Choix.Temps.clear();
    for (int t = 0; t < Temps_->count(); ++t)
        if (Temps_->item(t)->checkState() == Qt::Checked)
            r.Choix.Temps.push_back(static_cast<std::size_t>(t));
    r.Choix.Personnes.clear();
    for (std::size_t p = 0; p < Personnes_.size(); ++p)
        if (Personnes_[p]->isChecked()) r.Choix.Personnes.push_back(static_cast<int>(p + 1));
    r.Choix.Options = {};
    for (std::size_t i = 0; i < Options_.size(); ++i)
        Active(r.Choix.Options, DescriptionsOptions[i], Options_[i]->isChecked());
    if (Genre_ != nullptr) r.Choix.Genre = static_cast<TGenreExercice>(Genre_->currentIndex());
    r.Choix.Nombre = Nombre_->value();
    r.Choix.Graine = Graine_->text().toULongLong();
    return r;
}

}  // namespace florimot
