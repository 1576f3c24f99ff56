#include "wavelengthwindow.h"

Form8::Form8()
    : common::Form(QStringLiteral("Form8"), QStringLiteral("Frequenz - Wellenlänge"), 9225, 9945, 0xC0FFC0)
{
}
