#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include "framework/logic/Commune.hpp"
#include "platform/Polices.hpp"
#include "support/Capture.hpp"
#include "support/Faux_Services.hpp"
#include "support/Hasard_Test.hpp"
#include "support/Ouvre_Fenetre.hpp"
#include "topics/algebra/Uinequat.hpp"

class Test_Uinequat : public QObject {
    Q_OBJECT

    static std::unique_ptr<TInequatF> Ouvre(int niveau) { return Ouvre_Au_Niveau<TInequatF>(niveau); }
    static QPushButton* Touche(TInequatF& f, const QString& signe) {
        for (QPushButton* b : f.Boutons)
            if (b->text() == signe) return b;
        return nullptr;
    }
    const QString infini = QString(QChar(0x221E));
    const QString vide = QString(QChar(0x2205));

private slots:
    void init() { Commune::Serie.Remet_A_Zero(); }

    void clavier_pave_et_jugement() {
        Faux_Services services;
        // Level 2, sign "<": 3x + 1 < x + 6, that is 2x < 5.
        Hasard_Test hasard{0, 13, 11, 11, 16};
        auto f = Ouvre(2);
        QCOMPARE(f->L_signe->text(), QString("<"));
        QCOMPARE(f->L_signe->toolTip(), QString("strictement inférieur"));
        QCOMPARE(f->Label1->text(), QString("Réponse sous forme d'intervalle (bornes à 0,1 près avec 1,25 ---> 1.3)"));
        // Infinity typed on the keyboard beeps; the keypad puts it at the caret.
        QTest::keyClicks(f->Edit1, "]-;2.5[");
        QKeyEvent touche(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, infini);
        QApplication::sendEvent(f->Edit1, &touche);
        QCOMPARE(services.bips, 1);
        QCOMPARE(f->Edit1->text(), QString("]-;2.5["));
        f->Edit1->setCursorPosition(2);
        QVERIFY(!Touche(*f, infini)->hasFocus());
        QTest::mouseClick(Touche(*f, infini), Qt::LeftButton);
        QCOMPARE(f->Edit1->text(), "]-" + infini + ";2.5[");
        QVERIFY(f->Edit1->hasFocus());
        QCOMPARE(f->Edit1->cursorPosition(), 3);
        QTest::mouseClick(f->BBConf, Qt::LeftButton);
        QCOMPARE(f->WinPanel1->Titre(), QString("Juste"));
        QCOMPARE(f->LRep0->text(), QString());
        QCOMPARE(f->P_score->text(), QString(" Score : 40"));
        // A disabled entry takes nothing from the keypad.
        QTest::mouseClick(Touche(*f, vide), Qt::LeftButton);
        QCOMPARE(services.bips, 2);

        // -2x <= 5 (x + 1 <= 3x + 6): the steps reverse the sign.
        hasard.script->Ajoute({1, 11, 11, 13, 16});
        QTest::mouseClick(f->BBCont, Qt::LeftButton);
        QCOMPARE(f->L_signe->text(), QString(QChar(0x2264)));
        QTest::keyClicks(f->Edit1, "[-2.5;+");
        QTest::mouseClick(Touche(*f, infini), Qt::LeftButton);
        QTest::keyClicks(f->Edit1, "]");
        QTest::mouseClick(f->BBConf, Qt::LeftButton);
        QCOMPARE(f->WinPanel1->Titre(), QString("Faux c'est :"));
        QCOMPARE(f->LRep1->text(), "[-2.5;+" + infini + "[");
        QCOMPARE(f->LRep0->text(), QString("-2 χ  ≤ 5           χ  ≥ 5/-2           χ  ≥ -2.5"));
        Capture(f.get(), "inequat-niveau2-faux");

        // A full entry takes nothing more from the keypad.
        hasard.script->Ajoute({2, 13, 11, 11, 16});
        QTest::mouseClick(f->BBCont, Qt::LeftButton);
        QTest::keyClicks(f->Edit1, "[1234567890;");
        QTest::mouseClick(Touche(*f, infini), Qt::LeftButton);
        QCOMPARE(f->Edit1->text(), QString("[1234567890;"));
        QCOMPARE(services.bips, 3);
    }

    // One wrong and one right answer at every level, for the eye.
    void chaque_niveau() {
        Faux_Services services;
        Hasard_Test hasard({}, 2027);
        auto f = Ouvre(1);
        for (int niveau = 1; niveau <= 4; ++niveau) {
            f->SlideBar1->setPosition(niveau);
            const QString attendu = Plateforme::Symbol(QString::fromStdString(f->Sujet().Attendu()));
            f->Edit1->Tape(QStringLiteral("[7;8]"));
            QTest::mouseClick(f->BBConf, Qt::LeftButton);
            QCOMPARE(f->Dessin(), QString("B"));
            QCOMPARE(f->LRep1->text(), attendu);
            QCOMPARE(f->LRep0->text().isEmpty(), niveau == 4);
            Capture(f.get(), QStringLiteral("inequat-niveau%1-faux").arg(niveau));
            QTest::mouseClick(f->BBCont, Qt::LeftButton);
            // Typed as a pupil would, the signs from the keypad.
            for (QChar c : Plateforme::Symbol(QString::fromStdString(f->Sujet().Attendu()))) {
                if (c == infini[0] || c == vide[0]) QTest::mouseClick(Touche(*f, c), Qt::LeftButton);
                else QTest::keyClicks(f->Edit1, QString(c));
            }
            QTest::mouseClick(f->BBConf, Qt::LeftButton);
            QCOMPARE(f->Dessin(), QString("A"));
            Capture(f.get(), QStringLiteral("inequat-niveau%1-juste").arg(niveau));
        }
    }
};

QTEST_MAIN(Test_Uinequat)
#include "test_Uinequat.moc"
