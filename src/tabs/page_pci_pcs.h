// Tab "PCI/PCS": the heating value of heating oil, natural gas or propane on
// the lower basis (PCI) turned into the higher basis (PCS) with ">", and back
// with "<", with the amount of fuel that yields the PCS figure.
#pragma once

#include "tabs/page.h"

#include <array>

class QLabel;

namespace tabs {

class PagePCI_PCS : public Page {
public:
    PagePCI_PCS();

    // Start-up: the four unit lists show "kWh/kg".
    void demarrer() override;

    // Index 0, 2, 4: the PCI field of heating oil, natural gas, propane into
    // the PCS field of its row; 1, 3, 5: the PCS field back into the PCI one.
    // Writes that field and the row's sentence; any other index does nothing.
    void CalculPCI_PCS(int index);

private:
    int unite(int champ) const;

    entry::FamilleChamps* TxtPCI_PCS;
    entry::FamilleListes* CmbPCI_PCS;
    // LblLitre_Kg_Fioul, Lblm3_Gaz_Nat, Lblm3_Gaz_Prop.
    std::array<QLabel*, 3> phrases{};
    std::array<Note*, 3> notes_{}; // each row's
};

} // namespace tabs
