#pragma once

#include "form.h"

// "Strom-Spannung-Widerstand": solves Ohm's law for the quantity left empty.
class Form6 : public common::Form
{
    Q_OBJECT

public:
    Form6();
};
