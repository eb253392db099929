#include "topics/fraction/Uqdiv.hpp"

#include "Fenetre_Fraction_Test.hpp"

class Test_Uqdiv : public QObject {
    Q_OBJECT
private slots:
    void quotient_juste() {
        Faux_Services services;
        Hasard_Test hasard{1, 1, 4, 5};  // 2/3 : 5/7
        auto f = Ouvre_Fenetre<TQDivF>();
        QCOMPARE(f->windowTitle(), QString("Division des fractions"));
        QCOMPARE(f->LS1->text(), QString(":"));
        QCOMPARE(Texte(f->Fraction2), QString("5/7"));
        Repond(f.get(), "14", "15");
        QCOMPARE(f->WinPanel1->Titre(), QString("Juste"));
    }

    void quotient_negatif_sans_signe_est_faux() {
        Faux_Services services;
        Hasard_Test hasard{7, 7, 1, 3, 7, 2, 0};  // -4/9 : 8/3
        auto f = Ouvre_Fenetre<TQDivF>(4);
        QCOMPARE(Texte(f->Fraction1), QString("-4/9"));
        QCOMPARE(Texte(f->Fraction2), QString("8/3"));
        Repond(f.get(), "1", "6");
        QCOMPARE(f->WinPanel1->Titre(), QString("Faux"));
        const TPanneau_Annulations* c = f->Correction;
        QCOMPARE(Texte(c->F[0]), QString("-4x3/9x8"));
        QCOMPARE(c->L[0]->text(), QString("(4,8)/4"));
        QCOMPARE(Texte(c->Freps), QString("-1/6"));
        Capture(f.get(), "qdiv-faux");
    }
};

QTEST_MAIN(Test_Uqdiv)
#include "test_Uqdiv.moc"
