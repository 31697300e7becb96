#include "aide_separateur.h"
#include "calc/conversion.h"
#include "entry/nombres.h"

#include <cmath>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

using namespace calc::conversion;
using G = Grandeur;

namespace {

class Conversion : public SousSeparateur {};

TEST_P(Conversion, Exemples) {
    const struct {
        G grandeur;
        const char16_t *source, *de, *vers, *attendu;
    } cas[] = {
        {G::Temperature, u"0", u"°C", u"°K", u"273,15"},
        {G::Temperature, u"100", u"°C", u"°F", u"212"},
        {G::Temperature, u"1", u"°F", u"°C", u"-17,222"},
        {G::Temperature, u"0", u"°K", u"°F", u"-459,67"},
        {G::Pression, u"1", u"atm", u"mmHg", u"760"},
        {G::Pression, u"1", u"atm", u"mCE", u"10,3287"},
        {G::Puissance, u"1", u"kW", u"kCal/h", u"860,1123"},
        {G::Energie, u"1", u"W/h", u"kCal", u"0,86011"},
        {G::Debit, u"1", u"m3/mn", u"m3/s", u"0,01667"},
        // Same unit, or hPa and mbar: the text is copied, then rounded;
        // converting 1E308 hPa would overflow.
        {G::Temperature, u"2,123456", u"°C", u"°C", u"2,123"},
        {G::Pression, u"1013,256789", u"hPa", u"mbar", u"1013,2568"},
        {G::Pression, u"1E308", u"hPa", u"mbar", u"1E+308"},
    };
    for (const auto& c : cas)
        EXPECT_EQ(convertir(c.grandeur, t(c.source), c.de, c.vers, sep()), t(c.attendu))
            << ::testing::PrintToString(std::tuple(c.source, c.de, c.vers));
    // The destination stays as it is.
    EXPECT_FALSE(convertir(G::Temperature, u"-", u"°C", u"°F", sep()));
    EXPECT_FALSE(convertir(G::Pression, u"-", u"hPa", u"mbar", sep()));
    EXPECT_FALSE(convertir(G::Pression, u"1E308", u"atm", u"Pa", sep()));
    // The largest doubles, copied between equal units, write 15 digits that
    // round past the double range: no number the destination could read.
    EXPECT_FALSE(convertir(G::Temperature, t(u"1,7976931348623157E308"), u"°C", u"°C", sep()));
    EXPECT_FALSE(convertir(G::Pression, t(u"-1,7976931348623155E308"), u"hPa", u"mbar", sep()));
}

// The units in list order, each in its quantity's base unit (K, Pa, W, J,
// l/h): base = x × a + b. 1 mCE = 9810 Pa, 1 mmHg = 1 atm / 760, 1 kCal = 4185,5 J.
const struct Echelle {
    G g;
    std::vector<std::u16string> unites;
    std::vector<double> a, b = {}; // b: temperature only
} echelles[] = {
    {G::Temperature, {u"°C", u"°K", u"°F"}, {1, 1, 5.0 / 9}, {273.15, 0, 273.15 - 32 * 5.0 / 9}},
    {G::Pression,
     {u"atm", u"hPa", u"daPa", u"Pa", u"bar", u"mbar", u"mCE", u"mmCE", u"mmHg"},
     {101325, 100, 10, 1, 1e5, 100, 9810, 9.81, 101325.0 / 760}},
    {G::Puissance, {u"kW", u"W", u"kCal/h", u"kJ/h"}, {1000, 1, 4185.5 / 3600, 1000.0 / 3600}},
    {G::Energie, {u"kW/h", u"W/h", u"kCal", u"kJ", u"J"}, {3.6e6, 3600, 4185.5, 1000, 1}},
    {G::Debit,
     {u"m3/h", u"m3/mn", u"m3/s", u"l/h", u"l/mn", u"l/s"},
     {1e3, 6e4, 3.6e6, 1, 60, 3600}}};

// Every pair: the result within its rounding of the scale, and back again
// within both roundings, the first one stretched by the ratio of the units.
TEST_P(Conversion, ToutesLesPaires) {
    const auto lire = [this](const std::u16string& texte) {
        return entry::lireDouble(texte, sep()).value();
    };
    for (const auto& e : echelles) {
        EXPECT_EQ(unites(e.g), e.unites);
        const double pas = 0.5 * std::pow(10.0, -decimales(e.g)) * 1.000001;
        const auto b = [&e](std::size_t k) { return e.b.empty() ? 0 : e.b[k]; };
        for (std::size_t i = 0; i < e.unites.size(); ++i)
            for (std::size_t j = 0; j < e.unites.size(); ++j)
                for (const double x : {12.5, -0.75, 3456.0}) {
                    const auto &de = e.unites[i], &vers = e.unites[j];
                    SCOPED_TRACE(::testing::PrintToString(std::tuple(x, de, vers)));
                    const auto aller =
                        convertir(e.g, entry::ecrireDouble(x, sep()), de, vers, sep());
                    const auto retour = convertir(e.g, aller.value(), vers, de, sep());
                    const double attendu = (x * e.a[i] + b(i) - b(j)) / e.a[j];
                    EXPECT_NEAR(lire(*aller), attendu, pas + 1e-13 * std::abs(attendu));
                    EXPECT_NEAR(lire(retour.value()), x, pas * (1 + e.a[j] / e.a[i]));
                }
    }
}

INSTANTIATE_TEST_SUITE_P(Separateurs, Conversion, ::testing::Values(u',', u'.'), nomSeparateur);

} // namespace
