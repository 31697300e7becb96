// The density tab driven as a user would: temperatures and humidity typed,
// the two buttons clicked, Enter pressed, the refusal boxes answered.
#include "app/demarrage.h"
#include "entry/separateur.h"
#include "qt/aide_test.h"
#include "tabs/page_masse_volumique.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class TestPageMasseVolumique : public QObject {
    Q_OBJECT

    tabs::PageMasseVolumique* page = nullptr;

    QLineEdit* champ(int i) const {
        return aide::trouver<QLineEdit>(page, QStringLiteral("TxtMasse_Vol(%1)").arg(i));
    }
    QPushButton* bouton(int i) const {
        return aide::trouver<QPushButton>(page, QStringLiteral("CmdMasse_Vol(%1)").arg(i));
    }
    QString resultat(int i) const {
        return aide::trouver<QLabel>(page, QStringLiteral("LblResult_Masse_Vol(%1)").arg(i))
            ->text();
    }
    QStringList resultats() const {
        QStringList textes;
        for (int i = 0; i < 8; ++i)
            textes << resultat(i);
        return textes;
    }
    aide::BoiteVue cliquer(int i) {
        return aide::repondreBoite([&] { QTest::mouseClick(bouton(i), Qt::LeftButton); });
    }
    aide::BoiteVue entree(int i) {
        return aide::repondreBoite([&] { QTest::keyClick(champ(i), Qt::Key_Return); });
    }
    // Water 20 °C, air 20 °C and 0,01: every result holds a known value.
    void remplir() {
        aide::taper(champ(0), "20");
        aide::taper(champ(1), "20");
        aide::taper(champ(2), "0,01");
        QVERIFY(!cliquer(0).vue);
        QVERIFY(!cliquer(1).vue);
        QCOMPARE(resultats(), (QStringList{"998,228", "0,998", "0,001", "1,002", "1,20391",
                                           "0,83063", "1,18487", "0,84397"}));
    }

private slots:
    void initTestCase() { app::preparerApplication(*qApp); }

    void init() {
        page = new tabs::PageMasseVolumique;
        page->show();
        QVERIFY(QTest::qWaitForWindowExposed(page));
    }
    void cleanup() {
        delete page;
        ModGeneral::Fixer_Separateur_Decimal(u',');
    }

    // Water: kg/m3, kg/l, m3/kg, l/kg; an empty expectation is not checked.
    void eau_data() {
        QTest::addColumn<QChar>("separateur");
        QTest::addColumn<QString>("temperature");
        QTest::addColumn<QStringList>("attendus");
        struct Cas {
            const char* temperature;
            QStringList attendus;
        };
        const Cas cas[] = {
            {"0", {"999,919", "1", "0,001", "1"}},
            {"20", {"998,228", "0,998", "0,001", "1,002"}},
            {"60", {"", "0,983", "0,00102", "1,01729"}},
            {"150", {"920,587", "0,921", "0,00109", "1,08578"}},
        };
        for (const QChar separateur : {QChar(u','), QChar(u'.')})
            for (const Cas& c : cas) {
                QStringList attendus;
                for (const QString& a : c.attendus)
                    attendus << aide::avecSeparateur(a, separateur);
                QTest::newRow(
                    qPrintable(QStringLiteral("%1 °C [%2]").arg(c.temperature).arg(separateur)))
                    << separateur << QString(c.temperature) << attendus;
            }
    }
    void eau() {
        QFETCH(QChar, separateur);
        QFETCH(QString, temperature);
        QFETCH(QStringList, attendus);
        ModGeneral::Fixer_Separateur_Decimal(separateur.unicode());
        aide::taper(champ(0), temperature);
        QVERIFY(!cliquer(0).vue);
        for (int i = 0; i < 4; ++i)
            if (!attendus[i].isEmpty())
                QCOMPARE(resultat(i), attendus[i]);
    }

    // Dry air, then humid air: kg/m3 and m3/kg each.
    void air_data() {
        QTest::addColumn<QChar>("separateur");
        QTest::addColumn<QString>("temperature");
        QTest::addColumn<QString>("humidite");
        QTest::addColumn<QStringList>("attendus");
        struct Cas {
            const char *temperature, *humidite;
            QStringList attendus;
        };
        const Cas cas[] = {
            {"20", "0", {"1,20391", "0,83063", "1,20391", "0,83063"}},
            {"20", "0,01", {"1,20391", "0,83063", "1,18487", "0,84397"}},
            {"-20", "0", {"1,39414", "0,71729", "1,39414", "0,71729"}},
            {"60", "0,01", {"1,05936", "0,94397", "1,04261", "0,95913"}},
        };
        for (const QChar separateur : {QChar(u','), QChar(u'.')})
            for (const Cas& c : cas) {
                QStringList attendus;
                for (const QString& a : c.attendus)
                    attendus << aide::avecSeparateur(a, separateur);
                QTest::newRow(qPrintable(QStringLiteral("%1 °C, %2 [%3]")
                                             .arg(c.temperature, c.humidite)
                                             .arg(separateur)))
                    << separateur << aide::avecSeparateur(c.temperature, separateur)
                    << aide::avecSeparateur(c.humidite, separateur) << attendus;
            }
    }
    void air() {
        QFETCH(QChar, separateur);
        QFETCH(QString, temperature);
        QFETCH(QString, humidite);
        QFETCH(QStringList, attendus);
        ModGeneral::Fixer_Separateur_Decimal(separateur.unicode());
        aide::taper(champ(1), temperature);
        aide::taper(champ(2), humidite);
        QVERIFY(!cliquer(1).vue);
        QCOMPARE(resultats().mid(4), attendus);
    }

    // Enter in the water field runs the water block only, in either air field
    // the air block only.
    void entree_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QStringList>("attendus");
        const QStringList eau60 = {"0,983", "0,00102", "1,01729"};
        const QStringList air60 = {"1,05936", "0,94397", "1,04261", "0,95913"};
        const QStringList eau20 = {"0,998", "0,001", "1,002"};
        const QStringList air20 = {"1,20391", "0,83063", "1,18487", "0,84397"};
        QTest::newRow("eau") << 0 << eau60 + air20;
        QTest::newRow("température de l'air") << 1 << eau20 + air60;
        QTest::newRow("humidité") << 2 << eau20 + air60;
    }
    void entree() {
        QFETCH(int, index);
        QFETCH(QStringList, attendus);
        remplir();
        aide::taper(champ(0), "60");
        aide::taper(champ(1), "60");
        QVERIFY(!entree(index).vue);
        QCOMPARE(resultats().mid(1), attendus);
    }

    void refus_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("saisie");
        QTest::addColumn<QString>("message");
        const QString eau = "La température de l'eau doit être ";
        const QString air = "La température de l'air doit être ";
        QTest::newRow("eau -0,5") << 0 << QStringLiteral("-0,5")
                                  << eau + "supérieure ou égale à 0 °C !";
        QTest::newRow("eau 150,5")
            << 0 << QStringLiteral("150,5") << eau + "inférieure ou égale à 150 °C !";
        QTest::newRow("air -20,5")
            << 1 << QStringLiteral("-20,5") << air + "supérieure ou égale à -20 °C !";
        QTest::newRow("air 60,5") << 1 << QStringLiteral("60,5")
                                  << air + "inférieure ou égale à 60 °C !";
    }
    void refus() {
        QFETCH(int, index);
        QFETCH(QString, saisie);
        QFETCH(QString, message);
        remplir();
        const QStringList avant = resultats();
        aide::taper(champ(index), saisie);
        const auto boite = cliquer(index);
        QVERIFY(boite.vue);
        QCOMPARE(boite.titre, QStringLiteral("Brivane."));
        QCOMPARE(boite.texte, message);
        QCOMPARE(boite.icone, QMessageBox::Warning);
        QCOMPARE(boite.boutons, 1);
        QCOMPARE(page->focusWidget(), champ(index));
        QCOMPARE(champ(index)->selectedText(), saisie);
        QCOMPARE(resultats(), avant);
    }

    void saturation_data() {
        QTest::addColumn<QChar>("separateur");
        QTest::addColumn<QString>("temperature");
        for (const QChar separateur : {QChar(u','), QChar(u'.')})
            for (const char* t : {"20", "20,0"})
                QTest::newRow(qPrintable(QStringLiteral("%1 [%2]").arg(t).arg(separateur)))
                    << separateur << aide::avecSeparateur(t, separateur);
    }
    void saturation() {
        QFETCH(QChar, separateur);
        QFETCH(QString, temperature);
        ModGeneral::Fixer_Separateur_Decimal(separateur.unicode());
        aide::taper(champ(1), temperature);
        aide::taper(champ(2), aide::avecSeparateur("0,02", separateur));
        const auto boite = entree(2);
        QVERIFY(boite.vue);
        QCOMPARE(boite.titre, QStringLiteral("Brivane."));
        QCOMPARE(boite.icone, QMessageBox::Warning);
        QCOMPARE(boite.texte,
                 "L'humidité absolue de l'air est trop importante pour la température de " +
                     temperature +
                     " °C !\r\n\r\nCeci induit un taux d'humidité relative (degré hygrométrique) "
                     "supérieur à 100%.\r\nL'humidité absolue de l'air ne peut pas être "
                     "supérieure à " +
                     aide::avecSeparateur("0,0146973", separateur) +
                     " kg eau/kg air sec\r\npour une température de l'air de " + temperature +
                     " °C.");
        QCOMPARE(resultats().mid(4),
                 (QStringList{aide::avecSeparateur("1,20391", separateur),
                              aide::avecSeparateur("0,83063", separateur), "####", "####"}));
        QCOMPARE(page->focusWidget(), champ(2));
    }

    // A lone "-" is no number yet: no box, even beside an air temperature
    // out of range, and the results stay as they were.
    void moinsSeul_data() {
        QTest::addColumn<int>("index");
        for (int i = 0; i < 3; ++i)
            QTest::newRow(qPrintable(QStringLiteral("champ %1").arg(i))) << i;
    }
    void moinsSeul() {
        QFETCH(int, index);
        remplir();
        const QStringList avant = resultats();
        if (index == 2)
            aide::taper(champ(1), "70");
        aide::taper(champ(index), "-");
        QCOMPARE(champ(index)->text(), QStringLiteral("-"));
        QVERIFY(!entree(index).vue);
        QVERIFY(!cliquer(index == 0 ? 0 : 1).vue);
        QCOMPARE(resultats(), avant);
    }
};

QTEST_MAIN(TestPageMasseVolumique)
#include "page_masse_volumique_test.moc"
