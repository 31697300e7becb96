#include "aide_separateur.h"
#include "entry/controle_saisie.h"

#include <algorithm>
#include <optional>
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

    std::u16string contenu;
    char16_t sep;
    int profondeur = 0;
    std::optional<std::pair<int, int>> selection;
};

enum Curseur { Intact, EnFin, Tout };

class ControleSaisie : public SousSeparateur {};

TEST_P(ControleSaisie, Nettoyage) {
    const struct {
        const char16_t *saisi, *attendu;
        Curseur curseur;
    } cas[] = {{u"-", u"-", Intact},
               {u"-0", u"-0", Intact},
               {u"0,5", u"0,5", Intact},
               {u"1E3", u"1E3", Intact},
               {u"12-", u"12", EnFin},
               {u"--", u"-", EnFin},
               {u",", u"0,", EnFin},
               {u",-", u"0,", EnFin},
               {u"05", u"5", EnFin},
               {u"007", u"7", EnFin},
               {u"00,5", u"0,5", EnFin},
               {u"-,5", u"0", Tout},
               {u"1,2,3", u"0", Tout},
               {u"abc", u"0", Tout},
               {u"5-3", u"0", Tout},
               {u"", u"0", Tout},
               {u"1;5", u"0", Tout},
               // Pasted runs end as the one-at-a-time cleaning would, well
               // within the nesting bound of the field.
               {u"5------------", u"5", EnFin},
               {u"-----------", u"-", EnFin},
               {u"000000000007", u"7", EnFin},
               {u"0000000000,5", u"0,5", EnFin},
               {u"00000000000", u"0", EnFin},
               {u"0000-", u"0", EnFin}};
    for (const auto& c : cas) {
        auto saisi = t(c.saisi);
        std::replace(saisi.begin(), saisi.end(), u';', autre()); // ';': the other separator
        SCOPED_TRACE(::testing::PrintToString(saisi));
        ChampEssai champ(saisi, sep());
        Controle_Saisie(champ, sep());
        const auto attendu = t(c.attendu);
        const int n = static_cast<int>(attendu.size());
        const std::optional<std::pair<int, int>> selection[] = {
            {}, std::pair(n, 0), std::pair(0, n)};
        EXPECT_EQ(champ.texte(), attendu);
        EXPECT_EQ(champ.selection, selection[c.curseur]);
    }
}

INSTANTIATE_TEST_SUITE_P(Separateurs, ControleSaisie, ::testing::Values(u',', u'.'), nomSeparateur);

} // namespace
