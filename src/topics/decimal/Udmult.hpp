// Multiplication of decimal numbers.
#pragma once

#include "topics/decimal/Operation_Decimale.hpp"

class TDmulForm : public TDOperationForm {
    Q_OBJECT
public:
    explicit TDmulForm(QWidget* parent = nullptr);
};
