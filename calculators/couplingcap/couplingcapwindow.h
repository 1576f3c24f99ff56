#pragma once

#include "form.h"

// "Koppel-Kondensator": coupling capacitor from load and cutoff frequency, and back.
class Form9 : public common::Form
{
    Q_OBJECT

public:
    Form9();
};
