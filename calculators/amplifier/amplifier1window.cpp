#include "amplifier1window.h"

Form1::Form1()
    : common::Form(QStringLiteral("Form1"), QStringLiteral("Verstärker-Berechnung"), 12405, 5055, 0xFFFF80)
{
}
