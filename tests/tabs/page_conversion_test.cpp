// The conversion tab driven as a user would: units picked in the lists,
// values typed, ">" and "<" clicked, Enter pressed.
#include "qt/aide_test.h"
#include "tabs/page_conversion.h"

class TestPageConversion : public QObject {
    Q_OBJECT

    std::unique_ptr<tabs::PageConversion> page;

    QLineEdit* champ(int i) const { return aide::trouver<QLineEdit>(page, "TxtConversion", i); }
    QComboBox* liste(int i) const { return aide::trouver<QComboBox>(page, "CmbConversion", i); }
    QPushButton* bouton(int i) const {
        return aide::trouver<QPushButton>(page, "CmdConversion", i);
    }
    // Field i gets `valeur` in `unite`; its partner, in `uniteAutre`, holds 98765.
    void saisir(int i, const QString& valeur, const QString& unite, const QString& uniteAutre) {
        aide::taper(champ(i ^ 1), "98765");
        aide::taper(champ(i), valeur);
        liste(i)->setCurrentText(unite);
        liste(i ^ 1)->setCurrentText(uniteAutre);
    }

private slots:
    void initTestCase() { app::preparerApplication(*qApp); }
    void init() {
        ModGeneral::Fixer_Separateur_Decimal(u',');
        page = std::make_unique<tabs::PageConversion>();
        page->afficherUnitesInitiales();
        page->show();
    }

    // ">" converts the left field into the right one, "<" the right into the
    // left, Enter in a field or in its unit list from that field. Picking the
    // units converts nothing; the source stays as typed.
    void conversion() {
        QCOMPARE(bouton(2)->text() + bouton(5)->text(), "><");
        saisir(2, "1013,25", "hPa", "mCE");
        QCOMPARE(champ(3)->text(), "98765");
        aide::cliquer(bouton(2));
        QCOMPARE(champ(3)->text(), "10,3287");
        QCOMPARE(champ(2)->text(), "1013,25");
        saisir(5, "1", "kCal/h", "W");
        aide::cliquer(bouton(5));
        QCOMPARE(champ(4)->text(), "1,1626");
        saisir(3, "2", "bar", "mCE");
        aide::entree(champ(3));
        QCOMPARE(champ(2)->text(), "20,3874");
        saisir(8, "1,5", "m3/h", "l/h");
        aide::entree(liste(8));
        QCOMPARE(champ(9)->text(), "1500");
        // A lone "-" is no number yet: the partner keeps its text.
        saisir(2, "-", "atm", "Pa");
        aide::cliquer(bouton(2));
        QCOMPARE(champ(3)->text(), "98765");
    }

    // Tab runs along each row, left to right, then to the next row down.
    void ordreTabulation() {
        page->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(page.get()));
        champ(0)->setFocus();
        for (QWidget* attendu :
             QList<QWidget*>{liste(0), bouton(0), bouton(1), champ(1), liste(1), champ(2)}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), attendu);
        }
    }
};

QTEST_MAIN(TestPageConversion)
#include "page_conversion_test.moc"
