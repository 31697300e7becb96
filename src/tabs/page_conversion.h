// Tab "Conversion d'unité": five rows converting a value between units,
// left to right with ">" and right to left with "<".
#pragma once

#include "tabs/page.h"

#include <array>

namespace tabs {

class PageConversion : public Page {
public:
    PageConversion();

    // Start-up: each list shows its row's usual pair of units.
    void demarrer() override;

    // Converts field `index` into its partner of the row (index + 1 for an
    // even index, index − 1 for an odd one), in the units the lists show.
    void CmdConversion_Click(int index);

private:
    entry::FamilleChamps* TxtConversion;
    entry::FamilleListes* CmbConversion;
    std::array<Note*, 5> notes_{}; // each row's
};

} // namespace tabs
