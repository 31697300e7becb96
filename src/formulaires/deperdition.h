// The pipe heat-loss tab's form.
#pragma once

#include "calc/deperdition.h"
#include "formulaires/formulaire.h"

namespace formulaires::deperdition {

namespace dep = calc::deperdition;
using dep::Entree;

// A box stands this far below the top of its caption, twips.
inline constexpr int sousLegende = 240;
// Columns: lists and inputs, the insulation conductivity (its caption on one
// line, clear of the picture's lines), the diameters on the picture.
inline constexpr int xEntrees = 360;
inline constexpr int xLambda = 3000;
inline constexpr int xDiametres = 5640;

// TxtDeperdition, in screen order: the fluid's and the pipe's fields, then
// those standing on the picture.
inline constexpr Champ champsFluide[] = {
    {2, "0", {0, 1, "Débit du fluide", "l/h", xEntrees, 4920 + sousLegende}},
    {4,
     "0",
     {12, 11, "Température du fluide", "°C", xEntrees, 5640 + sousLegende, 1,
      Plage::auPlus(dep::temperatureFluideMaximale)}},
    {5, "0", {14, 13, "Longueur de la conduite", "m", xEntrees, 6360 + sousLegende}},
    {7,
     "0",
     {22, 23, "Température de l'air du local", "°C", xEntrees, 7080 + sousLegende, 1,
      Plage::enMots("au plus la température du fluide")}},
};
inline constexpr Champ champsIsolation[] = {
    {6,
     "0",
     {20,
      21,
      "Coefficient Lambda de l'isolant",
      "W/(m.K)",
      xLambda,
      5760 + sousLegende,
      1,
      {},
      2580}},
    // Between the extension lines of the picture, above its arrow.
    {0,
     "0",
     {4, 7, "Diamètre extérieur de l'isolation", "m", xDiametres, 1560 + sousLegende, 2, {}, 1770}},
    {1,
     "0",
     {5, 8, "Diamètre extérieur de la conduite", "m", xDiametres, 2565 + sousLegende, 2, {}, 1770}},
    // Below the picture's lines, on one line.
    {3,
     "0",
     {6, 9, "Diamètre intérieur de la conduite", "m", xDiametres, 6180 + sousLegende, 1, {}, 2760}},
};

inline constexpr Source<Entree> sources[] = {
    source<&Entree::temperature>("TxtDeperdition", 4),
    source<&Entree::temperatureDouble>("TxtDeperdition", 4),
    source<&Entree::temperatureAmbiante>("TxtDeperdition", 7),
    source<&Entree::lambdaIsolant>("TxtDeperdition", 6),
    source<&Entree::diametreInterieur>("TxtDeperdition", 3),
    source<&Entree::diametreExterieur>("TxtDeperdition", 1),
    source<&Entree::diametreIsolant>("TxtDeperdition", 0),
    source<&Entree::debit>("TxtDeperdition", 2),
    source<&Entree::longueur>("TxtDeperdition", 5),
};

// CmbDeperdition(0) the pipe, (1) the fluid.
inline constexpr Choix<Entree> listes[] = {
    choix<&Entree::conduite>("CmbDeperdition", 0),
    choix<&Entree::fluide>("CmbDeperdition", 1),
};

// What the calculation formed, for the sheet.
using N = calc::deperdition::Intermediaires;
inline constexpr Intermediaire<N> intermediaires[] = {
    intermediaire<&N::vitesse>("Vitesse du fluide", "m/s"),
    intermediaire<&N::temperatureMoyenne>("Température moyenne du fluide", "°C"),
    intermediaire<&N::viscosite>("Viscosité cinématique", "m²/s"),
    intermediaire<&N::reynolds>("Nombre de Reynolds"),
    intermediaire<&N::filmInterieur>("Coefficient d'échange intérieur", "W/(m².K)"),
    intermediaire<&N::filmExterieur>("Coefficient d'échange extérieur", "W/(m².K)"),
    intermediaire<&N::resistanceParoi>("Résistance de la paroi", "m².K/W"),
    intermediaire<&N::resistanceInterieure>("Résistance intérieure", "m².K/W"),
    intermediaire<&N::resistanceIsolant>("Résistance de l'isolant", "m².K/W"),
    intermediaire<&N::pas>("Nombre de pas de la recherche"),
};

} // namespace formulaires::deperdition
