// The sanitary expansion tab driven as a user would: a cylinder and a vessel
// checked, the red flags set and cleared, the temperatures refused as typed.
#include "qt/banc.h"

class TestPageExpansionSanitaire : public banc::BancPage {
    Q_OBJECT

public:
    TestPageExpansionSanitaire() : BancPage("PageExpansionSanitaire") {}

private:
    QLabel* resultat(int i) const { return controle<QLabel>("LblResultat_Expansion_Sanitaire", i); }
    QString resultats() const { return textes("LblResultat_Expansion_Sanitaire", 8); }
    QString titreReserve() const { return controle<QLabel>("LblExpansion", 44)->text(); }
    // Bold and red, or normal and black.
    static bool enRouge(const QLabel* label) {
        const QColor couleur = label->palette().color(label->foregroundRole());
        if (label->font().bold() && couleur == QColor(255, 0, 0))
            return true;
        if (!label->font().bold() && couleur == QColor(0, 0, 0))
            return false;
        qFatal("neither flagged nor plain");
    }
    QString calculer() {
        return banc::repondreBoite([this] { banc::cliquer(controle("CmdExpansion_Sanitaire")); });
    }

private slots:
    // 200 litres with an 8-litre vessel sends water to the drain; 300 litres
    // needs a valve above 10 bar; a 12-litre vessel keeps a reserve.
    void reserveEtDrapeaux() {
        QCOMPARE(titreReserve(), QStringLiteral("Volume de la réserve d'eau dans le vase "
                                                "d'expansion"));
        banc::taper(champ(4), "200");
        banc::taper(champ(1), "8");
        QCOMPARE(calculer(), QString());
        QCOMPARE(resultats(), QStringLiteral("3,897 10,409 2,995 8 -0,902 2,84 0 8,762"));
        QVERIFY(enRouge(resultat(4)));
        QVERIFY(!enRouge(resultat(7)));
        QCOMPARE(titreReserve(), QStringLiteral("Volume d'eau évacué à l'égout par la soupape"));
        QCOMPARE(controle<QLabel>("LblP_Atm_Sanitaire")->text(),
                 QStringLiteral("(Pression atmosphérique approximative : 101325 Pa)"));

        banc::taper(champ(4), "300");
        QCOMPARE(calculer(),
                 banc::avertissement(
                     "ATTENTION !\r\n\r\nLe tarage nécessaire de la soupape est trop important "
                     "pour l'utilisation normale d'une installation sanitaire !\r\nEssayez "
                     "d'effectuez une correction sur un autre paramètre afin de rester en "
                     "dessous de la pression d'utilisation\r\ndu ballon qui est en général de "
                     "10 bars."));
        QCOMPARE(resultat(4)->text() + " " + resultat(7)->text(), "-2,851 17,603");
        QVERIFY(enRouge(resultat(7)));

        banc::taper(champ(4), "200");
        banc::taper(champ(1), "12");
        QCOMPARE(calculer(), QString());
        QCOMPARE(resultats(), "3,897 10,409 4,493 12 0,595  0 ");
        QVERIFY(!enRouge(resultat(4)));
        QCOMPARE(titreReserve(), QStringLiteral("Volume de la reserve d'eau dans le vase "
                                                "d'expansion"));
        // The valve setting's red stays until a discharge computes it again.
        QVERIFY(enRouge(resultat(7)));
    }

    // Defaults: no cylinder, no vessel; every result fails, the line emptied.
    // A lone "-" is no number: the same failure, without a word.
    void echec() {
        QCOMPARE(calculer(), QString());
        QCOMPARE(resultats(), QStringList(8, "#####").join(u' '));
        QCOMPARE(controle<QLabel>("LblP_Atm_Sanitaire")->text(), QString());
        banc::taper(champ(4), "200");
        banc::taper(champ(1), "8");
        calculer();
        QCOMPARE(resultat(0)->text(), QStringLiteral("3,897"));
        banc::taper(champ(6), "-");
        QCOMPARE(calculer(), QString());
        QCOMPARE(resultats(), QStringList(8, "#####").join(u' '));
    }

    // Hot water above 90 °C, cold below 0 °C: refused as typed, the limit itself passing.
    void temperaturesRefusees() {
        for (const auto& [i, debut, refuse, message] :
             {std::tuple(2, "9", "1", "chaude sanitaire ne peut être supérieure à 90 °C !"),
              {3, "-", "2", "froide sanitaire ne peut être inférieure à 0 °C !"}}) {
            QLineEdit* c = champ(i);
            banc::taper(c, debut);
            QCOMPARE(banc::repondreBoite([c] { QTest::keyClicks(c, "0"); }), QString());
            QCOMPARE(banc::repondreBoite([c, refuse] { QTest::keyClicks(c, refuse); }),
                     banc::avertissement(QString("La température de l'eau ") + message));
            QCOMPARE(banc::vu(c), QStringLiteral("[0]"));
        }
    }
};

QTEST_MAIN(TestPageExpansionSanitaire)
#include "page_expansion_sanitaire_test.moc"
