#include "calc/echec.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <functional>
#include <optional>

using namespace calc;

namespace {

std::optional<Echec> genreLeve(const std::function<void()>& operation) try {
    operation();
    return std::nullopt;
} catch (const EchecExecution& e) {
    return e.genre();
}

TEST(Echec, ChaqueGenre) {
    const struct {
        const char* libelle;
        std::function<void()> operation;
        std::optional<Echec> attendu;
    } cas[] = {
        {"1 / 0", [] { arith::div(1, 0); }, Echec::DivisionParZero},
        {"log 0", [] { arith::log(0); }, Echec::LogarithmeNonPositif},
        {"sqrt -1", [] { arith::racine(-1); }, Echec::RacineNegative},
        {"sqrt 0", [] { arith::racine(0); }, std::nullopt},
        {"-8 ^ (1/3)", [] { arith::puissance(-8, 1.0 / 3); }, Echec::PuissanceInvalide},
        {"-8 ^ 3", [] { arith::puissance(-8, 3); }, std::nullopt},
        {"0 ^ -1", [] { arith::puissance(0, -1); }, Echec::PuissanceInvalide},
        {"1e200 * 1e200", [] { arith::fini(1e200 * 1e200); }, Echec::Depassement},
        // From half a unit in the last place beyond FLT_MAX, a single overflows.
        {"-(FLT_MAX + ulp / 2)", [] { arith::simple(-0x1.ffffffp127); }, Echec::DepassementSimple},
    };
    for (const auto& c : cas)
        EXPECT_EQ(genreLeve(c.operation), c.attendu) << c.libelle;
    EXPECT_EQ(arith::simple(std::nextafter(0x1.ffffffp127, 0.0)), FLT_MAX);
}

} // namespace
