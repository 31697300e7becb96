// The main window: menus above the nine-tab set.
#pragma once

#include <QMainWindow>
#include <QPointer>

namespace tabs {
class PageCombustion;
class PageCondFumees;
class PageConversion;
class PageDeperdition;
class PageGicleur;
class PageMasseVolumique;
class PagePCI_PCS;
} // namespace tabs

namespace app {

class Onglet;

class FrmBrivane : public QMainWindow {
public:
    explicit FrmBrivane(QWidget* parent = nullptr);
    ~FrmBrivane() override;

    Onglet* onglet() const { return Onglet_; }

private:
    void creerMenus();
    void Form_Load();
    void MnuQuitter_Click();
    void MnuAide_Click();
    void MnuAPropos_Click();
    void aideOnglet();

    Onglet* Onglet_;
    tabs::PageConversion* pageConversion_;
    tabs::PageDeperdition* pageDeperdition_;
    tabs::PageGicleur* pageGicleur_;
    tabs::PageMasseVolumique* pageMasseVolumique_;
    tabs::PagePCI_PCS* pagePCI_PCS_;
    tabs::PageCombustion* pageCombustion_;
    tabs::PageCondFumees* pageCondFumees_;
    QPointer<QWidget> aPropos_; // the About window while it is open
};

} // namespace app
