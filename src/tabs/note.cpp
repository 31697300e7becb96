#include "tabs/note.h"

#include "tabs/texte_affiche.h"

#include <QAbstractButton>

#include <algorithm>

namespace tabs {

namespace {

// What a control read holds: a check box or an option its state, any other
// its text.
QString etat(const QWidget* controle) {
    if (const auto* bouton = qobject_cast<const QAbstractButton*>(controle);
        bouton != nullptr && bouton->isCheckable())
        return bouton->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    return texteAffiche(controle);
}

} // namespace

QString echecDuCalcul() {
    return QStringLiteral("échec du calcul");
}

void Note::enregistrer(const std::vector<const QWidget*>& lus, std::vector<Feuille::Ligne> valeurs,
                       const QString& raison, const QString& nom) {
    faite_ = true;
    valeurs_ = std::move(valeurs);
    raison_ = raison;
    if (!nom.isEmpty())
        nom_ = nom;
    lus_.clear();
    for (const QWidget* controle : lus)
        lus_.emplace_back(controle, etat(controle));
}

std::vector<Feuille::Ligne> Note::lignes() const {
    // A row's lines each tell the row they belong to.
    const QString rangee = genre_ == Genre::Rangee ? QStringLiteral(" (") + nom_ + u')' : QString();
    if (!faite_)
        return {{QStringLiteral("Aucun calcul effectué") + rangee, {}, {}}};
    std::vector<Feuille::Ligne> lignes = valeurs_;
    for (Feuille::Ligne& l : lignes)
        l.titre += rangee;
    if (!raison_.isEmpty())
        lignes.push_back({QStringLiteral("Calcul interrompu : ") + raison_ + rangee, {}, {}});
    const bool change = std::any_of(lus_.begin(), lus_.end(),
                                    [](const auto& lu) { return etat(lu.first) != lu.second; });
    if (change)
        lignes.push_back(
            {QStringLiteral("Les données ont changé depuis le dernier calcul") + rangee + u'.',
             {},
             {}});
    return lignes;
}

} // namespace tabs
