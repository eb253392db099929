#include <QApplication>
#include <QTest>

#include "controls/SpinEdit.hpp"
#include "framework/logic/Commune.hpp"
#include "support/Capture.hpp"
#include "support/Faux_Services.hpp"
#include "support/Hasard_Test.hpp"
#include "topics/fraction/Case_Fraction.hpp"
#include "topics/natural/Unpuiss.hpp"

class Test_Unpuiss : public QObject {
    Q_OBJECT
private slots:
    void les_quatre_niveaux() {
        Faux_Services services;
        Commune::Serie.Remet_A_Zero();
        // 3 to the 4th; (5 to the 3rd) to the 4th; 64.
        Hasard_Test hasard{13, 0, 1, 3, 1, 2, 0, 0, 4};
        TNPuissF f;
        f.show();
        QCOMPARE(f.Unite1->Unite(), QString("3"));
        QCOMPARE(f.Unite1->Exposant(), QString("4"));
        QVERIFY(!f.SpinEdit1->isVisible());
        QTest::keyClicks(f.Edit1, "80");
        f.BBConf->click();
        QCOMPARE(f.LRep1->text(), QString("C'est 3x3x3x3 ="));
        QCOMPARE(f.LRep2->text(), QString("81"));

        f.SlideBar1->setPosition(3);
        QCOMPARE(f.Edit1->text(), QString("5"));
        QVERIFY(!f.Edit1->isEnabled());
        QVERIFY(!f.BBConf->isEnabled());  // the exponent must move first
        for (int i = 0; i < 11; ++i) QTest::keyClick(f.SpinEdit1, Qt::Key_Up);
        QVERIFY(f.BBConf->isEnabled());
        f.BBConf->click();
        QCOMPARE(f.WinPanel1->Titre(), QString("Juste"));

        f.SlideBar1->setPosition(4);
        QCOMPARE(f.Unite1->Unite(), QString("64"));
        QCOMPARE(f.SpinEdit1->value(), 2);
        QTest::keyClicks(f.Edit1, "8");
        f.BBConf->click();
        QCOMPARE(f.WinPanel1->Titre(), QString("Juste"));  // 8 squared is 64 too
        QCOMPARE(Commune::Serie.NbJustes, 2);
        Capture(&f, "puissances-niveau4");
    }
};

QTEST_MAIN(Test_Unpuiss)
#include "test_Unpuiss.moc"
