#include "calc/combustion.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <tuple>

using namespace calc::combustion;

namespace {

constexpr std::u16string_view fuel = u"Fuel domestique";
constexpr std::u16string_view co2 = u"CO2 mesuré";
constexpr std::u16string_view o2 = u"O2 mesuré";

auto valeurs(const Rendement& r) {
    return std::tuple(r.pertes, r.rendement, r.excesAir, r.facteurAir, r.rosee, r.volume);
}

TEST(Combustion, Conversion) {
    EXPECT_EQ(convertir(fuel, co2, 12.0), 4.614);
    EXPECT_EQ(convertir(fuel, o2, 3.0), 13.189);
    EXPECT_EQ(convertir(u"Gaz naturel", co2, 0.0), 20.9);
    // No number in the field, or a result beyond the double range.
    EXPECT_EQ(convertir(fuel, co2, std::nullopt), std::nullopt);
    EXPECT_EQ(convertir(fuel, co2, 1.7e308), std::nullopt);
}

TEST(Combustion, Rendement) {
    // Heating oil, 180 °C flue gas, 20 °C air, 12 % CO2; then the same gas
    // measured as O2 through the conversion.
    const auto r = calculerRendement(fuel, co2, 180.f, 20.f, 12.f).value();
    EXPECT_EQ(valeurs(r), std::tuple(7.8f, 92.2, 28.333, 1.28, 45.1, 14.4));
    const auto enO2 = calculerRendement(fuel, o2, 180.f, 20.f, 4.614f).value();
    EXPECT_EQ(valeurs(enO2), std::tuple(7.8f, 92.2, 28.331, 1.28, 45.1, 14.4));

    // All fields 0: the loss and the excess air divide by zero and count as
    // 0, leaving the stoichiometric flue gas of each fuel.
    for (const auto& [combustible, rosee, volume] : {std::tuple(fuel, 49.73, 11.37),
                                                     {u"Gaz naturel", 59.21, 10.59},
                                                     {u"Gaz propane (GPL)", 49.19, 25.8}}) {
        const auto s = calculerRendement(combustible, co2, 0.f, 0.f, 0.f).value();
        EXPECT_EQ(valeurs(s), std::tuple(0.f, 100.0, 0.0, 1.0, rosee, volume));
    }
    // Likewise an O2 of 20.9, or a lone "-" in the measured content.
    EXPECT_EQ(valeurs(calculerRendement(fuel, o2, 180.f, 20.f, 20.9f).value()),
              std::tuple(0.f, 100.0, 0.0, 1.0, 49.73, 11.37));
    EXPECT_EQ(calculerRendement(fuel, co2, 180.f, 20.f, std::nullopt)->pertes, 0.f);
}

TEST(Combustion, Echecs) {
    constexpr float infini = std::numeric_limits<float>::infinity();
    // A lone "-" or a number beyond the single range in a temperature.
    EXPECT_FALSE(calculerRendement(fuel, co2, std::nullopt, 20.f, 12.f));
    EXPECT_FALSE(calculerRendement(fuel, co2, 180.f, infini, 12.f));
    // 30 % O2: the excess air gives a negative flue-gas volume, whose dew
    // point takes a fractional power of a negative pressure.
    EXPECT_FALSE(calculerRendement(fuel, o2, 180.f, 20.f, 30.f));
    // An excess air beyond the single range once multiplied by 100.
    EXPECT_FALSE(calculerRendement(fuel, co2, 180.f, 20.f, 1e-37f));
    EXPECT_FLOAT_EQ(Exces_Air(fuel, co2, 1e-37f), 1.54e38f);
    EXPECT_EQ(Pertes_Fumees(fuel, co2, 180.f, 20.f, 1e-37f), 0.f);
}

} // namespace
