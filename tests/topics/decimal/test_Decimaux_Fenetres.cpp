// The decimal windows on screen: typing through the decimal filter, the
// verdicts and corrections, the boxes of each level.
#include <QApplication>
#include <QTest>

#include "framework/logic/Commune.hpp"
#include "support/Capture.hpp"
#include "support/Faux_Services.hpp"
#include "support/Hasard_Test.hpp"
#include "topics/decimal/Udaddi.hpp"
#include "topics/decimal/Uddiv.hpp"
#include "topics/decimal/Udins.hpp"
#include "topics/decimal/Udrange.hpp"
#include "topics/decimal/Udsous.hpp"

namespace {
void Tape(TEntree* e, const char* texte) { QTest::keyClicks(e, QString::fromUtf8(texte)); }
}  // namespace

class Test_Decimaux_Fenetres : public QObject {
    Q_OBJECT
private slots:
    void operations() {
        Faux_Services services;
        Commune::Serie.Remet_A_Zero();
        {
            // 2.75 + 1.5 at level 3.
            Hasard_Test hasard{2, 2, 1, 1};
            TDAddForm f;
            f.SlideBar1->setPosition(3);
            f.show();
            QCOMPARE(f.L_A->text() + " " + f.L_S1->text() + " " + f.L_B->text(), QString("2.75 + 1.5"));
            QTest::keyClick(f.Edit1, '-');
            QCOMPARE(services.bips, 1);
            Tape(f.Edit1, "4,25");
            QCOMPARE(f.Edit1->text(), QString("4.25"));
            f.BBConf->click();
            QCOMPARE(f.WinPanel1->Titre(), QString("Juste"));
            QCOMPARE(Commune::Serie.Score, 30);
            Capture(&f, "decimaux-addition-juste");
        }
        {
            // 3.2 - 7.5 at level 4.
            Hasard_Test hasard{31, 74};
            TDsouForm f;
            f.SlideBar1->setPosition(4);
            f.show();
            Tape(f.Edit1, "4-.3");  // the sign after a digit is dropped
            QCOMPARE(f.Edit1->text(), QString("4.3"));
            f.BBConf->click();
            QCOMPARE(f.WinPanel1->Titre(), QString("Faux"));
            QCOMPARE(f.LRep1->text(), QString("La bonne réponse est :"));
            QCOMPARE(f.LRep2->text(), QString("-4.3"));
            Capture(&f, "decimaux-soustraction-faux");
        }
        {
            // 20000 : 500 at level 3, the dividend grouped.
            Hasard_Test hasard{4, 399};
            TDdivForm f;
            f.SlideBar1->setPosition(3);
            f.show();
            QCOMPARE(f.L_A->text(), QString("20 000"));
            Tape(f.Edit1, "40");
            f.BBConf->click();
            QCOMPARE(f.WinPanel1->Titre(), QString("Juste"));
            Capture(&f, "decimaux-division");
        }
    }

    void rangement() {
        Faux_Services services;
        // 0.3, 0.7, 1.2 shown as 1.2, 0.3, 0.7.
        Hasard_Test hasard{0, 2, 3, 4, 2, 0, 0};
        TDRangFrm f;
        f.show();
        QCOMPARE(f.Label2->text(), QString("1.2,  0.3,  0.7"));
        QVERIFY(f.Edit[2]->isVisible() && !f.Edit[3]->isVisible());
        Tape(f.Edit[0], "0,3");
        Tape(f.Edit[1], "0.7");
        QVERIFY(!f.BBConf->isEnabled());
        Tape(f.Edit[2], "1.2");
        f.BBConf->click();
        QCOMPARE(f.WinPanel1->Titre(), QString("Juste"));

        f.SlideBar1->setPosition(4);
        QVERIFY(f.Edit[9]->isVisible() && f.Edit[9]->isEnabled());
        QVERIFY(!f.Label21->text().isEmpty());
        for (TEntree* e : f.Edit) Tape(e, "1");
        f.BBConf->click();
        QCOMPARE(f.WinPanel1->Titre(), QString("Faux c'est :"));
        QCOMPARE(f.LRep1->text(), QString::fromStdString(f.Sujet().Correction1()));
        Capture(&f, "decimaux-rangement-niveau4");
        f.L_DessinClick();
        QVERIFY(f.WinPanel1->isVisible());
    }

    void insertion() {
        Faux_Services services;
        // Between 2.5 and 3.7 at level 1.
        Hasard_Test hasard{25, 2};
        TDinsForm f;
        f.show();
        QCOMPARE(f.Edit[0]->text(), QString("2.5"));
        QCOMPARE(f.Edit[4]->text(), QString("3.7"));
        QVERIFY(!f.Edit[0]->isEnabled() && !f.Edit[4]->isEnabled() && !f.Edit[5]->isVisible());
        Tape(f.Edit[1], "2.6");
        Tape(f.Edit[2], "3.8");
        Tape(f.Edit[3], "3");
        f.BBConf->click();
        QCOMPARE(f.WinPanel1->Titre(), QString("C'est faux !"));
        QCOMPARE(f.WinPanel1->Caption(), QString("1 erreur"));
        QVERIFY(f.Edit[2]->Marque().isValid() && !f.Edit[1]->Marque().isValid());
        QCOMPARE(f.LRep1->text(), QString("Ex :  2.6, 2.7, 2.8"));
        Capture(&f, "decimaux-insertion-niveau1");

        // A level-3 question answered wrong, then a level-2 one: no third line is left.
        f.SlideBar1->setPosition(3);
        QVERIFY(!f.Edit[2]->Marque().isValid());
        QVERIFY(f.Edit[14]->isVisible() && !f.Edit[14]->isEnabled());
        for (int k = 1; k <= 13; ++k) Tape(f.Edit[k], "99");
        f.BBConf->click();
        QVERIFY(!f.LRep3->text().isEmpty());
        Capture(&f, "decimaux-insertion-niveau3");
        f.SlideBar1->setPosition(2);
        for (int k = 1; k <= 8; ++k) Tape(f.Edit[k], "-1");
        f.BBConf->click();
        QCOMPARE(f.WinPanel1->Caption(), QString("Les nombres doivent tous être différents !"));
        QVERIFY(f.LRep3->text().isEmpty() && f.LRep2->text().isEmpty());
        Capture(&f, "decimaux-insertion-niveau2");
    }
};

QTEST_MAIN(Test_Decimaux_Fenetres)
#include "test_Decimaux_Fenetres.moc"
