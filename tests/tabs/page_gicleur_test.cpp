// The nozzle tab driven as a user would: values entered, Enter pressed,
// the calculate button clicked.
#include "qt/banc.h"

#include <QListWidget>

class TestPageGicleur : public banc::BancPage {
    Q_OBJECT

public:
    TestPageGicleur() : BancPage("PageGicleur") {}

private:
    QLabel* avertissement() const { return controle<QLabel>("LblGic(12)"); }
    QListWidget* gamme() const { return controle<QListWidget>("LstGicleur"); }
    QString resultats() const { return textes("LblGicleur", 3); }
    // Power, efficiency, pump pressure, heating value; pasted, since an
    // exponent cannot be typed.
    void saisir(const QStringList& valeurs) {
        for (int i = 0; i < 4; ++i)
            champ(i)->setText(valeurs[i]);
    }

private slots:
    void demarrage() {
        QCOMPARE(textes("TxtGicleur", 4), "0 0,9 0 10,25");
        // Each size written as a single; none selected.
        QCOMPARE(gamme()->count(), 28);
        QCOMPARE(gamme()->item(0)->text() + gamme()->item(9)->text() + gamme()->item(27)->text(),
                 "0,35 Us gal/h1 Us gal/h5,5 Us gal/h");
        QVERIFY(gamme()->selectedItems().isEmpty() && avertissement()->isHidden());
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
        banc::entree(champ(1));
        QCOMPARE(resultats(), reussite);
        saisir({"1E39", "0,9", "10", "10,25"});
        banc::cliquer(controle("CmdGicleur"));
        QCOMPARE(resultats(), "##### ##### #####");
        QVERIFY(avertissement()->isVisible());
        QCOMPARE(gamme()->selectedItems(), QList{gamme()->item(2)});
        saisir(exemple);
        banc::cliquer(controle("CmdGicleur"));
        QCOMPARE(resultats(), reussite);
        QVERIFY(avertissement()->isHidden());
        QCOMPARE(champ(2)->text(), "10");
        // A lone "-" in any field is no number yet: the results stay.
        for (int i = 0; i < 4; ++i) {
            champ(i)->setText("-");
            banc::cliquer(controle("CmdGicleur"));
            QCOMPARE(resultats(), reussite);
            champ(i)->setText(exemple[i]);
        }
    }
};

QTEST_MAIN(TestPageGicleur)
#include "page_gicleur_test.moc"
