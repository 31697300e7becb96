// The bench every window and page suite runs on: Qt's offscreen platform,
// the program's look and language, a separator fixed for each test, pages
// made as the window makes them, and the gestures of a user.
#pragma once

#include "app/demarrage.h"
#include "app/frm_brivane.h"
#include "app/onglet.h"
#include "entry/separateur.h"
#include "tabs/onglets.h"
#include "tabs/page.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <memory>

namespace banc {

// Member `index` of the control array `nom` under `racine`.
template <typename T = QWidget> T* trouver(const QObject* racine, const QString& nom, int index) {
    return racine->findChild<T*>(QStringLiteral("%1(%2)").arg(nom).arg(index));
}

// Gives the field the focus, selects its whole text and types `touches`.
void taper(QLineEdit* champ, const QString& touches);
inline void cliquer(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton);
}
inline void entree(QWidget* w) {
    QTest::keyClick(w, Qt::Key_Return);
}
// The field's text, its selection in brackets or else its caret as "|".
QString vu(const QLineEdit* champ);
// `texte` with the separator in force in place of every ",".
QString sep(QString texte);

// Runs `action`, answering with OK the first modal message box it opens;
// gives "title | icon | buttons | text" of that box, "" when none opened.
QString repondreBoite(const std::function<void()>& action);
// A right click on `w`: the entries of the menu it opens ("--" for a
// separator); the entry `choix`, if given, is then chosen.
QStringList menuContextuel(QWidget* w, const QString& choix = {});
// The sheet of the page holding `w`, as "Copier la feuille de calcul" puts
// it on the clipboard from the menu of `w`.
QString feuilleCopiee(QWidget* w);

// What repondreBoite gives for the program's warning box with `message`.
QString avertissement(const QString& message, QMessageBox::Icon icone = QMessageBox::Warning);

// A suite on one tab page, made by the table of the tabs and started up as
// the window starts it, shown, under the "," separator.
class BancPage : public QObject {
    Q_OBJECT

public:
    explicit BancPage(const char* nomPage) : nomPage_(nomPage) {}

protected:
    std::unique_ptr<tabs::Page> page;

    template <typename T = QLineEdit> T* controle(const char* famille, int index) const {
        return trouver<T>(page.get(), famille, index);
    }
    template <typename T = QWidget> T* controle(const char* nom) const {
        return page->findChild<T*>(nom);
    }
    // Member i of the page's fields, lists and buttons: "PageGicleur" has TxtGicleur(i)…
    QLineEdit* champ(int i) const { return trouver<QLineEdit>(page.get(), "Txt" + nom(), i); }
    QComboBox* liste(int i) const { return trouver<QComboBox>(page.get(), "Cmb" + nom(), i); }
    QPushButton* bouton(int i) const { return trouver<QPushButton>(page.get(), "Cmd" + nom(), i); }
    // The texts of members 0 to nombre − 1 of a control array, blank-separated.
    QString textes(const char* famille, int nombre) const;
    // From `depart`, the Tab key reaches each of `attendus` in turn.
    void verifierTabulation(QWidget* depart, const QList<QWidget*>& attendus);

private slots:
    void initTestCase();
    void init();

private:
    QString nom() const { return QString(nomPage_).mid(4); }
    const char* nomPage_;
};

// A suite on the main window, opened under a locale (LC_ALL).
class BancFenetre : public QObject {
    Q_OBJECT

protected:
    std::unique_ptr<app::FrmBrivane> fenetre;

    // A window started under that locale, showing tab `onglet` (-1: the
    // opening tab).
    void ouvrir(const QByteArray& locale = "C.UTF-8", int onglet = -1);
    app::Onglet* onglet() const { return fenetre->onglet(); }
    tabs::Page* page() const { return static_cast<tabs::Page*>(onglet()->currentWidget()); }
    template <typename T = QLineEdit> T* controle(const char* famille, int index) const {
        return trouver<T>(fenetre.get(), famille, index);
    }
    void menu(const char* nom) { fenetre->findChild<QAction*>(nom)->trigger(); }
    // Each "Nom(index)=texte" of `saisie` typed ("," the separator in force) or picked from a
    // list, each bare name clicked; then Enter if the last was a field. Boxes answered with OK.
    void saisir(const QStringList& saisie);

private slots:
    void initTestCase();
};

} // namespace banc
