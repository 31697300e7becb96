// The conversion tab driven as a user would: units picked in the lists,
// values typed, ">" and "<" clicked, Enter pressed.
#include "qt/banc.h"

class TestPageConversion : public banc::BancPage {
    Q_OBJECT

public:
    TestPageConversion() : BancPage("PageConversion") {}

private:
    QLineEdit* champ(int i) const { return controle("TxtConversion", i); }
    QComboBox* liste(int i) const { return controle<QComboBox>("CmbConversion", i); }
    QPushButton* bouton(int i) const { return controle<QPushButton>("CmdConversion", i); }

private slots:
    // ">" converts the left field into the right one, "<" the right into the
    // left, Enter in a field or in its unit list from that field. Picking the
    // units converts nothing; the source stays as typed. A lone "-" is no
    // number yet: the partner keeps its text.
    void conversion_data() {
        QTest::addColumn<int>("source");
        QTest::addColumn<QString>("valeur");
        QTest::addColumn<QString>("unites");
        QTest::addColumn<QString>("par");
        QTest::addColumn<QString>("attendu");
        QTest::newRow(">") << 2 << "1013,25"
                           << "hPa mCE"
                           << ">"
                           << "10,3287";
        QTest::newRow("<") << 5 << "1"
                           << "kCal/h W"
                           << "<"
                           << "1,1626";
        QTest::newRow("Entrée, champ") << 3 << "2"
                                       << "bar mCE"
                                       << "champ"
                                       << "20,3874";
        QTest::newRow("Entrée, liste") << 8 << "1,5"
                                       << "m3/h l/h"
                                       << "liste"
                                       << "1500";
        QTest::newRow("moins seul") << 2 << "-"
                                    << "atm Pa"
                                    << ">"
                                    << "98765";
    }
    void conversion() {
        QFETCH(int, source);
        QFETCH(QString, valeur);
        QFETCH(QString, unites);
        QFETCH(QString, par);
        QFETCH(QString, attendu);
        const int autre = source ^ 1;
        banc::taper(champ(autre), "98765");
        banc::taper(champ(source), valeur);
        liste(source)->setCurrentText(unites.split(u' ')[0]);
        liste(autre)->setCurrentText(unites.split(u' ')[1]);
        QCOMPARE(champ(autre)->text(), "98765");
        if (par == "champ")
            banc::entree(champ(source));
        else if (par == "liste")
            banc::entree(liste(source));
        else
            banc::cliquer(bouton(source));
        QCOMPARE(champ(autre)->text(), attendu);
        QCOMPARE(champ(source)->text(), valeur);
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
