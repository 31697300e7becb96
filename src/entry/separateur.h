// The system decimal separator, read once at start-up and used by every
// entry field and every number written or read.
#pragma once

#include <optional>
#include <string>

namespace ModGeneral {

// The separator in force ("," until Lire_Separateur_Decimal has run).
char16_t Separateur_Decimal();

// Reads the separator of the system's numeric locale; "," when the lookup
// fails or gives nothing.
void Lire_Separateur_Decimal();

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
