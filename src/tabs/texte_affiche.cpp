#include "tabs/texte_affiche.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <vector>

namespace tabs {

namespace {
// On a small "2": the caption it stands in, and after how many characters.
constexpr char legendeIndice[] = "indice.legende";
constexpr char positionIndice[] = "indice.position";
} // namespace

QString texteAffiche(const QWidget* controle) {
    if (const auto* champ = qobject_cast<const QLineEdit*>(controle))
        return champ->text();
    if (const auto* liste = qobject_cast<const QComboBox*>(controle))
        return liste->currentText();
    if (const auto* bouton = qobject_cast<const QAbstractButton*>(controle))
        return bouton->text().simplified();
    const auto* label = qobject_cast<const QLabel*>(controle);
    if (label == nullptr)
        return {};
    QString texte = label->text();
    std::vector<int> positions;
    for (const QLabel* autre :
         label->parentWidget()->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly))
        if (autre->property(legendeIndice).value<QObject*>() == label)
            positions.push_back(autre->property(positionIndice).toInt());
    std::sort(positions.rbegin(), positions.rend());
    for (const int position : positions)
        texte.insert(position, u'2');
    return texte.simplified();
}

QLabel* indice(QWidget* page, const QString& nom, const QLabel* legende, int caracteres) {
    auto* label = new QLabel(QStringLiteral("²"), page);
    label->setObjectName(nom);
    label->setFont(legende->font());
    label->setAlignment(legende->alignment());
    label->setProperty(legendeIndice, QVariant::fromValue(const_cast<QObject*>(
                                          static_cast<const QObject*>(legende))));
    placerIndice(label, legende, caracteres);
    return label;
}

void placerIndice(QLabel* indice, const QLabel* legende, int caracteres) {
    const int avance = legende->fontMetrics().horizontalAdvance(legende->text().left(caracteres));
    indice->setGeometry(legende->x() + legende->contentsRect().left() + avance, legende->y(),
                        indice->sizeHint().width(), legende->height());
    indice->setProperty(positionIndice, caracteres);
}

} // namespace tabs
