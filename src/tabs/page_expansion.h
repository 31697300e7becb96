// Tab "Vase d'expansion chauffage": the closed expansion vessel of a heating
// installation, then, below it, the pressure the installation reaches at a
// given water temperature with the vessel just chosen.
#pragma once

#include "tabs/page.h"

#include <array>

class QLabel;

namespace tabs {

class PageExpansion : public Page {
public:
    PageExpansion();

    // Sizes the vessel and writes the highest cold filling pressure into the
    // filling-pressure field of the lower block.
    void CmdExpansion_Click();
    // The pressure at the chosen temperature, from the vessel as its results
    // show it.
    void CmdPression_Click();

private:
    void placerVase();
    void placerPression();
    void echecExpansion();
    void echecPression();
    QLabel* resultat(int index) const;

    entry::FamilleChamps* TxtExpansion;
    entry::FamilleChamps* TxtExpansionTemp;
    std::array<QLabel*, 10> LblResultat_Expansion{};
    std::array<QLabel*, 2> LblTemp{};
    QLabel* LblP_Atm = nullptr;
    QLabel* LblSurpression = nullptr;
    QLabel* LblVolDilate = nullptr;
    QLabel* LblReserve = nullptr;
    Note* noteVase_ = nullptr;
    Note* notePression_ = nullptr;
};

} // namespace tabs
