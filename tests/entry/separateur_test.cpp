#include "entry/separateur.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

namespace {

// Starts from the other separator, so that a lookup changing nothing shows.
// The fallback stands for the GUI's locale data: it knows "de_DE" only.
char16_t lire(char16_t depart) {
    ModGeneral::Fixer_Separateur_Decimal(depart);
    ModGeneral::Lire_Separateur_Decimal([](const std::string& nom) {
        return nom.starts_with("de_DE") ? std::optional(u',') : std::nullopt;
    });
    return ModGeneral::Separateur_Decimal();
}

// Changes the process's locale variables, which no other pure test reads.
TEST(SeparateurSysteme, PrioriteEtLecture) {
    for (const char* nom : {"LC_ALL", "LC_NUMERIC", "LANG"})
        unsetenv(nom);
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
