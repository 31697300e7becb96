#include "calc/masse_volumique.h"

#include "calc/eau.h"
#include "calc/echec.h"
#include "nombres/nombres.h"

namespace calc::masse_volumique {

namespace {

constexpr double zeroAbsolu = 273.15;            // K at 0 °C
constexpr double pressionAtmospherique = 101325; // Pa
constexpr double rAir = 287.1;                   // J/(kg·K), dry air
constexpr double rVapeur = 461.24;               // J/(kg·K), water vapour
constexpr double rAirSaturation = 286.9865;      // J/(kg·K), dry air in the saturation humidity

// 1.2920625 kg/m³ (dry air at 0 °C) × 273.15 K.
constexpr double densiteAirFoisKelvin = 352.926871875;

} // namespace

std::variant<Eau, RefusTemperature> calculerEau(float t) {
    // Negated tests: a value that is no number is refused rather than let through.
    if (!(t >= eauMinimale))
        return RefusTemperature::TropBasse;
    if (!(t <= eauMaximale))
        return RefusTemperature::TropHaute;

    // Within the range nothing below can fail.
    Eau e{};
    e.kgM3 = nombres::Round(masseVolumiqueEau(t), 3);
    // kg/l and the volumes come from the densities as their labels show them.
    const double r0 = nombres::relireDouble(e.kgM3);
    e.kgL = nombres::Round(arith::div(r0, 1000), 3);
    const double r1 = nombres::relireDouble(e.kgL);
    e.m3Kg = nombres::Round(arith::div(1, r0), 5);
    e.lKg = nombres::Round(arith::div(1, r1), 5);
    return e;
}

std::variant<Air, RefusTemperature> calculerAir(const EntreeAir& e, IntermediairesAir* notes) {
    IntermediairesAir ici;
    IntermediairesAir& note = notes != nullptr ? *notes : ici;
    note = {};
    const auto& [ta, T, x, X] = e;
    if (!(ta >= airMinimale))
        return RefusTemperature::TropBasse;
    if (!(ta <= airMaximale))
        return RefusTemperature::TropHaute;

    Air a{};
    const double kelvins = arith::fini(T + zeroAbsolu);
    a.secKgM3 = nombres::Round(arith::div(densiteAirFoisKelvin, kelvins), 5);
    a.secM3Kg = nombres::Round(arith::div(1, nombres::relireDouble(a.secKgM3)), 5);

    try {
        // Saturation vapour pressure (Pa) and humidity (kg/kg), held as singles.
        const float ps = arith::simple(
            arith::fini(288.68 * arith::puissance(arith::fini(1.098 + T / 100), 8.02)));
        note.pressionSaturante = ps;
        const float xs = arith::simple(arith::div(arith::fini(rAirSaturation / rVapeur * ps),
                                                  arith::fini(pressionAtmospherique - ps)));
        note.humiditeSaturation = xs;
        if (x > xs) {
            a.humide = Air::Humide::Sature;
            a.saturation = arith::simple(nombres::Round(xs, 7));
            return a;
        }
        // m³ per kg of dry air: the mixture's gas constant per kg of dry air
        // is rAir + rVapeur·X.
        const double v = arith::div(
            arith::fini(arith::fini(arith::fini(X + rAir / rVapeur) * rVapeur) * kelvins),
            pressionAtmospherique);
        a.humideKgM3 = nombres::Round(arith::div(1, v), 5);
        a.humideM3Kg = nombres::Round(v, 5);
        a.humide = Air::Humide::Calcule;
    } catch (const EchecExecution&) {
        a.humide = Air::Humide::Echec;
    }
    return a;
}

} // namespace calc::masse_volumique
