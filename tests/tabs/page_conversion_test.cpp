// The conversion tab driven as a user would: units picked in the lists,
// values typed, ">" and "<" clicked, Enter pressed.
#include "qt/banc.h"

class TestPageConversion : public banc::BancPage {
    Q_OBJECT

public:
    TestPageConversion() : BancPage("PageConversion") {}

private slots:
    // ">" converts the left field into the right one, "<" the right into the
    // left, Enter in a field or in its unit list from that field. Picking the
    // units converts nothing; the source stays as typed. A lone "-" is no
    // number yet: the partner keeps its text.
    void conversion_data() {
        QTest::addColumn<QStringList>("cas"); // source, value, its unit, the other's, by, result
        for (const char* cas :
             {"2 1013,25 hPa mCE > 10,3287", "5 1 kCal/h W < 1,1626", "3 2 bar mCE champ 20,3874",
              "8 1,5 m3/h l/h liste 1500", "2 - atm Pa > 98765"})
            QTest::newRow(cas) << QString(cas).split(u' ');
    }
    void conversion() {
        QFETCH(QStringList, cas);
        const int source = cas[0].toInt(), autre = source ^ 1;
        banc::taper(champ(autre), "98765");
        banc::taper(champ(source), cas[1]);
        liste(source)->setCurrentText(cas[2]);
        liste(autre)->setCurrentText(cas[3]);
        QCOMPARE(champ(autre)->text(), "98765");
        if (cas[4] == "champ")
            banc::entree(champ(source));
        else if (cas[4] == "liste")
            banc::entree(liste(source));
        else
            banc::cliquer(bouton(source));
        QCOMPARE(champ(autre)->text(), cas[5]);
        QCOMPARE(champ(source)->text(), cas[1]);
    }

    // Tab runs along each row, left to right, then to the next row down;
    // ">" converts rightwards, "<" leftwards.
    void ordreTabulation() {
        QCOMPARE(bouton(2)->text() + bouton(5)->text(), "><");
        verifierTabulation(champ(0),
                           {liste(0), bouton(0), bouton(1), champ(1), liste(1), champ(2)});
    }
};

QTEST_MAIN(TestPageConversion)
#include "page_conversion_test.moc"
