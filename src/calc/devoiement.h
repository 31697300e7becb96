// Flue offset: the length of a duct whose inclined part shifts it sideways,
// from its height, the shift and the angle of the inclined part.
#pragma once

#include <optional>

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

// decalage: the sideways shift (m); angle: of the inclined part from the
// horizontal (degrees); hauteur: of the duct (m); all read as doubles.
// nullopt leaves the results as they were: an angle of exactly 90° (a
// vertical inclined part), a value beyond the double range, or a length so
// near the largest double that its 15 digits written would round past it.
std::optional<Resultat> calculer(double decalage, double angle, double hauteur);

} // namespace calc::devoiement
