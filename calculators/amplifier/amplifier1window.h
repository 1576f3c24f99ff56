#pragma once

#include "form.h"

// "Verstärker-Berechnung": sizes Rc, R1 and R2 of a common-emitter stage biased by a base divider.
class Form1 : public common::Form
{
    Q_OBJECT

public:
    Form1();
};
