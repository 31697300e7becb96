// The main window: menus above the nine-tab set.
#pragma once

#include <QMainWindow>
#include <QPointer>

#include <vector>

namespace tabs {
class Page;
}

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
    std::vector<tabs::Page*> pages_; // in tab order
    QPointer<QWidget> aPropos_;      // the About window while it is open
};

} // namespace app
