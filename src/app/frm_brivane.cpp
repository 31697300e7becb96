#include "app/frm_brivane.h"

#include "app/aide.h"
#include "app/frm_apropos.h"
#include "app/icone.h"
#include "app/onglet.h"
#include "entry/separateur.h"
#include "entry/separateur_qt.h"
#include "tabs/page_combustion.h"
#include "tabs/page_cond_fumees.h"
#include "tabs/page_conversion.h"
#include "tabs/page_deperdition.h"
#include "tabs/page_expansion.h"
#include "tabs/page_expansion_sanitaire.h"
#include "tabs/page_gicleur.h"
#include "tabs/page_masse_volumique.h"
#include "tabs/page_pci_pcs.h"
#include "ui/twips.h"

#include <QAction>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

namespace app {

namespace {
// Client area of the window, twips.
constexpr int largeurClient = 15450;
constexpr int hauteurClient = 8840;

} // namespace

FrmBrivane::FrmBrivane(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("FrmBrivane"));
    setWindowTitle(QStringLiteral("Brivane"));
    setWindowIcon(iconeBrivane());
    creerMenus();

    Onglet_ = new Onglet(this);
    Onglet_->setFixedSize(ui::pixels(largeurClient), ui::pixels(hauteurClient));
    pageConversion_ = new tabs::PageConversion;
    pageConversion_->setObjectName(QStringLiteral("PageConversion"));
    pagePCI_PCS_ = new tabs::PagePCI_PCS;
    pagePCI_PCS_->setObjectName(QStringLiteral("PagePCI_PCS"));
    pageGicleur_ = new tabs::PageGicleur;
    pageGicleur_->setObjectName(QStringLiteral("PageGicleur"));
    pageMasseVolumique_ = new tabs::PageMasseVolumique;
    pageMasseVolumique_->setObjectName(QStringLiteral("PageMasse_Vol"));
    Onglet_->addTab(pageConversion_, QStringLiteral("Conversion d'unité"));
    Onglet_->addTab(pagePCI_PCS_, QStringLiteral("PCI/PCS"));
    Onglet_->addTab(pageGicleur_, QStringLiteral("Gicleur fioul"));
    auto* pageExpansion = new tabs::PageExpansion;
    pageExpansion->setObjectName(QStringLiteral("PageExpansion"));
    Onglet_->addTab(pageExpansion, QStringLiteral("Vase d'expansion chauffage"));
    pageDeperdition_ = new tabs::PageDeperdition;
    pageDeperdition_->setObjectName(QStringLiteral("PageDeperdition"));
    Onglet_->addTab(pageDeperdition_, QStringLiteral("Déperditions conduite"));
    Onglet_->addTab(pageMasseVolumique_, QStringLiteral("Masse volumique"));
    pageCombustion_ = new tabs::PageCombustion;
    pageCombustion_->setObjectName(QStringLiteral("PageCombustion"));
    Onglet_->addTab(pageCombustion_, QStringLiteral("Combustion"));
    pageCondFumees_ = new tabs::PageCondFumees;
    pageCondFumees_->setObjectName(QStringLiteral("PageCond_Fumees"));
    Onglet_->addTab(pageCondFumees_, QStringLiteral("Conduit de fumées"));
    auto* pageSanitaire = new tabs::PageExpansionSanitaire;
    pageSanitaire->setObjectName(QStringLiteral("PageExpansionSanitaire"));
    Onglet_->addTab(pageSanitaire, QStringLiteral("Vase d'expansion sanitaire"));
    setCentralWidget(Onglet_);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    Form_Load();
    Onglet_->setCurrentIndex(3);

    // F1 anywhere in the window: the help topic of the tab shown.
    connect(new QShortcut(Qt::Key_F1, this), &QShortcut::activated, this, &FrmBrivane::aideOnglet);
}

FrmBrivane::~FrmBrivane() {
    delete aPropos_;
}

void FrmBrivane::creerMenus() {
    auto* fichier = menuBar()->addMenu(QStringLiteral("&Fichier"));
    fichier->setObjectName(QStringLiteral("MnuFichier"));
    auto* quitter = fichier->addAction(QStringLiteral("&Quitter"));
    quitter->setObjectName(QStringLiteral("MnuQuitter"));
    connect(quitter, &QAction::triggered, this, &FrmBrivane::MnuQuitter_Click);

    auto* point = menuBar()->addMenu(QStringLiteral("&?"));
    point->setObjectName(QStringLiteral("MnuPoint"));
    auto* aide = point->addAction(QStringLiteral("&Aide"));
    aide->setObjectName(QStringLiteral("MnuAide"));
    connect(aide, &QAction::triggered, this, &FrmBrivane::MnuAide_Click);
    auto* aPropos = point->addAction(QStringLiteral("A propos de &Brivane..."));
    aPropos->setObjectName(QStringLiteral("MnuAPropos"));
    connect(aPropos, &QAction::triggered, this, &FrmBrivane::MnuAPropos_Click);
}

// Start-up, before the window is shown: the separator first, since every
// number written from here on uses it. No calculation runs.
void FrmBrivane::Form_Load() {
    ModGeneral::Lire_Separateur_Decimal(entry::separateurSelonQt);
    pagePCI_PCS_->afficherUnitesInitiales();
    pageConversion_->afficherUnitesInitiales();
    pageCombustion_->afficherChoixInitiaux();
    pageGicleur_->ecrireValeursInitiales();
    pageCondFumees_->afficherChoixInitiaux();
    pageCondFumees_->ecrireRendementInitial();
    pageDeperdition_->remplirListes();
    pageGicleur_->remplirGamme();
}

void FrmBrivane::MnuQuitter_Click() {
    close();
}

void FrmBrivane::MnuAide_Click() {
    QString fichier = app::cheminAide();
    QString fenetre;
    ModGeneral::Ouvrir_Aide(fichier, fenetre);
}

void FrmBrivane::aideOnglet() {
    QString fichier = app::cheminAide();
    QString fenetre;
    ModGeneral::Ouvrir_Aide(fichier, fenetre, app::contexteOnglet(Onglet_->currentIndex()));
}

// The one About window, brought forward when it is already open.
void FrmBrivane::MnuAPropos_Click() {
    if (aPropos_ == nullptr)
        aPropos_ = new FrmAPropos;
    aPropos_->show();
    aPropos_->raise();
    aPropos_->activateWindow();
}

} // namespace app
