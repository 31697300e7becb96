#include "tabs/page_gicleur.h"

#include "calc/gicleur.h"
#include "entry/champs_qt.h"
#include "tabs/disposition.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace tabs {

namespace {

const QString echec = QStringLiteral("#####");

constexpr int largeurBoite = 1095;

QString LblGic(int index) {
    return entry::nomIndexe(QStringLiteral("LblGic"), index);
}

} // namespace

PageGicleur::PageGicleur(QWidget* parent) : QWidget(parent) {
    TxtGicleur =
        new entry::FamilleChamps(this, QStringLiteral("TxtGicleur"), entry::indicesJusqua(4),
                                 {nullptr, [this](int) { CmdGicleur_Click(); }});

    // Inputs, left to right: heating value, power, efficiency, pressure.
    struct Entree {
        int champ, legende, unite;
        const char* texte;
        const char* texteUnite;
        int gauche;
    };
    const Entree entrees[] = {
        {3, 15, 14, "PCI du fioul", "kW", 2640},
        {0, 3, 4, "Puissance de la chaudière", "kW", 4920},
        {1, 5, 6, "Rendement de la chaudière (0 > n < 1)", "n", 7200},
        {2, 1, 2, "Pression de la pompe", "bars", 9480},
    };
    for (const Entree& e : entrees) {
        legendeAuDessus(this, LblGic(e.legende), QString::fromUtf8(e.texte), e.gauche, 2400, 2160,
                        2);
        placer(TxtGicleur->champ(e.champ), e.gauche, 2400, largeurBoite, 315);
        uniteADroite(this, LblGic(e.unite), QString::fromUtf8(e.texteUnite), e.gauche, largeurBoite,
                     2400);
    }

    auto* calculer = bouton(this, QStringLiteral("CmdGicleur"), 5400, 3600, 495, 315,
                            [this] { CmdGicleur_Click(); });

    struct Sortie {
        int legende, unite;
        const char* texte;
        const char* texteUnite;
        int haut, lignes;
    };
    const Sortie sorties[] = {
        {11, 0, "Gicleur", "Us gal/h", 3600, 1},
        {7, 8, "Pression de la pompe redéfinie pour correspondre au gicleur choisi dans la gamme",
         "bars", 4800, 3},
        {9, 10, "Débit", "l/h", 5640, 1},
    };
    for (int i = 0; i < 3; ++i) {
        const Sortie& s = sorties[i];
        legendeAuDessus(this, LblGic(s.legende), QString::fromUtf8(s.texte), 6000, s.haut, 3000,
                        s.lignes);
        LblGicleur[static_cast<std::size_t>(i)] =
            resultat(this, entry::nomIndexe(QStringLiteral("LblGicleur"), i), 6000, s.haut,
                     largeurBoite, 315);
        uniteADroite(this, LblGic(s.unite), QString::fromUtf8(s.texteUnite), 6000, largeurBoite,
                     s.haut);
    }

    legendeAuDessus(this, LblGic(13),
                    QStringLiteral("Gamme de gicleurs de 0,35 à 5,5 Us gal/h (liste non "
                                   "exhaustive)"),
                    9240, 3600, 3600, 2);
    LstGicleur = new QListWidget(this);
    LstGicleur->setObjectName(QStringLiteral("LstGicleur"));
    LstGicleur->setSelectionMode(QAbstractItemView::SingleSelection);
    placer(LstGicleur, 9240, 3600, 2055, 2400);

    ordreTabulation({TxtGicleur->champ(3), TxtGicleur->champ(0), TxtGicleur->champ(1),
                     TxtGicleur->champ(2), calculer, LstGicleur});

    avertissement_ = legende(this, LblGic(12),
                             QStringLiteral("Plage d'utilisation dépassée ! (gicleur de 0,35 à "
                                            "5,5 Us gal/h) "),
                             2880, 6480, 7335, 255);
    signaler(avertissement_, true);
    avertissement_->hide();
}

void PageGicleur::ecrireValeursInitiales() {
    TxtGicleur->ecrire(1, entry::texteDouble(0.9));
    TxtGicleur->ecrire(3, entry::texteDouble(10.25));
}

void PageGicleur::remplirGamme() {
    for (const float taille : calc::gicleur::Gamme_Gicleurs())
        LstGicleur->addItem(entry::texteSimple(taille) + QStringLiteral(" Us gal/h"));
}

void PageGicleur::CmdGicleur_Click() {
    if (!TxtGicleur->sontDesNombres({0, 1, 2, 3}))
        return;
    const auto resultat = calc::gicleur::calculer(
        *TxtGicleur->lireSimple(0), *TxtGicleur->lireSimple(2), *TxtGicleur->lireSimple(1),
        *TxtGicleur->lireSimple(3), *TxtGicleur->lireDouble(0), *TxtGicleur->lireDouble(1));
    if (!resultat) {
        for (QLabel* label : LblGicleur)
            label->setText(echec);
        avertissement_->show();
        return;
    }
    LblGicleur[0]->setText(entry::texteDouble(resultat->gicleur));
    LblGicleur[1]->setText(entry::texteSimple(resultat->pression));
    LblGicleur[2]->setText(entry::texteDouble(resultat->debit));
    avertissement_->hide();
    if (resultat->rangee >= 0)
        LstGicleur->setCurrentRow(resultat->rangee);
}

} // namespace tabs
