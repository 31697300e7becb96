#include "entry/controle_saisie.h"

#include "nombres/nombres.h"

namespace entry {

namespace {
void curseurEnFin(ChampSaisie& champ) {
    champ.selectionner(static_cast<int>(champ.texte().size()), 0);
}

void toutSelectionner(ChampSaisie& champ) {
    champ.selectionner(0, static_cast<int>(champ.texte().size()));
}
} // namespace

// Each step reads the text as it stands now: a replacement made by an earlier
// step has already been cleaned again by the nested Change handling.
void Controle_Saisie(ChampSaisie& champ, char16_t separateur) {
    std::u16string texte = champ.texte();

    // A lone "-": the user is starting a negative number.
    if (texte == u"-")
        return;

    // A "-" typed after the number is dropped. A pasted "5---" loses all its
    // trailing "-" in one replacement: removing them one at a time, each
    // removal cleaning the shorter text again, ends on the same text but
    // nests once per "-".
    if (texte.size() > 1 && texte.back() == u'-') {
        while (texte.size() > 1 && texte.back() == u'-')
            texte.pop_back();
        champ.remplacerTexte(texte);
        curseurEnFin(champ);
        return;
    }

    // A lone separator becomes "0," so that the number reads at once.
    if (texte.size() == 1 && texte[0] == separateur) {
        champ.remplacerTexte(std::u16string(u"0") + separateur);
        curseurEnFin(champ);
        return;
    }

    // No leading zero before a digit: "05" becomes "5". As above, "0007"
    // loses its zeros at once rather than one nested cleaning at a time.
    texte = champ.texte();
    if (texte.size() >= 2 && texte[0] == u'0' && texte[1] != separateur) {
        std::size_t zeros = 0;
        while (texte.size() - zeros >= 2 && texte[zeros] == u'0' && texte[zeros + 1] != separateur)
            ++zeros;
        champ.remplacerTexte(texte.substr(zeros));
        curseurEnFin(champ);
    }

    // A sign against the separator ("-," or ",-") is no number.
    texte = champ.texte();
    const std::u16string signeSeparateur = std::u16string(u"-") + separateur;
    const std::u16string separateurSigne = std::u16string(1, separateur) + u"-";
    if (texte.find(signeSeparateur) != std::u16string::npos ||
        texte.find(separateurSigne) != std::u16string::npos) {
        champ.remplacerTexte(u"0");
        toutSelectionner(champ);
    }

    // Anything else that does not read as a number becomes "0", selected so
    // that the next key typed replaces it.
    if (!nombres::lireDouble(champ.texte(), separateur)) {
        champ.remplacerTexte(u"0");
        toutSelectionner(champ);
    }
}

} // namespace entry
