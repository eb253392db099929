// Addition of decimal numbers.
#pragma once

#include "topics/decimal/Operation_Decimale.hpp"

class TDAddForm : public TDOperationForm {
    Q_OBJECT
public:
    explicit TDAddForm(QWidget* parent = nullptr);
};
