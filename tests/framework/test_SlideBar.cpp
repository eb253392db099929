#include <QSignalSpy>
#include <QTest>

#include "framework/SlideBar.hpp"
#include "framework/WinPanel.hpp"

class Test_SlideBar : public QObject {
    Q_OBJECT
private slots:
    void position_hors_bornes_garde_l_ancienne_et_signale() {
        TSlideBar s;
        s.setMax(3);
        QSignalSpy change(&s, &TSlideBar::Change);
        s.setPosition(2);
        s.setPosition(0);
        QCOMPARE(s.Position(), 2);
        s.setPosition(4);
        QCOMPARE(s.Position(), 2);
        s.setPosition(2);
        QCOMPARE(change.count(), 4);
        s.setLoading(true);
        s.setPosition(3);
        QCOMPARE(s.Position(), 3);
        QCOMPARE(change.count(), 4);  // only stored while loading
    }

    void clavier_horizontal_et_vertical() {
        TSlideBar s;
        s.resize(100, 15);
        s.setMax(4);
        QSignalSpy change(&s, &TSlideBar::Change);
        QTest::keyClick(&s, Qt::Key_Right);
        QCOMPARE(s.Position(), 2);
        QTest::keyClick(&s, Qt::Key_End);
        QCOMPARE(s.Position(), 4);
        QTest::keyClick(&s, Qt::Key_Up);  // already at the top: nothing moves, nothing raised
        QCOMPARE(s.Position(), 4);
        QTest::keyClick(&s, Qt::Key_PageUp);
        QCOMPARE(s.Position(), 3);
        QTest::keyClick(&s, Qt::Key_Home);
        QCOMPARE(s.Position(), 1);
        QTest::keyClick(&s, Qt::Key_Left);
        QCOMPARE(s.Position(), 1);
        QCOMPARE(change.count(), 4);

        TSlideBar v;
        v.setMax(4);
        v.resize(15, 100);
        QCOMPARE(v.Orientation(), TSlideBar::orVertical);
        QTest::keyClick(&v, Qt::Key_Home);
        QCOMPARE(v.Position(), 4);
        QTest::keyClick(&v, Qt::Key_End);
        QCOMPARE(v.Position(), 1);
        v.resize(100, 15);
        QCOMPARE(v.Orientation(), TSlideBar::orHorizontal);
    }

    void epaisseur_refusee_hors_1_a_5() {
        TSlideBar s;
        s.setThickness(3);
        s.setThickness(0);
        QCOMPARE(s.Thickness(), 3);
        s.setThickness(6);
        QCOMPARE(s.Thickness(), 3);
    }

    void clic_a_droite_du_curseur_au_maximum_signale_quand_meme() {
        TSlideBar s;
        s.setMax(3);
        s.resize(100, 15);
        s.setPosition(3);
        QSignalSpy change(&s, &TSlideBar::Change);
        const QRect t = s.ThumbRect();
        QCOMPARE(t.right(), 99);
        QTest::mouseClick(&s, Qt::LeftButton, {}, QPoint(t.center().x() + 1, 7));
        QCOMPARE(s.Position(), 3);
        QCOMPARE(change.count(), 1);
        QTest::mouseClick(&s, Qt::LeftButton, {}, QPoint(2, 7));
        QCOMPARE(s.Position(), 2);
    }

    void glisser_le_curseur() {
        TSlideBar s;
        s.setMax(3);
        s.resize(100, 15);
        s.show();
        QSignalSpy change(&s, &TSlideBar::Change);
        const QPoint depart = s.ThumbRect().center();
        QTest::mousePress(&s, Qt::LeftButton, {}, depart);
        QMouseEvent bouge(QEvent::MouseMove, QPointF(90, 7), s.mapToGlobal(QPointF(90, 7)), Qt::NoButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&s, &bouge);
        QCOMPARE(s.Position(), 3);
        QVERIFY(change.count() >= 1);
        QTest::mouseRelease(&s, Qt::LeftButton, {}, QPoint(40, 7));
        QCOMPARE(s.Position(), 2);  // 40 / 95 of the way from 1 to 3
    }

    void geometrie() {
        TSlideBar s;
        s.setMax(3);
        s.setThumbStyle(TSlideBar::tsBar2);
        s.resize(100, 15);
        const int tw = s.ThumbRect().width();
        QCOMPARE(s.ThumbRect().left(), 0);
        s.setPosition(2);
        QCOMPARE(s.ThumbRect().left(), qRound((100 - tw) / 2.0));
        QCOMPARE(s.PositionFromCoord(0), 1);
        QCOMPARE(s.PositionFromCoord(99), 3);
        QCOMPARE(s.PositionFromCoord(-40), 1);
        QCOMPARE(s.PositionFromCoord(500), 3);
        QCOMPARE(s.TickOffset(1), 0);
        QCOMPARE(s.TickOffset(3), 100 - tw);
        const QRect g = s.GrooveRect();
        QCOMPARE(g.height(), 2);
        QCOMPARE(g.left(), tw / 2);
        // Every thumb has a picture and a mask of the same size.
        for (const char* nom : {"Bar1", "Bar2", "Bar3", "Bar4", "Circle1", "Square1", "Diamond1", "Diamond2",
                                "Diamond3", "Diamond4"}) {
            const QPixmap p = TSlideBar::Picture(nom);
            QVERIFY(!p.isNull());
            QCOMPARE(TSlideBar::Picture(QString(nom) + "Mask").size(), p.size());
        }
    }

    void panneau_titre_ferme_et_glisse() {
        QWidget fenetre;
        fenetre.resize(600, 400);
        TWinPanel* p = new TWinPanel(&fenetre);
        p->setBordSimple(true);
        p->setGeometry(10, 10, 319, 101);
        p->setTitre("Faux");
        p->setCoulFondTitre(QColor(255, 0, 0));
        fenetre.show();
        QVERIFY(p->isVisible());
        QTest::mouseClick(p->BoutonFermer(), Qt::LeftButton);
        QVERIFY(!p->isVisible());
        p->show();
        QCOMPARE(p->Titre(), QString("Faux"));
        QCOMPARE(p->CoulFondTitre(), QColor(255, 0, 0));
        // Close button at the top right, inside the border.
        QCOMPARE(p->BoutonFermer()->geometry(), QRect(319 - 1 - 5 - 11, 3, 11, 12));
        QCOMPARE(p->BarreTitre()->geometry(), QRect(1, 1, 319 - 2 - 4, 14));
        // Drag by the title.
        QWidget* barre = p->BarreTitre();
        const QPointF origine = barre->mapToGlobal(QPointF(0, 0));  // the mouse's frame does not move
        QTest::mousePress(barre, Qt::LeftButton, {}, QPoint(50, 5));
        for (int i = 1; i <= 5; ++i) {
            const QPointF ecran = origine + QPointF(50 + 20 * i, 5 + 10 * i);
            QMouseEvent bouge(QEvent::MouseMove, barre->mapFromGlobal(ecran), ecran, Qt::NoButton, Qt::LeftButton,
                              Qt::NoModifier);
            QApplication::sendEvent(barre, &bouge);
        }
        QTest::mouseRelease(barre, Qt::LeftButton, {}, QPoint(150, 55));
        QCOMPARE(p->pos(), QPoint(110, 60));
        // Never dragged out of the window.
        QTest::mousePress(barre, Qt::LeftButton, {}, QPoint(50, 5));
        const QPointF loin(5000, 5000);
        QMouseEvent bouge(QEvent::MouseMove, loin, barre->mapToGlobal(loin), Qt::NoButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(barre, &bouge);
        QCOMPARE(p->pos(), QPoint(600 - 319, 400 - 101));
    }
};

QTEST_MAIN(Test_SlideBar)
#include "test_SlideBar.moc"
