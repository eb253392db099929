// A fraction that shows as a whole number when its denominator is "1"
// (exactly that text), unless Met_Deno asks for the full fraction.
#pragma once

#include "controls/Fraction.hpp"

class TFractn : public TFraction {
    Q_OBJECT
public:
    explicit TFractn(QWidget* parent = nullptr) : TFraction(parent) {}

    bool Met_Deno() const { return metDeno_; }
    void setMet_Deno(bool m) { Change(metDeno_, m); }

    Geometrie::Plan_Fraction Plan() const override;

private:
    bool metDeno_ = false;
};
