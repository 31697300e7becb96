// The combustion tab driven as a user would: contents typed, gases and fuels
// picked from the lists, the two buttons clicked, Enter pressed.
#include "qt/banc.h"

class TestPageCombustion : public banc::BancPage {
    Q_OBJECT

public:
    TestPageCombustion() : BancPage("PageCombustion") {}

private:
    QLabel* label(const char* nom) const { return controle<QLabel>(nom); }
    QStringList resultats() const { return textes("LblResltat_Combustion", 7).split(u' '); }
    void cliquer(int i) const { banc::cliquer(controle<QWidget>("CmdCombustion", i)); }
    // The "²" of the conversion's result stands right after its heading's letters.
    bool indiceSuitTitre() const {
        const QLabel* titre = label("LblCombustion(2)");
        const int fin = titre->x() + titre->fontMetrics().horizontalAdvance(titre->text());
        const int x = label("LblIndice(7)")->x();
        return x >= fin && x <= fin + 2;
    }

private slots:
    // The measured gas decides the heading of the other; the fuel decides
    // the volume's unit; a pick clears no result. Enter in the fuel list
    // runs the conversion.
    void conversion() {
        QCOMPARE(label("LblCombustion(2)")->text(), QStringLiteral("O"));
        QVERIFY(indiceSuitTitre());
        banc::taper(champ(0), "12");
        QTest::keyClick(champ(0), Qt::Key_Return);
        QCOMPARE(resultats()[0], QStringLiteral("4,614"));

        QTest::keyClick(liste(1), Qt::Key_Down);
        QCOMPARE(liste(1)->currentText() + " " + champ(0)->text() + " " +
                     label("LblCombustion(2)")->text() + " " + resultats()[0],
                 "O2 mesuré 0 CO 4,614");
        QVERIFY(indiceSuitTitre());
        banc::taper(champ(0), "3");
        cliquer(0);
        QCOMPARE(resultats()[0], QStringLiteral("13,189"));

        QTest::keyClick(liste(1), Qt::Key_Up);
        QCOMPARE(label("LblCombustion(2)")->text(), QStringLiteral("O"));
        QVERIFY(indiceSuitTitre());

        QLabel* unite = label("LblCombustion(19)");
        QCOMPARE(unite->text(), QStringLiteral("m3(n)/kg"));
        QTest::keyClick(liste(0), Qt::Key_Down);
        QCOMPARE(unite->text() + " " + resultats()[0], "m3(n)/m3(n) 13,189");
        QVERIFY(unite->width() >= unite->sizeHint().width());
        QTest::keyClick(liste(0), Qt::Key_Return); // natural gas, 0 % CO2
        QCOMPARE(resultats()[0], QStringLiteral("20,9"));
    }

    // Heating oil, 180 °C flue gas, 20 °C air, 12 % CO2, by Enter in the
    // content's field; the button and Enter in its list run the same.
    void rendement() {
        banc::taper(champ(1), "180");
        banc::taper(champ(2), "20");
        banc::taper(champ(3), "12");
        QTest::keyClick(champ(3), Qt::Key_Return);
        const QStringList attendus = QString("0 7,8 92,2 28,333 1,28 45,1 14,4").split(u' ');
        QCOMPARE(resultats(), attendus);
        banc::taper(champ(3), "0");
        cliquer(1);
        QCOMPARE(resultats(), QString("0 0 100 0 1 49,73 11,37").split(u' '));
        banc::taper(champ(3), "12");
        QTest::keyClick(liste(2), Qt::Key_Return);
        QCOMPARE(resultats(), attendus);
    }

    // A failure of either calculation shows in results 1 to 6 only.
    void echec() {
        banc::taper(champ(0), "12");
        cliquer(0);
        banc::taper(champ(0), "-");
        QTest::keyClick(champ(0), Qt::Key_Return);
        QStringList attendus(7, "#####");
        attendus[0] = "4,614";
        QCOMPARE(resultats(), attendus);

        banc::taper(champ(1), "180");
        cliquer(1);
        QCOMPARE(resultats()[6], QStringLiteral("11,37"));
        banc::taper(champ(1), "-");
        QTest::keyClick(champ(1), Qt::Key_Return);
        QCOMPARE(resultats(), attendus);
    }
};

QTEST_MAIN(TestPageCombustion)
#include "page_combustion_test.moc"
