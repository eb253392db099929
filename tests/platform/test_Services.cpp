#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "framework/logic/Symbole.hpp"
#include "platform/Polices.hpp"
#include "platform/Services.hpp"
#include "support/Faux_Services.hpp"

class Test_Services : public QObject {
    Q_OBJECT
private slots:
    void attend_a_travers_le_debordement_du_compteur() {
        Faux_Services services;
        services.ticks = 0xFFFFFFF0u;  // wraps 16 ms into the wait
        services.pas_ticks = 1;
        Plateforme::Attente(100);
        QVERIFY(services.ticks - 0xFFFFFFF0u >= 100u);
        QVERIFY(services.ticks < 0x1000u);  // returned soon after the delay, not 49 days later
    }

    void la_fenetre_reste_vivante_pendant_l_attente() {
        bool vu = false;
        QTimer::singleShot(10, [&] { vu = true; });
        Plateforme::Attente(80);  // real clock
        QVERIFY(vu);
    }

    void support_en_lecture_seule() {
        QVERIFY(Plateforme::Support_Lecture_Seule("iso9660", false));
        QVERIFY(Plateforme::Support_Lecture_Seule("UDF", false));
        QVERIFY(Plateforme::Support_Lecture_Seule("ext4", true));
        QVERIFY(!Plateforme::Support_Lecture_Seule("ext4", false));
        QVERIFY(!Plateforme::Sur_CDROM());  // the build folder is writable
    }

    void messages_en_francais_dans_l_ordre_offert() {
        // Before any translation is installed, and whatever the desktop's order.
        QStringList vus;
        QTimer::singleShot(0, [&] {
            auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!boite) return;
            QList<QAbstractButton*> b = boite->buttons();
            std::sort(b.begin(), b.end(), [](auto* x, auto* y) { return x->x() < y->x(); });
            for (auto* x : b) vus << x->text().remove('&');
            boite->button(QMessageBox::No)->click();
        });
        const auto choix = Plateforme::Dialogues_Systeme()->Message(
            nullptr, Plateforme::Style::Avertissement, QStringLiteral("Nouvelle série ?"),
            {Plateforme::Bouton::Oui, Plateforme::Bouton::Non, Plateforme::Bouton::Ignorer});
        QCOMPARE(vus, (QStringList{"Oui", "Non", "Ignorer"}));
        QCOMPARE(choix, Plateforme::Bouton::Non);
    }

    void boutons_standard_en_francais() {
        QVERIFY(Plateforme::Installe_Francais());
        QMessageBox boite;
        boite.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(boite.button(QMessageBox::Yes)->text().remove('&'), QString("Oui"));
        QCOMPARE(boite.button(QMessageBox::No)->text().remove('&'), QString("Non"));
    }

    void wingdings_vers_unicode() {
        QCOMPARE(Plateforme::Wingdings("F"), QString(QChar(0x261E)));
        QCOMPARE(Plateforme::Wingdings("A"), QString(QChar(0x270C)));
        QCOMPARE(Plateforme::Wingdings("B"), QString::fromUcs4(U"\U0001F44C", 1));
    }

    void symbol_vers_unicode() {
        const auto S = [](const char* codes) { return Plateforme::Symbol(QString::fromUtf8(codes)); };
        QCOMPARE(S(Symbole::Environ), QString(QChar(0x2248)));
        QCOMPARE(S(Symbole::Inferieur_Egal), QString(QChar(0x2264)));
        QCOMPARE(S(Symbole::Superieur_Egal), QString(QChar(0x2265)));
        QCOMPARE(S(Symbole::Delta), QString(QChar(0x0394)));
        // The codes within a text, the other characters kept.
        QCOMPARE(S("]-\u00A5;2.5] = \u00C6 ? c"), QString::fromUtf8("]-∞;2.5] = ∅ ? χ"));
    }
};

QTEST_MAIN(Test_Services)
#include "test_Services.moc"
