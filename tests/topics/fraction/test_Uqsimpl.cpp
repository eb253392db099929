#include "topics/fraction/Uqsimpl.hpp"

#include "Fenetre_Fraction_Test.hpp"

class Test_Uqsimpl : public QObject {
    Q_OBJECT
private slots:
    void entree_passe_au_denominateur_puis_confirme() {
        Faux_Services services;
        Hasard_Test hasard{0, 5, 8};  // 6/10
        auto f = Ouvre_Fenetre<TQSimplF>();
        QTest::keyClicks(f->Edit1, "3");
        QTest::keyClick(f->Edit1, Qt::Key_Return);
        QVERIFY(f->Edit2->hasFocus());  // not judged with an empty denominator
        QVERIFY(f->WinPanel1->isHidden());
        QTest::keyClicks(f->Edit2, "5");
        QTest::keyClick(f->Edit2, Qt::Key_Return);
        QCOMPARE(f->WinPanel1->Titre(), QString("Juste"));
        QVERIFY(f->BBCont->hasFocus());
        QTest::keyClick(f->BBCont, Qt::Key_Return);
        QVERIFY(f->Edit1->hasFocus());
        QTest::keyClick(f->Edit1, Qt::Key_Tab);
        QVERIFY(f->Edit2->hasFocus());
    }

    void juste_puis_faux_sans_memoire_des_questions() {
        Faux_Services services;
        Hasard_Test hasard{0, 5, 8, 0, 5, 8};  // 6/10 twice: no anti-repeat memory
        auto f = Ouvre_Fenetre<TQSimplF>();
        QCOMPARE(f->windowTitle(), QString("Simplification des fractions"));
        QCOMPARE(f->Label1->text(), QString("Simplifier au maximum"));
        QCOMPARE(Texte(f->Fraction1), QString("6/10"));
        QCOMPARE(f->SlideBar1->Max(), 4);
        QTest::keyClicks(f->Edit2, "5");
        QVERIFY(!f->BBConf->isEnabled());  // Confirm follows the numerator box
        QTest::keyClicks(f->Edit1, "3a");
        QCOMPARE(f->Edit1->text(), QString("3"));
        QCOMPARE(services.bips, 1);
        QVERIFY(f->BBConf->isEnabled());
        f->BBConfClick();
        QCOMPARE(f->WinPanel1->Titre(), QString("Juste"));
        QCOMPARE(f->P_score->text(), QString(" Score : 20"));
        QVERIFY(!f->Edit2->isEnabled());
        Capture(f.get(), "qsimpl-juste");

        f->BBContClick();
        QCOMPARE(Texte(f->Fraction1), QString("6/10"));
        QCOMPARE(f->Edit2->text(), QString());
        Repond(f.get(), "6", "10");
        QCOMPARE(f->WinPanel1->Titre(), QString("Faux"));
        QCOMPARE(f->LRep1->text(), QString("C'est :"));
        QCOMPARE(Texte(f->Fraction2), QString("3/5"));
        QVERIFY(!f->LRep2->isVisibleTo(f.get()));
        QCOMPARE(f->LRep3->text(), QString("(par 2)"));
        QCOMPARE(f->P_justes->text(), QString(" Juste(s) : 1/2"));
        Capture(f.get(), "qsimpl-faux");
    }

    void nombre_entier_et_zero() {
        Faux_Services services;
        Hasard_Test hasard{0, 7, 0, 0, 8, 0, 36};  // 12/12, then 0/56
        auto f = Ouvre_Fenetre<TQSimplF>(3);
        QCOMPARE(Texte(f->Fraction1), QString("12/12"));
        Repond(f.get(), "1", "");
        QCOMPARE(f->WinPanel1->Titre(), QString("Juste"));
        f->BBContClick();
        QCOMPARE(Texte(f->Fraction1), QString("0/56"));
        Repond(f.get(), "0", "56");
        QCOMPARE(f->WinPanel1->Titre(), QString("Faux"));
        QVERIFY(!f->Fraction2->isVisibleTo(f.get()));
        QCOMPARE(f->LRep2->text(), QString("0"));
        QVERIFY(f->LRep2->isVisibleTo(f.get()));
        QVERIFY(!f->LRep3->isVisibleTo(f.get()));
        Capture(f.get(), "qsimpl-zero");
    }
};

QTEST_MAIN(Test_Uqsimpl)
#include "test_Uqsimpl.moc"
