// Tab "Gicleur fioul": the oil-burner nozzle of a standard range for a
// boiler, with the pump pressure redefined to suit it and the fuel flow.
#pragma once

#include "tabs/page.h"

#include <array>

class QLabel;
class QListWidget;

namespace tabs {

class PageGicleur : public Page {
public:
    PageGicleur();

    // Start-up: the efficiency and heating value written with the system
    // separator, then the rows of the range list.
    void demarrer() override;

    void CmdGicleur_Click();

private:
    entry::FamilleChamps* TxtGicleur;
    std::array<QLabel*, 3> LblGicleur{};
    QLabel* avertissement_ = nullptr; // LblGic(12)
    QListWidget* LstGicleur = nullptr;
    Note* note_ = nullptr;
};

} // namespace tabs
