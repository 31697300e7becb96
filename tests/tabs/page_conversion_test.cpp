// The conversion tab driven as a user would: units picked in the lists,
// values typed, ">" and "<" clicked, Enter pressed.
#include "app/demarrage.h"
#include "entry/separateur.h"
#include "qt/aide_test.h"
#include "tabs/page_conversion.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class TestPageConversion : public QObject {
    Q_OBJECT

    tabs::PageConversion* page = nullptr;

    QLineEdit* champ(int i) const {
        return aide::trouver<QLineEdit>(page, QStringLiteral("TxtConversion(%1)").arg(i));
    }
    QComboBox* liste(int i) const {
        return aide::trouver<QComboBox>(page, QStringLiteral("CmbConversion(%1)").arg(i));
    }
    QPushButton* bouton(int i) const {
        return aide::trouver<QPushButton>(page, QStringLiteral("CmdConversion(%1)").arg(i));
    }

private slots:
    void initTestCase() { app::preparerApplication(*qApp); }

    void init() {
        page = new tabs::PageConversion;
        page->afficherUnitesInitiales();
        page->show();
    }
    void cleanup() {
        delete page;
        ModGeneral::Fixer_Separateur_Decimal(u',');
    }

    void controlesEtLegendes() {
        const QStringList legendes = {"Degrés", "Pression", "Puissance", "Ènergie", "Débit"};
        for (int r = 0; r < 5; ++r) {
            auto* titre = aide::trouver<QLabel>(page, QStringLiteral("LblCOnversion(%1)").arg(r));
            QVERIFY(titre);
            QCOMPARE(titre->text(), legendes[r]);
        }
        for (int i = 0; i < 10; ++i) {
            QVERIFY(champ(i) && liste(i) && bouton(i));
            QCOMPARE(champ(i)->text(), QStringLiteral("0"));
            QCOMPARE(bouton(i)->text(), i % 2 == 0 ? QStringLiteral(">") : QStringLiteral("<"));
        }
        const QStringList pression = {"atm",  "hPa", "daPa", "Pa",  "bar",
                                      "mbar", "mCE", "mmCE", "mmHg"};
        for (int i = 0; i < liste(2)->count(); ++i)
            QCOMPARE(liste(2)->itemText(i), pression.value(i));
        QCOMPARE(liste(2)->count(), pression.size());
        // The temperature row sits at 840, 1920 twips in the tab control,
        // whose two header rows take 1040 twips above the page.
        QCOMPARE(champ(0)->geometry().topLeft(), QPoint(56, 59));
        QCOMPARE(liste(0)->x(), 56 + 80);
    }

    void conversions_data() {
        QTest::addColumn<QChar>("separateur");
        QTest::addColumn<int>("source");
        QTest::addColumn<QString>("uniteSource");
        QTest::addColumn<QString>("uniteDestination");
        QTest::addColumn<QString>("saisie");
        QTest::addColumn<QString>("attendu");
        struct Cas {
            const char* nom;
            int source;
            const char* de;
            const char* vers;
            const char* saisie;
            const char* attendu;
        };
        const Cas cas[] = {
            {"0 °C en °K", 0, "°C", "°K", "0", "273,15"},
            {"100 °C en °F", 0, "°C", "°F", "100", "212"},
            {"-40 °F en °C", 1, "°F", "°C", "-40", "-40"},
            {"1 °F en °C", 0, "°F", "°C", "1", "-17,222"},
            {"1 atm en hPa", 2, "atm", "hPa", "1", "1013,25"},
            {"1 atm en mmHg", 3, "atm", "mmHg", "1", "760"},
            {"1 atm en mCE", 2, "atm", "mCE", "1", "10,3287"},
            {"1 mmHg en Pa", 2, "mmHg", "Pa", "1", "133,3224"},
            {"1013,25 hPa en mCE", 2, "hPa", "mCE", "1013,25", "10,3287"},
            {"1000 mbar en bar", 2, "mbar", "bar", "1000", "1"},
            {"hPa en mbar: texte recopié", 2, "hPa", "mbar", "2,123456", "2,1235"},
            {"1 kW en kCal/h", 4, "kW", "kCal/h", "1", "860,1123"},
            {"1 kCal/h en W", 5, "kCal/h", "W", "1", "1,1626"},
            {"1 W/h en kCal", 6, "W/h", "kCal", "1", "0,86011"},
            {"1 kW/h en J", 6, "kW/h", "J", "1", "3600000"},
            {"1 m3/mn en m3/s", 8, "m3/mn", "m3/s", "1", "0,01667"},
            {"1 l/mn en m3/h", 9, "l/mn", "m3/h", "1", "0,06"},
            {"même unité: 0,5", 0, "°C", "°C", "0,5", "0,5"},
            {"même unité arrondie", 1, "°C", "°C", "2,123456", "2,123"},
        };
        for (const QChar separateur : {QChar(u','), QChar(u'.')})
            for (const Cas& c : cas)
                QTest::newRow(qPrintable(QStringLiteral("%1 [%2]").arg(c.nom).arg(separateur)))
                    << separateur << c.source << QString(c.de) << QString(c.vers)
                    << aide::avecSeparateur(c.saisie, separateur)
                    << aide::avecSeparateur(c.attendu, separateur);
    }
    void conversions() {
        QFETCH(QChar, separateur);
        QFETCH(int, source);
        QFETCH(QString, uniteSource);
        QFETCH(QString, uniteDestination);
        QFETCH(QString, saisie);
        QFETCH(QString, attendu);
        ModGeneral::Fixer_Separateur_Decimal(separateur.unicode());
        const int destination = source % 2 == 0 ? source + 1 : source - 1;
        liste(source)->setCurrentText(uniteSource);
        liste(destination)->setCurrentText(uniteDestination);
        QCOMPARE(liste(source)->currentText(), uniteSource);
        QCOMPARE(liste(destination)->currentText(), uniteDestination);
        aide::taper(champ(destination), "98765");
        aide::taper(champ(source), saisie);
        QTest::mouseClick(bouton(source), Qt::LeftButton);
        QCOMPARE(champ(destination)->text(), attendu);
        QCOMPARE(champ(source)->text(), saisie);
    }

    // Tab runs along each row, left to right, then to the next row down.
    void ordreTabulation() {
        page->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(page));
        champ(0)->setFocus();
        const QList<QWidget*> attendus = {liste(0), bouton(0), bouton(1),
                                          champ(1), liste(1),  champ(2)};
        for (QWidget* attendu : attendus) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), attendu);
        }
        QCOMPARE(champ(2)->selectedText(), QStringLiteral("0"));
    }

    // Enter in a field converts from it, as the arrow pointing away from it.
    void entreeDansUnChamp() {
        aide::taper(champ(3), "2");
        QTest::keyClick(champ(3), Qt::Key_Return);
        QCOMPARE(champ(2)->text(), QStringLiteral("20,3874")); // 2 bar in mCE
        aide::taper(champ(2), "10");
        QTest::keyClick(champ(2), Qt::Key_Enter);
        QCOMPARE(champ(3)->text(), QStringLiteral("0,981"));
    }

    void entreeDansUneListe() {
        aide::taper(champ(8), "1,5");
        liste(8)->setFocus();
        QTest::keyClick(liste(8), Qt::Key_Return);
        QCOMPARE(champ(9)->text(), QStringLiteral("1500"));
        QCOMPARE(champ(8)->text(), QStringLiteral("1,5"));
        // Picking a unit alone converts nothing.
        liste(9)->setCurrentText("l/s");
        QCOMPARE(champ(9)->text(), QStringLiteral("1500"));
    }

    // A lone "-" is no number yet: the partner field is left as it was.
    void sourceSansNombre() {
        aide::taper(champ(1), "42");
        aide::taper(champ(0), "-");
        QCOMPARE(champ(0)->text(), QStringLiteral("-"));
        QTest::mouseClick(bouton(0), Qt::LeftButton);
        QCOMPARE(champ(1)->text(), QStringLiteral("42"));
        liste(1)->setCurrentText("°C");
        QTest::mouseClick(bouton(0), Qt::LeftButton);
        QCOMPARE(champ(1)->text(), QStringLiteral("42"));
    }

    void resultatHorsDesDoubles() {
        liste(2)->setCurrentText("atm");
        liste(3)->setCurrentText("Pa");
        aide::taper(champ(3), "7");
        champ(2)->setText("1E308"); // an exponent is pasted, not typed
        QTest::mouseClick(bouton(2), Qt::LeftButton);
        QCOMPARE(champ(3)->text(), QStringLiteral("7"));
        champ(2)->setText("1E300");
        QTest::mouseClick(bouton(2), Qt::LeftButton);
        QCOMPARE(champ(3)->text(), QStringLiteral("1,01325E+305"));
    }
};

QTEST_MAIN(TestPageConversion)
#include "page_conversion_test.moc"
