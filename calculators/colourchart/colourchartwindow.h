#pragma once

#include "form.h"

// "VB Farbcode": a chart of 42 colours whose codes go to the clipboard on a click.
class Form7 : public common::Form
{
    Q_OBJECT

public:
    Form7();
};
