#include "topics/integer/Uzpuiss.hpp"

#include "Banc_Relatifs.hpp"

class test_Uzpuiss : public QObject {
    Q_OBJECT
private slots:
    void Avec_Puis_Sans_Parentheses();
};

void test_Uzpuiss::Avec_Puis_Sans_Parentheses() {
    Banc_Relatifs banc({0, 0, 2,          // (-2)^4
                        2, 3, 0, 0, 4,    // -3^2, no bracket
                        1, 53, 0, 3, 1}); // (-73)^5
    TZpuissF f;
    f.show();
    QCOMPARE(f.windowTitle(), QStringLiteral("Puissance des nombres entiers relatifs"));
    QCOMPARE(f.Label1->text(), QStringLiteral("Calculer (sans machine)"));
    QCOMPARE(f.L_A->text() + "^" + f.L_n->text(), QStringLiteral("(-2)^4"));
    Repond(f, "+16");
    QCOMPARE(Verdict(f), QStringLiteral("Juste | bravo |  |  | A"));
    QCOMPARE(f.P_score->text(), QStringLiteral(" Score : 15"));

    f.SlideBar1->setPosition(3);
    QCOMPARE(f.Label1->text(), QStringLiteral("Calculer"));
    QCOMPARE(f.L_A->text() + "^" + f.L_n->text(), QStringLiteral("-3^2"));
    Repond(f, "9");
    QCOMPARE(Verdict(f), QStringLiteral("Faux |  | La bonne réponse est : | -9 | B"));
    QCOMPARE(f.P_score->text(), QStringLiteral(" Score : 0"));

    Continue(f);
    QCOMPARE(f.L_A->text() + "^" + f.L_n->text(), QStringLiteral("(-73)^5"));
    f.Edit1->Tape("-20730715930");  // twelve characters at most
    QCOMPARE(f.Edit1->text(), QStringLiteral("-20730715930"));
    f.Edit1->Tape("1");
    QCOMPARE(f.Edit1->text().size(), 12);
    QTest::mouseClick(f.BBConf, Qt::LeftButton);
    QCOMPARE(f.LRep2->text(), QStringLiteral("-2 073 071 593"));
    QVERIFY(f.Edit1->toolTip().isEmpty());
    QTest::mouseClick(f.BBAide, Qt::LeftButton);
    QCOMPARE(banc.services.aides, QList<int>{235});
}

QTEST_MAIN(test_Uzpuiss)
#include "test_Uzpuiss.moc"
