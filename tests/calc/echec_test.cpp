#include "calc/echec.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <functional>
#include <optional>
#include <ostream>

namespace calc {
// Readable failure messages.
void PrintTo(Echec genre, std::ostream* os) {
    const char* noms[] = {"DivisionParZero",   "LogarithmeNonPositif", "RacineNegative",
                          "PuissanceInvalide", "Depassement",          "DepassementSimple"};
    *os << noms[static_cast<int>(genre)];
}
} // namespace calc

namespace {

using namespace calc;

std::optional<Echec> genreLeve(const std::function<void()>& operation) {
    try {
        operation();
    } catch (const EchecExecution& e) {
        return e.genre();
    }
    return std::nullopt;
}

struct CasEchec {
    const char* libelle;
    std::function<void()> operation;
    Echec attendu;
};

TEST(Echec, ChaqueGenreEstLeve) {
    const double grand = 1e200;
    const CasEchec cas[] = {
        {"1 / 0", [] { arith::div(1, 0); }, Echec::DivisionParZero},
        {"0 / 0", [] { arith::div(0, 0); }, Echec::DivisionParZero},
        {"-1 / -0", [] { arith::div(-1, -0.0); }, Echec::DivisionParZero},
        {"log 0", [] { arith::log(0); }, Echec::LogarithmeNonPositif},
        {"log -1", [] { arith::log(-1); }, Echec::LogarithmeNonPositif},
        {"sqrt -1", [] { arith::racine(-1); }, Echec::RacineNegative},
        {"sqrt -1e-300", [] { arith::racine(-1e-300); }, Echec::RacineNegative},
        {"-8 ^ (1/3)", [] { arith::puissance(-8, 1.0 / 3); }, Echec::PuissanceInvalide},
        {"-2 ^ 0.5", [] { arith::puissance(-2, 0.5); }, Echec::PuissanceInvalide},
        // 0 to a negative power is an invalid power, not a division.
        {"0 ^ -1", [] { arith::puissance(0, -1); }, Echec::PuissanceInvalide},
        {"0 ^ -0.5", [] { arith::puissance(0, -0.5); }, Echec::PuissanceInvalide},
        {"1e200 * 1e200", [grand] { arith::fini(grand * grand); }, Echec::Depassement},
        {"-1e200 * 1e200", [grand] { arith::fini(-grand * grand); }, Echec::Depassement},
        {"1e300 / 1e-300", [] { arith::div(1e300, 1e-300); }, Echec::Depassement},
        {"10 ^ 400", [] { arith::puissance(10, 400); }, Echec::Depassement},
        {"single 1e39", [] { arith::simple(1e39); }, Echec::DepassementSimple},
        {"single -1e39", [] { arith::simple(-1e39); }, Echec::DepassementSimple},
        // Exactly halfway between FLT_MAX and 2^128: the tie goes to 2^128.
        {"single FLT_MAX + half ulp", [] { arith::simple(0x1.ffffffp127); },
         Echec::DepassementSimple},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.libelle);
        EXPECT_EQ(genreLeve(c.operation), c.attendu);
    }
}

TEST(Echec, OperationsValides) {
    EXPECT_EQ(arith::div(1, 4), 0.25);
    EXPECT_EQ(arith::div(0, -5), 0);
    EXPECT_EQ(arith::fini(1e308), 1e308);
    EXPECT_EQ(arith::racine(2.25), 1.5);
    EXPECT_EQ(arith::racine(0), 0);
    EXPECT_EQ(arith::log(1), 0);
    EXPECT_DOUBLE_EQ(arith::log(std::exp(2.0)), 2);
    // An integral exponent keeps a negative base valid.
    EXPECT_EQ(arith::puissance(-8, 3), -512);
    EXPECT_EQ(arith::puissance(-2, -1), -0.5);
    EXPECT_EQ(arith::puissance(2, -2), 0.25);
    EXPECT_EQ(arith::puissance(0, 0), 1);
    EXPECT_EQ(arith::puissance(0, 2), 0);
    EXPECT_EQ(arith::puissance(9, 0.5), 3);
}

TEST(Echec, StockageEnSimple) {
    EXPECT_EQ(arith::simple(0.1), 0.1f);
    EXPECT_EQ(arith::simple(FLT_MAX), FLT_MAX);
    EXPECT_EQ(arith::simple(-FLT_MAX), -FLT_MAX);
    EXPECT_EQ(arith::simple(3.4028234e38), FLT_MAX);
    // Above FLT_MAX but below the halfway point: still rounds to FLT_MAX.
    const double justeAuDessus = std::nextafter(0x1.ffffffp127, 0.0);
    ASSERT_GT(justeAuDessus, static_cast<double>(FLT_MAX));
    EXPECT_EQ(arith::simple(justeAuDessus), FLT_MAX);
    EXPECT_EQ(arith::simple(-justeAuDessus), -FLT_MAX);
}

TEST(Echec, MessageEtGenre) {
    const EchecExecution e(Echec::RacineNegative);
    EXPECT_EQ(e.genre(), Echec::RacineNegative);
    EXPECT_STRNE(e.what(), "");
    EXPECT_STRNE(e.what(), EchecExecution(Echec::Depassement).what());
}

} // namespace
