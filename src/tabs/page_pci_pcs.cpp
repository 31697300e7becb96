#include "tabs/page_pci_pcs.h"

#include "formulaires/pci_pcs.h"
#include "tabs/disposition.h"
#include "ui/accessibilite.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tabs {

namespace {

using calc::Combustible;
namespace form = formulaires::pci_pcs;

// One row per fuel, in a band of the page 2600 twips high; within a row,
// from its left edge: PCI field, unit, ">", "<", PCS field, unit. A field
// holds a signed 15-digit value whole, as natural gas back to PCI writes it.
constexpr int hautBande = 2600, gaucheRangee = 3720, largeurRangee = 8025;
constexpr int largeurChamp = 1920, largeurUnite = 1335;
constexpr int decalageUnite = 1965, decalageFleches = 3405, decalagePCS = 4725;

QLabel* centree(QLabel* label) {
    label->setAlignment(Qt::AlignHCenter | (label->alignment() & Qt::AlignVertical_Mask));
    return label;
}

} // namespace

PagePCI_PCS::PagePCI_PCS() : Page(QStringLiteral("LblPCI_PCS"), {calc::pci_pcs::formules}) {
    const auto calculer = [this](int index) { CalculPCI_PCS(index); };
    TxtPCI_PCS = new entry::FamilleChamps(this, QStringLiteral("TxtPCI_PCS"),
                                          entry::indicesJusqua(6), {nullptr, calculer});
    // Enter in a unit list runs the conversion of the list's own index: in
    // the propane lists, 2 and 3, that of the natural-gas row.
    CmbPCI_PCS = new entry::FamilleListes(this, QStringLiteral("CmbPCI_PCS"),
                                          entry::indicesJusqua(4), calculer);

    for (std::size_t r = 0; r < notes_.size(); ++r)
        notes_[r] = &description().annoter(QStringView(calc::nomsCombustibles[r]).toString(),
                                           Note::Genre::Rangee);
    std::vector<QWidget*> tabulation;
    for (int r = 0; r < static_cast<int>(form::rangees.size()); ++r) {
        const form::Rangee& rangee = form::rangees[static_cast<std::size_t>(r)];
        const int bande = hautPage + r * hautBande;
        const int x = gaucheRangee;
        const int y = bande + 1290;
        const int pci = 2 * r;
        const int pcs = 2 * r + 1;

        const std::u16string_view nom = calc::nomsCombustibles[static_cast<std::size_t>(r)];
        auto* titre = tabs::legende(this, nomLegende(rangee.titre), QStringView(nom).toString(), x,
                                    bande + 570, largeurRangee, 255);
        mettreEnGras(centree(titre));
        auto* legendePCI = centree(legendeAuDessus(this, nomLegende(rangee.legendePCI),
                                                   QStringLiteral("PCI"), x, y, largeurChamp));
        auto* legendePCS =
            centree(legendeAuDessus(this, nomLegende(rangee.legendePCS), QStringLiteral("PCS"),
                                    x + decalagePCS, y, largeurChamp));
        placer(TxtPCI_PCS->champ(pci), x, y, largeurChamp, hauteurBoite);
        placer(TxtPCI_PCS->champ(pcs), x + decalagePCS, y, largeurChamp, hauteurBoite);
        const auto [versPCS, versPCI] =
            fleches(this, QStringLiteral("CmdPCI_PCS"), pci, x + decalageFleches, y, calculer);
        const QString du =
            QStringList{QStringLiteral("du fuel domestique"), QStringLiteral("du gaz naturel"),
                        QStringLiteral("du gaz propane")}[r];
        ui::nommer(versPCS, QStringLiteral("Convertir le PCI en PCS ") + du,
                   QStringLiteral("Écrit le PCS et la quantité de combustible qui le donne"));
        ui::nommer(versPCI, QStringLiteral("Convertir le PCS en PCI ") + du,
                   QStringLiteral("Écrit le PCI et la quantité de combustible du PCS"));

        const auto& unites = calc::pci_pcs::unites(static_cast<Combustible>(r));
        std::vector<QWidget*> ordre = {TxtPCI_PCS->champ(pci)};
        // Both fields of a row are typed or written by the conversion.
        const auto decrire = [&](QLabel* legendeChamp, int champ, QWidget* unite) {
            description().ajouter(TxtPCI_PCS->champ(champ), {titre, legendeChamp}, unite, {},
                                  Description::Genre::Valeur);
        };
        if (rangee.listePCI < 0) {
            // Natural gas has a single unit, shown as a label.
            const QString unite = QString::fromStdU16String(unites.front());
            decrire(legendePCI, pci, uniteADroite(this, nomLegende(7), unite, x, largeurChamp, y));
            decrire(legendePCS, pcs,
                    uniteADroite(this, nomLegende(8), unite, x + decalagePCS, largeurChamp, y));
            ordre.insert(ordre.end(), {versPCS, versPCI, TxtPCI_PCS->champ(pcs)});
        } else {
            legendeCachee(CmbPCI_PCS->liste(rangee.listePCI), QStringLiteral("Unité du PCI ") + du);
            legendeCachee(CmbPCI_PCS->liste(rangee.listePCS), QStringLiteral("Unité du PCS ") + du);
            for (const int liste : {rangee.listePCI, rangee.listePCS}) {
                for (const auto& unite : unites)
                    CmbPCI_PCS->liste(liste)->addItem(QString::fromStdU16String(unite));
                placer(CmbPCI_PCS->liste(liste),
                       x + decalageUnite + (liste == rangee.listePCS ? decalagePCS : 0), y,
                       largeurUnite, hauteurBoite);
            }
            decrire(legendePCI, pci, CmbPCI_PCS->liste(rangee.listePCI));
            decrire(legendePCS, pcs, CmbPCI_PCS->liste(rangee.listePCS));
            ordre.insert(ordre.end(), {CmbPCI_PCS->liste(rangee.listePCI), versPCS, versPCI,
                                       TxtPCI_PCS->champ(pcs), CmbPCI_PCS->liste(rangee.listePCS)});
        }
        tabulation.insert(tabulation.end(), ordre.begin(), ordre.end());

        phrases[static_cast<std::size_t>(r)] =
            centree(ligneDeTexte(this, QString::fromUtf8(rangee.phrase), 300, bande + 1770, 14850));
        description().noter(phrases[static_cast<std::size_t>(r)]);

        if (r > 0) {
            auto* ligne = new QFrame(this);
            ligne->setObjectName(entry::nomIndexe(QStringLiteral("LngPCI_PCS"), r - 1));
            ligne->setFrameShape(QFrame::HLine);
            ligne->setFrameShadow(QFrame::Sunken);
            placer(ligne, 300, bande - 15, 14850, 30);
        }
    }
    ordreTabulation(tabulation);
}

void PagePCI_PCS::demarrer() {
    for (int i = 0; i < 4; ++i)
        CmbPCI_PCS->liste(i)->setCurrentText(QStringLiteral("kWh/kg"));
}

// The unit of a field's row and side, an index in its fuel's units; 0 for
// natural gas (a label, one unit).
int PagePCI_PCS::unite(int champ) const {
    const form::Rangee& rangee = form::rangees[static_cast<std::size_t>(champ / 2)];
    const int liste = champ % 2 == 0 ? rangee.listePCI : rangee.listePCS;
    return liste < 0 ? 0 : CmbPCI_PCS->liste(liste)->currentIndex();
}

void PagePCI_PCS::CalculPCI_PCS(int index) {
    if (index < 0 || index > 5)
        return;
    const int rangee = index / 2;
    const auto combustible = static_cast<Combustible>(rangee);
    const bool versPCS = index % 2 == 0;
    std::optional<double> x = TxtPCI_PCS->lireDouble(index);
    if (calc::pci_pcs::luEnSimple(combustible) && x)
        x = *TxtPCI_PCS->lireSimple(index);
    const int pci = unite(2 * rangee), pcs = unite(2 * rangee + 1);
    if (!x || pci < 0 || pcs < 0)
        return;
    using calc::pci_pcs::Sens;
    calc::pci_pcs::Intermediaires notes;
    const auto resultat = calc::pci_pcs::convertir(
        combustible, versPCS ? Sens::VersPCS : Sens::VersPCI, *x, pci, pcs, &notes);
    // The note reads the field converted and the row's unit lists; it names
    // the row and the way, with the units.
    const form::Rangee& r = form::rangees[static_cast<std::size_t>(rangee)];
    std::vector<const QWidget*> lu{TxtPCI_PCS->champ(index)};
    const auto base = [&](const char* nom, int liste) {
        if (liste < 0)
            return QString::fromUtf8(nom);
        lu.push_back(CmbPCI_PCS->liste(liste));
        return QString::fromUtf8(nom) + u' ' + CmbPCI_PCS->liste(liste)->currentText();
    };
    const QString de = base(versPCS ? "PCI" : "PCS", versPCS ? r.listePCI : r.listePCS);
    const QString vers = base(versPCS ? "PCS" : "PCI", versPCS ? r.listePCS : r.listePCI);
    notes_[static_cast<std::size_t>(rangee)]->enregistrer(
        lu, valeursIntermediaires(form::intermediaires, notes),
        resultat ? QString() : echecDuCalcul(),
        QStringView(calc::nomsCombustibles[static_cast<std::size_t>(rangee)]).toString() +
            QStringLiteral(" : ") + de + QStringLiteral(" → ") + vers);
    if (!resultat)
        return;
    const QString cible = entry::texteDouble(resultat->cible);
    TxtPCI_PCS->ecrire(formulaires::partenaire(index), cible);
    // The sentence tells the PCS field as it now stands: the result, or the text typed.
    const QString textePCS = versPCS ? cible : TxtPCI_PCS->texte(index);
    phrases[static_cast<std::size_t>(rangee)]->setText(
        QStringLiteral("Soit ") + entry::texteDouble(resultat->quantite) + u' ' +
        QStringView(resultat->unite).toString() + QStringLiteral(" pour ") + textePCS +
        QStringLiteral(" kWh sur PCS"));
}

} // namespace tabs
