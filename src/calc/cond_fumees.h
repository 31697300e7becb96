// Flue duct sizing: the smallest section for which the natural draught of
// the duct covers the losses of the connecting pipe and of the duct plus the
// draught the boiler and its combustion-air supply need.
#pragma once

#include <array>
#include <string_view>
#include <variant>

namespace calc::cond_fumees {

// Items of the fuel list and of the two material lists, in list order. The
// sizing compares a list's text exactly with these items; a text that is
// none of them is handled as a run-time failure of the sizing.
const std::array<std::u16string_view, 3>& Combustibles();
const std::array<std::u16string_view, 3>& MateriauxRaccordement(); // connecting pipe
const std::array<std::u16string_view, 7>& MateriauxConduit();      // flue duct

// The tab's fields as the sizing reads them. A field holding a lone "-" or a
// number beyond the double range reads as no number: the page then does
// nothing, silently.
struct Saisie {
    std::u16string_view combustible;
    std::u16string_view materiauRaccordement;
    std::u16string_view materiauConduit;

    // Read as singles (a magnitude beyond the single range as an infinity).
    float hauteur = 0;               // H, m
    float longueur = 0;              // L, m
    float longueurRaccordement = 0;  // Lc, m
    float diametreRaccordement = 0;  // Dc, m
    float temperatureFumees = 0;     // tf, °C at the boiler outlet
    float temperatureExterieure = 0; // te, °C
    float volumeFumees = 0;          // Vf, m3(n) per unit of fuel
    float puissance = 0;             // P, kW
    float rendement = 0;             // η, a fraction

    // Read as doubles.
    double hauteurDouble = 0; // H and L again, for the height-versus-length check
    double longueurDouble = 0;
    double diametreDouble = 0; // Dc again, compared with the square side
    double coudes45 = 0;       // bends of the connecting pipe, at 45° and at 90°
    double coudes90 = 0;
    double coudesDevoiement = 0;       // bends of the duct's offset
    double depressionSortie = 0;       // Pa, draught the boiler needs at its outlet
    double depressionAirComburant = 0; // Pa, draught the air supply needs
};

enum class Refus {
    // The height exceeds the length (equal values pass). Warning "La hauteur
    // du conduit de fumées ne peut être supérieure à la longueur !", focus on
    // the length field; the results keep their values.
    HauteurSuperieureLongueur,
    // A single reading beyond the single range: nothing happens, silently.
    HorsPlage,
    // "Dépression disponible trop faible !" in the critical box: the section
    // result shows 0, the side and diameter keep their values.
    DepressionInsuffisante,
};

// The minimal section in m², a single, or DepressionInsuffisante when the
// draught does not cover the connecting pipe and the boiler's needs, or when
// the search passes 4 m² (a 2 m square duct). Any run-time failure (a zero
// power, efficiency, diameter or heating value, the logarithm of a
// non-positive number, an overflow, an unknown list text) gives a section
// of 0 without refusal.
std::variant<float, Refus> Section(const Saisie& saisie);

// The results as their labels show them.
struct Resultat {
    double section = 0;  // cm², 2 places
    double cote = 0;     // cm, side of a square duct, 2 places; the pipe's diameter if wider
    double diametre = 0; // cm, diameter of a circular duct, 2 places
};

// The sizing. A section of 0 (a run-time failure) gives 0, the pipe's
// diameter in cm if it is positive (0 otherwise), and 0.
std::variant<Resultat, Refus> calculer(const Saisie& saisie);

} // namespace calc::cond_fumees
