// Tab "Masse volumique": density and specific volume of water, of dry air
// and of humid air.
#pragma once

#include "calc/masse_volumique.h"
#include "tabs/page.h"

#include <array>

class QLabel;

namespace tabs {

class PageMasseVolumique : public Page {
public:
    PageMasseVolumique();

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
    Note* note_ = nullptr; // the air's
};

} // namespace tabs
