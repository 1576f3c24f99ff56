#include "couplingcapwindow.h"

Form9::Form9()
    : common::Form(QStringLiteral("Form9"), QStringLiteral("Koppel-Kondensator"), 11625, 8250, 0xFFFF80)
{
}
