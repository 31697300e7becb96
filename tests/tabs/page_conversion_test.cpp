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

private slots:
    void initTestCase() { app::preparerApplication(*qApp); }
    void init() {
        page = std::make_unique<tabs::PageConversion>();
        page->afficherUnitesInitiales();
        page->show();
    }

    // "B2" clicks the arrow of field 2, "E3" presses Enter in field 3, "L8"
    // in list 8: that field is converted into its partner, which held 98765.
    // "," stands for the separator.
    void conversion_data() {
        QTest::addColumn<QString>("par");
        QTest::addColumn<QString>("unites"); // source, partner
        QTest::addColumn<QString>("saisie");
        QTest::addColumn<QString>("attendu");
        aide::deuxSeparateurs("> hPa en mCE", "B2", "hPa mCE", "1013,25", "10,3287");
        aide::deuxSeparateurs("< kCal/h en W", "B5", "kCal/h W", "1", "1,1626");
        aide::ligne("Entrée champ 3", "E3", "bar mCE", "2", "20,3874");
        aide::ligne("Entrée liste 8", "L8", "m3/h l/h", "1,5", "1500");
        // No number, or none a double holds: the partner is left as it was.
        aide::ligne("moins seul", "B2", "atm Pa", "-", "98765");
        aide::ligne("hors des doubles", "B2", "atm Pa", "1E308", "98765");
    }
    void conversion() {
        QFETCH(QString, par);
        QFETCH(QString, unites);
        QFETCH(QString, saisie);
        QFETCH(QString, attendu);
        const QChar s = aide::fixerSeparateur();
        const int source = par.mid(1).toInt(), partenaire = source ^ 1;
        aide::taper(champ(partenaire), "98765");
        champ(source)->setText(aide::avecSeparateur(saisie, s)); // an exponent can only be pasted
        liste(source)->setCurrentText(unites.section(u' ', 0, 0));
        liste(partenaire)->setCurrentText(unites.section(u' ', 1));
        QCOMPARE(champ(partenaire)->text(), QStringLiteral("98765")); // picking converts nothing
        QCOMPARE(bouton(source)->text(), source % 2 == 0 ? QString(">") : QString("<"));
        if (par[0] == u'B')
            QTest::mouseClick(bouton(source), Qt::LeftButton);
        else
            QTest::keyClick(par[0] == u'E' ? static_cast<QWidget*>(champ(source)) : liste(source),
                            Qt::Key_Return);
        QCOMPARE(champ(partenaire)->text(), aide::avecSeparateur(attendu, s));
        QCOMPARE(champ(source)->text(), aide::avecSeparateur(saisie, s));
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
