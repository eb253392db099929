// Arithmetic sequences.
#pragma once

#include <array>

#include "topics/algebra/Fenetre_Suite.hpp"
#include "topics/algebra/logic/Sari.hpp"

class TSariForm : public TFenetre_Suite {
    Q_OBJECT
public:
    explicit TSariForm(QWidget* parent = nullptr);

    // The derivation from two terms far apart, in Psup.
    QLabel *L11, *L12, *L21, *L22, *L32, *L42, *L51;

    const Sari::Sujet& Sujet() const { return Sujet_De<Sari::Sujet>(); }

protected:
    void Remplit_Psup(const Suites::Enonce& e) override;
    void Construit_Enfants() override;
};
