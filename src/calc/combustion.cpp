#include "calc/combustion.h"

#include "calc/echec.h"
#include "nombres/nombres.h"

#include <cmath>

namespace calc::combustion {

namespace {

constexpr float oxygeneAir = 20.9f;        // % O2 in air, held as a single like the fuel constants
constexpr double pressionNormale = 101325; // Pa
constexpr double pressionRosee = 288.68;   // Pa, p = 288.68 (1.098 + t/100)^8.02
constexpr double exposantRosee = 8.02;
constexpr double decalageRosee = 1.098;

// Per-fuel constants, all singles: the maximal CO2 content (%), Siegert's
// coefficients (A1 with CO2, A2 with O2, B) and the stoichiometric volumes of
// air, flue gas and water vapour, m3(n) per unit of fuel.
struct Constantes {
    float co2Max, a1, a2, b, air, fumees, vapeur;
};

// In the order of the fuels.
const std::array<Constantes, 3>& tableCombustibles() {
    // Heating oil: the volumes follow from its heating value, 10.25 kWh/l
    // over 0.86 kg/l, held as a single.
    static const std::array<Constantes, 3> table = [] {
        const float h = static_cast<float>(10.25 / 0.86);
        return std::array<Constantes, 3>{{
            {15.4f, 0.50123f, 0.68f, 0.007f, static_cast<float>(h * 0.203 * 3.6 + 2.0),
             static_cast<float>(h * 0.265 * 3.6), 1.372f},
            {11.8f, 0.37263f, 0.66f, 0.009f, 9.634160392761231f, 10.590352410888674f, 2.03f},
            {13.7f, 0.41296f, 0.63f, 0.008f, 23.79424013938904f, 25.80480038452149f, 3.03f},
        }};
    }();
    return table;
}

const Constantes& constantes(Combustible combustible) {
    return tableCombustibles()[static_cast<std::size_t>(combustible)];
}

// A field read as a single must hold a number within the single range.
bool lisible(std::optional<float> valeur) {
    return valeur && std::isfinite(*valeur);
}

} // namespace

std::u16string_view uniteVolume(Combustible combustible) {
    return combustible == Combustible::GazNaturel ? u"m3(n)/m3(n)" : u"m3(n)/kg";
}

std::optional<double> convertir(const EntreeConversion& e) try {
    const auto& x = e.x;
    if (!x)
        return std::nullopt;
    const double co2Max = constantes(e.combustible).co2Max;
    // Both contents are proportional to the excess air's share of the gas.
    const double autre = e.mesure == Mesure::CO2 ? arith::div(co2Max - *x, co2Max) * oxygeneAir
                                                 : (1 - arith::div(*x, oxygeneAir)) * co2Max;
    return nombres::Round(arith::fini(autre), 3);
} catch (const EchecExecution&) {
    return std::nullopt;
}

float Pertes_Fumees(Combustible combustible, Mesure mesure, float tf, float ta,
                    std::optional<float> teneur, Intermediaires* notes) try {
    if (!lisible(teneur))
        return 0;
    const Constantes* f = &constantes(combustible);
    const bool enCo2 = mesure == Mesure::CO2;
    if (notes != nullptr) {
        if (enCo2)
            notes->a1 = f->a1;
        else
            notes->a2 = f->a2;
        notes->b = f->b;
    }
    const double c = *teneur;
    const double ecart = arith::fini(arith::fini(tf) - arith::fini(ta));
    // Siegert: q = (A / gas content + B)(tf - ta), the O2 form through the
    // oxygen missing from air.
    const double coefficient =
        enCo2 ? arith::div(f->a1, c) + f->b : arith::div(f->a2, oxygeneAir - c) + f->b;
    return arith::simple(nombres::Round(arith::fini(coefficient * ecart), 2));
} catch (const EchecExecution&) {
    return 0;
}

float Exces_Air(Combustible combustible, Mesure mesure, std::optional<float> teneur,
                Intermediaires* notes) try {
    if (!lisible(teneur))
        return 0;
    const double co2Max = constantes(combustible).co2Max;
    if (notes != nullptr && mesure == Mesure::CO2)
        notes->co2Max = constantes(combustible).co2Max;
    const double c = *teneur;
    return arith::simple(mesure == Mesure::CO2 ? arith::div(co2Max - c, c)
                                               : arith::div(c, oxygeneAir - c));
} catch (const EchecExecution&) {
    return 0;
}

std::optional<Rendement> calculerRendement(const EntreeRendement& entree,
                                           Intermediaires* notes) try {
    Intermediaires ici;
    Intermediaires& note = notes != nullptr ? *notes : ici;
    note = {};
    const auto& [combustible, mesure, tf, ta, teneur] = entree;
    if (!lisible(tf) || !lisible(ta))
        return std::nullopt;
    const Constantes* f = &constantes(combustible);
    note.combustible = combustible;
    note.air = f->air, note.fumees = f->fumees, note.vapeur = f->vapeur;

    Rendement r{};
    r.pertes = Pertes_Fumees(combustible, mesure, *tf, *ta, teneur, &note);
    r.rendement = nombres::relireDouble(100 - nombres::relireSimple(r.pertes));

    // The excess air in % is formed as a single before rounding.
    const float e = Exces_Air(combustible, mesure, teneur, &note);
    r.excesAir = nombres::Round(arith::simple(static_cast<double>(e) * 100), 3);

    // The air factor, the volume and the dew point follow from the excess
    // air as its label shows it.
    const double r3 = nombres::relireDouble(r.excesAir);
    r.facteurAir = nombres::Round(r3 / 100 + 1, 2);
    const float n = arith::simple(r3 / 100 + 1);
    // Flue gas with its excess air, m3(n) per unit of fuel, held as a single.
    const float v = arith::simple(arith::fini((n - 1.0) * f->air + f->fumees));

    // Partial pressure of the water vapour, then the saturation curve inverted.
    const double p = arith::fini(arith::div(f->vapeur, v) * pressionNormale);
    note.pressionVapeur = p;
    const double t = arith::fini(
        (arith::puissance(arith::div(p, pressionRosee), 1 / exposantRosee) - decalageRosee) * 100);
    r.rosee = nombres::Round(t, 2);
    r.volume = nombres::Round(v, 2);
    return r;
} catch (const EchecExecution&) {
    return std::nullopt;
}

} // namespace calc::combustion
