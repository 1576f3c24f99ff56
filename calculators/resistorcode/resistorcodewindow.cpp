#include "resistorcodewindow.h"

Form10::Form10()
    : common::Form(QStringLiteral("Form10"), QStringLiteral("Widerstands Farbcode"), 12165, 6780, 0xC0E0FF)
{
}
