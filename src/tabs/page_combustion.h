// Tab "Combustion": a flue-gas measurement on a burner, the CO2 content
// converted into O2 or back, and the combustion efficiency with the excess
// air, the dew point and the flue-gas volume.
#pragma once

#include "tabs/page.h"

#include <array>

class QLabel;

namespace tabs {

class PageCombustion : public Page {
public:
    PageCombustion();

    // Start-up: the fuel and the two measured gases shown, each pick raising
    // its Click handling, in list order.
    void demarrer() override;

    // Index 0: the conversion; 1 to 3: the efficiency; any other does nothing.
    void CmdCombustion_Click(int index);
    void CmbCombustion_Click(int index);

private:
    void placerConversion();
    void placerRendement();
    void convertir();
    void calculerRendement();
    void echecRendement();

    entry::FamilleChamps* TxtCombustion;
    entry::FamilleListes* CmbCombustion;
    std::array<QLabel*, 7> LblResltat_Combustion{};
    QLabel* titreResultat_ = nullptr;  // LblCombustion(2), "O" or "CO"
    QLabel* indiceResultat_ = nullptr; // LblIndice(7), the "²" following it
    QLabel* uniteVolume_ = nullptr;    // LblCombustion(19)
    Note* note_ = nullptr;             // the efficiency's
};

} // namespace tabs
