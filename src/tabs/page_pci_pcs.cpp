#include "tabs/page_pci_pcs.h"

#include "calc/pci_pcs.h"
#include "entry/champs_qt.h"
#include "entry/separateur.h"
#include "tabs/disposition.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tabs {

namespace {

using calc::pci_pcs::Combustible;

// One row per fuel, in a band of the page 2600 twips high; within a row,
// from its left edge: PCI field, unit, ">", "<", PCS field, unit. A field
// holds a signed 15-digit value whole, as natural gas back to PCI writes it.
constexpr int hautBande = 2600;
constexpr int gaucheRangee = 3720;
constexpr int largeurRangee = 8025;
constexpr int largeurChamp = 1920;
constexpr int largeurUnite = 1335;
constexpr int hauteur = 315;
constexpr int decalageUnite = 1965;
constexpr int decalageFleches = 3405;
constexpr int decalagePCS = 4725;

struct Rangee {
    const char* nom;
    int titre, legendePCI, legendePCS; // LblPCI_PCS indices
    int listePCI, listePCS;            // CmbPCI_PCS indices, -1: a unit label
    const char* phrase;
};

const std::array<Rangee, 3> rangees = {{
    {"Fuel domestique", 0, 3, 4, 0, 1, "LblLitre_Kg_Fioul"},
    {"Gaz naturel", 1, 5, 6, -1, -1, "Lblm3_Gaz_Nat"},
    {"Gaz propane (GPL)", 2, 9, 10, 2, 3, "Lblm3_Gaz_Prop"},
}};

QString LblPCI_PCS(int index) {
    return entry::nomIndexe(QStringLiteral("LblPCI_PCS"), index);
}

QLabel* centree(QLabel* label) {
    label->setAlignment(Qt::AlignHCenter | (label->alignment() & Qt::AlignVertical_Mask));
    return label;
}

const QString formules = QStringLiteral(
    "PCS = PCI × PCS(combustible) / PCI(combustible), et inversement\n"
    "Fuel domestique : PCI 11,9 et PCS 12,7 kWh/kg ; 10,25 kWh/litre sur PCI (densité "
    "10,25 / 11,9)\n"
    "Gaz naturel : PCI 10,56 et PCS 11,67 kWh/m3(n)\n"
    "Gaz propane : PCI 12,8 et PCS 13,9 kWh/kg ; PCI 25,4 et PCS 27,5 kWh/m3(n)\n"
    "Quantité de combustible = PCS / PCS par unité de combustible");

} // namespace

PagePCI_PCS::PagePCI_PCS(QWidget* parent) : QWidget(parent) {
    auto* description = new Description(this, formules);
    const auto calculer = [this](int index) { CalculPCI_PCS(index); };
    TxtPCI_PCS = new entry::FamilleChamps(this, QStringLiteral("TxtPCI_PCS"),
                                          entry::indicesJusqua(6), {nullptr, calculer});
    // Enter in a unit list runs the conversion of the list's own index: in
    // the propane lists, 2 and 3, that of the natural-gas row.
    CmbPCI_PCS = new entry::FamilleListes(this, QStringLiteral("CmbPCI_PCS"),
                                          entry::indicesJusqua(4), calculer);

    std::vector<QWidget*> tabulation;
    for (int r = 0; r < static_cast<int>(rangees.size()); ++r) {
        const Rangee& rangee = rangees[static_cast<std::size_t>(r)];
        const int bande = hautPage + r * hautBande;
        const int x = gaucheRangee;
        const int y = bande + 1290;
        const int pci = 2 * r;
        const int pcs = 2 * r + 1;

        auto* titre = legende(this, LblPCI_PCS(rangee.titre), QString::fromUtf8(rangee.nom), x,
                              bande + 570, largeurRangee, 255);
        mettreEnGras(centree(titre));
        auto* legendePCI = centree(legendeAuDessus(this, LblPCI_PCS(rangee.legendePCI),
                                                   QStringLiteral("PCI"), x, y, largeurChamp));
        auto* legendePCS =
            centree(legendeAuDessus(this, LblPCI_PCS(rangee.legendePCS), QStringLiteral("PCS"),
                                    x + decalagePCS, y, largeurChamp));
        placer(TxtPCI_PCS->champ(pci), x, y, largeurChamp, hauteur);
        placer(TxtPCI_PCS->champ(pcs), x + decalagePCS, y, largeurChamp, hauteur);
        const auto [versPCS, versPCI] =
            fleches(this, QStringLiteral("CmdPCI_PCS"), pci, x + decalageFleches, y, calculer);

        const auto& unites = calc::pci_pcs::unites(static_cast<Combustible>(r));
        std::vector<QWidget*> ordre = {TxtPCI_PCS->champ(pci)};
        // Both fields of a row are typed or written by the conversion.
        const auto decrire = [&](QLabel* legendeChamp, int champ, QWidget* unite) {
            description->ajouter(TxtPCI_PCS->champ(champ), {titre, legendeChamp}, unite, {},
                                 Description::Genre::Valeur);
        };
        if (rangee.listePCI < 0) {
            // Natural gas has a single unit, shown as a label.
            const QString unite = QString::fromStdU16String(unites.front());
            decrire(legendePCI, pci, uniteADroite(this, LblPCI_PCS(7), unite, x, largeurChamp, y));
            decrire(legendePCS, pcs,
                    uniteADroite(this, LblPCI_PCS(8), unite, x + decalagePCS, largeurChamp, y));
            ordre.insert(ordre.end(), {versPCS, versPCI, TxtPCI_PCS->champ(pcs)});
        } else {
            for (const int liste : {rangee.listePCI, rangee.listePCS}) {
                for (const auto& unite : unites)
                    CmbPCI_PCS->liste(liste)->addItem(QString::fromStdU16String(unite));
                placer(CmbPCI_PCS->liste(liste),
                       x + decalageUnite + (liste == rangee.listePCS ? decalagePCS : 0), y,
                       largeurUnite, hauteur);
            }
            decrire(legendePCI, pci, CmbPCI_PCS->liste(rangee.listePCI));
            decrire(legendePCS, pcs, CmbPCI_PCS->liste(rangee.listePCS));
            ordre.insert(ordre.end(), {CmbPCI_PCS->liste(rangee.listePCI), versPCS, versPCI,
                                       TxtPCI_PCS->champ(pcs), CmbPCI_PCS->liste(rangee.listePCS)});
        }
        tabulation.insert(tabulation.end(), ordre.begin(), ordre.end());

        phrases[static_cast<std::size_t>(r)] =
            centree(ligneDeTexte(this, QString::fromUtf8(rangee.phrase), 300, bande + 1770, 14850));
        description->noter(phrases[static_cast<std::size_t>(r)]);

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

void PagePCI_PCS::afficherUnitesInitiales() {
    for (int i = 0; i < 4; ++i)
        CmbPCI_PCS->liste(i)->setCurrentText(QStringLiteral("kWh/kg"));
}

// The unit of a field's row and side, "" for natural gas (a label, one unit).
QString PagePCI_PCS::unite(int champ) const {
    const Rangee& rangee = rangees[static_cast<std::size_t>(champ / 2)];
    const int liste = champ % 2 == 0 ? rangee.listePCI : rangee.listePCS;
    return liste < 0 ? QString() : CmbPCI_PCS->liste(liste)->currentText();
}

void PagePCI_PCS::CalculPCI_PCS(int index) {
    if (index < 0 || index > 5)
        return;
    const int rangee = index / 2;
    using calc::pci_pcs::Sens;
    const auto resultat = calc::pci_pcs::convertir(
        static_cast<Combustible>(rangee), index % 2 == 0 ? Sens::VersPCS : Sens::VersPCI,
        TxtPCI_PCS->texte(index).toStdU16String(), unite(2 * rangee).toStdU16String(),
        unite(2 * rangee + 1).toStdU16String(), ModGeneral::Separateur_Decimal());
    if (!resultat)
        return;
    TxtPCI_PCS->ecrire(partenaire(index), QString::fromStdU16String(resultat->cible));
    phrases[static_cast<std::size_t>(rangee)]->setText(QString::fromStdU16String(resultat->phrase));
}

} // namespace tabs
