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

const QString formules = QStringLiteral(
    "Débit de fioul : Q = P / n / PCI (l/h)\n"
    "Gicleur à la pression p : G = Q / (3,785 × (p / 7)^0,5) (Us gal/h, calibre à 7 bars)\n"
    "La pression monte de 0,01 bar à la fois jusqu'au premier gicleur de la gamme "
    "(20 bars au plus).");

} // namespace

PageGicleur::PageGicleur(QWidget* parent) : QWidget(parent) {
    new Description(this, formules);
    TxtGicleur =
        new entry::FamilleChamps(this, QStringLiteral("TxtGicleur"), entry::indicesJusqua(4),
                                 {nullptr, [this](int) { CmdGicleur_Click(); }});

    // Inputs, left to right: heating value, power, efficiency, pressure.
    const QString legendes = QStringLiteral("LblGic");
    const struct {
        int champ;
        Encadre e;
    } entrees[] = {
        {3, {15, 14, "PCI du fioul", "kW", 2640, 2400, 2}},
        {0, {3, 4, "Puissance de la chaudière", "kW", 4920, 2400, 2}},
        {1,
         {5, 6, "Rendement de la chaudière (0 > n < 1)", "n", 7200, 2400, 2,
          Plage::strictementEntre(0, 1)}},
        {2, {1, 2, "Pression de la pompe", "bars", 9480, 2400, 2}},
    };
    for (const auto& e : entrees)
        encadrer(TxtGicleur->champ(e.champ), legendes, e.e, largeurBoite, 315, 2160);

    auto* calculer = bouton(this, QStringLiteral("CmdGicleur"), 5400, 3600, 495, 315,
                            [this] { CmdGicleur_Click(); });

    const Encadre sorties[] = {
        {11, 0, "Gicleur", "Us gal/h", 6000, 3600},
        {7, 8, "Pression de la pompe redéfinie pour correspondre au gicleur choisi dans la gamme",
         "bars", 6000, 4800, 3},
        {9, 10, "Débit", "l/h", 6000, 5640},
    };
    for (int i = 0; i < 3; ++i) {
        LblGicleur[static_cast<std::size_t>(i)] = resultat(
            this, entry::nomIndexe(QStringLiteral("LblGicleur"), i), 0, 0, largeurBoite, 315);
        encadrer(LblGicleur[static_cast<std::size_t>(i)], legendes, sorties[i], largeurBoite, 315,
                 3000);
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
    Description::de(this)->noter(avertissement_);
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
