#include "aide_separateur.h"
#include "entry/nombres.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <string>

using namespace entry;

namespace {

char16_t autre(char16_t separateur) {
    return separateur == u',' ? u'.' : u',';
}

std::string ascii(const std::u16string& texte) {
    return std::string(texte.begin(), texte.end());
}

class Nombres : public ::testing::TestWithParam<char16_t> {
protected:
    char16_t sep() const { return GetParam(); }
    std::u16string t(const char16_t* texte) const { return avec(texte, sep()); }
};

struct CasLecture {
    const char16_t* texte;
    double attendu;
};

TEST_P(Nombres, LectureDouble) {
    const CasLecture cas[] = {
        {u"0", 0},
        {u"12", 12},
        {u"-12", -12},
        {u"+7", 7},
        {u"  3,25\t", 3.25},
        {u",5", 0.5},
        {u"5,", 5},
        {u"-,5", -0.5},
        {u"0,1", 0.1},
        {u"007", 7},
        {u"1E5", 1e5},
        {u"1e-3", 1e-3},
        {u"1E+2", 100},
        {u"2,5e-3", 2.5e-3},
        {u"5,E2", 500},
        {u"0,0012E3", 1.2},
        {u"1,7976931348623157E308", DBL_MAX},
        {u"1E-400", 0},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(ascii(t(c.texte)));
        const auto valeur = lireDouble(t(c.texte), sep());
        ASSERT_TRUE(valeur.has_value());
        EXPECT_EQ(*valeur, c.attendu);
    }
    const auto negatifNul = lireDouble(u"-1E-400", sep());
    ASSERT_TRUE(negatifNul.has_value());
    EXPECT_EQ(*negatifNul, 0.0);
}

TEST_P(Nombres, LectureRefusee) {
    const char16_t* cas[] = {u"",   u"   ", u"-",     u"+",   u",",    u"-,",    u"abc", u"1a",
                             u"a1", u"1 5", u"--1",   u"+-1", u"1-",   u"1,2,3", u"1,,", u"1E",
                             u"E5", u"1E+", u"1E5,5", u",E5", u"1,5E", u"0x10",  u"inf", u"nan"};
    for (const auto* c : cas) {
        SCOPED_TRACE(ascii(t(c)));
        EXPECT_FALSE(lireDouble(t(c), sep()).has_value());
        EXPECT_FALSE(lireSimple(t(c), sep()).has_value());
    }
    // Beyond the double range: a failure for a double (a single gets an infinity).
    EXPECT_FALSE(lireDouble(u"1E400", sep()).has_value());
    EXPECT_FALSE(lireDouble(u"-1E400", sep()).has_value());
}

TEST_P(Nombres, AutreSeparateurRefuse) {
    const std::u16string texte = std::u16string(u"1") + autre(sep()) + u"5";
    EXPECT_FALSE(lireDouble(texte, sep()).has_value());
    EXPECT_FALSE(lireSimple(texte, sep()).has_value());
    EXPECT_FALSE(lireDouble(std::u16string(1, autre(sep())) + u"5", sep()).has_value());
}

TEST_P(Nombres, LectureSimple) {
    EXPECT_EQ(lireSimple(t(u"0,1"), sep()), 0.1f);
    EXPECT_EQ(lireSimple(t(u"-2,5E3"), sep()), -2500.f);
    EXPECT_EQ(lireSimple(t(u"3,4028235E38"), sep()), FLT_MAX);
    EXPECT_EQ(lireSimple(t(u"1E-50"), sep()), 0.f);
    // Beyond the single range: a signed infinity, not a failure.
    EXPECT_EQ(lireSimple(t(u"1E39"), sep()), std::numeric_limits<float>::infinity());
    EXPECT_EQ(lireSimple(t(u"-1E39"), sep()), -std::numeric_limits<float>::infinity());
    EXPECT_EQ(lireSimple(t(u"1E400"), sep()), std::numeric_limits<float>::infinity());
}

// 1 + 2^-24 is exactly halfway between 1 and the next single. A decimal a hair
// above it rounds up when read straight into a single, but its nearest double
// is the halfway point itself, which then goes down to the even neighbour.
TEST_P(Nombres, LectureSimpleSansPasserParLeDouble) {
    const auto audessus = t(u"1,00000005960464477539062500001");
    const auto viaDouble = lireDouble(audessus, sep());
    ASSERT_TRUE(viaDouble.has_value());
    ASSERT_EQ(*viaDouble, 1.0 + std::ldexp(1.0, -24));
    ASSERT_EQ(static_cast<float>(*viaDouble), 1.0f);
    EXPECT_EQ(lireSimple(audessus, sep()), std::nextafter(1.0f, 2.0f));

    EXPECT_EQ(lireSimple(t(u"1,000000059604644775390625"), sep()), 1.0f);
    EXPECT_EQ(lireSimple(t(u"1,00000005960464477539062499999"), sep()), 1.0f);
}

struct CasEcriture {
    double valeur;
    const char16_t* attendu;
};

TEST_P(Nombres, EcritureDouble) {
    const CasEcriture cas[] = {
        {0, u"0"},
        {-0.0, u"0"},
        {0.1 + 0.2, u"0,3"},
        {-2.5, u"-2,5"},
        {0.5, u"0,5"},
        {100, u"100"},
        {1.0 / 3, u"0,333333333333333"},
        {2.0 / 3, u"0,666666666666667"},
        {1234567.125, u"1234567,125"},
        {1e-4, u"0,0001"},
        {1e-5, u"1E-05"},
        {-1.25e-7, u"-1,25E-07"},
        {9.99999999999999e-5, u"9,99999999999999E-05"},
        {9.999999999999999999e-5, u"0,0001"},
        {1e14, u"100000000000000"},
        {999999999999999, u"999999999999999"},
        {999999999999999.9, u"1E+15"},
        {1e15, u"1E+15"},
        {1.5e16, u"1,5E+16"},
        {123456789012345678.0, u"1,23456789012346E+17"},
        {1e100, u"1E+100"},
        {1e-100, u"1E-100"},
        {std::numeric_limits<double>::infinity(), u"#####"},
        {std::numeric_limits<double>::quiet_NaN(), u"#####"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(ascii(c.attendu));
        EXPECT_EQ(ecrireDouble(c.valeur, sep()), t(c.attendu));
    }
}

TEST_P(Nombres, EcritureSimple) {
    const struct {
        float valeur;
        const char16_t* attendu;
    } cas[] = {
        {0.1f, u"0,1"},
        {0.1f + 0.2f, u"0,3"},
        {1.f / 3, u"0,3333333"},
        {-0.0f, u"0"},
        {9999999.f, u"9999999"},
        {1e7f, u"1E+07"},
        {16777216.f, u"1,677722E+07"},
        {0.0001f, u"0,0001"},
        {1e-5f, u"1E-05"},
        {FLT_MAX, u"3,402823E+38"},
        {-std::numeric_limits<float>::infinity(), u"#####"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(ascii(c.attendu));
        EXPECT_EQ(ecrireSimple(c.valeur, sep()), t(c.attendu));
    }
}

INSTANTIATE_TEST_SUITE_P(Separateurs, Nombres, ::testing::Values(u',', u'.'),
                         [](const auto& info) { return info.param == u',' ? "virgule" : "point"; });

TEST(Arrondi, DemiVersLePairSurLaValeurStockee) {
    // 2.675, 1.005 and 1.015 are stored just below the half, 1.35 just above;
    // then exact ties, which go to the even digit; then plain cases.
    const struct {
        double valeur;
        int decimales;
        double attendu;
    } cas[] = {
        {2.675, 2, 2.67},     {1.005, 2, 1},        {1.015, 2, 1.01},
        {1.35, 1, 1.4},       {0.125, 2, 0.12},     {0.375, 2, 0.38},
        {-0.125, 2, -0.12},   {1.25, 1, 1.2},       {0.5, 0, 0},
        {1.5, 0, 2},          {2.5, 0, 2},          {3.5, 0, 4},
        {-2.5, 0, -2},        {-3.5, 0, -4},        {1234.56789, 3, 1234.568},
        {1.0 / 3, 4, 0.3333}, {0.1 + 0.2, 15, 0.3}, {1e20, 2, 1e20},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(::testing::Message() << c.valeur << " to " << c.decimales);
        EXPECT_EQ(Round(c.valeur, c.decimales), c.attendu);
    }
    EXPECT_EQ(Round(std::numeric_limits<double>::infinity(), 2),
              std::numeric_limits<double>::infinity());
}

TEST(Relecture, ValeurAffichee) {
    EXPECT_EQ(relireDouble(0.1 + 0.2), 0.3);
    EXPECT_EQ(relireDouble(2.0 / 3), 0.666666666666667);
    EXPECT_EQ(relireDouble(123456789012345678.0), 1.23456789012346e17);
    EXPECT_EQ(relireSimple(1.f / 3), 0.3333333f);
    EXPECT_EQ(relireSimple(16777216.f), 16777220.f);
}

} // namespace
