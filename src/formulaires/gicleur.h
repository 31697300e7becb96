// The nozzle tab's form.
#pragma once

#include "calc/gicleur.h"
#include "formulaires/formulaire.h"

namespace formulaires::gicleur {

using calc::gicleur::Entree;

// TxtGicleur, left to right: heating value, power, efficiency, pressure.
// The efficiency and the heating value are written at start-up.
inline constexpr Champ champs[] = {
    {3, "0", {15, 14, "PCI du fioul", "kW", 2640, 2400, 2}},
    {0, "0", {3, 4, "Puissance de la chaudière", "kW", 4920, 2400, 2}},
    {1,
     "0",
     {5, 6, "Rendement de la chaudière (0 > n < 1)", "n", 7200, 2400, 2,
      Plage::strictementEntre(0, 1)}},
    {2, "0", {1, 2, "Pression de la pompe", "bars", 9480, 2400, 2}},
};

inline constexpr Source<Entree> sources[] = {
    source<&Entree::puissance>("TxtGicleur", 0), source<&Entree::puissanceDouble>("TxtGicleur", 0),
    source<&Entree::rendement>("TxtGicleur", 1), source<&Entree::rendementDouble>("TxtGicleur", 1),
    source<&Entree::pression>("TxtGicleur", 2),  source<&Entree::pci>("TxtGicleur", 3),
};

// What the search formed, for the sheet.
using N = calc::gicleur::Intermediaires;
inline constexpr Intermediaire<N> intermediaires[] = {
    intermediaire<&N::debit>("Débit de fioul nécessaire", "l/h"),
    intermediaire<&N::gicleurCalcule>("Gicleur calculé à la pression retenue", "Us gal/h"),
    intermediaire<&N::relevements>("Nombre de relèvements de pression"),
};

} // namespace formulaires::gicleur
