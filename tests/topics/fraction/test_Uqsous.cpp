#include "topics/fraction/Uqsous.hpp"

#include "Fenetre_Fraction_Test.hpp"

class Test_Uqsous : public QObject {
    Q_OBJECT
private slots:
    void difference_juste_puis_signe_en_trop() {
        Faux_Services services;
        Hasard_Test hasard{4, 5, 1, 4, 5, 1};  // 5/7 - 2/7, twice
        auto f = Ouvre_Fenetre<TQSousF>();
        QCOMPARE(f->windowTitle(), QString("Soustraction des fractions"));
        QCOMPARE(f->LS1->text(), QString("-"));
        QCOMPARE(Texte(f->Fraction1), QString("5/7"));
        QCOMPARE(Texte(f->Fraction2), QString("2/7"));
        Repond(f.get(), "3", "7");
        QCOMPARE(f->WinPanel1->Titre(), QString("Juste"));

        f->BBContClick();
        QTest::keyClicks(f->Edit1, "-3-");
        QCOMPARE(f->Edit1->text(), QString("-3"));
        QTest::keyClicks(f->Edit2, "-7");
        QCOMPARE(f->Edit2->text(), QString("7"));  // no sign in the denominator
        QCOMPARE(services.bips, 1);
        f->BBConfClick();
        QCOMPARE(f->WinPanel1->Titre(), QString("Faux"));
        QCOMPARE(Texte(f->Correction->Frep), QString("3/7"));
        QVERIFY(!f->Correction->Freps->isVisibleTo(f.get()));
        QVERIFY(!f->Correction->Lentier->isVisibleTo(f.get()));
        Capture(f.get(), "qsous-faux");
    }

    void resultat_negatif_au_dernier_niveau() {
        Faux_Services services;
        // Mode 7 with t = 10: 1/20 - 3/10.
        Hasard_Test hasard{7, 0, 0, 1, 2, 0};
        auto f = Ouvre_Fenetre<TQSousF>(4);
        QCOMPARE(Texte(f->Fraction1), QString("1/20"));
        QCOMPARE(Texte(f->Fraction2), QString("3/10"));
        Repond(f.get(), "5", "20");
        QCOMPARE(f->WinPanel1->Titre(), QString("Faux"));
        QCOMPARE(Texte(f->Correction->F1r), QString("1/20"));
        QCOMPARE(Texte(f->Correction->F2r), QString("6/20"));
        QCOMPARE(Texte(f->Correction->Frep), QString("-5/20"));
        QCOMPARE(Texte(f->Correction->Freps), QString("-1/4"));
        QCOMPARE(f->Correction->Lpar->text(), QString("(par 5)"));
        Capture(f.get(), "qsous-negatif");
        f->BBContClick();
        hasard.script->Ajoute({7, 0, 0, 1, 2, 0});
        f->BBContClick();
        Repond(f.get(), "-1", "4");
        QCOMPARE(f->WinPanel1->Titre(), QString("Juste"));
    }

    void couleurs_riches() {
        Faux_Services services;
        Hasard_Test hasard;
        Commune::Couleurs_Riches = true;
        auto f = Ouvre_Fenetre<TQSousF>();
        Commune::Couleurs_Riches = false;
        QCOMPARE(f->palette().color(QPalette::Window), QColor(223, 223, 223));
        QCOMPARE(f->Panel1->palette().color(QPalette::Window), QColor(170, 77, 0));
        QCOMPARE(f->L_Dessin->palette().color(QPalette::Window), QColor(134, 115, 255));
        QCOMPARE(f->P_nom->palette().color(QPalette::Window), QColor(34, 87, 174));
    }
};

QTEST_MAIN(Test_Uqsous)
#include "test_Uqsous.moc"
