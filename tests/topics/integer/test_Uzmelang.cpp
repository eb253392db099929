#include "topics/integer/Uzmelang.hpp"

#include "Banc_Relatifs.hpp"

class test_Uzmelang : public QObject {
    Q_OBJECT
private slots:
    void Une_Division_Exacte_Puis_Une_Addition_Ecrite_En_Soustraction();
    void La_Priorite_Du_Produit_Au_Niveau_3();
};

void test_Uzmelang::Une_Division_Exacte_Puis_Une_Addition_Ecrite_En_Soustraction() {
    // Level 1: 8 : (-4) (b drawn again until it divides 8); level 2: 7 + (-3).
    Banc_Relatifs banc({3, 15, 4, 12, 3, 0, 19, 9});
    TZMelangF f;
    f.show();
    QCOMPARE(f.windowTitle(), QStringLiteral("Opérations variées sur les nombres relatifs"));
    QCOMPARE(f.L_A->text() + f.L_S1->text() + f.L_B->text(), QStringLiteral("(+8):(-4)"));
    QVERIFY(!f.L_C->isVisible());
    Repond(f, "-2");
    QCOMPARE(Verdict(f), QStringLiteral("Juste | bravo |  |  | A"));

    // One exercise done (odd): the addition of a negative reads as a subtraction.
    f.SlideBar1->setPosition(2);
    QCOMPARE(f.L_A->text() + " " + f.L_S1->text() + " " + f.L_B->text(), QStringLiteral("7 - 3"));
    Repond(f, "10");
    QCOMPARE(Verdict(f), QStringLiteral("Faux |  | C'est : | 4 | B"));
}

void test_Uzmelang::La_Priorite_Du_Produit_Au_Niveau_3() {
    // k1 "-", k2 "x"; a = 2, b = 3, c = -4.
    Banc_Relatifs banc({1, 2, 14, 15, 8});
    TZMelangF f;
    f.SlideBar1->setPosition(3);
    f.show();
    QCOMPARE(f.L_A->text() + f.L_S1->text() + f.L_B->text() + f.L_S2->text() + f.L_C->text(),
             QStringLiteral("2-3x(-4)"));
    QVERIFY(f.L_C->isVisible());
    Repond(f, "4");
    QCOMPARE(Verdict(f), QStringLiteral("Faux |  | C'est : | 2 + 12 = 14 | B"));
    QCOMPARE(f.P_score->text(), QStringLiteral(" Score : 0"));
}

QTEST_MAIN(test_Uzmelang)
#include "test_Uzmelang.moc"
