// Tab "Conduit de fumées": the smallest flue duct whose natural draught
// covers the losses of the connecting pipe and of the duct plus the boiler's
// needs, with a frame working out the length of a duct with an offset.
#pragma once

#include "tabs/page.h"

#include <array>

class QGroupBox;
class QLabel;

namespace tabs {

class PageCondFumees : public Page {
public:
    PageCondFumees();

    // Start-up: the fuel and the two materials shown, each pick raising its
    // Click handling, then the boiler efficiency, 0.9, with the system separator.
    void demarrer() override;

    // Index 0: the sizing; 1: opens the offset frame; any other does nothing.
    void CmdCond_Fumees_Click(int index);
    void CmbCond_Fumees_Click(int index);
    // The offset frame: its calculation, then index 0 reports the total
    // length into the duct's length and closes, index 1 only closes.
    void CmdDevoiement_Click();
    void CmdReport_Click(int index);

private:
    void placerRaccordement();
    void placerChaudiere();
    void placerConduit();
    void placerResultats();
    void placerDevoiement();
    void dimensionner();
    void ouvrirDevoiement();

    entry::FamilleChamps* TxtCond_Fumees;
    entry::FamilleListes* CmbCond_Fumees;
    entry::FamilleChamps* TxtDevoiement = nullptr;
    std::array<QLabel*, 3> LblResult_Cond_Fumees{};
    std::array<QLabel*, 3> LblDevoiement{};
    QLabel* uniteVolume_ = nullptr; // LblCond_Fumees(16)
    QWidget* OmbreCadre = nullptr;
    QGroupBox* CdrDevoiement = nullptr;
    Note* note_ = nullptr; // the sizing's
};

} // namespace tabs
