// The nozzle tab driven as a user would: values entered, Enter pressed,
// the calculate button clicked.
#include "qt/aide_test.h"
#include "tabs/page_gicleur.h"

#include <QListWidget>

class TestPageGicleur : public QObject {
    Q_OBJECT

    std::unique_ptr<tabs::PageGicleur> page;

    QLineEdit* champ(int i) const { return aide::trouver<QLineEdit>(page, "TxtGicleur", i); }
    QLabel* avertissement() const { return page->findChild<QLabel*>("LblGic(12)"); }
    QListWidget* gamme() const { return page->findChild<QListWidget*>("LstGicleur"); }
    QString resultats() const { return aide::textes<QLabel>(page, "LblGicleur", 3); }
    void cliquer() { aide::cliquer(page->findChild<QWidget*>("CmdGicleur")); }
    // Power, efficiency, pump pressure, heating value; pasted, since an
    // exponent cannot be typed.
    void saisir(const QStringList& valeurs) {
        for (int i = 0; i < 4; ++i)
            champ(i)->setText(valeurs[i]);
    }

private slots:
    void initTestCase() { app::preparerApplication(*qApp); }
    // A fresh page as start-up fills it.
    void init() {
        ModGeneral::Fixer_Separateur_Decimal(u',');
        page = std::make_unique<tabs::PageGicleur>();
        page->ecrireValeursInitiales();
        page->remplirGamme();
        page->show();
    }

    void demarrage() {
        QCOMPARE(aide::textes<QLineEdit>(page, "TxtGicleur", 4), "0 0,9 0 10,25");
        QCOMPARE(gamme()->count(), 28);
        QCOMPARE(gamme()->item(0)->text(), "0,35 Us gal/h"); // each size written as a single
        QCOMPARE(gamme()->item(9)->text(), "1 Us gal/h");
        QCOMPARE(gamme()->item(27)->text(), "5,5 Us gal/h");
        QVERIFY(gamme()->selectedItems().isEmpty());
        QVERIFY(avertissement()->isHidden());
        QCOMPARE(avertissement()->text(),
                 "Plage d'utilisation dépassée ! (gicleur de 0,35 à 5,5 Us gal/h) ");
        QVERIFY(avertissement()->font().bold());
        QCOMPARE(avertissement()->palette().color(QPalette::WindowText), QColor(Qt::red));
    }

    // Enter in a field runs the search as the button does. A power no single
    // holds fails: the list keeps its row, and the next success hides the
    // warning. The pressure field keeps what was typed.
    void calcul() {
        const QStringList exemple = {"20", "0,9", "10", "10,25"};
        const QString reussite = "0,45 11,11 2,17";
        saisir(exemple);
        aide::entree(champ(1));
        QCOMPARE(resultats(), reussite);
        saisir({"1E39", "0,9", "10", "10,25"});
        cliquer();
        QCOMPARE(resultats(), "##### ##### #####");
        QVERIFY(avertissement()->isVisible());
        QCOMPARE(gamme()->selectedItems(), QList{gamme()->item(2)});
        saisir(exemple);
        cliquer();
        QCOMPARE(resultats(), reussite);
        QVERIFY(avertissement()->isHidden());
        QCOMPARE(champ(2)->text(), "10");
        // A lone "-" in any field is no number yet: the results stay.
        for (int i = 0; i < 4; ++i) {
            champ(i)->setText("-");
            cliquer();
            QCOMPARE(resultats(), reussite);
            champ(i)->setText(exemple[i]);
        }
    }
};

QTEST_MAIN(TestPageGicleur)
#include "page_gicleur_test.moc"
