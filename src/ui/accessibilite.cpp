#include "ui/accessibilite.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

namespace ui {

namespace {

constexpr char proprieteGenre[] = "accessibilite.genre";
constexpr char proprieteTitre[] = "accessibilite.titre";
constexpr char proprieteUnite[] = "accessibilite.unite";
enum Genre { Resultat = 1, Alerte = 2 };

// A label whose name follows its text: no accessible name is set on it, so
// that QLabel::setText raises the name change itself.
class LabelAccessible : public QAccessibleWidget {
public:
    LabelAccessible(QLabel* label, QAccessible::Role role) : QAccessibleWidget(label, role) {}

    QString text(QAccessible::Text t) const override {
        const auto* label = static_cast<const QLabel*>(widget());
        if (t == QAccessible::Description)
            return {};
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        QStringList morceaux;
        for (const QString& m : {label->property(proprieteTitre).toString(), label->text(),
                                 label->property(proprieteUnite).toString()})
            if (!m.isEmpty())
                morceaux << m;
        return morceaux.join(u' ');
    }
};

QAccessibleInterface* usine(const QString&, QObject* objet) {
    auto* label = qobject_cast<QLabel*>(objet);
    if (label == nullptr)
        return nullptr;
    switch (label->property(proprieteGenre).toInt()) {
    case Resultat:
        return new LabelAccessible(label, QAccessible::StaticText);
    case Alerte:
        return new LabelAccessible(label, QAccessible::AlertMessage);
    default:
        return nullptr;
    }
}

// Marks the label and drops an interface Qt made for it already (a label
// raises an accessibility event as soon as its text is set), so that the
// next one comes from usine.
void marquer(QLabel* label, Genre genre) {
    if (label->property(proprieteGenre).toInt() == genre)
        return;
    label->setProperty(proprieteGenre, genre);
    QAccessibleInterface* ancienne = QAccessible::queryAccessibleInterface(label);
    if (ancienne != nullptr && dynamic_cast<LabelAccessible*>(ancienne) == nullptr)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(ancienne));
}

} // namespace

void installerAccessibilite() {
    static const bool installee = (QAccessible::installFactory(usine), true);
    Q_UNUSED(installee);
}

void decrireResultat(QLabel* resultat, const QString& titre, const QString& unite) {
    marquer(resultat, Resultat);
    if (resultat->property(proprieteTitre).toString() == titre &&
        resultat->property(proprieteUnite).toString() == unite)
        return;
    const bool premiere = !resultat->property(proprieteTitre).isValid();
    resultat->setProperty(proprieteTitre, titre);
    resultat->setProperty(proprieteUnite, unite);
    if (!premiere) {
        QAccessibleEvent evenement(resultat, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&evenement);
    }
}

void marquerAlerte(QLabel* ligne) {
    marquer(ligne, Alerte);
}

void nommer(QWidget* controle, const QString& nom, const QString& description) {
    if (controle->accessibleName() != nom)
        controle->setAccessibleName(nom);
    if (controle->accessibleDescription() != description)
        controle->setAccessibleDescription(description);
}

} // namespace ui
