#include <QtTest>

#include "Sondes.hpp"
#include "controls/Figures.hpp"
#include "controls/Fraction.hpp"
#include "controls/Galerie.hpp"
#include "controls/Indice.hpp"
#include "controls/Racine.hpp"
#include "controls/Unites.hpp"
#include "controls/MovPanel.hpp"

class Test_Galerie : public QObject {
    Q_OBJECT

private slots:
    void tout_se_voit_sans_chevauchement() {
        TGalerieControles g;
        QVERIFY(Montre(g));
        QCOMPARE(g.Figures.size(), 2 * Geometrie::Nombre_Figures + 6);
        QList<QWidget*> tous;
        for (auto* w : g.Fractions) tous << w;
        for (auto* w : g.Racines) tous << w;
        for (auto* w : g.Unites) tous << w;
        for (auto* w : g.Indices) tous << w;
        for (auto* w : g.Figures) tous << w;
        tous << g.MovPanel1;
        for (int i = 0; i < tous.size(); ++i) {
            QVERIFY(g.rect().contains(tous[i]->geometry()));
            for (int j = i + 1; j < tous.size(); ++j)
                QVERIFY2(!tous[i]->geometry().intersects(tous[j]->geometry()),
                         qPrintable(QString("%1 %2").arg(i).arg(j)));
        }
        const QImage image = g.grab().toImage();
        QVERIFY(!image.isNull());
        QVERIFY(image.save("/tmp/tavelune-controles.png"));
    }
};

QTEST_MAIN(Test_Galerie)
#include "test_Galerie.moc"
