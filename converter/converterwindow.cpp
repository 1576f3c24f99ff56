#include "converterwindow.h"

namespace converter {

Form1::Form1()
    : common::Form(QStringLiteral("Form1"), QStringLiteral("Umrechnung"), 11445, 5895, 0xFFFF00)
{
}

} // namespace converter
