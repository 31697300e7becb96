#include "tabs/onglets.h"

#include "contextes.h"
#include "tabs/page_combustion.h"
#include "tabs/page_cond_fumees.h"
#include "tabs/page_conversion.h"
#include "tabs/page_deperdition.h"
#include "tabs/page_expansion.h"
#include "tabs/page_expansion_sanitaire.h"
#include "tabs/page_gicleur.h"
#include "tabs/page_masse_volumique.h"
#include "tabs/page_pci_pcs.h"

namespace tabs {

namespace {
template <class P> Page* creer() {
    return new P;
}
} // namespace

// The start-up ranks follow the order in which the lists get their items
// and the fields their start-up values.
const std::array<DefinitionOnglet, 9>& onglets() {
    static const std::array<DefinitionOnglet, 9> table = {{
        {"Conversion d'unité", "PageConversion", IDH_CONVERSION, 1, creer<PageConversion>},
        {"PCI/PCS", "PagePCI_PCS", IDH_PCI_PCS, 0, creer<PagePCI_PCS>},
        {"Gicleur fioul", "PageGicleur", IDH_GICLEUR, 3, creer<PageGicleur>},
        {"Vase d'expansion chauffage", "PageExpansion", IDH_EXPANSION, -1, creer<PageExpansion>},
        {"Déperditions conduite", "PageDeperdition", IDH_DEPERDITION, 5, creer<PageDeperdition>},
        {"Masse volumique", "PageMasse_Vol", IDH_MASSE_VOLUMIQUE, -1, creer<PageMasseVolumique>},
        {"Combustion", "PageCombustion", IDH_COMBUSTION, 2, creer<PageCombustion>},
        {"Conduit de fumées", "PageCond_Fumees", IDH_CONDUIT_FUMEES, 4, creer<PageCondFumees>},
        {"Vase d'expansion sanitaire", "PageExpansionSanitaire", IDH_EXPANSION_SANITAIRE, -1,
         creer<PageExpansionSanitaire>},
    }};
    return table;
}

Page* creerPage(int index) {
    const DefinitionOnglet& d = onglets().at(static_cast<std::size_t>(index));
    Page* page = d.creer();
    page->setObjectName(QString::fromUtf8(d.nomPage));
    page->setWindowTitle(QString::fromUtf8(d.titre));
    page->fixerContexteAide(d.contexte);
    return page;
}

} // namespace tabs
