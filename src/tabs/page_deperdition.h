// Tab "Déperditions conduite": heat lost by water or air flowing through a
// straight pipe, bare or insulated, in a room or in a tank of water.
#pragma once

#include "tabs/page.h"

#include <array>
#include <vector>

class QCheckBox;
class QLabel;
class QRadioButton;

namespace tabs {

class PageDeperdition : public Page {
public:
    PageDeperdition();

    // Start-up: the pipe list receives its materials and shows copper, then
    // the fluid list shows water; each pick raises the list's Click.
    void demarrer() override;

    void CmdDeperdition_Click();
    // The flow unit follows the fluid list, whichever list was picked.
    void CmbDeperdition_Click(int index);
    // The caption of the surroundings temperature follows the options.
    void OptDeperdition_Click(int index);
    // The insulation fields, picture and leader shown only for an insulated pipe.
    void ChkDeperdition_Click();

private:
    void placerEntrees();
    void placerIsolation();
    void placerResultats();
    void echec();

    entry::FamilleChamps* TxtDeperdition;
    entry::FamilleListes* CmbDeperdition;
    QCheckBox* ChkDeperdition = nullptr;
    std::array<QRadioButton*, 2> OptDeperdition{};
    std::array<QWidget*, 2> ImgDeperdition{};
    std::array<QLabel*, 11> LblResltat_Deperdition{};
    // Shown with the insulated picture, hidden with the bare one.
    std::vector<QWidget*> isolation_;
    Note* note_ = nullptr;
};

} // namespace tabs
