#include <QApplication>
#include <QTest>

#include "framework/logic/Commune.hpp"
#include "support/Capture.hpp"
#include "support/Faux_Services.hpp"
#include "support/Hasard_Test.hpp"
#include "topics/natural/Unsous.hpp"

class Test_Unsous : public QObject {
    Q_OBJECT
private slots:
    void soustraction_par_compensation() {
        Faux_Services services;
        Commune::Serie.Remet_A_Zero();
        Hasard_Test hasard{16, 24};  // s = 27, m = 27 + 25
        TNSousF f;
        f.show();
        QCOMPARE(f.L_B->text(), QString("52"));
        QCOMPARE(f.L_A->text(), QString("27"));
        QVERIFY(f.ERetU[2]->isVisible() && f.ERetU[3]->isHidden());
        // The ten goes just left of the units digit, the unit under the tens column.
        QVERIFY(f.ERetU[0]->x() < f.L_B->geometry().right() && f.ERetU[0]->y() < f.L_B->y() + 10);
        QVERIFY(f.ERetD[0]->y() > f.L_A->y());
        QTest::keyClicks(f.ERetU[0], "1");
        QTest::keyClicks(f.ERetD[0], "1");
        QTest::keyClicks(f.Memo1, "52");
        QCOMPARE(f.Memo1->text(), QString("25"));
        Capture(&f, "soustraction-niveau1");
        f.BBConf->click();
        QCOMPARE(f.WinPanel1->Titre(), QString("Juste"));
        QCOMPARE(Commune::Serie.Score, 5);
    }
};

QTEST_MAIN(Test_Unsous)
#include "test_Unsous.moc"
