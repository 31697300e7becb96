// The density tab driven as a user would: temperatures and humidity typed,
// the two buttons clicked, Enter pressed, the refusal boxes answered.
#include "qt/aide_test.h"
#include "tabs/page_masse_volumique.h"

class TestPageMasseVolumique : public QObject {
    Q_OBJECT

    std::unique_ptr<tabs::PageMasseVolumique> page;

    QLineEdit* champ(int i) const { return aide::trouver<QLineEdit>(page, "TxtMasse_Vol", i); }

private slots:
    void initTestCase() { app::preparerApplication(*qApp); }
    void init() {
        page = std::make_unique<tabs::PageMasseVolumique>();
        page->show();
        QVERIFY(QTest::qWaitForWindowExposed(page.get()));
    }

    // Typed: water, air, humidity, then what runs: "0" or "1" clicks that
    // button, "E0" to "E2" presses Enter in that field. Results: water kg/m3,
    // kg/l, m3/kg, l/kg, then dry and humid air kg/m3 and m3/kg.
    void calcul_data() {
        QTest::addColumn<QString>("saisies");
        QTest::addColumn<QString>("resultats");
        QTest::addColumn<QString>("message"); // of the warning box, none if empty
        const QString zero = "0 0 0 0 ", rien = zero + zero.trimmed(),
                      eau = "La température de l'eau doit être ",
                      air = "La température de l'air doit être ";
        // Enter in the water field runs water only, in either air field air only.
        aide::ligne("eau 0 °C", "0 20 0 0", "999,919 1 0,001 1 0 0 0 0", "");
        aide::deuxSeparateurs("eau 60 °C", "60 20 0,01 E0", "983,252 0,983 0,00102 1,01729 0 0 0 0",
                              "");
        aide::ligne("air 20 °C sec", "60 20 0 1", zero + "1,20391 0,83063 1,20391 0,83063", "");
        aide::ligne("air 20 °C humide", "60 20 0,01 E1", zero + "1,20391 0,83063 1,18487 0,84397",
                    "");
        aide::ligne("air -20 °C", "60 -20 0 E2", zero + "1,39414 0,71729 1,39414 0,71729", "");
        aide::ligne("air 60 °C", "60 60 0,01 1", zero + "1,05936 0,94397 1,04261 0,95913", "");
        // Refused: nothing written, the field gets the focus back, selected.
        aide::ligne("eau -0,5", "-0,5 20 0 0", rien, eau + "supérieure ou égale à 0 °C !");
        aide::ligne("eau 150,5", "150,5 20 0 0", rien, eau + "inférieure ou égale à 150 °C !");
        aide::ligne("air -20,5", "0 -20,5 0 1", rien, air + "supérieure ou égale à -20 °C !");
        aide::ligne("air 60,5", "0 60,5 0 1", rien, air + "inférieure ou égale à 60 °C !");
        // Saturated: dry air written, the temperature as typed.
        const QString saturation =
            "L'humidité absolue de l'air est trop importante pour la température de 20,0 °C !"
            "\r\n\r\nCeci induit un taux d'humidité relative (degré hygrométrique) supérieur à "
            "100%.\r\nL'humidité absolue de l'air ne peut pas être supérieure à 0,0146973 kg "
            "eau/kg air sec\r\npour une température de l'air de 20,0 °C.";
        aide::deuxSeparateurs("saturation", "0 20,0 0,02 E2", zero + "1,20391 0,83063 #### ####",
                              saturation);
        // A lone "-" is no number yet: nothing runs, even beside an air
        // temperature out of range.
        aide::ligne("moins seul eau", "- 20 0 E0", rien, "");
        aide::ligne("moins seul air", "0 - 0 1", rien, "");
        aide::ligne("moins seul humidité", "0 70 - E2", rien, "");
    }
    void calcul() {
        QFETCH(QString, saisies);
        QFETCH(QString, resultats);
        QFETCH(QString, message);
        const QChar s = aide::fixerSeparateur();
        const QStringList mots = aide::valeurs(saisies, s);
        for (int i = 0; i < 3; ++i)
            aide::taper(champ(i), mots[i]);
        const QString boite = aide::repondreBoite([&] {
            const int i = mots[3].back().digitValue();
            if (mots[3].startsWith(u'E'))
                QTest::keyClick(champ(i), Qt::Key_Return);
            else
                QTest::mouseClick(aide::trouver<QWidget>(page, "CmdMasse_Vol", i), Qt::LeftButton);
        });
        if (!message.isEmpty()) // titled "Brivane.", warning icon, one button
            message = QString("Brivane. | %1 | 1 | ").arg(QMessageBox::Warning) + message;
        QCOMPARE(boite, aide::avecSeparateur(message, s));
        QCOMPARE(aide::textes<QLabel>(page, "LblResult_Masse_Vol", 8), aide::valeurs(resultats, s));
        if (!message.isEmpty() && !mots[3].startsWith(u'E')) {
            const int i = mots[3].toInt();
            QCOMPARE(page->focusWidget(), champ(i));
            QCOMPARE(aide::vu(champ(i)), "[" + mots[i] + "]");
        }
    }
};

QTEST_MAIN(TestPageMasseVolumique)
#include "page_masse_volumique_test.moc"
