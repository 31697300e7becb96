// Tab "Vase d'expansion sanitaire": checks the expansion vessel chosen for a
// domestic hot-water cylinder fed from the mains.
#pragma once

#include "tabs/page.h"

#include <array>

class QLabel;

namespace tabs {

class PageExpansionSanitaire : public Page {
public:
    PageExpansionSanitaire();

    void CmdExpansion_Sanitaire_Click();

private:
    void placerEntrees();
    void placerResultats();
    // The reserve in bold red under the drain heading when water goes to the
    // drain, in black under the reserve heading otherwise.
    void montrerReserve(bool negative);
    void echec();

    entry::FamilleChamps* TxtExpansionSanitaire;
    std::array<QLabel*, 8> LblResultat_Expansion_Sanitaire{};
    QLabel* LblP_Atm_Sanitaire = nullptr;
    QLabel* titreReserve_ = nullptr; // LblExpansion(44)
    Note* note_ = nullptr;
};

} // namespace tabs
