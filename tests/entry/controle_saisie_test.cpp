#include "aide_separateur.h"
#include "entry/controle_saisie.h"

#include <array>
#include <span>
#include <utility>

using namespace entry;

namespace {

// Like the GUI's field: replacing the text runs the cleaning again, nested.
struct ChampEssai : ChampSaisie {
    ChampEssai(std::u16string t, char16_t s) : contenu(std::move(t)), sep(s) {}
    std::u16string texte() const override { return contenu; }
    void remplacerTexte(const std::u16string& t) override {
        contenu = t;
        // A cleaning that keeps replacing its own result would never end.
        if (++profondeur > 8) {
            ADD_FAILURE() << "the cleaning does not settle";
            return;
        }
        Controle_Saisie(*this, sep);
        --profondeur;
    }
    void selectionner(int debut, int longueur) override { selection = {debut, longueur}; }
    // The text, "|" where the caret was put, brackets around what was selected.
    std::u16string vu() const {
        auto v = contenu;
        if (selection[1] > 0)
            return v.insert(selection[0] + selection[1], u"]").insert(selection[0], u"[");
        return selection[0] < 0 ? v : v.insert(selection[0], u"|");
    }

    std::u16string contenu;
    char16_t sep;
    int profondeur = 0;
    std::array<int, 2> selection = {-1, 0};
};

class ControleSaisie : public SousSeparateur {};

// ';' stands for the other separator. Pasted runs end as the one-at-a-time
// cleaning would, well within the nesting bound of the field.
TEST_P(ControleSaisie, Nettoyage) {
    using Cas = std::pair<const char16_t*, const char16_t*>;
    const Cas cas[] = {{u"-", u"-"},       {u"-0", u"-0"},   {u"0,5", u"0,5"},   {u"1E3", u"1E3"},
                       {u"12-", u"12|"},   {u"--", u"-|"},   {u",", u"0,|"},     {u",-", u"0,|"},
                       {u"05", u"5|"},     {u"007", u"7|"},  {u"00,5", u"0,5|"}, {u"-,5", u"[0]"},
                       {u"1,2,3", u"[0]"}, {u"abc", u"[0]"}, {u"5-3", u"[0]"},   {u"", u"[0]"},
                       {u"1;5", u"[0]"},   {u"0000-", u"0|"}};
    const Cas colles[] = {{u"5------------", u"5|"},
                          {u"000000000007", u"7|"},
                          {u"0000000000,5", u"0,5|"},
                          {u"00000000000", u"0|"}};
    for (const auto liste : {std::span<const Cas>(cas), std::span<const Cas>(colles)})
        for (const auto& [saisi, attendu] : liste) {
            auto texte = t(saisi);
            std::replace(texte.begin(), texte.end(), u';', autre());
            ChampEssai champ(texte, sep());
            Controle_Saisie(champ, sep());
            EXPECT_EQ(champ.vu(), t(attendu)) << ::testing::PrintToString(texte);
        }
}

SOUS_DEUX_SEPARATEURS(ControleSaisie);

} // namespace
