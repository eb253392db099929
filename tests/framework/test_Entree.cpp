// The answer entries of the base window hold whatever the pupil presses:
// modified keys, a sign typed after the digits, undo after Continue, paste,
// and Enter walking through the boxes.
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QTest>

#include "framework/logic/Commune.hpp"
#include "support/Faux_Services.hpp"
#include "support/Hasard_Test.hpp"
#include "topics/fraction/Uqreduc.hpp"
#include "topics/fraction/Uqsimpl.hpp"
#include "topics/integer/Uzaddi.hpp"

class Test_Entree : public QObject {
    Q_OBJECT

    // A window opened for a pupil, active so that its accelerators work.
    template <class F>
    static std::unique_ptr<F> Ouvre() {
        Commune::Nom = "MARTIN";
        auto f = std::make_unique<F>();
        f->show();
        f->activateWindow();
        return f;
    }

private slots:
    void touches_modifiees_filtrees_raccourcis_gardes() {
        Faux_Services services;
        Hasard_Test hasard{9, 10};  // 2 + 3
        auto f = Ouvre<TZAddiF>();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        for (Qt::KeyboardModifiers m : {Qt::KeyboardModifiers(Qt::AltModifier), Qt::KeyboardModifiers(Qt::MetaModifier), Qt::ControlModifier | Qt::AltModifier})
            QTest::keyClick(f->Edit1, 'x', m);
        // A format character (here a zero-width non-joiner, typed with Ctrl+Shift
        // on some layouts) is a character like any other.
        QKeyEvent zwnj(QEvent::KeyPress, Qt::Key_unknown, Qt::ControlModifier | Qt::ShiftModifier, QString(QChar(0x200C)));
        QApplication::sendEvent(f->Edit1, &zwnj);
        QCOMPARE(f->Edit1->text(), QString());
        QCOMPARE(services.bips, 4);
        QTest::keyClick(f->Edit1, '7', Qt::AltModifier);  // a digit typed with Alt held still goes in
        QCOMPARE(f->Edit1->text(), QString("7"));
        f->Edit1->setText(QString());
        // A digit never goes in front of the sign.
        QTest::keyClick(f->Edit1, '-');
        QTest::keyClick(f->Edit1, Qt::Key_Home);
        QTest::keyClick(f->Edit1, '5');
        QCOMPARE(f->Edit1->text(), QString("-"));
        QTest::keyClick(f->Edit1, Qt::Key_End);
        QTest::keyClick(f->Edit1, '5');
        QCOMPARE(f->Edit1->text(), QString("-5"));
        // The accelerator of Confirm still confirms (the click is animated).
        QTest::keyClick(f->Edit1, 'c', Qt::AltModifier);
        QTRY_COMPARE(f->WinPanel1->Titre(), QString("Faux"));
    }

    void annuler_apres_continuer_ne_ramene_rien() {
        Faux_Services services;
        Hasard_Test hasard{9, 10};
        auto f = Ouvre<TZAddiF>();
        QTest::keyClicks(f->Edit1, "12");
        f->BBConfClick();
        f->BBContClick();
        QTest::keySequence(f->Edit1, QKeySequence::Undo);
        QCOMPARE(f->Edit1->text(), QString());
        QVERIFY(!f->BBConf->isEnabled());
    }

    void colle_ce_qui_passe_le_filtre() {
        Faux_Services services;
        Hasard_Test hasard{9, 10};
        auto f = Ouvre<TZAddiF>();
        QApplication::clipboard()->setText("12a3");
        QTest::keySequence(f->Edit1, QKeySequence::Paste);
        QCOMPARE(f->Edit1->text(), QString("123"));
        QCOMPARE(services.bips, 1);
        // Over a selected sign, the filter sees the text without it.
        f->Edit1->setText("-4");
        f->Edit1->setSelection(1, -1);
        QApplication::clipboard()->setText("8");
        QTest::keySequence(f->Edit1, QKeySequence::Paste);
        QCOMPARE(f->Edit1->text(), QString("84"));
    }

    void entree_parcourt_les_boites_puis_confirme() {
        Faux_Services services;
        Hasard_Test hasard{0, 0, 0, 1};  // 1/2 and 1/3: two rows
        auto f = Ouvre<TQReducF>();
        const auto tape = [&](TEntree* e, const char* t) {
            QCOMPARE(f->focusWidget(), e);
            QTest::keyClicks(e, t);
            QTest::keyClick(e, Qt::Key_Return);
        };
        tape(f->Edit2, "6");
        tape(f->Edit3, "2");
        tape(f->Edit4, "6");
        tape(f->Edit1, "3");  // from the last box back to the first empty one
        QCOMPARE(f->WinPanel1->Titre(), QString("Juste"));

        // A whole number: Enter in the empty denominator confirms.
        Hasard_Test hasard2{0, 3, 0};  // mode, then 4/2
        auto s = Ouvre<TQSimplF>();
        QTest::keyClicks(s->Edit1, "2");
        QTest::keyClick(s->Edit1, Qt::Key_Return);
        QCOMPARE(s->focusWidget(), s->Edit2);
        QTest::keyClick(s->Edit2, Qt::Key_Return);
        QCOMPARE(s->WinPanel1->Titre(), QString("Juste"));
    }
};

QTEST_MAIN(Test_Entree)
#include "test_Entree.moc"
