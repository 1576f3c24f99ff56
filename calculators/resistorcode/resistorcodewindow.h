#pragma once

#include "form.h"

// "Widerstands Farbcode": resistance and tolerance from four or five colour rings.
class Form10 : public common::Form
{
    Q_OBJECT

public:
    Form10();
};
