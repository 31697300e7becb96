// The nozzle tab driven as a user would: values entered, Enter pressed,
// the calculate button clicked.
#include "qt/aide_test.h"
#include "tabs/page_gicleur.h"

#include <QListWidget>
#include <QRegularExpression>

class TestPageGicleur : public QObject {
    Q_OBJECT

    std::unique_ptr<tabs::PageGicleur> page;
    QChar s; // the separator of the current row

    QLineEdit* champ(int i) const { return aide::trouver<QLineEdit>(page, "TxtGicleur", i); }
    QLabel* avertissement() const { return page->findChild<QLabel*>("LblGic(12)"); }
    QListWidget* gamme() const { return page->findChild<QListWidget*>("LstGicleur"); }

private slots:
    void initTestCase() { app::preparerApplication(*qApp); }
    // A fresh page as start-up fills it.
    void init() {
        s = aide::fixerSeparateur();
        page = std::make_unique<tabs::PageGicleur>();
        page->ecrireValeursInitiales();
        page->remplirGamme();
        page->show();
    }

    void demarrage_data() {
        QTest::addColumn<QString>("champs");
        aide::deuxSeparateurs("départ", "0 0,9 0 10,25");
    }
    void demarrage() {
        QFETCH(QString, champs);
        QCOMPARE(aide::textes<QLineEdit>(page, "TxtGicleur", 4), aide::valeurs(champs, s));
        QStringList rangees, attendues = aide::valeurs("0,35 0,4 0,45 0,5 0,55 0,6 0,65 0,75 0,85 "
                                                       "1 1,1 1,2 1,25 1,35 1,5 1,65 1,75 2 2,25 "
                                                       "2,5 2,75 3 3,5 3,75 4 4,5 5 5,5",
                                                       s);
        for (int i = 0; i < gamme()->count(); ++i)
            rangees << gamme()->item(i)->text();
        QCOMPARE(rangees, attendues.replaceInStrings(QRegularExpression("$"), " Us gal/h"));
        QVERIFY(gamme()->selectedItems().isEmpty());
        QVERIFY(avertissement()->isHidden());
        QCOMPARE(avertissement()->text(),
                 "Plage d'utilisation dépassée ! (gicleur de 0,35 à 5,5 Us gal/h) ");
        QVERIFY(avertissement()->font().bold());
        QCOMPARE(avertissement()->palette().color(QPalette::WindowText), QColor(Qt::red));
    }

    // Steps separated by ";", each: power, efficiency, pressure, heating
    // value, then "B" clicks the button, "E0" to "E3" presses Enter in that
    // field. Then the results, the warning shown or not; the nozzle picked
    // stays row 2, the pressure as typed.
    void calcul_data() {
        QTest::addColumn<QString>("etapes");
        QTest::addColumn<QString>("attendus");
        QTest::addColumn<bool>("averti");
        const QString exemple = "20 0,9 10 10,25 ", reussite = "0,45 11,11 2,17";
        aide::deuxSeparateurs("Entrée", exemple + "E1", reussite, false);
        aide::deuxSeparateurs("bouton", exemple + "B", reussite, false);
        // A power no single holds fails; the next success hides the warning.
        const QString echec = exemple + "B;1E39 0,9 10 10,25 E2";
        aide::ligne("échec", echec, "##### ##### #####", true);
        aide::ligne("réussite après échec", echec + ";" + exemple + "E0", reussite, false);
        // A lone "-" is no number yet: the results stay as they were.
        for (int i = 0; i < 4; ++i) {
            QStringList moins = aide::valeurs(exemple.trimmed());
            moins[i] = "-";
            aide::ligne("moins seul " + QString::number(i),
                        exemple + "B;" + moins.join(u' ') + " B", reussite, false);
        }
    }
    void calcul() {
        QFETCH(QString, etapes);
        QFETCH(QString, attendus);
        QFETCH(bool, averti);
        QStringList mots;
        for (const QString& etape : etapes.split(u';')) {
            mots = aide::valeurs(etape, s);
            for (int i = 0; i < 4; ++i)
                champ(i)->setText(mots[i]); // an exponent is pasted, not typed
            if (mots[4] == "B")
                QTest::mouseClick(page->findChild<QWidget*>("CmdGicleur"), Qt::LeftButton);
            else
                QTest::keyClick(champ(mots[4].back().digitValue()), Qt::Key_Return);
        }
        QCOMPARE(aide::textes<QLabel>(page, "LblGicleur", 3), aide::valeurs(attendus, s));
        QCOMPARE(avertissement()->isVisible(), averti);
        QCOMPARE(gamme()->selectedItems(), QList{gamme()->item(2)});
        QCOMPARE(champ(2)->text(), mots[2]);
    }
};

QTEST_MAIN(TestPageGicleur)
#include "page_gicleur_test.moc"
