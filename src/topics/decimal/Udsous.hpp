// Subtraction of decimal numbers.
#pragma once

#include "topics/decimal/Operation_Decimale.hpp"

class TDsouForm : public TDOperationForm {
    Q_OBJECT
public:
    explicit TDsouForm(QWidget* parent = nullptr);
};
