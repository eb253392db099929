// Division of decimal numbers, with an exact quotient.
#pragma once

#include "topics/decimal/Operation_Decimale.hpp"

class TDdivForm : public TDOperationForm {
    Q_OBJECT
public:
    explicit TDdivForm(QWidget* parent = nullptr);
};
