#include "colourchartwindow.h"

Form7::Form7()
    : common::Form(QStringLiteral("Form7"), QStringLiteral("VB Farbcode"), 9840, 3585, 0xC0C0C0)
{
}
