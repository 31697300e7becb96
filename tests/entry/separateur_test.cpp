#include "entry/separateur.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace {

// Each test starts with no locale variable set; the environment and the
// separator in force are put back afterwards.
class SeparateurSysteme : public ::testing::Test {
protected:
    void SetUp() override {
        for (auto& [nom, valeur] : avant_) {
            if (const char* v = std::getenv(nom))
                valeur = v;
            unsetenv(nom);
        }
    }
    void TearDown() override {
        for (const auto& [nom, valeur] : avant_)
            valeur ? setenv(nom, valeur->c_str(), 1) : unsetenv(nom);
        ModGeneral::Fixer_Separateur_Decimal(separateur_);
    }
    std::pair<const char*, std::optional<std::string>> avant_[3] = {
        {"LC_ALL", {}}, {"LC_NUMERIC", {}}, {"LANG", {}}};
    char16_t separateur_ = ModGeneral::Separateur_Decimal();
};

// Starts from the other separator, so that a lookup changing nothing shows.
// The fallback stands for the GUI's locale data: it knows "de_DE" only.
char16_t lire(char16_t depart) {
    ModGeneral::Fixer_Separateur_Decimal(depart);
    ModGeneral::Lire_Separateur_Decimal([](const std::string& nom) {
        return nom.starts_with("de_DE") ? std::optional(u',') : std::nullopt;
    });
    return ModGeneral::Separateur_Decimal();
}

TEST_F(SeparateurSysteme, PrioriteEtLecture) {
    // None set: the C locale.
    EXPECT_EQ(entry::localeNumeriqueSysteme(), std::nullopt);
    EXPECT_EQ(lire(u','), u'.');
    // Unknown to the C library and to the fallback.
    setenv("LANG", "xx_YY.inexistante", 1);
    EXPECT_EQ(entry::localeNumeriqueSysteme(), "xx_YY.inexistante");
    EXPECT_EQ(entry::separateurDeLocale("xx_YY.inexistante"), std::nullopt);
    EXPECT_EQ(lire(u'.'), u',');
    // Not generated here (LOCPATH names the test's own locales): the fallback.
    setenv("LC_NUMERIC", "de_DE.UTF-8", 1);
    EXPECT_EQ(entry::localeNumeriqueSysteme(), "de_DE.UTF-8");
    EXPECT_EQ(lire(u'.'), u',');
    // Loaded by the C library: the fallback is not asked.
    setenv("LC_ALL", "C", 1);
    EXPECT_EQ(lire(u','), u'.');
    setenv("LC_ALL", "", 1); // empty counts as unset
    EXPECT_EQ(entry::localeNumeriqueSysteme(), "de_DE.UTF-8");

    // The French locale is compiled for the test run and found through LOCPATH.
    if (!entry::separateurDeLocale("fr_FR.UTF-8"))
        GTEST_SKIP() << "fr_FR.UTF-8 not found (LOCPATH should name the compiled locales)";
    setenv("LC_NUMERIC", "fr_FR.UTF-8", 1);
    setenv("LANG", "C", 1);
    EXPECT_EQ(lire(u'.'), u',');
}

} // namespace
