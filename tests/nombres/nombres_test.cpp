#include "aide_separateur.h"
#include "nombres/nombres.h"

#include <cmath>
#include <limits>
#include <utility>
#include <vector>

using namespace nombres;
using ::testing::PrintToString;

namespace {

constexpr float infini = std::numeric_limits<float>::infinity();

class Nombres : public SousSeparateur {};

TEST_P(Nombres, Lecture) {
    const std::pair<const char16_t*, double> cas[] = {
        {u" -12\t", -12}, {u"+3,25", 3.25},    {u",5", 0.5},   {u"5,", 5},
        {u"-,5", -0.5},   {u"2,5e-3", 2.5e-3}, {u"1E+2", 100}, {u"1E-400", 0}};
    for (const auto& [texte, attendu] : cas)
        EXPECT_EQ(lireDouble(t(texte), sep()), attendu) << PrintToString(texte);

    std::vector<std::u16string> refus = {u"", u"-", u"abc", u"1a", t(u"1,2,3"), u"1E", t(u"1E5,5")};
    refus.push_back({u'1', autre(), u'5'}); // the other separator
    for (const auto& texte : refus) {
        EXPECT_FALSE(lireDouble(texte, sep())) << PrintToString(texte);
        EXPECT_FALSE(lireSimple(texte, sep())) << PrintToString(texte);
    }
    // Beyond the double range: no double, but a signed infinity for a single.
    EXPECT_FALSE(lireDouble(u"-1E400", sep()));
    EXPECT_EQ(lireSimple(u"1E39", sep()), infini);
    EXPECT_EQ(lireSimple(u"-1E39", sep()), -infini);
    // A hair above the tie between 1 and the next single, whose nearest double is the tie itself:
    // through a double it would round down to 1.
    EXPECT_EQ(lireSimple(t(u"1,00000005960464477539062500001"), sep()), std::nextafter(1.f, 2.f));
}

TEST_P(Nombres, Ecriture) {
    const auto ecrit = [this](double valeur) { return ecrireDouble(valeur, sep()); };
    EXPECT_EQ(ecrit(-0.0), u"0");
    EXPECT_EQ(ecrit(0.1 + 0.2), t(u"0,3"));
    EXPECT_EQ(ecrit(2.0 / 3), t(u"0,666666666666667"));
    EXPECT_EQ(ecrit(1e-4), t(u"0,0001"));
    EXPECT_EQ(ecrit(1e-5), u"1E-05");
    EXPECT_EQ(ecrit(-1.25e-7), t(u"-1,25E-07"));
    EXPECT_EQ(ecrit(999999999999999), u"999999999999999");
    EXPECT_EQ(ecrit(999999999999999.9), u"1E+15");
    EXPECT_EQ(ecrit(infini), u"#####");
    EXPECT_EQ(ecrireSimple(1.f / 3, sep()), t(u"0,3333333"));
    EXPECT_EQ(ecrireSimple(9999999.f, sep()), u"9999999");
    EXPECT_EQ(ecrireSimple(1e7f, sep()), u"1E+07");
}

SOUS_DEUX_SEPARATEURS(Nombres);

class Arrondi : public ::testing::TestWithParam<std::tuple<double, int, double>> {};

TEST_P(Arrondi, DemiVersLePair) {
    const auto [valeur, decimales, attendu] = GetParam();
    EXPECT_EQ(Round(valeur, decimales), attendu);
}

// 2.675 is stored just below the half, 1.35 just above; the rest are exact ties.
const std::tuple<double, int, double> arrondis[] = {
    {2.675, 2, 2.67}, {1.35, 1, 1.4}, {0.125, 2, 0.12}, {0.375, 2, 0.38},
    {2.5, 0, 2},      {3.5, 0, 4},    {-2.5, 0, -2},    {1234.56789, 3, 1234.568}};
INSTANTIATE_TEST_SUITE_P(Cas, Arrondi, ::testing::ValuesIn(arrondis));

// What a label shows, read back: 15 digits for a double, 7 for a single; near the largest double,
// 15 digits round past the range.
TEST(Relecture, CeQueMontreLEtiquette) {
    EXPECT_EQ(relireDouble(2.0 / 3), 0.666666666666667);
    EXPECT_EQ(relireSimple(0.1f), 0.1);
    // Just above the tie between 1 and the next single: the 15 digits lie below it.
    EXPECT_EQ(relireEnSimple(1.000000059604645), 1.f);
    EXPECT_EQ(relireEnSimple(1e39), infini);
    EXPECT_TRUE(seRelit(1e308));
    EXPECT_FALSE(seRelit(std::numeric_limits<double>::max()));
}

} // namespace
