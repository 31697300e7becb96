// What must never happen, checked on every text the fuzz target sees or the
// program writes; a failed check names the calculator running and aborts.
#pragma once

#include "entry/nettoyage.h"

#include <string>
#include <string_view>
#include <variant>

namespace fuzz {

// The calculator running, named in every report.
void nommerCalcul(const char* nom);
[[noreturn]] void echec(const std::string& quoi);
// The text for a report, any character beyond ASCII shown "?".
std::string ascii(std::u16string_view texte);

// A change nests at most four deep on its own replacements (the Change
// handling gives up deeper still, leaving the text as it stands): `champ`
// names the field in the report.
void verifierProfondeur(const entry::Nettoyage& nettoyage, const std::string& champ,
                        std::u16string_view texte);

// A text the program writes: never an infinity, a NaN or the failure marker.
void verifierTexte(std::u16string_view texte, const char* quoi);

// The cleaning leaves a clean text as it is.
void verifierStable(std::u16string_view texte, char16_t separateur, const char* quoi);

// What the cleaning left in a field: a number or a lone "-", read alike as a
// double and as a single, and clean.
void verifierNettoye(std::u16string_view texte, char16_t separateur);

// A text pasted over a whole field that is a number keeps its value, unless a
// sign stands against the separator ("-,5" becomes "0") or the field refuses it.
void verifierValeurGardee(std::u16string_view colle, std::u16string_view nettoye,
                          char16_t separateur, const entry::Refus& refus);

// A result a label shows after a success: finite, written without "inf",
// "nan" or "#####", and read back as a number. The text written.
using Valeur = std::variant<float, double>;
std::u16string montrer(Valeur valeur, char16_t separateur, const char* quoi);

} // namespace fuzz
