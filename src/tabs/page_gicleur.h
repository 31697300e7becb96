// Tab "Gicleur fioul": the oil-burner nozzle of a standard range for a
// boiler, with the pump pressure redefined to suit it and the fuel flow.
#pragma once

#include <QWidget>

#include <array>

class QLabel;
class QListWidget;

namespace entry {
class FamilleChamps;
}

namespace tabs {

class PageGicleur : public QWidget {
public:
    explicit PageGicleur(QWidget* parent = nullptr);

    // Start-up: the efficiency and heating value written with the system
    // separator, then the rows of the range list.
    void ecrireValeursInitiales();
    void remplirGamme();

    void CmdGicleur_Click();

private:
    entry::FamilleChamps* TxtGicleur;
    std::array<QLabel*, 3> LblGicleur{};
    QLabel* avertissement_ = nullptr; // LblGic(12)
    QListWidget* LstGicleur = nullptr;
};

} // namespace tabs
