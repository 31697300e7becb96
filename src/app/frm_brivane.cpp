#include "app/frm_brivane.h"

#include "app/aide.h"
#include "app/frm_apropos.h"
#include "app/icone.h"
#include "app/onglet.h"
#include "entry/separateur.h"
#include "entry/separateur_qt.h"
#include "tabs/onglets.h"
#include "tabs/page.h"
#include "ui/twips.h"

#include <QAction>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

#include <algorithm>

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
    for (int i = 0; i < static_cast<int>(tabs::onglets().size()); ++i) {
        pages_.push_back(tabs::creerPage(i));
        Onglet_->addTab(pages_.back(), pages_.back()->windowTitle());
    }
    setCentralWidget(Onglet_);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    Form_Load();
    Onglet_->setCurrentIndex(tabs::ongletInitial);

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
    std::vector<int> ordre;
    for (int i = 0; i < static_cast<int>(pages_.size()); ++i)
        if (tabs::onglets()[static_cast<std::size_t>(i)].rangDemarrage >= 0)
            ordre.push_back(i);
    std::sort(ordre.begin(), ordre.end(), [](int a, int b) {
        return tabs::onglets()[static_cast<std::size_t>(a)].rangDemarrage <
               tabs::onglets()[static_cast<std::size_t>(b)].rangDemarrage;
    });
    for (const int i : ordre)
        pages_[static_cast<std::size_t>(i)]->demarrer();
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
    ModGeneral::Ouvrir_Aide(
        fichier, fenetre,
        pages_[static_cast<std::size_t>(Onglet_->currentIndex())]->contexteAide());
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
