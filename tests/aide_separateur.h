// A pure suite run under "," and under ".": expected texts are written with
// ",", and t() puts the separator under test in its place.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

class SousSeparateur : public ::testing::TestWithParam<char16_t> {
protected:
    char16_t sep() const { return GetParam(); }
    char16_t autre() const { return sep() == u',' ? u'.' : u','; }
    std::u16string t(std::u16string texte) const {
        std::replace(texte.begin(), texte.end(), u',', sep());
        return texte;
    }
};

#define SOUS_DEUX_SEPARATEURS(Suite)                                                               \
    INSTANTIATE_TEST_SUITE_P(                                                                      \
        Separateurs, Suite, ::testing::Values(u',', u'.'),                                         \
        [](const auto& info) { return info.param == u',' ? "virgule" : "point"; })
