#include <QApplication>
#include <QListWidget>
#include <QTest>

#include "controls/SpinEdit.hpp"
#include "framework/logic/Commune.hpp"
#include "support/Capture.hpp"
#include "support/Faux_Services.hpp"
#include "support/Hasard_Test.hpp"
#include "topics/natural/Udecomp.hpp"

class Test_Udecomp : public QObject {
    Q_OBJECT
private slots:
    void facteurs_et_exposants() {
        Faux_Services services;
        Commune::Serie.Remet_A_Zero();
        Hasard_Test hasard{0, 70, 0, 95, 0, 260};  // 72, then 97 at level 2, 360 at level 3
        TDecompf f;
        f.show();
        QCOMPARE(f.Label2->text(), QString("72 = "));
        // The exponent moves by its arrows only.
        QTest::keyClicks(f.SpinEdit[0], "7");
        QCOMPARE(f.SpinEdit[0]->value(), 1);
        QTest::keyClick(f.SpinEdit[0], Qt::Key_Up);
        QTest::keyClick(f.SpinEdit[0], Qt::Key_Up);
        QTest::keyClick(f.SpinEdit[1], Qt::Key_Up);
        QTest::keyClicks(f.Edit[0], "02");
        QTest::keyClicks(f.Edit[1], "3");
        QVERIFY(f.BBConf->isEnabled());
        f.BBConf->click();
        QCOMPARE(f.WinPanel1->Titre(), QString("Juste"));
        QVERIFY(!f.SpinEdit[0]->isEnabled());

        f.SlideBar1->setPosition(2);  // a new question at once
        QCOMPARE(f.Label2->text(), QString("97 = "));
        QCOMPARE(f.SpinEdit[0]->value(), 1);
        QTest::keyClicks(f.Edit[0], "97");
        QTest::keyClick(f.SpinEdit[0], Qt::Key_Up);
        f.BBConf->click();
        QCOMPARE(f.WinPanel1->Titre(), QString("Faux c'est :"));
        QCOMPARE(f.LRep2->text(), QString("  97 =    97  (nombre premier)"));
        Capture(&f, "decomposition-faux");

        f.SlideBar1->setPosition(3);
        QTest::keyClicks(f.Edit[0], "2");
        f.BBConf->click();
        QCOMPARE(f.LRep2->text(), QString(" 360 =     2 x    3 x    5"));
        // Each exponent stands just after its factor.
        const QFontMetrics e(f.LRep1->font()), c(f.LRep2->font());
        const int apres_2 = c.horizontalAdvance(QString(12, ' '));
        QVERIFY(qAbs(e.horizontalAdvance(f.LRep1->text().left(16)) - apres_2) <= c.horizontalAdvance(' '));
        Capture(&f, "decomposition-exposants");

        f.BitBtn1->click();
        QVERIFY(f.WinPanel2->isVisible());
        QCOMPARE(f.ListBox1->count(), 67);
        f.hide();
        QVERIFY(!f.WinPanel2->isVisible());
    }
};

QTEST_MAIN(Test_Udecomp)
#include "test_Udecomp.moc"
