#pragma once

#include "form.h"

// "Frequenz - Wellenlänge": frequency to wavelength and back.
class Form8 : public common::Form
{
    Q_OBJECT

public:
    Form8();
};
