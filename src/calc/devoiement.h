// Flue offset: the length of a duct whose inclined part shifts it sideways,
// from its height, the shift and the angle of the inclined part.
#pragma once

#include <optional>
#include <string_view>

namespace calc::devoiement {

enum class Refus {
    // Opening the offset frame with a height of 0 or less: warning "Indiquer
    // la hauteur du conduit de fumées, en mètres !", focus on the height
    // field, the frame stays hidden.
    HauteurManquante,
};

// Whether the offset frame may open for this height (read as a double).
std::optional<Refus> controlerOuverture(double hauteur);

// The results as their labels show them, m, 2 places.
struct Resultat {
    double longueurInclinee; // length of the inclined part
    double hauteurInclinee;  // height the inclined part covers
    double longueurTotale;   // the height with that part's height replaced by its length
};

// The frame's two fields and the duct's height, all read as doubles.
struct Entree {
    double decalage = 0; // m, the sideways shift
    double angle = 0;    // degrees, of the inclined part from the horizontal
    double hauteur = 0;  // m, of the duct
};

// nullopt leaves the results as they were: an angle of exactly 90° (a
// vertical inclined part), a value beyond the double range, or a length so
// near the largest double that its 15 digits written would round past it.
std::optional<Resultat> calculer(const Entree& entree);

inline constexpr std::string_view formules =
    "Dévoiement : longueur inclinée = d / cos α ; hauteur couverte = d × tan α ; longueur "
    "totale = H − d × tan α + d / cos α";

} // namespace calc::devoiement
