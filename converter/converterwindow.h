#pragma once

#include "form.h"

namespace converter {

// "Umrechnung": converts a number between SI prefixes, or between storage
// prefixes taken as powers of 1024.
class Form1 : public common::Form
{
    Q_OBJECT

public:
    Form1();
};

} // namespace converter
