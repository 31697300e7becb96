#include "aide_separateur.h"
#include "calc/conversion.h"

#include "entry/nombres.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

using namespace calc::conversion;

namespace {

std::string utf8(std::u16string_view texte) {
    std::string s;
    for (const char16_t c : texte) {
        if (c < 0x80) {
            s += static_cast<char>(c);
        } else {
            s += static_cast<char>(0xC0 | (c >> 6));
            s += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return s;
}

struct CasConversion {
    Grandeur grandeur;
    const char16_t* source;
    const char16_t* de;
    const char16_t* vers;
    const char16_t* attendu;
};

class Conversion : public ::testing::TestWithParam<char16_t> {
protected:
    char16_t sep() const { return GetParam(); }

    std::optional<std::u16string> convertir(Grandeur g, const char16_t* texte, const char16_t* de,
                                            const char16_t* vers) const {
        return calc::conversion::convertir(g, avec(texte, sep()), de, vers, sep());
    }

    template <std::size_t N> void verifier(const CasConversion (&cas)[N]) const {
        for (const auto& c : cas) {
            SCOPED_TRACE(utf8(c.source) + " " + utf8(c.de) + " -> " + utf8(c.vers));
            EXPECT_EQ(convertir(c.grandeur, c.source, c.de, c.vers), avec(c.attendu, sep()));
        }
    }

    double lire(const std::optional<std::u16string>& texte) const {
        const auto v = texte ? entry::lireDouble(*texte, sep()) : std::nullopt;
        EXPECT_TRUE(v.has_value()) << "no readable result";
        return v.value_or(NAN);
    }
};

TEST_P(Conversion, ValeursDeReference) {
    using G = Grandeur;
    const CasConversion cas[] = {
        {G::Temperature, u"0", u"°C", u"°K", u"273,15"},
        {G::Temperature, u"100", u"°C", u"°F", u"212"},
        {G::Temperature, u"-40", u"°F", u"°C", u"-40"},
        {G::Temperature, u"1", u"°F", u"°C", u"-17,222"},
        {G::Temperature, u"0", u"°K", u"°F", u"-459,67"},
        {G::Pression, u"1", u"atm", u"hPa", u"1013,25"},
        {G::Pression, u"1", u"atm", u"mmHg", u"760"},
        {G::Pression, u"1", u"atm", u"mCE", u"10,3287"},
        {G::Pression, u"1", u"mmHg", u"Pa", u"133,3224"},
        {G::Pression, u"1013,25", u"hPa", u"mCE", u"10,3287"},
        {G::Pression, u"1", u"bar", u"mbar", u"1000"},
        {G::Pression, u"1000", u"mbar", u"bar", u"1"},
        {G::Puissance, u"1", u"kW", u"kCal/h", u"860,1123"},
        {G::Puissance, u"1", u"kCal/h", u"W", u"1,1626"},
        {G::Energie, u"1", u"W/h", u"kCal", u"0,86011"},
        {G::Energie, u"1", u"kW/h", u"J", u"3600000"},
        {G::Debit, u"1", u"m3/mn", u"m3/s", u"0,01667"},
        {G::Debit, u"1", u"m3/mn", u"m3/h", u"60"},
        {G::Debit, u"1", u"l/mn", u"m3/h", u"0,06"},
    };
    verifier(cas);
}

// Same unit, and hPa/mbar which are the same size: the text is copied as
// typed, then rounded to the quantity's places.
TEST_P(Conversion, CopieDuTexte) {
    using G = Grandeur;
    const CasConversion cas[] = {
        {G::Temperature, u"0,5", u"°C", u"°C", u"0,5"},
        {G::Temperature, u"2,123456", u"°C", u"°C", u"2,123"},
        {G::Temperature, u"-2,1875", u"°F", u"°F", u"-2,188"}, // an exact tie
        {G::Pression, u"1013,256789", u"hPa", u"mbar", u"1013,2568"},
        {G::Pression, u"0,00004", u"mbar", u"hPa", u"0"},
        {G::Pression, u"1E2", u"hPa", u"mbar", u"100"},
        {G::Debit, u"  7,5 ", u"l/h", u"l/h", u"7,5"},
    };
    verifier(cas);
}

TEST_P(Conversion, DestinationLaisseeTelleQuelle) {
    using G = Grandeur;
    EXPECT_EQ(convertir(G::Temperature, u"-", u"°C", u"°F"), std::nullopt);
    EXPECT_EQ(convertir(G::Temperature, u"-", u"°C", u"°C"), std::nullopt);
    EXPECT_EQ(convertir(G::Pression, u"-", u"hPa", u"mbar"), std::nullopt);
    EXPECT_EQ(convertir(G::Pression, u"", u"atm", u"Pa"), std::nullopt);
    EXPECT_EQ(convertir(G::Pression, u"1E308", u"atm", u"Pa"), std::nullopt);
    EXPECT_EQ(convertir(G::Pression, u"1", u"psi", u"Pa"), std::nullopt);
    EXPECT_EQ(convertir(G::Debit, u"1", u"kW", u"W"), std::nullopt);
    // The other separator is no number.
    const std::u16string autre = sep() == u',' ? u"1.5" : u"1,5";
    EXPECT_EQ(calc::conversion::convertir(G::Energie, autre, u"kJ", u"J", sep()), std::nullopt);
}

TEST(ConversionListes, UnitesEtDecimales) {
    using V = std::vector<std::u16string>;
    EXPECT_EQ(unites(Grandeur::Temperature), (V{u"°C", u"°K", u"°F"}));
    EXPECT_EQ(unites(Grandeur::Pression),
              (V{u"atm", u"hPa", u"daPa", u"Pa", u"bar", u"mbar", u"mCE", u"mmCE", u"mmHg"}));
    EXPECT_EQ(unites(Grandeur::Puissance), (V{u"kW", u"W", u"kCal/h", u"kJ/h"}));
    EXPECT_EQ(unites(Grandeur::Energie), (V{u"kW/h", u"W/h", u"kCal", u"kJ", u"J"}));
    EXPECT_EQ(unites(Grandeur::Debit), (V{u"m3/h", u"m3/mn", u"m3/s", u"l/h", u"l/mn", u"l/s"}));
    EXPECT_EQ(decimales(Grandeur::Temperature), 3);
    EXPECT_EQ(decimales(Grandeur::Pression), 4);
    EXPECT_EQ(decimales(Grandeur::Puissance), 4);
    EXPECT_EQ(decimales(Grandeur::Energie), 5);
    EXPECT_EQ(decimales(Grandeur::Debit), 5);
}

// Size of each unit in SI terms (Pa, W, J, l/h), from the trade's constants:
// 1 mCE = 9810 Pa, 1 mmHg = 1 atm / 760, 1 kCal = 4185,5 J.
struct Echelle {
    Grandeur grandeur;
    std::vector<std::pair<std::u16string, double>> unites;
};

const std::vector<Echelle>& echelles() {
    static const std::vector<Echelle> e = {
        {Grandeur::Pression,
         {{u"atm", 101325},
          {u"hPa", 100},
          {u"daPa", 10},
          {u"Pa", 1},
          {u"bar", 1e5},
          {u"mbar", 100},
          {u"mCE", 9810},
          {u"mmCE", 9.81},
          {u"mmHg", 101325.0 / 760}}},
        {Grandeur::Puissance,
         {{u"kW", 1000}, {u"W", 1}, {u"kCal/h", 4185.5 / 3600}, {u"kJ/h", 1000.0 / 3600}}},
        {Grandeur::Energie,
         {{u"kW/h", 3.6e6}, {u"W/h", 3600}, {u"kCal", 4185.5}, {u"kJ", 1000}, {u"J", 1}}},
        {Grandeur::Debit,
         {{u"m3/h", 1000},
          {u"m3/mn", 60000},
          {u"m3/s", 3.6e6},
          {u"l/h", 1},
          {u"l/mn", 60},
          {u"l/s", 3600}}},
    };
    return e;
}

// Every pair of units: the result matches the scale within the rounding,
// and converting back lands on the starting value within both roundings.
TEST_P(Conversion, BalayageDesPaires) {
    for (const auto& echelle : echelles()) {
        const double pas = 0.5 * std::pow(10.0, -decimales(echelle.grandeur));
        for (const auto& [de, fDe] : echelle.unites)
            for (const auto& [vers, fVers] : echelle.unites)
                for (const double x : {12.5, -0.75, 3456.0}) {
                    SCOPED_TRACE(::testing::Message()
                                 << x << " " << utf8(de) << " -> " << utf8(vers));
                    const auto texteX = entry::ecrireDouble(x, sep());
                    const auto aller =
                        calc::conversion::convertir(echelle.grandeur, texteX, de, vers, sep());
                    ASSERT_TRUE(aller.has_value());
                    const double y = lire(aller);
                    const double attendu = x * fDe / fVers;
                    EXPECT_NEAR(y, attendu, pas * 1.000001 + 1e-13 * std::abs(attendu));
                    const auto retour =
                        calc::conversion::convertir(echelle.grandeur, *aller, vers, de, sep());
                    EXPECT_NEAR(lire(retour), x, pas * (1 + fVers / fDe) * 1.000001);
                }
    }
}

// Temperature is no ratio scale: check against Celsius for every pair.
TEST_P(Conversion, BalayageTemperatures) {
    const auto enCelsius = [](double x, const std::u16string& u) {
        return u == u"°K" ? x - 273.15 : u == u"°F" ? (x - 32) / 1.8 : x;
    };
    const auto depuisCelsius = [](double c, const std::u16string& u) {
        return u == u"°K" ? c + 273.15 : u == u"°F" ? c * 1.8 + 32 : c;
    };
    const double pas = 0.5e-3;
    for (const auto& de : unites(Grandeur::Temperature))
        for (const auto& vers : unites(Grandeur::Temperature))
            for (const double x : {-40.0, 0.0, 21.5, 300.0}) {
                SCOPED_TRACE(::testing::Message() << x << " " << utf8(de) << " -> " << utf8(vers));
                const auto aller = calc::conversion::convertir(
                    Grandeur::Temperature, entry::ecrireDouble(x, sep()), de, vers, sep());
                ASSERT_TRUE(aller.has_value());
                const double y = lire(aller);
                EXPECT_NEAR(y, depuisCelsius(enCelsius(x, de), vers), pas * 1.000001);
                const auto retour =
                    calc::conversion::convertir(Grandeur::Temperature, *aller, vers, de, sep());
                // Back from °C to °F the first rounding is stretched by 9/5.
                EXPECT_NEAR(lire(retour), x, pas * 2.8 * 1.000001);
            }
}

INSTANTIATE_TEST_SUITE_P(Separateurs, Conversion, ::testing::Values(u',', u'.'),
                         [](const auto& info) { return info.param == u',' ? "virgule" : "point"; });

} // namespace
