// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "curvewindows.h"

#include "help.h"
#include "picture.h"

#include <QLabel>

namespace {

constexpr QStringView kPicture = u":/amplifier/kennlinie.svg";
constexpr QStringView kDescription = u"Kennlinienfeld eines Transistor-Verstärkers mit Arbeitspunkt A";

constexpr common::Placement kForm2Layout[] = {
    {u"Image1", 234, 234, 12012, 8060},
    {u"Label1", 7020, 7722, 5044, 364},
};

constexpr common::Placement kForm4Layout[] = {
    {u"Image1", 234, 234, 9685, 6981},
};

} // namespace

Form2::Form2(const QString &helpPage)
    : common::Form(QStringLiteral("Form2"), QStringLiteral("Kennlinie-Beispiel"), 12495, 8550, 0xC0FFC0)
{
    common::setHelpPage(this, helpPage);
    new common::Picture(QStringLiteral("Image1"), kPicture.toString(), kDescription.toString(), client());
    QLabel *hint = common::makeLabel(client(), QStringLiteral("Label1"),
                                     QStringLiteral("Bitte die entsprechende Kennlinie einsehen!"));
    hint->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    hint->setFont(common::uiFont(common::Typeface::SansSerif, 9.75, true));
    common::setBackground(hint, 0xFF80FF);
    common::place(client(), kForm2Layout);
}

Form4::Form4(const QString &helpPage)
    : common::Form(QStringLiteral("Form4"), QStringLiteral("Kennlinie Beispiel"), 10170, 7470, 0xFFFF80)
{
    common::setHelpPage(this, helpPage);
    new common::Picture(QStringLiteral("Image1"), kPicture.toString(), kDescription.toString(), client());
    common::place(client(), kForm4Layout);
}
