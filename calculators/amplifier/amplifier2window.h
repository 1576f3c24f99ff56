#pragma once

#include "form.h"

// "Verstärker Berechnung": sizes Rc, R1 and R2 of a common-emitter stage with an emitter resistor.
class Form5 : public common::Form
{
    Q_OBJECT

public:
    Form5();
};
