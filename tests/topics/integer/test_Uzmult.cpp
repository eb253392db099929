#include "topics/integer/Uzmult.hpp"

#include "Banc_Relatifs.hpp"

class test_Uzmult : public QObject {
    Q_OBJECT
private slots:
    void Deux_Puis_Trois_Facteurs();
};

void test_Uzmult::Deux_Puis_Trois_Facteurs() {
    Banc_Relatifs banc({17, 17, 61, 61, 61});  // 10 x 10, then 31 x 31 x 31
    TZMultF f;
    f.show();
    QCOMPARE(f.windowTitle(), QStringLiteral("Multiplication des nombres relatifs"));
    QCOMPARE(f.L_A->text() + f.L_S1->text() + f.L_B->text(), QStringLiteral("(+10)x(+10)"));
    QVERIFY(!f.L_S2->isVisible());
    QVERIFY(!f.L_C->isVisible());
    Repond(f, "+100");
    QCOMPARE(Verdict(f), QStringLiteral("Juste | bravo |  |  | A"));

    f.SlideBar1->setPosition(3);
    QVERIFY(f.L_S2->isVisible());
    QVERIFY(f.L_C->isVisible());
    QCOMPARE(f.L_C->text(), QStringLiteral("(+31)"));
    f.Edit1->Tape("-297910");  // six characters at most
    QCOMPARE(f.Edit1->text(), QStringLiteral("-29791"));
    QTest::mouseClick(f.BBConf, Qt::LeftButton);
    QCOMPARE(Verdict(f), QStringLiteral("Faux |  | La bonne réponse est : | 29 791 | B"));
    QCOMPARE(f.P_justes->text(), QStringLiteral(" Juste(s) : 1/2"));
    QCOMPARE(Commune::Serie.EssaisNiveau(3), 1);
}

QTEST_MAIN(test_Uzmult)
#include "test_Uzmult.moc"
