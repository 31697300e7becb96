// The flue duct tab driven as a user would: the duct sized, its refusals
// answered, the offset frame opened, computed, reported and closed.
#include "qt/banc.h"
#include "ui/twips.h"

#include <QGroupBox>

class TestPageCondFumees : public banc::BancPage {
    Q_OBJECT

public:
    TestPageCondFumees() : BancPage("PageCond_Fumees") {}

private:
    QLineEdit* decalage(int i) const { return controle("TxtDevoiement", i); }
    QStringList resultats() const { return textes("LblResult_Cond_Fumees", 3).split(u' '); }
    QStringList devoiement() const { return textes("LblDevoiement", 3).split(u' '); }
    QWidget* cadre() const { return controle<QGroupBox>("CdrDevoiement"); }
    QWidget* ombre() const { return controle("OmbreCadre"); }
    void cliquer(const QString& nom) const { banc::cliquer(controle(nom.toUtf8())); }
    static QString boite(QMessageBox::Icon icone, const QString& message) {
        return banc::avertissement(message, icone);
    }
    // A 24 kW natural-gas boiler on an 8 m duct, 1 m of 80 mm pipe.
    void chaudiereGaz() {
        QTest::keyClick(liste(0), Qt::Key_Down);
        banc::taper(champ(9), "8");
        for (const auto& [i, valeur] :
             {std::pair(0, "1"), {1, "0,08"}, {6, "120"}, {5, "10,59"}, {4, "24"}})
            banc::taper(champ(i), valeur);
    }

private slots:
    // The volume's unit follows the fuel whichever list is picked; the
    // length follows the height as it is typed; Enter in any field or ">"
    // sizes the duct.
    void dimensionnement() {
        QLabel* unite = controle<QLabel>("LblCond_Fumees(16)");
        QCOMPARE(unite->text(), QStringLiteral("m3(n)/kg"));
        chaudiereGaz();
        QCOMPARE(liste(0)->currentText() + " " + unite->text(), "Gaz naturel m3(n)/m3(n)");
        QVERIFY(unite->width() >= unite->sizeHint().width());
        QTest::keyClick(liste(2), Qt::Key_Up);
        QTest::keyClick(liste(1), Qt::Key_Up);
        QCOMPARE(unite->text() + " " + champ(10)->text(), "m3(n)/m3(n) 8");

        QTest::keyClick(liste(2), Qt::Key_Down);
        QTest::keyClick(liste(1), Qt::Key_Down);
        QTest::keyClick(champ(12), Qt::Key_Return);
        QCOMPARE(resultats(), QString("82,83 9,1 10,27").split(u' '));
        // No efficiency: no section, the side is the 15 cm pipe.
        banc::taper(champ(13), "0");
        banc::taper(champ(1), "0,15");
        cliquer("CmdCond_Fumees(0)");
        QCOMPARE(resultats(), QString("0 15 0").split(u' '));
    }

    void refus() {
        chaudiereGaz();
        QTest::keyClick(champ(0), Qt::Key_Return);
        const QStringList avant = resultats();
        banc::taper(champ(10), "6");
        QCOMPARE(banc::repondreBoite([&] { QTest::keyClick(champ(4), Qt::Key_Return); }),
                 boite(QMessageBox::Warning, "La hauteur du conduit de fumées ne peut être "
                                             "supérieure à la longueur !"));
        QVERIFY(page->focusWidget() == champ(10) && banc::vu(champ(10)) == "[6]");
        QCOMPARE(resultats(), avant);

        // Equal passes; beyond the pipe, the 8 m duct draws about 16.6 Pa.
        banc::taper(champ(10), "8");
        banc::taper(champ(7), "17");
        QCOMPARE(banc::repondreBoite([&] { cliquer("CmdCond_Fumees(0)"); }),
                 boite(QMessageBox::Critical, "Dépression disponible trop faible !"));
        QCOMPARE(resultats(), (QStringList{"0", avant[1], avant[2]}));
        // A lone "-", or a power no single holds: nothing at all.
        banc::taper(champ(7), "-");
        QCOMPARE(banc::repondreBoite([&] { cliquer("CmdCond_Fumees(0)"); }), QString());
        QCOMPARE(resultats(), (QStringList{"0", avant[1], avant[2]}));
        banc::taper(champ(7), "10");
        champ(4)->setText("1E39"); // pasted: typed, "1E" would become "0"
        QCOMPARE(banc::repondreBoite([&] { cliquer("CmdCond_Fumees(0)"); }), QString());
        QCOMPARE(resultats(), (QStringList{"0", avant[1], avant[2]}));
    }

    // The frame opens on a height, computes with it, reports its total into
    // the length, closes, and shows its texts again when reopened.
    void devoiementReporte() {
        QCOMPARE(
            banc::repondreBoite([&] { cliquer("CmdCond_Fumees(1)"); }),
            boite(QMessageBox::Warning, "Indiquer la hauteur du conduit de fumées, en mètres !"));
        QCOMPARE(page->focusWidget(), champ(9));
        QVERIFY(!cadre()->isVisible() && !ombre()->isVisible());

        banc::taper(champ(9), "8");
        cliquer("CmdCond_Fumees(1)");
        QVERIFY(cadre()->isVisible() && ombre()->isVisible());
        QCOMPARE(cadre()->pos(), QPoint(ui::pixels(2160), ui::pixels(4800 - 1040)));
        QCOMPARE(ombre()->geometry(), cadre()->geometry().translated(8, 8));
        QVERIFY(cadre()->isAncestorOf(page->childAt(champ(10)->geometry().center())));

        banc::taper(decalage(0), "1");
        banc::taper(decalage(1), "45");
        QTest::keyClick(decalage(1), Qt::Key_Return); // runs nothing
        QCOMPARE(devoiement(), QString("0 0 0").split(u' '));
        cliquer("CmdDevoiement");
        QCOMPARE(devoiement(), QString("1,41 1 8,41").split(u' '));
        // A vertical inclined part, or a lone "-", leaves the results.
        for (const char* angle : {"90", "-"}) {
            banc::taper(decalage(1), angle);
            cliquer("CmdDevoiement");
            QCOMPARE(devoiement(), QString("1,41 1 8,41").split(u' '));
        }
        banc::taper(decalage(1), "45");
        cliquer("CmdReport(0)");
        QCOMPARE(champ(10)->text(), QStringLiteral("8,41"));
        QVERIFY(!cadre()->isVisible() && !ombre()->isVisible());
        QCOMPARE(resultats(), QString("0 0 0").split(u' ')); // no sizing

        banc::taper(champ(10), "9");
        cliquer("CmdCond_Fumees(1)");
        QCOMPARE(textes("TxtDevoiement", 2), QStringLiteral("1 45"));
        QCOMPARE(devoiement(), QString("1,41 1 8,41").split(u' '));
        cliquer("CmdReport(1)");
        QVERIFY(!cadre()->isVisible() && !ombre()->isVisible() && champ(10)->text() == "9");
    }
};

QTEST_MAIN(TestPageCondFumees)
#include "page_cond_fumees_test.moc"
