// Tab "Masse volumique": density and specific volume of water, of dry air
// and of humid air.
#pragma once

#include <QWidget>

#include "calc/masse_volumique.h"

#include <array>

class QLabel;

namespace entry {
class FamilleChamps;
}

namespace tabs {

class PageMasseVolumique : public QWidget {
public:
    explicit PageMasseVolumique(QWidget* parent = nullptr);

    // Index 0: water, index 1: air; any other index does nothing.
    void CmdMasse_Vol_Click(int index);

private:
    void calculerEau();
    void calculerAir();
    void refuser(int champ, calc::masse_volumique::RefusTemperature refus, const QString& tropBasse,
                 const QString& tropHaute);
    void ecrire(int resultat, double valeur);

    entry::FamilleChamps* TxtMasse_Vol;
    std::array<QLabel*, 8> LblResult_Masse_Vol{};
};

} // namespace tabs
