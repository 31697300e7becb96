// The sanitary expansion tab's form.
#pragma once

#include "calc/vase_sanitaire.h"
#include "formulaires/formulaire.h"

namespace formulaires::expansion_sanitaire {

namespace vase = calc::vase_sanitaire;
using vase::Entree;

// Inputs, twips: a left column of six rows, a middle column level with its last two.
inline constexpr int xEntrees = 120;
inline constexpr int xMilieu = 3225;
inline constexpr int hautEntree[] = {hautPage + 330,  hautPage + 1080, hautPage + 1830,
                                     hautPage + 2580, hautPage + 3330, hautPage + 4290};

// TxtExpansionSanitaire, in screen order.
inline constexpr Champ champs[] = {
    {0, "0", {0, 6, "Altitude du logement", "m", xEntrees, hautEntree[0]}},
    {2,
     "65",
     {1, 7, "Température de l'eau chaude", "°C", xEntrees, hautEntree[1], 1,
      Plage::auPlus(vase::eauChaudeMaximale)},
     {vase::eauChaudeRefusee,
      "La température de l'eau chaude sanitaire ne peut être supérieure à 90 °C !"}},
    {3,
     "10",
     {2, 8, "Température de l'eau froide", "°C", xEntrees, hautEntree[2], 1,
      Plage::auMoins(vase::eauFroideMinimale)},
     {vase::eauFroideRefusee,
      "La température de l'eau froide sanitaire ne peut être inférieure à 0 °C !"}},
    {4, "0", {3, 9, "Contenance du ballon", "litres", xEntrees, hautEntree[3]}},
    {1, "0", {13, 12, "Volume du vase choisi", "litres", xEntrees, hautEntree[4]}},
    {5,
     "4",
     {4, 10, "Pression de gonflage du vase d'expansion", "bar(s)", xEntrees, hautEntree[5], 2}},
    {7,
     "7",
     {5, 11, "Pression de tarage de la soupape de sécurité", "bar(s)", xMilieu, hautEntree[4], 2}},
    {6,
     "4",
     {15, 14, "Pression du réseau à la hauteur du vase d'expansion", "bar(s)", xMilieu,
      hautEntree[5], 2}},
};

inline constexpr Source<Entree> sources[] = {
    source<&Entree::h>("TxtExpansionSanitaire", 0),
    source<&Entree::th>("TxtExpansionSanitaire", 2),
    source<&Entree::tc>("TxtExpansionSanitaire", 3),
    source<&Entree::Vb>("TxtExpansionSanitaire", 4),
    source<&Entree::Vc>("TxtExpansionSanitaire", 1),
    source<&Entree::Pg>("TxtExpansionSanitaire", 5),
    source<&Entree::Pn>("TxtExpansionSanitaire", 6),
    source<&Entree::Pv>("TxtExpansionSanitaire", 7),
};

// What the calculation formed, for the sheet.
using N = calc::vase_sanitaire::Intermediaires;
inline constexpr Intermediaire<N> intermediaires[] = {
    intermediaire<&N::rhoC>("Masse volumique de l'eau froide", "kg/m3"),
    intermediaire<&N::rhoH>("Masse volumique de l'eau chaude", "kg/m3"),
    intermediaire<&N::pa>("Pression atmosphérique", "bar"),
    intermediaire<&N::a>("Pression de tarage absolue", "bar"),
    intermediaire<&N::g>("Pression de gonflage absolue", "bar"),
    intermediaire<&N::n>("Pression du réseau absolue", "bar"),
    intermediaire<&N::x>("Volume de gaz du vase à la pression du réseau", "litres"),
};

} // namespace formulaires::expansion_sanitaire
