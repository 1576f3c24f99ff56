#include "ohmslawwindow.h"

Form6::Form6()
    : common::Form(QStringLiteral("Form6"), QStringLiteral("Strom-Spannung-Widerstand"), 5025, 4650, 0xC0C0FF)
{
}
