#include "amplifier2window.h"

Form5::Form5()
    : common::Form(QStringLiteral("Form5"), QStringLiteral("Verstärker Berechnung"), 12510, 6000, 0xFFC0FF)
{
}
