// An entry-field family under real key, focus and mouse events.
#include "entry/champs_qt.h"
#include "qt/aide_test.h"

#include <stdexcept>
#include <vector>

class TestChampsQt : public QObject {
    Q_OBJECT

    std::unique_ptr<QWidget> page;
    entry::FamilleChamps* champs = nullptr;
    entry::FamilleListes* listes = nullptr;
    std::vector<int> entrees; // indices whose Enter ran the calculation
    QStringList ajouts;       // texts seen by the extra Change handling

    QLineEdit* champ(int i) const { return champs->champ(i); }

private slots:
    void init() {
        entrees.clear();
        ajouts.clear();
        page = std::make_unique<QWidget>();
        // Sparse indices, as some control arrays have.
        champs = new entry::FamilleChamps(
            page.get(), "TxtEssai", {0, 2, 6},
            {[this](int i) { ajouts << QString::number(i) + ":" + champ(i)->text(); },
             [this](int i) { entrees.push_back(i); }});
        listes = new entry::FamilleListes(
            page.get(), "CmbEssai", {1}, [this](int i) { entrees.push_back(100 + i); },
            [this](int i) {
                ajouts << "clic " + QString::number(i) + ":" + listes->liste(i)->currentText();
            });
        listes->liste(1)->addItems({"a", "b", "c"});
        for (const int i : {0, 2, 6})
            champ(i)->setGeometry(0, 15 * i, 120, 22);
        page->show();
        QVERIFY(QTest::qWaitForWindowExposed(page.get()));
    }

    // Typed keys, "\b" for Backspace, or after "=" a text written at once,
    // through the key filter and the cleaning. The result as aide::vu shows
    // it, "," standing for the separator.
    void frappe_data() {
        QTest::addColumn<QString>("touches");
        QTest::addColumn<QString>("attendu");
        // Either key gives the separator, whichever it is.
        aide::deuxSeparateurs("point", "1.5", "1,5|");
        aide::deuxSeparateurs("virgule", "1,5", "1,5|");
        aide::deuxSeparateurs("séparateur seul", ".", "0,|");
        aide::deuxSeparateurs("moins séparateur", "-.", "[0]");
        aide::ligne("moins final", "12-", "12|");
        aide::ligne("double moins", "--", "-|");
        aide::ligne("zéro de tête", "05", "5|");
        aide::ligne("lettre", "a", "[0]");
        aide::ligne("lettre remplacée", "a7", "7|");
        aide::ligne("champ vidé", "12\b\b", "[0]");
        aide::ligne("champ vidé puis chiffre", "1\b8", "8|");
        aide::ligne("exposant écrit", "=1E3", "1E3|");
        aide::ligne("séparateur moins écrit", "=,-", "0,|");
        aide::ligne("moins en série écrits", "=20---------", "20|");
        aide::ligne("zéros en série écrits", "=00000000000,5", "0,5|");
    }
    void frappe() {
        QFETCH(QString, touches);
        QFETCH(QString, attendu);
        const QChar s = aide::fixerSeparateur();
        if (touches.startsWith(u'='))
            champs->ecrire(2, touches.mid(1));
        else
            aide::taper(champ(2), touches);
        QCOMPARE(aide::vu(champ(2)), aide::avecSeparateur(attendu, s));
    }

    // The extra Change handling sees the cleaned text only.
    void changementSupplementaire() {
        aide::taper(champ(6), "a");
        ajouts.removeDuplicates();
        QCOMPARE(ajouts, QStringList{"6:0"});
    }

    void entreeLanceLeCalcul() {
        QTest::keyClick(champ(6), Qt::Key_Return);
        QTest::keyClick(champ(0), Qt::Key_Enter);
        QTest::keyClick(champ(2), Qt::Key_A);
        QTest::keyClick(listes->liste(1), Qt::Key_Return);
        QCOMPARE(entrees, (std::vector<int>{6, 0, 101}));
    }

    // A pick raises the list's Click handling, the new item already shown;
    // so does an item the program chooses, even the one already shown.
    void choixDansUneListe() {
        listes->choisir(1, "c");
        QTest::keyClick(listes->liste(1), Qt::Key_Up);
        listes->choisir(1, "b");
        QCOMPARE(ajouts, (QStringList{"clic 1:c", "clic 1:b", "clic 1:b"}));
    }

    void focusSelectionneTout() {
        champs->ecrire(2, "3,25");
        champs->ecrire(6, "78");
        champ(0)->setFocus();
        QTest::keyClick(champ(0), Qt::Key_Tab);
        QVERIFY(champ(2)->hasFocus());
        QCOMPARE(aide::vu(champ(2)), QStringLiteral("[3,25]"));
        // The click that gives the focus selects too; the next one places the caret.
        QTest::mouseClick(champ(6), Qt::LeftButton, {}, QPoint(5, 10));
        QVERIFY(champ(6)->hasFocus());
        QCOMPARE(aide::vu(champ(6)), QStringLiteral("[78]"));
        QTest::mouseClick(champ(6), Qt::LeftButton, {}, QPoint(100, 10));
        QVERIFY(!champ(6)->hasSelectedText());
    }

    // Pressing in another field and dragging before the release still
    // selects the whole text; once released, a drag selects as usual.
    void focusParGlisser() {
        champs->ecrire(0, "12345678");
        champ(6)->setFocus();
        QTest::mousePress(champ(0), Qt::LeftButton, {}, QPoint(3, 10));
        QVERIFY(champ(0)->hasFocus());
        QTest::mouseMove(champ(0), QPoint(30, 10));
        QTest::mouseMove(champ(0), QPoint(60, 12));
        QTest::mouseRelease(champ(0), Qt::LeftButton, {}, QPoint(60, 12));
        QCOMPARE(aide::vu(champ(0)), QStringLiteral("[12345678]"));
        QTest::mousePress(champ(0), Qt::LeftButton, {}, QPoint(3, 10));
        QTest::mouseMove(champ(0), QPoint(60, 10));
        QTest::mouseRelease(champ(0), Qt::LeftButton, {}, QPoint(60, 10));
        QVERIFY(champ(0)->hasSelectedText());
        QVERIFY(champ(0)->selectedText() != champ(0)->text());
    }

    // A failure thrown by a calculation ends in the shared guard, from
    // Enter as from a button.
    void echecRetenu() {
        entry::FamilleChamps echoue(page.get(), "TxtEchec", {0},
                                    {nullptr, [](int) { throw std::runtime_error("échec"); }});
        QTest::keyClick(echoue.champ(0), Qt::Key_Return);
        bool apres = false;
        entry::lancerCalcul([&] {
            apres = true;
            throw std::overflow_error("échec");
        });
        QVERIFY(apres);
    }
};

QTEST_MAIN(TestChampsQt)
#include "champs_qt_test.moc"
