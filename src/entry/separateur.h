// The system decimal separator, read once at start-up and used by every
// entry field and every number written or read.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace ModGeneral {

// The separator in force ("," until Lire_Separateur_Decimal has run).
char16_t Separateur_Decimal();

// The separator of a named locale from another source than the C library.
using SeparateurDeNom = std::function<std::optional<char16_t>(const std::string& nom)>;

// Reads the separator of the system's numeric locale, named by LC_ALL, then
// LC_NUMERIC, then LANG (the first one set); none set is the C locale, ".".
// A locale the C library cannot load (not generated on this machine) is
// asked of `repli`; "," when nobody knows it.
void Lire_Separateur_Decimal(const SeparateurDeNom& repli = {});

// Sets the separator directly (tests run under both "," and ".").
void Fixer_Separateur_Decimal(char16_t separateur);

} // namespace ModGeneral

namespace entry {

// The numeric locale named by the environment, in POSIX precedence:
// LC_ALL, then LC_NUMERIC, then LANG; nullopt when none is set.
std::optional<std::string> localeNumeriqueSysteme();

// The decimal separator of a named locale, nullopt when the locale is not
// installed or has no usable separator.
std::optional<char16_t> separateurDeLocale(const std::string& nom);

} // namespace entry
