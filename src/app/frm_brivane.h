// The main window: menus above the nine-tab set.
#pragma once

#include <QMainWindow>

namespace tabs {
class PageConversion;
class PageDeperdition;
class PageGicleur;
class PageMasseVolumique;
} // namespace tabs

namespace app {

class Onglet;

class FrmBrivane : public QMainWindow {
public:
    explicit FrmBrivane(QWidget* parent = nullptr);

    Onglet* onglet() const { return Onglet_; }

private:
    void creerMenus();
    void Form_Load();
    void MnuQuitter_Click();

    Onglet* Onglet_;
    tabs::PageConversion* pageConversion_;
    tabs::PageDeperdition* pageDeperdition_;
    tabs::PageGicleur* pageGicleur_;
    tabs::PageMasseVolumique* pageMasseVolumique_;
};

} // namespace app
