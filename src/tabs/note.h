// The note of a block's last calculation, for the sheet's section "Valeurs
// intermédiaires": the values it formed on its way to its results, written
// as it formed them, why it stopped when it did not complete, and the texts
// of the controls it read, to tell when they have changed since.
#pragma once

#include "entry/separateur.h"
#include "formulaires/formulaire.h"
#include "tabs/feuille.h"

#include <QString>

#include <utility>
#include <vector>

class QWidget;

namespace tabs {

// The reason of a calculation that failed without a message of its own.
QString echecDuCalcul();

// Each value of `table` the calculation reached, with its caption and unit,
// written with the separator in force; those it did not reach are left out.
template <class N, std::size_t K>
std::vector<Feuille::Ligne> valeursIntermediaires(const formulaires::Intermediaire<N> (&table)[K],
                                                  const N& notes) {
    std::vector<Feuille::Ligne> lignes;
    for (const formulaires::Intermediaire<N>& i : table) {
        const std::u16string valeur = i.ecrire(notes, ModGeneral::Separateur_Decimal());
        if (valeur.empty())
            continue;
        const QString unite = i.uniteSelon != nullptr ? QStringView(i.uniteSelon(notes)).toString()
                                                      : QString::fromUtf8(i.unite);
        lignes.push_back({QString::fromUtf8(i.titre), QString::fromStdU16String(valeur), unite});
    }
    return lignes;
}

class Note {
public:
    // A named block is headed by its name on the sheet. A row of a
    // conversion tab is left off until it has converted, and its name,
    // given by each conversion, follows each of its lines.
    enum class Genre { Bloc, Rangee };
    explicit Note(QString nom = {}, Genre genre = Genre::Bloc)
        : nom_(std::move(nom)), genre_(genre) {}

    Genre genre() const { return genre_; }
    const QString& nom() const { return nom_; }
    bool faite() const { return faite_; }

    // The last calculation: the controls it read, as they read now; what it
    // formed; why it stopped, "" when it completed. For a row, its name now.
    void enregistrer(const std::vector<const QWidget*>& lus, std::vector<Feuille::Ligne> valeurs,
                     const QString& raison = {}, const QString& nom = {});

    // Its lines on the sheet: the values, then why it stopped and whether a
    // control it read has changed since; "Aucun calcul effectué" before any.
    std::vector<Feuille::Ligne> lignes() const;

private:
    QString nom_;
    Genre genre_;
    bool faite_ = false;
    std::vector<Feuille::Ligne> valeurs_;
    QString raison_;
    std::vector<std::pair<const QWidget*, QString>> lus_;
};

} // namespace tabs
