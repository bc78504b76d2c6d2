#include "entree_verbe.hpp"

#include <QAbstractItemView>
#include <QAction>
#include <QClipboard>
#include <QCompleter>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QStyle>
#include <QThread>
#include <QToolTip>
#include <QValidator>
#include <memory>
#include <string>
#include <utility>

#include "citation.hpp"
#include "completion.hpp"
#include "entree.hpp"

namespace florimot {

namespace {

QString Bulle() {
    return QCoreApplication::translate("Florimot", "Verbe à Conjuguer");
}

class TValideurVerbe : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& texte, int& curseur) const override {
        bool coupe = false;
        const QString forme = FormeSaisie(texte, &curseur, &coupe);
        if (coupe) return Invalid;
        texte = forme;
        return Acceptable;
    }
};

}  // namespace

QString FormeSaisie(const QString& texte, int* curseur, bool* coupe) {
    const TSaisieGardee g = FormeSaisie(
        texte.toStdString(), curseur ? texte.left(*curseur).toStdString() : std::string());
    const auto vers = [&g](std::size_t n) {
        return QString::fromUcs4(g.Texte.data(), qsizetype(n));
    };
    if (curseur) *curseur = int(vers(g.Curseur).size());
    if (coupe) *coupe = g.Coupe;
    return vers(g.Texte.size());
}

TEntreeVerbe::TEntreeVerbe(QWidget* parent) : QLineEdit(QStringLiteral("verbe"), parent) {
    setValidator(new TValideurVerbe(this));
    setToolTip(Bulle());
    connect(this, &QLineEdit::textChanged, this,
            [this](const QString& t) { Initial_ = Initial_ && t == QStringLiteral("verbe"); });
    // Connected before the entry asks the completer for its list, which
    // then exists from the very first key.
    connect(this, &QLineEdit::textEdited, this, [this] {
        setToolTip(Bulle());
        if (!isReadOnly()) RassembleVerbes();
    });
}

TEntreeVerbe::~TEntreeVerbe() {
    // The thread reads nothing of the entry, but must not outlive it.
    if (Fil_ != nullptr) Fil_->wait();
}

void TEntreeVerbe::ColleCompose() {
    QString texte = text();
    int debut = cursorPosition();
    if (hasSelectedText()) {
        debut = selectionStart();
        texte.remove(debut, selectedText().size());
    }
    const QString colle = QGuiApplication::clipboard()->text();
    int curseur = debut + int(colle.size());
    bool coupe = false;
    const QString forme = FormeSaisie(texte.insert(debut, colle), &curseur, &coupe);
    // One step to undo, as any paste.
    selectAll();
    insert(forme);
    setCursorPosition(curseur);
    // Nothing is cut without a word: the beginning of the text pasted stays
    // readable under the pointer until the entry is typed in (the whole of a
    // pasted page would take seconds to lay out, at every hover).
    if (coupe) {
        setToolTip(QCoreApplication::translate("Florimot", "Collage coupé à %1 lettres : « %2 »")
                       .arg(LettresEntree)
                       .arg(QString::fromStdString(DebutCite(colle.simplified().toStdString()))));
        QToolTip::showText(mapToGlobal(QPoint(0, height())), toolTip(), this);
    }
}

void TEntreeVerbe::focusInEvent(QFocusEvent* evenement) {
    QLineEdit::focusInEvent(evenement);
    // Back from the list of verbs, typing goes on where it was.
    if (evenement->reason() != Qt::MouseFocusReason && evenement->reason() != Qt::PopupFocusReason)
        selectAll();
}

void TEntreeVerbe::mousePressEvent(QMouseEvent* evenement) {
    QLineEdit::mousePressEvent(evenement);
    if (Initial_) selectAll();
}

void TEntreeVerbe::mouseMoveEvent(QMouseEvent* evenement) {
    if (!Initial_) QLineEdit::mouseMoveEvent(evenement);
}

void TEntreeVerbe::mouseReleaseEvent(QMouseEvent* evenement) {
    QLineEdit::mouseReleaseEvent(evenement);
    if (Initial_) selectAll();
}

void TEntreeVerbe::keyPressEvent(QKeyEvent* evenement) {
    if (evenement->matches(QKeySequence::Paste) && !isReadOnly()) {
        ColleCompose();
        evenement->accept();
        return;
    }
    // With the list open, the entry would take Enter for choosing in the
    // list alone, and nothing would be conjugated when no line is chosen.
    if ((evenement->key() == Qt::Key_Return || evenement->key() == Qt::Key_Enter) &&
        Completion_ != nullptr && Completion_->popup()->isVisible()) {
        const QModelIndex choisi = Completion_->popup()->currentIndex();
        Completion_->popup()->hide();
        if (choisi.isValid()) setText(choisi.data().toString());
        if (Valide) Valide();
        evenement->accept();
        return;
    }
    QLineEdit::keyPressEvent(evenement);
}

void TEntreeVerbe::contextMenuEvent(QContextMenuEvent* evenement) {
    const std::unique_ptr<QMenu> menu(createStandardContextMenu());
    if (auto* coller = menu->findChild<QAction*>(QStringLiteral("edit-paste"))) {
        coller->disconnect(this);
        connect(coller, &QAction::triggered, this, &TEntreeVerbe::ColleCompose);
    }
    menu->exec(evenement->globalPos());
}

void TEntreeVerbe::RassembleVerbes() {
    if (Fil_ != nullptr) return;
    auto lignes = std::make_shared<TLignesCompletion>();
    Fil_ = QThread::create([lignes] { *lignes = VerbesACompleter(); });
    Fil_->setParent(this);
    connect(Fil_, &QThread::finished, this,
            [this, lignes] { OuvreCompletion(std::move(*lignes)); });
    Fil_->start(QThread::LowPriority);
}

void TEntreeVerbe::OuvreCompletion(TLignesCompletion lignes) {
    Completion_ = florimot::CreeCompletion(std::move(lignes), this);
    Completion_->popup()->setObjectName(QStringLiteral("Completion"));
    Completion_->popup()->setAccessibleName(
        QCoreApplication::translate("Florimot", "Verbes proposés"));
    // Wider than the entry when need be: a verb of the longest is seen whole.
    Completion_->popup()->setMinimumWidth(
        Completion_->popup()->fontMetrics().horizontalAdvance(QString(LettresEntree + 5, u'n')) +
        style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 8);
    // A line clicked is chosen as Enter chooses it.
    connect(Completion_, qOverload<const QString&>(&QCompleter::activated), this, [this] {
        if (Valide) Valide();
    });
    // The list is chosen before the entry shows it (textEdited comes first).
    connect(this, &QLineEdit::textEdited, Completion_,
            [this](const QString& texte) { FiltreCompletion(Completion_, texte); });
    setCompleter(Completion_);
    // What was typed meanwhile is completed at once.
    if (hasFocus() && !Initial_ && !text().isEmpty()) {
        FiltreCompletion(Completion_, text());
        Completion_->setCompletionPrefix(text());
        Completion_->complete();
    }
}

}  // namespace florimot
