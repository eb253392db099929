// Every exercise window of the window table, once built, shows corrections
// that fit their verdict panel at every level.
#include <QtTest>
#include <memory>

#include "framework/FenetreExercice.hpp"
#include "framework/logic/Commune.hpp"
#include "shell/Fenetres.hpp"
#include "support/Faux_Services.hpp"
#include "support/Lisibilite.hpp"

class Test_Corrections_Lisibles : public QObject {
    Q_OBJECT
private slots:
    void chaque_correction_tient_dans_son_panneau_data() {
        QTest::addColumn<int>("rang");
        const auto table = Fenetres::Table();
        for (std::size_t i = 0; i < table.size(); ++i)
            if (table[i].fabrique) QTest::newRow(table[i].classe) << static_cast<int>(i);
    }

    void chaque_correction_tient_dans_son_panneau() {
        QFETCH(int, rang);
        Faux_Services services;
        Commune::Serie.Remet_A_Zero();
        Commune::Nom = "DUPONT";
        Commune::Prenom = "Marie";
        std::unique_ptr<QWidget> w(Fenetres::Table()[rang].fabrique());
        auto* f = qobject_cast<TExerciceForm*>(w.get());
        if (!f) QSKIP("pas une fenêtre d'exercice");
        f->show();
        const QStringList defauts = Defauts_Corrections(*f, 200);
        QVERIFY2(defauts.isEmpty(), qPrintable(QStringLiteral("%1 défauts, dont :\n").arg(defauts.size()) +
                                               defauts.mid(0, 12).join('\n')));
        Commune::Serie.Remet_A_Zero();
    }
};

QTEST_MAIN(Test_Corrections_Lisibles)
#include "test_Corrections_Lisibles.moc"
