// Every exercise window of the window table, once built, shows corrections
// that fit their verdict panel at every level.
#include <QtTest>
#include <memory>

#include "framework/FenetreExercice.hpp"
#include "framework/logic/Commune.hpp"
#include "shell/Fenetres.hpp"
#include "support/Faux_Services.hpp"
#include "support/Lisibilite.hpp"

namespace {
void Fenetres_Construites() {
    QTest::addColumn<int>("rang");
    const auto table = Fenetres::Table();
    for (std::size_t i = 0; i < table.size(); ++i)
        if (table[i].fabrique) QTest::newRow(table[i].classe) << static_cast<int>(i);
}

// The main window sets the palette from the screen: each window is built
// with the palette asked for.
std::unique_ptr<QWidget> Ouvre(int rang, bool riches) {
    Commune::Serie.Remet_A_Zero();
    Commune::Nom = "DUPONT";
    Commune::Prenom = "Marie";
    Commune::Couleurs_Riches = riches;
    std::unique_ptr<QWidget> w(Fenetres::Table()[rang].fabrique());
    Commune::Couleurs_Riches = false;
    w->show();
    return w;
}

void Verifie(const QStringList& defauts) {
    QVERIFY2(defauts.isEmpty(), qPrintable(QStringLiteral("%1 défauts, dont :\n").arg(defauts.size()) +
                                           defauts.mid(0, 12).join('\n')));
}
}  // namespace

class Test_Corrections_Lisibles : public QObject {
    Q_OBJECT
private slots:
    void chaque_correction_tient_dans_son_panneau_data() { Fenetres_Construites(); }
    void chaque_correction_tient_dans_son_panneau() {
        QFETCH(int, rang);
        Faux_Services services;
        services.pas_ticks = 1000;  // a game's pauses end at once
        std::unique_ptr<QWidget> w = Ouvre(rang, false);
        auto* f = qobject_cast<TExerciceForm*>(w.get());
        if (!f) QSKIP("pas une fenêtre d'exercice");
        Verifie(Defauts_Corrections(*f, 200));
        Commune::Serie.Remet_A_Zero();
    }

    // The richer palette colours the question panel differently.
    void les_couleurs_riches_se_lisent_data() { Fenetres_Construites(); }
    void les_couleurs_riches_se_lisent() {
        QFETCH(int, rang);
        Faux_Services services;
        services.pas_ticks = 1000;  // a game's pauses end at once
        std::unique_ptr<QWidget> w = Ouvre(rang, true);
        auto* f = qobject_cast<TExerciceForm*>(w.get());
        if (!f) QSKIP("pas une fenêtre d'exercice");
        Verifie(Defauts_Entrees(*f));
        Commune::Serie.Remet_A_Zero();
    }
};

QTEST_MAIN(Test_Corrections_Lisibles)
#include "test_Corrections_Lisibles.moc"
