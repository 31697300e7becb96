// Expected texts in the pure tests are written with ','; avec() puts the
// separator under test in their place.
#pragma once

#include <string>

inline std::u16string avec(std::u16string texte, char16_t separateur) {
    for (auto& c : texte)
        if (c == u',')
            c = separateur;
    return texte;
}
