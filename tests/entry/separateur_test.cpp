#include "entry/separateur.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

constexpr std::array<const char*, 3> variables = {"LC_ALL", "LC_NUMERIC", "LANG"};

// Each test starts with no locale variable set and leaves the environment and
// the separator in force as it found them.
class SeparateurSysteme : public ::testing::Test {
protected:
    void SetUp() override {
        separateur_ = ModGeneral::Separateur_Decimal();
        for (std::size_t i = 0; i < variables.size(); ++i) {
            if (const char* v = std::getenv(variables[i]))
                sauvegarde_[i] = v;
            unsetenv(variables[i]);
        }
    }

    void TearDown() override {
        for (std::size_t i = 0; i < variables.size(); ++i) {
            if (sauvegarde_[i])
                setenv(variables[i], sauvegarde_[i]->c_str(), 1);
            else
                unsetenv(variables[i]);
        }
        ModGeneral::Fixer_Separateur_Decimal(separateur_);
    }

    static void fixer(const char* variable, const char* valeur) { setenv(variable, valeur, 1); }

    // The French locale is compiled for the test run and found through LOCPATH.
    static bool francaisDisponible() {
        return entry::separateurDeLocale("fr_FR.UTF-8").has_value();
    }

private:
    std::array<std::optional<std::string>, 3> sauvegarde_;
    char16_t separateur_ = u',';
};

TEST_F(SeparateurSysteme, SeparateurDeLocale) {
    EXPECT_EQ(entry::separateurDeLocale("C"), u'.');
    EXPECT_EQ(entry::separateurDeLocale("POSIX"), u'.');
    EXPECT_EQ(entry::separateurDeLocale("xx_YY.inexistante"), std::nullopt);
}

TEST_F(SeparateurSysteme, SeparateurDeLocaleFrancaise) {
    if (!francaisDisponible())
        GTEST_SKIP() << "fr_FR.UTF-8 not found (LOCPATH should name the compiled locales)";
    EXPECT_EQ(entry::separateurDeLocale("fr_FR.UTF-8"), u',');
}

TEST_F(SeparateurSysteme, PrioriteDesVariables) {
    EXPECT_EQ(entry::localeNumeriqueSysteme(), std::nullopt);

    fixer("LANG", "de_DE.UTF-8");
    EXPECT_EQ(entry::localeNumeriqueSysteme(), "de_DE.UTF-8");

    fixer("LC_NUMERIC", "en_US.UTF-8");
    EXPECT_EQ(entry::localeNumeriqueSysteme(), "en_US.UTF-8");

    fixer("LC_ALL", "fr_FR.UTF-8");
    EXPECT_EQ(entry::localeNumeriqueSysteme(), "fr_FR.UTF-8");

    // An empty variable counts as unset.
    fixer("LC_ALL", "");
    EXPECT_EQ(entry::localeNumeriqueSysteme(), "en_US.UTF-8");
    fixer("LC_NUMERIC", "");
    EXPECT_EQ(entry::localeNumeriqueSysteme(), "de_DE.UTF-8");
    fixer("LANG", "");
    EXPECT_EQ(entry::localeNumeriqueSysteme(), std::nullopt);
}

TEST_F(SeparateurSysteme, FixerSeparateur) {
    ModGeneral::Fixer_Separateur_Decimal(u'.');
    EXPECT_EQ(ModGeneral::Separateur_Decimal(), u'.');
    ModGeneral::Fixer_Separateur_Decimal(u',');
    EXPECT_EQ(ModGeneral::Separateur_Decimal(), u',');
}

// Each reading starts from the other separator, so that a lookup that
// changes nothing is seen.
TEST_F(SeparateurSysteme, LectureSansLocale) {
    ModGeneral::Fixer_Separateur_Decimal(u'.');
    ModGeneral::Lire_Separateur_Decimal();
    EXPECT_EQ(ModGeneral::Separateur_Decimal(), u',');
}

TEST_F(SeparateurSysteme, LectureLocaleInconnue) {
    fixer("LC_ALL", "xx_YY.inexistante");
    ModGeneral::Fixer_Separateur_Decimal(u'.');
    ModGeneral::Lire_Separateur_Decimal();
    EXPECT_EQ(ModGeneral::Separateur_Decimal(), u',');
}

TEST_F(SeparateurSysteme, LectureLocaleC) {
    fixer("LC_ALL", "C");
    fixer("LANG", "xx_YY.inexistante");
    ModGeneral::Fixer_Separateur_Decimal(u',');
    ModGeneral::Lire_Separateur_Decimal();
    EXPECT_EQ(ModGeneral::Separateur_Decimal(), u'.');

    // LC_ALL empty: LC_NUMERIC decides.
    fixer("LC_ALL", "");
    fixer("LC_NUMERIC", "C");
    ModGeneral::Fixer_Separateur_Decimal(u',');
    ModGeneral::Lire_Separateur_Decimal();
    EXPECT_EQ(ModGeneral::Separateur_Decimal(), u'.');
}

TEST_F(SeparateurSysteme, LectureLocaleFrancaise) {
    if (!francaisDisponible())
        GTEST_SKIP() << "fr_FR.UTF-8 not found (LOCPATH should name the compiled locales)";
    fixer("LC_NUMERIC", "fr_FR.UTF-8");
    fixer("LANG", "C");
    ModGeneral::Fixer_Separateur_Decimal(u'.');
    ModGeneral::Lire_Separateur_Decimal();
    EXPECT_EQ(ModGeneral::Separateur_Decimal(), u',');
}

} // namespace
