// Shared by the pure tests. Expected texts are written with ','; avec() puts
// the separator under test in their place.
#pragma once

#include <gtest/gtest.h>

#include <string>

inline std::u16string avec(std::u16string texte, char16_t separateur) {
    for (auto& c : texte)
        if (c == u',')
            c = separateur;
    return texte;
}

// A suite run under "," and under ".".
class SousSeparateur : public ::testing::TestWithParam<char16_t> {
protected:
    char16_t sep() const { return GetParam(); }
    char16_t autre() const { return sep() == u',' ? u'.' : u','; }
    std::u16string t(std::u16string texte) const { return avec(std::move(texte), sep()); }
};

inline std::string nomSeparateur(const ::testing::TestParamInfo<char16_t>& info) {
    return info.param == u',' ? "virgule" : "point";
}
