#include "entry/controle_saisie.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>

using namespace entry;

namespace {

// A field that behaves like the GUI's: replacing the text fires the Change
// handling again, nested, before remplacerTexte returns.
class ChampEssai : public ChampSaisie {
public:
    ChampEssai(std::u16string texte, char16_t separateur)
        : texte_(std::move(texte)), separateur_(separateur) {}

    std::u16string texte() const override { return texte_; }

    void remplacerTexte(const std::u16string& texte) override {
        texte_ = texte;
        ++remplacements;
        if (profondeur_ >= profondeurMax) {
            emballement = true;
            return;
        }
        ++profondeur_;
        Controle_Saisie(*this, separateur_);
        --profondeur_;
    }

    void selectionner(int debut, int longueur) override { selection = {debut, longueur}; }

    static constexpr int profondeurMax = 8;
    std::optional<std::pair<int, int>> selection;
    int remplacements = 0;
    bool emballement = false;

private:
    std::u16string texte_;
    char16_t separateur_;
    int profondeur_ = 0;
};

enum class Curseur { Inchange, EnFin, ToutSelectionne };

struct CasSaisie {
    const char16_t* saisi;
    const char16_t* attendu;
    Curseur curseur;
};

std::u16string avec(std::u16string texte, char16_t separateur) {
    for (auto& c : texte)
        if (c == u',')
            c = separateur;
    return texte;
}

std::string ascii(const std::u16string& texte) {
    return std::string(texte.begin(), texte.end());
}

class ControleSaisie : public ::testing::TestWithParam<char16_t> {
protected:
    char16_t sep() const { return GetParam(); }

    void verifier(const std::u16string& saisi, const std::u16string& attendu, Curseur curseur) {
        SCOPED_TRACE("typed \"" + ascii(saisi) + "\"");
        ChampEssai champ(saisi, sep());
        Controle_Saisie(champ, sep());
        EXPECT_FALSE(champ.emballement);
        EXPECT_EQ(champ.texte(), attendu);
        const int n = static_cast<int>(attendu.size());
        switch (curseur) {
        case Curseur::Inchange:
            EXPECT_EQ(champ.remplacements, 0);
            EXPECT_FALSE(champ.selection.has_value());
            break;
        case Curseur::EnFin:
            EXPECT_EQ(champ.selection, std::make_pair(n, 0));
            break;
        case Curseur::ToutSelectionne:
            EXPECT_EQ(champ.selection, std::make_pair(0, n));
            break;
        }
    }
};

TEST_P(ControleSaisie, Nettoyage) {
    const CasSaisie cas[] = {
        // Numbers, or numbers being typed, are left alone.
        {u"-", u"-", Curseur::Inchange},
        {u"-5", u"-5", Curseur::Inchange},
        {u"-0", u"-0", Curseur::Inchange},
        {u"0", u"0", Curseur::Inchange},
        {u"0,5", u"0,5", Curseur::Inchange},
        {u",5", u",5", Curseur::Inchange},
        {u"12,", u"12,", Curseur::Inchange},
        {u"1E3", u"1E3", Curseur::Inchange},
        // A trailing "-" is dropped.
        {u"12-", u"12", Curseur::EnFin},
        {u"-5-", u"-5", Curseur::EnFin},
        {u"0-", u"0", Curseur::EnFin},
        {u"--", u"-", Curseur::EnFin},
        {u"5,-", u"5,", Curseur::EnFin},
        // A lone separator becomes "0,".
        {u",", u"0,", Curseur::EnFin},
        // ",-" loses its "-", and the lone separator left is then completed.
        {u",-", u"0,", Curseur::EnFin},
        // Leading zeros go, one replacement at a time.
        {u"05", u"5", Curseur::EnFin},
        {u"007", u"7", Curseur::EnFin},
        {u"00,5", u"0,5", Curseur::EnFin},
        // Sign against the separator, and anything unreadable: "0", selected.
        {u"-,5", u"0", Curseur::ToutSelectionne},
        {u"-,", u"0", Curseur::ToutSelectionne},
        {u"1,-5", u"0", Curseur::ToutSelectionne},
        {u"1,2,3", u"0", Curseur::ToutSelectionne},
        {u"abc", u"0", Curseur::ToutSelectionne},
        {u"5-3", u"0", Curseur::ToutSelectionne},
        {u"1E", u"0", Curseur::ToutSelectionne},
        {u"", u"0", Curseur::ToutSelectionne},
    };
    for (const auto& c : cas)
        verifier(avec(c.saisi, sep()), avec(c.attendu, sep()), c.curseur);
}

TEST_P(ControleSaisie, AutreSeparateurRemplace) {
    const char16_t autre = sep() == u',' ? u'.' : u',';
    verifier(std::u16string(u"1") + autre + u"5", u"0", Curseur::ToutSelectionne);
    verifier(std::u16string(1, autre), u"0", Curseur::ToutSelectionne);
}

INSTANTIATE_TEST_SUITE_P(Separateurs, ControleSaisie, ::testing::Values(u',', u'.'),
                         [](const auto& info) { return info.param == u',' ? "virgule" : "point"; });

} // namespace
