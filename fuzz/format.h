// The fuzz target's input format (described in calculs_fuzz.cpp): the bytes
// cut into a first line and field lines, and a field line's texts.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace fuzz {

// The bytes as UTF-8, a byte that starts no valid sequence read as U+FFFD.
std::u16string utf16(std::string_view octets);

struct Entete {
    char16_t separateur;    // "." first: the point, anything else the comma
    unsigned char calcul;   // the second byte, "a" for the first calculator
    std::string_view choix; // the rest: one byte a choice, "0" for the first item
};

struct Entree {
    Entete entete;
    std::vector<std::string_view> lignes; // the field lines, without the first
};

// Cuts the bytes into `entree`; false when the first line has fewer than
// two bytes (no calculator).
bool decouper(std::string_view octets, Entree& entree);

// The item that byte `rang` of the choices picks among `nombre`; a missing
// byte picks the first.
int choisi(std::string_view choix, std::size_t rang, int nombre);

// A field line: "T" pasted over the whole text, or "A\1B\1C" (\2 for a paste)
// where the program has written A + C and B is then typed at the caret after
// A, key by key (\1) or at once (\2).
struct Ligne {
    enum class Genre { Collee, Tapee, ColleeAuCurseur } genre;
    std::u16string avant;  // T, or A
    std::u16string frappe; // B
    std::u16string apres;  // C
};
Ligne lireLigne(std::string_view ligne);

} // namespace fuzz
