#include "aide_separateur.h"
#include "entry/nettoyage.h"

#include <span>
#include <string>

using namespace entry;

namespace {

// Field 1 refuses a value above 100 as it is typed.
class ControleSaisie : public SousSeparateur {
protected:
    // The text once `saisi` is pasted into an empty field: "|" where the caret ends, brackets
    // around what is selected.
    std::u16string apresSaisie(const char16_t* saisi, int index = 0) {
        auto texte = t(saisi);
        std::replace(texte.begin(), texte.end(), u';', autre());
        ChampTexte champ(u"", [&] {
            nettoyage.changer(champ, index, sep(), [&](std::string_view m) { message += m; });
        });
        champ.saisir(texte);
        auto vu = champ.texte();
        if (champ.longueur() > 0)
            return vu.insert(champ.debut() + champ.longueur(), u"]").insert(champ.debut(), u"[");
        return vu.insert(champ.debut(), u"|");
    }

    Nettoyage nettoyage{{{1, {[](double v) { return v > 100; }, "Trop chaud"}}}};
    std::string message;
};

// Pasted into an empty field, and what the cleaning leaves; ';' stands for the other separator.
const std::pair<const char16_t*, const char16_t*> nettoyages[] = {
    {u"-", u"-|"},      {u"-0", u"-0|"},  {u"0,5", u"0,5|"},  {u"1E3", u"1E3|"}, {u"12-", u"12|"},
    {u"--", u"-|"},     {u",", u"0,|"},   {u",-", u"0,|"},    {u"05", u"5|"},    {u"007", u"7|"},
    {u"00,5", u"0,5|"}, {u"-,5", u"[0]"}, {u"1,2,3", u"[0]"}, {u"abc", u"[0]"},  {u"5-3", u"[0]"},
    {u"1;5", u"[0]"},   {u"", u"[0]"},    {u"0000-", u"0|"}};
// Pasted runs end as the one-at-a-time cleaning would, well within the nesting bound.
const std::pair<const char16_t*, const char16_t*> colles[] = {{u"5------------", u"5|"},
                                                              {u"000000000007", u"7|"},
                                                              {u"0000000000,5", u"0,5|"},
                                                              {u"00000000000", u"0|"}};

TEST_P(ControleSaisie, Nettoyage) {
    using Cas = std::span<const std::pair<const char16_t*, const char16_t*>>;
    for (const Cas cas : {Cas(nettoyages), Cas(colles)})
        for (const auto& [saisi, attendu] : cas)
            EXPECT_EQ(apresSaisie(saisi), t(attendu)) << ::testing::PrintToString(saisi);
    EXPECT_LE(nettoyage.profondeurAtteinte(), 4);
    EXPECT_EQ(message, "");
}

// A refused value: the warning, then "0" selected; the limit itself passes, and a field without the
// refusal takes any value.
TEST_P(ControleSaisie, Refus) {
    EXPECT_EQ(apresSaisie(u"100", 1) + apresSaisie(u"100,5", 0), t(u"100|100,5|"));
    EXPECT_EQ(message, "");
    EXPECT_EQ(apresSaisie(u"100,5", 1), u"[0]");
    EXPECT_EQ(message, "Trop chaud");
}

SOUS_DEUX_SEPARATEURS(ControleSaisie);

} // namespace
