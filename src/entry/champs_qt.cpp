#include "entry/champs_qt.h"

#include "entry/separateur.h"
#include "nombres/nombres.h"
#include "ui/avertissement.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPalette>

namespace entry {

namespace {

// The cleaning's view of a line edit. setText raises textChanged at once,
// so the family's Change handling runs again, nested, as the cleaning expects.
class ChampLigne : public ChampSaisie {
public:
    explicit ChampLigne(QLineEdit* champ) : champ_(champ) {}
    std::u16string texte() const override { return champ_->text().toStdU16String(); }
    void remplacerTexte(const std::u16string& texte) override {
        champ_->setText(QString::fromStdU16String(texte));
    }
    void selectionner(int debut, int longueur) override {
        if (longueur == 0)
            champ_->setCursorPosition(debut);
        else
            champ_->setSelection(debut, longueur);
    }

private:
    QLineEdit* champ_;
};

bool estEntree(const QKeyEvent* touche) {
    return touche->key() == Qt::Key_Return || touche->key() == Qt::Key_Enter;
}

} // namespace

void lancerCalcul(const std::function<void()>& calcul) {
    if (!calcul)
        return;
    try {
        calcul();
    } catch (const std::exception&) {
    }
}

QString texteDouble(double valeur) {
    return QString::fromStdU16String(
        nombres::ecrireDouble(valeur, ModGeneral::Separateur_Decimal()));
}

QString texteSimple(float valeur) {
    return QString::fromStdU16String(
        nombres::ecrireSimple(valeur, ModGeneral::Separateur_Decimal()));
}

std::vector<int> indicesJusqua(int nombre) {
    std::vector<int> indices;
    for (int i = 0; i < nombre; ++i)
        indices.push_back(i);
    return indices;
}

QString nomIndexe(const QString& nom, int index) {
    return QStringLiteral("%1(%2)").arg(nom).arg(index);
}

FamilleChamps::FamilleChamps(QWidget* page, const QString& nom, const std::vector<int>& indices,
                             Comportement comportement)
    : QObject(page), comportement_(std::move(comportement)), nettoyage_(comportement_.refus) {
    for (const int index : indices) {
        auto* champ = new QLineEdit(QStringLiteral("0"), page);
        champ->setObjectName(nomIndexe(nom, index));
        champ->installEventFilter(this);
        connect(champ, &QLineEdit::textChanged, this, [this, index] { change(index); });
        champs_[index] = champ;
        indices_[champ] = index;
    }
}

QLineEdit* FamilleChamps::champ(int index) const {
    return champs_.at(index);
}

QString FamilleChamps::texte(int index) const {
    return champ(index)->text();
}

void FamilleChamps::ecrire(int index, const QString& texte) {
    champ(index)->setText(texte);
}

std::optional<double> FamilleChamps::lireDouble(int index) const {
    return nombres::lireDouble(texte(index).toStdU16String(), ModGeneral::Separateur_Decimal());
}

std::optional<float> FamilleChamps::lireSimple(int index) const {
    return nombres::lireSimple(texte(index).toStdU16String(), ModGeneral::Separateur_Decimal());
}

void FamilleChamps::rendreFocus(int index) {
    champ(index)->setFocus(Qt::OtherFocusReason);
    champ(index)->selectAll();
}

void FamilleChamps::change(int index) {
    ChampLigne ligne(champ(index));
    nettoyage_.changer(
        ligne, index, ModGeneral::Separateur_Decimal(),
        [this, index](std::string_view message) {
            ui::Avertir(champ(index), QString::fromUtf8(message.data(), message.size()));
        },
        [this, index] {
            if (comportement_.apresNettoyage)
                lancerCalcul([this, index] { comportement_.apresNettoyage(index); });
        });
}

bool FamilleChamps::eventFilter(QObject* objet, QEvent* evenement) {
    const auto it = indices_.find(objet);
    if (it == indices_.end())
        return false;
    auto* champ = static_cast<QLineEdit*>(objet);
    switch (evenement->type()) {
    case QEvent::KeyPress: {
        auto* touche = static_cast<QKeyEvent*>(evenement);
        const QChar separateur(ModGeneral::Separateur_Decimal());
        const QString texte = touche->text();
        if ((texte == QLatin1String(",") || texte == QLatin1String(".")) &&
            texte.front() != separateur) {
            const int code = separateur == u',' ? Qt::Key_Comma : Qt::Key_Period;
            QKeyEvent remplacee(QEvent::KeyPress, code, touche->modifiers(), QString(separateur),
                                touche->isAutoRepeat(), touche->count());
            QCoreApplication::sendEvent(champ, &remplacee);
            return true;
        }
        if (estEntree(touche) && comportement_.entree)
            lancerCalcul([this, index = it->second] { comportement_.entree(index); });
        return false;
    }
    case QEvent::FocusIn: {
        const auto raison = static_cast<QFocusEvent*>(evenement)->reason();
        if (raison == Qt::PopupFocusReason || raison == Qt::ActiveWindowFocusReason)
            return false;
        champ->selectAll();
        // The press that gave the focus, and any drag until its release,
        // would otherwise place the caret or select part of the text.
        focusParSouris_ = raison == Qt::MouseFocusReason ? objet : nullptr;
        boutonEnfonce_ = false;
        return false;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (focusParSouris_ != objet)
            return false;
        boutonEnfonce_ = true;
        return true;
    case QEvent::MouseMove:
        return focusParSouris_ == objet && boutonEnfonce_;
    case QEvent::MouseButtonRelease:
        if (focusParSouris_ != objet || !boutonEnfonce_)
            return false;
        if (static_cast<QMouseEvent*>(evenement)->buttons() == Qt::NoButton)
            focusParSouris_ = nullptr;
        return true;
    case QEvent::FocusOut:
        focusParSouris_ = nullptr;
        return false;
    default:
        return false;
    }
}

FamilleListes::FamilleListes(QWidget* page, const QString& nom, const std::vector<int>& indices,
                             ActionIndex entree, ActionIndex clic)
    : QObject(page), entree_(std::move(entree)), clic_(std::move(clic)) {
    for (const int index : indices) {
        auto* liste = new QComboBox(page);
        liste->setObjectName(nomIndexe(nom, index));
        liste->setEditable(false);
        QPalette palette = liste->palette();
        const QColor jauneClair(255, 255, 192);
        palette.setColor(QPalette::Button, jauneClair);
        palette.setColor(QPalette::Base, jauneClair);
        liste->setPalette(palette);
        liste->installEventFilter(this);
        // Raised by every pick of the user, even of the item already shown.
        connect(liste, &QComboBox::activated, this, [this, index] {
            if (clic_)
                lancerCalcul([this, index] { clic_(index); });
        });
        listes_[index] = liste;
        indices_[liste] = index;
    }
}

QComboBox* FamilleListes::liste(int index) const {
    return listes_.at(index);
}

void FamilleListes::remplir(int index, std::span<const std::u16string_view> items) {
    for (const std::u16string_view item : items)
        liste(index)->addItem(QStringView(item).toString());
}

void FamilleListes::choisir(int index, const QString& item) {
    QComboBox* choix = liste(index);
    choix->setCurrentIndex(choix->findText(item, Qt::MatchExactly));
    if (clic_)
        lancerCalcul([this, index] { clic_(index); });
}

bool FamilleListes::eventFilter(QObject* objet, QEvent* evenement) {
    const auto it = indices_.find(objet);
    if (it != indices_.end() && evenement->type() == QEvent::KeyPress &&
        estEntree(static_cast<QKeyEvent*>(evenement)) && entree_)
        lancerCalcul([this, index = it->second] { entree_(index); });
    return false;
}

} // namespace entry
