#include "calc/combustion.h"

#include "calc/echec.h"
#include "entry/nombres.h"

#include <cmath>

namespace calc::combustion {

namespace {

constexpr std::u16string_view co2Mesure = u"CO2 mesuré";
constexpr std::u16string_view o2Mesure = u"O2 mesuré";

constexpr float oxygeneAir = 20.9f;        // % O2 in air, held as a single like the fuel constants
constexpr double pressionNormale = 101325; // Pa
constexpr double pressionRosee = 288.68;   // Pa, p = 288.68 (1.098 + t/100)^8.02
constexpr double exposantRosee = 8.02;
constexpr double decalageRosee = 1.098;

// Per-fuel constants, all singles: the maximal CO2 content (%), Siegert's
// coefficients (A1 with CO2, A2 with O2, B) and the stoichiometric volumes of
// air, flue gas and water vapour, m3(n) per unit of fuel.
struct Combustible {
    std::u16string_view nom;
    float co2Max, a1, a2, b, air, fumees, vapeur;
};

const std::array<Combustible, 3>& tableCombustibles() {
    // Heating oil: the volumes follow from its heating value, 10.25 kWh/l
    // over 0.86 kg/l, held as a single.
    static const std::array<Combustible, 3> table = [] {
        const float h = static_cast<float>(10.25 / 0.86);
        return std::array<Combustible, 3>{{
            {u"Fuel domestique", 15.4f, 0.50123f, 0.68f, 0.007f,
             static_cast<float>(h * 0.203 * 3.6 + 2.0), static_cast<float>(h * 0.265 * 3.6),
             1.372f},
            {u"Gaz naturel", 11.8f, 0.37263f, 0.66f, 0.009f, 9.634160392761231f,
             10.590352410888674f, 2.03f},
            {u"Gaz propane (GPL)", 13.7f, 0.41296f, 0.63f, 0.008f, 23.79424013938904f,
             25.80480038452149f, 3.03f},
        }};
    }();
    return table;
}

// The fuel named by the list's text, nullptr for a text that is no item.
const Combustible* trouver(std::u16string_view nom) {
    for (const Combustible& c : tableCombustibles())
        if (c.nom == nom)
            return &c;
    return nullptr;
}

// Whether the measured gas is CO2 (true) or O2 (false); nullopt for a text
// that is no item.
std::optional<bool> co2(std::u16string_view mesure) {
    if (mesure == co2Mesure)
        return true;
    if (mesure == o2Mesure)
        return false;
    return std::nullopt;
}

// A field read as a single must hold a number within the single range.
bool lisible(std::optional<float> valeur) {
    return valeur && std::isfinite(*valeur);
}

// The value a label written as a single shows, read back as a double.
double relireSimple(float valeur) {
    return entry::lireDouble(entry::ecrireSimple(valeur, u'.'), u'.').value_or(valeur);
}

} // namespace

const std::array<std::u16string_view, 3>& Combustibles() {
    static const std::array<std::u16string_view, 3> noms = {
        tableCombustibles()[0].nom, tableCombustibles()[1].nom, tableCombustibles()[2].nom};
    return noms;
}

const std::array<std::u16string_view, 2>& Mesures() {
    static const std::array<std::u16string_view, 2> noms = {co2Mesure, o2Mesure};
    return noms;
}

std::u16string_view uniteVolume(std::u16string_view nom) {
    return nom == tableCombustibles()[1].nom ? u"m3(n)/m3(n)" : u"m3(n)/kg";
}

std::optional<double> convertir(std::u16string_view nom, std::u16string_view mesure,
                                std::optional<double> x) try {
    const Combustible* f = trouver(nom);
    const auto enCo2 = co2(mesure);
    if (!f || !enCo2 || !x)
        return std::nullopt;
    const double co2Max = f->co2Max;
    // Both contents are proportional to the excess air's share of the gas.
    const double autre = *enCo2 ? arith::div(co2Max - *x, co2Max) * oxygeneAir
                                : (1 - arith::div(*x, oxygeneAir)) * co2Max;
    return entry::Round(arith::fini(autre), 3);
} catch (const EchecExecution&) {
    return std::nullopt;
}

float Pertes_Fumees(std::u16string_view nom, std::u16string_view mesure, float tf, float ta,
                    std::optional<float> teneur) try {
    const Combustible* f = trouver(nom);
    const auto enCo2 = co2(mesure);
    if (!f || !enCo2 || !lisible(teneur))
        return 0;
    const double c = *teneur;
    const double ecart = arith::fini(arith::fini(tf) - arith::fini(ta));
    // Siegert: q = (A / gas content + B)(tf - ta), the O2 form through the
    // oxygen missing from air.
    const double coefficient =
        *enCo2 ? arith::div(f->a1, c) + f->b : arith::div(f->a2, oxygeneAir - c) + f->b;
    return arith::simple(entry::Round(arith::fini(coefficient * ecart), 2));
} catch (const EchecExecution&) {
    return 0;
}

float Exces_Air(std::u16string_view nom, std::u16string_view mesure,
                std::optional<float> teneur) try {
    const Combustible* f = trouver(nom);
    const auto enCo2 = co2(mesure);
    if (!f || !enCo2 || !lisible(teneur))
        return 0;
    const double co2Max = f->co2Max;
    const double c = *teneur;
    return arith::simple(*enCo2 ? arith::div(co2Max - c, c) : arith::div(c, oxygeneAir - c));
} catch (const EchecExecution&) {
    return 0;
}

std::optional<Rendement> calculerRendement(std::u16string_view nom, std::u16string_view mesure,
                                           std::optional<float> tf, std::optional<float> ta,
                                           std::optional<float> teneur) try {
    const Combustible* f = trouver(nom);
    if (!f || !lisible(tf) || !lisible(ta))
        return std::nullopt;

    Rendement r{};
    r.pertes = Pertes_Fumees(nom, mesure, *tf, *ta, teneur);
    r.rendement = entry::relireDouble(100 - relireSimple(r.pertes));

    // The excess air in % is formed as a single before rounding.
    const float e = Exces_Air(nom, mesure, teneur);
    r.excesAir = entry::Round(arith::simple(static_cast<double>(e) * 100), 3);

    // The air factor, the volume and the dew point follow from the excess
    // air as its label shows it.
    const double r3 = entry::relireDouble(r.excesAir);
    r.facteurAir = entry::Round(r3 / 100 + 1, 2);
    const float n = arith::simple(r3 / 100 + 1);
    // Flue gas with its excess air, m3(n) per unit of fuel, held as a single.
    const float v = arith::simple(arith::fini((n - 1.0) * f->air + f->fumees));

    // Partial pressure of the water vapour, then the saturation curve inverted.
    const double p = arith::fini(arith::div(f->vapeur, v) * pressionNormale);
    const double t = arith::fini(
        (arith::puissance(arith::div(p, pressionRosee), 1 / exposantRosee) - decalageRosee) * 100);
    r.rosee = entry::Round(t, 2);
    r.volume = entry::Round(v, 2);
    return r;
} catch (const EchecExecution&) {
    return std::nullopt;
}

} // namespace calc::combustion
