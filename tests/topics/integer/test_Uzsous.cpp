#include "topics/integer/Uzsous.hpp"

#include "Banc_Relatifs.hpp"

class test_Uzsous : public QObject {
    Q_OBJECT
private slots:
    void Une_Bonne_Puis_Une_Mauvaise_Reponse();
    void Le_Niveau_Change_La_Correction();
};

void test_Uzsous::Une_Bonne_Puis_Une_Mauvaise_Reponse() {
    Banc_Relatifs banc({12, 5, 0, 14});  // 5 - (-2), then -7 - 7
    TZSousF f;
    f.show();
    QCOMPARE(f.windowTitle(), QStringLiteral("Soustraction des nombres relatifs"));
    QCOMPARE(f.Label1->text(), QStringLiteral("Calculer"));
    QCOMPARE(f.L_A->text() + f.L_S1->text() + f.L_B->text() + f.Label2->text(), QStringLiteral("(+5)-(-2)="));
    QCOMPARE(f.P_nom->text(), QStringLiteral(" DUPONT Léa"));
    QVERIFY(!f.BBConf->isEnabled());

    f.Edit1->Tape("7-x");  // a late sign is dropped silently, a letter beeps
    QCOMPARE(f.Edit1->text(), QStringLiteral("7"));
    QCOMPARE(banc.services.bips, 1);
    QVERIFY(f.BBConf->isEnabled());
    QTest::mouseClick(f.BBConf, Qt::LeftButton);
    QCOMPARE(Verdict(f), QStringLiteral("Juste | bravo |  |  | A"));
    QCOMPARE(f.P_justes->text(), QStringLiteral(" Juste(s) : 1/1"));
    QCOMPARE(f.P_score->text(), QStringLiteral(" Score : 10"));
    QVERIFY(!f.Edit1->isEnabled());

    Continue(f);
    QCOMPARE(f.L_A->text() + f.L_B->text(), QStringLiteral("(-7)(+7)"));
    QCOMPARE(Verdict(f), QStringLiteral("(pas de verdict)"));
    QCOMPARE(f.Dessin(), QStringLiteral("F"));
    Repond(f, "14");
    QCOMPARE(Verdict(f), QStringLiteral("Faux |  | La bonne réponse est : | (-14) | B"));
    QCOMPARE(f.P_justes->text(), QStringLiteral(" Juste(s) : 1/2"));
    QCOMPARE(f.P_score->text(), QStringLiteral(" Score : 0"));

    QTest::mouseClick(f.BBAide, Qt::LeftButton);
    QCOMPARE(banc.services.aides, QList<int>{220});
}

void test_Uzsous::Le_Niveau_Change_La_Correction() {
    Banc_Relatifs banc({12, 5, 0, 299});  // level 1, then level 3: -150 - 149
    TZSousF f;
    f.show();
    Repond(f, "7");
    f.SlideBar1->setPosition(3);  // judged: the next question comes at once
    QCOMPARE(f.l_niv->text(), QStringLiteral("3"));
    QCOMPARE(f.P_niveau->text(), QStringLiteral(" Niveau III"));
    QCOMPARE(f.L_A->text() + f.L_B->text(), QStringLiteral("(-150)(+149)"));
    Repond(f, "-301");
    QCOMPARE(f.LRep2->text(), QStringLiteral("-299"));
    QCOMPARE(f.P_score->text(), QStringLiteral(" Score : 0"));
}

QTEST_MAIN(test_Uzsous)
#include "test_Uzsous.moc"
