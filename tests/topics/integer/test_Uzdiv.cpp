#include "topics/integer/Uzdiv.hpp"

#include "Banc_Relatifs.hpp"

class test_Uzdiv : public QObject {
    Q_OBJECT
private slots:
    void La_Barre_Quand_Le_Quotient_N_Existe_Pas();
};

void test_Uzdiv::La_Barre_Quand_Le_Quotient_N_Existe_Pas() {
    // Free mode each time: 7 : (-2), 0 : (-4), then 5 : (-3).
    Banc_Relatifs banc({9, 17, 8, 9, 10, 6, 9, 15, 7});
    TZDivF f;
    f.show();
    QCOMPARE(f.windowTitle(), QStringLiteral("Division des nombres entiers relatifs"));
    QCOMPARE(f.Label1->text(), QStringLiteral("Calculer (taper  /  si le quotient entier n'existe pas)"));
    QCOMPARE(f.Edit1->toolTip(), QStringLiteral("Tapez   /   si le quotient n'existe pas"));
    QCOMPARE(f.L_A->text() + f.L_S1->text() + f.L_B->text(), QStringLiteral("(+7):(-2)"));
    f.Edit1->Tape("3/");
    QCOMPARE(f.Edit1->text(), QStringLiteral("3"));
    f.Edit1->clear();
    Repond(f, "/");
    QCOMPARE(Verdict(f), QStringLiteral("Juste | bravo |  |  | A"));

    Continue(f);
    QCOMPARE(f.L_A->text() + f.L_B->text(), QStringLiteral("(0)(-4)"));
    Repond(f, "/");
    QCOMPARE(Verdict(f), QStringLiteral("Faux |  | La bonne réponse est : | (0) | B"));

    Continue(f);
    QCOMPARE(f.L_A->text() + f.L_B->text(), QStringLiteral("(+5)(-3)"));
    Repond(f, "-3");
    QCOMPARE(Verdict(f), QStringLiteral("Faux |  | Le quotient n'existe pas dans Z |  | B"));
    QCOMPARE(f.P_justes->text(), QStringLiteral(" Juste(s) : 1/3"));
}

QTEST_MAIN(test_Uzdiv)
#include "test_Uzdiv.moc"
