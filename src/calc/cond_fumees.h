// Flue duct sizing: the smallest section for which the natural draught of
// the duct covers the losses of the connecting pipe and of the duct plus the
// draught the boiler and its combustion-air supply need.
#pragma once

#include "calc/combustible.h"

#include <array>
#include <optional>
#include <string_view>
#include <variant>

namespace calc::cond_fumees {

// The materials of the flue duct's list, in its order; the connecting pipe's
// list holds the first three.
enum class Materiau {
    Plastique,
    Aluminium,
    AcierInox,
    Ceramique,
    BriquesSansEnduit,
    MaconnerieAvecEnduit,
    BoisseauxBeton
};
inline constexpr std::array<std::u16string_view, 7> nomsMateriaux = {
    u"Plastique",      u"Aluminium",           u"Acier inox",
    u"Céramique",      u"Briques sans enduit", u"Maçonnerie (avec enduit)",
    u"Boisseaux béton"};
inline constexpr std::size_t materiauxRaccordement = 3;

// The tab's fields and lists as the sizing reads them. A field holding a lone
// "-" reads as no number: the page then does nothing, silently.
struct Saisie {
    Combustible combustible = Combustible::Fuel;
    Materiau materiauRaccordement = Materiau::Plastique;
    Materiau materiauConduit = Materiau::Plastique;

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

// What the sizing formed on its way, each value once reached, singles as
// the sizing holds them. The duct's values are those of the section found;
// the steps count the 0.01 cm² additions from the pipe's section to it.
struct Intermediaires {
    std::optional<float> temperatureMoyenne;                      // °C, Tm
    std::optional<float> masseVolumiqueFumees, masseVolumiqueAir; // kg/m³
    std::optional<float> tirage;                                  // Pa, the available draught
    std::optional<float> sectionRaccordement; // cm², the pipe's m² single × 10⁴
    std::optional<float> vitesseRaccordement; // m/s
    std::optional<float> reynoldsRaccordement, frottementRaccordement;
    std::optional<float> perteRaccordement; // Pa
    std::optional<float> vitesseConduit;    // m/s
    std::optional<float> reynoldsConduit, frottementConduit;
    std::optional<float> perteConduit; // Pa
    std::optional<double> total;       // Pa, losses and draughts needed, at most the draught
    std::optional<long> pas;
    bool echec = false; // a run-time failure ended it: the section is 0
};

// The minimal section in m², a single, or DepressionInsuffisante when the
// draught does not cover the connecting pipe and the boiler's needs, or when
// the search passes 4 m² (a 2 m square duct). Any run-time failure (a zero
// power, efficiency or diameter, the logarithm of a non-positive number, an
// overflow) gives a section of 0 without refusal.
std::variant<float, Refus> Section(const Saisie& saisie, Intermediaires* notes = nullptr);

// The results as their labels show them.
struct Resultat {
    double section = 0;  // cm², 2 places
    double cote = 0;     // cm, side of a square duct, 2 places; the pipe's diameter if wider
    double diametre = 0; // cm, diameter of a circular duct, 2 places
};

// The sizing. A section of 0 (a run-time failure) gives 0, the pipe's
// diameter in cm if it is positive (0 otherwise), and 0.
std::variant<Resultat, Refus> calculer(const Saisie& saisie, Intermediaires* notes = nullptr);

inline constexpr std::string_view formules =
    "Tirage disponible D = (ρa − ρf) × H × 9,81, avec ρf = 1,27 × 273,15 / (Tm + 273,15), "
    "ρa = 1,293 × 273,15 / (te + 273,15) et Tm = tf − 2,5 × (L + Lc)\n"
    "Vitesse des fumées w = (P / η / PCI) × Vf / 3600 / A\n"
    "Pertes de charge Δp = w² × (λ × L / d + ζ) × 1,5 × 1,27 / 2, Re = w × d / 1,51·10⁻⁵ "
    "(d : diamètre du raccordement, ou √A pour le conduit)\n"
    "Coefficient de frottement : λ = 64 / Re si Re < 2230, sinon équation de Colebrook, "
    "1 / √λ = −2 log(k / (3,71 d) + 2,51 / (Re √λ)), trois pas extrapolés par Aitken\n"
    "Coudes : ζ = 0,3 par coude à 45° ou de dévoiement, 0,4 à 90°, 0,53 pour le raccordement\n"
    "Section minimale : la plus petite A (pas de 0,01 cm²) où Δp raccordement + Δp conduit + "
    "dépressions nécessaires ≤ D\n"
    "Côté = √A ; diamètre = 2 × √(A / π)";

} // namespace calc::cond_fumees
