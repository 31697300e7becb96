// Tab "Conversion d'unité": five rows converting a value between units,
// left to right with ">" and right to left with "<".
#pragma once

#include <QWidget>

namespace entry {
class FamilleChamps;
class FamilleListes;
} // namespace entry

namespace tabs {

class PageConversion : public QWidget {
public:
    explicit PageConversion(QWidget* parent = nullptr);

    // Start-up: each list shows its row's usual pair of units.
    void afficherUnitesInitiales();

    // Converts field `index` into its partner of the row (index + 1 for an
    // even index, index − 1 for an odd one), in the units the lists show.
    void CmdConversion_Click(int index);

private:
    entry::FamilleChamps* TxtConversion;
    entry::FamilleListes* CmbConversion;
};

} // namespace tabs
