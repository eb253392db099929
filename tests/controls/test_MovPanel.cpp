#include <QMimeData>
#include <QtTest>

#include "Sondes.hpp"
#include "controls/MovPanel.hpp"

class Test_MovPanel : public QObject {
    Q_OBJECT

private slots:
    void glisse_dans_son_parent() {
        QWidget fenetre;
        Surface(fenetre, QSize(400, 300));
        auto* p = new TMovPanel(&fenetre);
        p->setGeometry(10, 10, 100, 40);
        p->setCaption("12");
        QVERIFY(Montre(fenetre));

        QTest::mousePress(p, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(p->En_Deplacement());
        QTest::mouseMove(p, QPoint(55, 35));
        QCOMPARE(p->pos(), QPoint(60, 40));
        QTest::mouseMove(p, QPoint(15, 25));  // relative to the moved panel
        QCOMPARE(p->pos(), QPoint(70, 60));
        // Pulled past the edges, it stops at the parent's border.
        QTest::mouseMove(p, QPoint(1000, 1000));
        QCOMPARE(p->pos(), QPoint(300, 260));
        QTest::mouseMove(p, QPoint(-1000, -1000));
        QCOMPARE(p->pos(), QPoint(0, 0));
        QTest::mouseRelease(p, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!p->En_Deplacement());

        // Once released, moving the mouse no longer moves it.
        const QPoint ici = p->pos();
        QTest::mouseMove(p, QPoint(50, 20));
        QCOMPARE(p->pos(), ici);
    }

    void les_autres_boutons_ne_deplacent_rien() {
        QWidget fenetre;
        Surface(fenetre);
        auto* p = new TMovPanel(&fenetre);
        p->setGeometry(10, 10, 100, 40);
        QVERIFY(Montre(fenetre));
        QTest::mousePress(p, Qt::RightButton, {}, QPoint(5, 5));
        QVERIFY(!p->En_Deplacement());
        QTest::mouseMove(p, QPoint(55, 35));
        QCOMPARE(p->pos(), QPoint(10, 10));
        QTest::mouseRelease(p, Qt::RightButton, {}, QPoint(55, 35));
    }

    void couleur_et_legende() {
        QWidget fenetre;
        Surface(fenetre);
        auto* p = new TMovPanel(&fenetre);
        p->setGeometry(10, 10, 100, 40);
        p->setColor(QColor(255, 210, 0));
        p->setBevelOuter(bvNone);
        QVERIFY(Montre(fenetre));
        QImage i = Image_De(p);
        QCOMPARE(Pixel(i, 0, 0), QColor(255, 210, 0));
        QVERIFY(Lignes_De(i, Qt::black).isEmpty());
        p->setCaption("357");
        i = Image_De(p);
        const QList<int> lignes = Lignes_De(i, Qt::black);
        QVERIFY(!lignes.isEmpty());
        // Centred vertically.
        QVERIFY(lignes.first() > 5 && lignes.last() < 35);
        p->setBevelOuter(bvRaised);
        QVERIFY(Pixel(Image_De(p), 0, 0) != QColor(255, 210, 0));
    }

    void prend_les_depots_que_son_gestionnaire_accepte() {
        TMovPanel p;
        QObject source;
        Glisse::Definit_Source(&source);
        QMimeData donnees;
        donnees.setData(Glisse::Type_Mime, "plaque");
        QDragEnterEvent sans(QPoint(3, 4), Qt::MoveAction, &donnees, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&p, &sans);
        QVERIFY(!sans.isAccepted());

        QList<TDragState> etats;
        connect(&p, &TMovPanel::DragOver, this, [&](QObject* s, int, int, TDragState e, bool& accepte) {
            QCOMPARE(s, &source);
            etats << e;
            accepte = e != dsDragMove;
        });
        QObject* depose = nullptr;
        connect(&p, &TMovPanel::DragDrop, this, [&](QObject* s, int, int) { depose = s; });
        QDragEnterEvent entre(QPoint(3, 4), Qt::MoveAction, &donnees, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&p, &entre);
        QVERIFY(entre.isAccepted());
        QDragMoveEvent bouge(QPoint(5, 4), Qt::MoveAction, &donnees, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&p, &bouge);
        QVERIFY(!bouge.isAccepted());
        QDragLeaveEvent part;
        QApplication::sendEvent(&p, &part);
        QCOMPARE(etats, (QList<TDragState>{dsDragEnter, dsDragMove, dsDragLeave}));
        // Leaving twice tells the handler once.
        QApplication::sendEvent(&p, &part);
        QCOMPARE(etats.size(), 3);

        // Back over it, then released there.
        QDragEnterEvent revient(QPoint(3, 4), Qt::MoveAction, &donnees, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&p, &revient);
        QVERIFY(revient.isAccepted());
        QDropEvent lache(QPointF(6, 7), Qt::MoveAction, &donnees, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&p, &lache);
        QVERIFY(lache.isAccepted());
        QCOMPARE(depose, &source);
        Glisse::Definit_Source(nullptr);
    }
};

QTEST_MAIN(Test_MovPanel)
#include "test_MovPanel.moc"
