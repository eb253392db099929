#include <QMimeData>
#include <QtTest>

#include "Sondes.hpp"
#include "controls/Figures.hpp"
#include "controls/Glisse.hpp"

namespace {
QMimeData* Donnees_A_Nous() {
    auto* d = new QMimeData;
    d->setData(Glisse::Type_Mime, "source");
    return d;
}
}  // namespace

class Test_Figures : public QObject {
    Q_OBJECT

private slots:
    void construction() {
        TFigure f;
        QCOMPARE(f.size(), QSize(65, 65));
        QVERIFY(f.Vers_Droite());
        QVERIFY(f.Verticale());
        QCOMPARE(f.DragMode(), dmManual);
        QCOMPARE(f.Pen()->Color(), QColor(Qt::black));
        QCOMPARE(f.Brush()->Color(), QColor(Qt::white));
        QCOMPARE(f.Brush()->Style(), Qt::SolidPattern);
        QCOMPARE(f.focusPolicy(), Qt::NoFocus);
        QVERIFY(f.acceptDrops());
    }

    void parallele_horizontale_de_85_sur_30() {
        QWidget fenetre;
        Surface(fenetre);
        auto* f = new TFigure(&fenetre);
        f->Pen()->setColor(Qt::white);
        f->setFigure(Geometrie::Parallele);
        f->setVerticale(false);
        f->setGeometry(20, 20, 85, 30);
        QVERIFY(Montre(fenetre));
        QCOMPARE(f->size(), QSize(85, 16));
        const QImage i = Image_De(f);
        QCOMPARE(Lignes_De(i, Qt::white), QList<int>{8});
        for (int x = 0; x < 85; ++x) QCOMPARE(Pixel(i, x, 8), QColor(Qt::white));

        // Turned upright it becomes a 16-pixel column with the line in its middle.
        f->setVerticale(true);
        QCOMPARE(f->width(), 16);
        f->resize(16, 60);
        const QImage v = Image_De(f);
        for (int y = 0; y < 60; ++y) {
            QCOMPARE(Pixel(v, 8, y), QColor(Qt::white));
            QCOMPARE(Pixel(v, 7, y), Fond_Surface);
        }
        // The forced width holds whatever the layout asks.
        f->setGeometry(20, 20, 85, 30);
        QCOMPARE(f->size(), QSize(16, 30));
    }

    void rectangle_contour_et_remplissage() {
        QWidget fenetre;
        Surface(fenetre);
        auto* f = new TFigure(&fenetre);
        f->setFigure(Geometrie::Rectangle2);
        f->setGeometry(10, 10, 40, 30);
        f->Pen()->setColor(QColor(0, 0, 255));
        f->Pen()->setWidth(5);  // the outline is always one pixel
        f->Brush()->setColor(QColor(0, 255, 0));
        QVERIFY(Montre(fenetre));
        const QImage i = Image_De(f);
        for (QPoint p : {QPoint(0, 0), QPoint(39, 29), QPoint(39, 0), QPoint(0, 29), QPoint(20, 0)})
            QCOMPARE(Pixel(i, p.x(), p.y()), QColor(0, 0, 255));
        QCOMPARE(Pixel(i, 1, 1), QColor(0, 255, 0));
        QCOMPARE(Pixel(i, 20, 15), QColor(0, 255, 0));
        // A hollow brush lets the parent show inside.
        f->Brush()->setStyle(Qt::NoBrush);
        QCOMPARE(Pixel(Image_De(f), 20, 15), Fond_Surface);
    }

    void triangle_rectangle_selon_le_sens() {
        QWidget fenetre;
        Surface(fenetre);
        auto* f = new TFigure(&fenetre);
        f->setFigure(Geometrie::Triangle_rect);
        f->Brush()->setColor(QColor(255, 0, 0));
        QVERIFY(Montre(fenetre));
        // The right angle is bottom left, then bottom right.
        QCOMPARE(Pixel(Image_De(f), 3, 10), QColor(255, 0, 0));
        QCOMPARE(Pixel(Image_De(f), 61, 10), Fond_Surface);
        f->setVers_Droite(false);
        QCOMPARE(Pixel(Image_De(f), 3, 10), Fond_Surface);
        QCOMPARE(Pixel(Image_De(f), 61, 10), QColor(255, 0, 0));
    }

    void cylindre_sans_contour_du_corps() {
        QWidget fenetre;
        Surface(fenetre);
        auto* f = new TFigure(&fenetre);
        f->setFigure(Geometrie::Cylindre);
        f->setVerticale(false);
        f->setGeometry(10, 10, 120, 50);
        f->Pen()->setColor(QColor(0, 0, 128));
        f->Brush()->setColor(QColor(255, 255, 160));
        QVERIFY(Montre(fenetre));
        const QImage i = Image_De(f);
        const QColor plume(0, 0, 128), fond(255, 255, 160);
        // The hidden (right) end's near side is covered by the body.
        QCOMPARE(Pixel(i, 100, 24), fond);
        // The visible (left) end is drawn over the body.
        QCOMPARE(Pixel(i, 19, 24), plume);
        // The long edges are drawn, the body's short sides are not.
        QCOMPARE(Pixel(i, 60, 0), plume);
        QCOMPARE(Pixel(i, 60, 49), plume);
        QCOMPARE(Pixel(i, 60, 24), fond);
        QCOMPARE(Pixel(i, 110, 10), fond);
        // The far side of the hidden end still shows.
        QCOMPARE(Pixel(i, 118, 24), plume);

        // With a hollow brush the body's outline takes the parent's colour.
        f->Brush()->setStyle(Qt::NoBrush);
        QCOMPARE(f->Couleur_Fond(), Fond_Surface);
    }

    void plume_et_pinceau_repeignent_quand_ils_changent() {
        QWidget fenetre;
        Surface(fenetre);
        auto* f = new TFigure(&fenetre);
        f->setFigure(Geometrie::Losange);
        QVERIFY(Montre(fenetre));
        Compte_Peintures peintures(f);
        QTest::qWait(20);

        peintures.n = 0;
        f->Brush()->setColor(Qt::white);
        f->Pen()->setColor(Qt::black);
        f->setFigure(Geometrie::Losange);
        f->setVers_Droite(true);
        TPen meme;
        f->setPen(meme);
        QTest::qWait(50);
        QCOMPARE(peintures.n, 0);

        TBrush rouge;
        rouge.setColor(Qt::red);
        rouge.setStyle(Qt::Dense4Pattern);
        f->setBrush(rouge);
        QCOMPARE(f->Brush()->Color(), QColor(Qt::red));
        QCOMPARE(f->Brush()->Style(), Qt::Dense4Pattern);
        QVERIFY(f->Brush() != &rouge);  // a copy, the figure keeps its own
        QTRY_VERIFY(peintures.n >= 1);

        QTest::qWait(20);
        peintures.n = 0;
        f->Pen()->setWidth(3);
        QTRY_VERIFY(peintures.n >= 1);
    }

    void cible_d_un_glisser() {
        TFigure cible;
        QObject source;
        Glisse::Definit_Source(&source);

        // Without a drag-over handler, nothing is taken.
        {
            QDragEnterEvent e(QPoint(5, 6), Qt::MoveAction, Donnees_A_Nous(), Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&cible, &e);
            QVERIFY(!e.isAccepted());
            delete e.mimeData();
        }

        QList<TDragState> etats;
        QObject* vue = nullptr;
        bool refuse = false;
        connect(&cible, &TFigure::DragOver, this,
                [&](QObject* s, int x, int y, TDragState etat, bool& accepte) {
                    vue = s;
                    etats << etat;
                    QCOMPARE(QPoint(x, y), QPoint(5, 6));
                    if (refuse) accepte = false;
                });
        QPoint depot;
        QObject* depose = nullptr;
        connect(&cible, &TFigure::DragDrop, this, [&](QObject* s, int x, int y) {
            depose = s;
            depot = QPoint(x, y);
        });

        QMimeData* donnees = Donnees_A_Nous();
        QDragEnterEvent entre(QPoint(5, 6), Qt::MoveAction, donnees, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&cible, &entre);
        QVERIFY(entre.isAccepted());
        QCOMPARE(vue, &source);
        QDragMoveEvent bouge(QPoint(5, 6), Qt::MoveAction, donnees, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&cible, &bouge);
        QVERIFY(bouge.isAccepted());
        QCOMPARE(etats, (QList<TDragState>{dsDragEnter, dsDragMove}));

        refuse = true;
        QDragMoveEvent refuse_ici(QPoint(5, 6), Qt::MoveAction, donnees, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&cible, &refuse_ici);
        QVERIFY(!refuse_ici.isAccepted());

        QDropEvent lache(QPointF(7, 9), Qt::MoveAction, donnees, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&cible, &lache);
        QCOMPARE(depose, &source);
        QCOMPARE(depot, QPoint(7, 9));

        // Data from elsewhere (text from another program) is refused.
        QMimeData texte;
        texte.setText("12");
        refuse = false;
        QDragEnterEvent etranger(QPoint(5, 6), Qt::CopyAction, &texte, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&cible, &etranger);
        QVERIFY(!etranger.isAccepted());
        delete donnees;
        Glisse::Definit_Source(nullptr);
    }

    void glisser_automatique_au_bouton_gauche() {
        QWidget fenetre;
        Surface(fenetre);
        auto* source = new TFigure(&fenetre);
        source->setGeometry(10, 10, 65, 65);
        source->setDragMode(dmAutomatic);
        int fins = 0;
        QObject* arrivee = source;
        connect(source, &TFigure::EndDrag, this, [&](QObject* t, int, int) {
            ++fins;
            arrivee = t;
        });
        QVERIFY(Montre(fenetre));
        // Nothing here takes the drop: the drag ends on no target.
        QTest::mousePress(source, Qt::LeftButton, {}, QPoint(30, 30));
        QCOMPARE(fins, 1);
        QCOMPARE(arrivee, nullptr);
        QCOMPARE(Glisse::Source_En_Cours(), nullptr);
        QTest::mouseRelease(source, Qt::LeftButton, {}, QPoint(30, 30));
        // Other buttons start nothing.
        QTest::mouseClick(source, Qt::RightButton, {}, QPoint(30, 30));
        QCOMPARE(fins, 1);
        // A window can start one itself.
        source->setDragMode(dmManual);
        QTest::mouseClick(source, Qt::LeftButton, {}, QPoint(30, 30));
        QCOMPARE(fins, 1);
        source->BeginDrag(QPoint(3, 3));
        QCOMPARE(fins, 2);
    }

    void mode_manuel_sans_glisser() {
        QWidget fenetre;
        Surface(fenetre);
        auto* f = new TFigure(&fenetre);
        f->setGeometry(10, 10, 65, 65);
        int fins = 0, appuis = 0, laches = 0;
        connect(f, &TFigure::EndDrag, this, [&](QObject*, int, int) { ++fins; });
        connect(f, &TFigure::MouseDown, this, [&](Qt::MouseButton b, Qt::KeyboardModifiers, int x, int y) {
            ++appuis;
            QCOMPARE(b, Qt::LeftButton);
            QCOMPARE(QPoint(x, y), QPoint(5, 7));
        });
        connect(f, &TFigure::MouseUp, this, [&](Qt::MouseButton, Qt::KeyboardModifiers, int, int) { ++laches; });
        QVERIFY(Montre(fenetre));
        QTest::mouseClick(f, Qt::LeftButton, {}, QPoint(5, 7));
        QCOMPARE(appuis, 1);
        QCOMPARE(laches, 1);
        QCOMPARE(fins, 0);
    }
};

QTEST_MAIN(Test_Figures)
#include "test_Figures.moc"
