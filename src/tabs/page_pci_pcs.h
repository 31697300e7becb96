// Tab "PCI/PCS": the heating value of heating oil, natural gas or propane on
// the lower basis (PCI) turned into the higher basis (PCS) with ">", and back
// with "<", with the amount of fuel that yields the PCS figure.
#pragma once

#include <QWidget>

#include <array>

class QLabel;

namespace entry {
class FamilleChamps;
class FamilleListes;
} // namespace entry

namespace tabs {

class PagePCI_PCS : public QWidget {
public:
    explicit PagePCI_PCS(QWidget* parent = nullptr);

    // Start-up: the four unit lists show "kWh/kg".
    void afficherUnitesInitiales();

    // Index 0, 2, 4: the PCI field of heating oil, natural gas, propane into
    // the PCS field of its row; 1, 3, 5: the PCS field back into the PCI one.
    // Writes that field and the row's sentence; any other index does nothing.
    void CalculPCI_PCS(int index);

private:
    QString unite(int champ) const;

    entry::FamilleChamps* TxtPCI_PCS;
    entry::FamilleListes* CmbPCI_PCS;
    // LblLitre_Kg_Fioul, Lblm3_Gaz_Nat, Lblm3_Gaz_Prop.
    std::array<QLabel*, 3> phrases{};
};

} // namespace tabs
