// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wavelengthwindow.h"

#include "entryfield.h"
#include "help.h"
#include "numbers.h"
#include "picture.h"
#include "resultfield.h"
#include "warning.h"
#include "wavelength.h"

#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

using common::Placement;

constexpr quint32 kBackground = 0xC0FFC0; // RGB 192, 255, 192
constexpr double kBoldPoints = 9.75;

struct Caption {
    QStringView name;
    QStringView text;
    bool bold;
};

constexpr Caption kLabels[] = {
    {u"Label1", u"Frequenz zu Wellenlänge", true},
    {u"Label2", u"Freqenz in Hz", false},
    {u"Label3", u"Wellenlänge in m", false},
    {u"Label4", u"Wellenlänge zu Frequenz", true},
    {u"Label5", u"Wellenlänge in m", false},
    {u"Label6", u"Frequenz in Hz", false},
};

constexpr QStringView kFormula[] = {
    u"w = c / f",
    u"w = Wellenlänge in m   f =  Frequenz in Hz (1/m)   c =  Lichtgeschwindigkeit in m/s  - 299 792 458 m/s",
};

constexpr Placement kLayout[] = {
    {u"Image1", 1080, 240, 6930, 5775},
    {u"Label1", 240, 6120, 8655, 255},
    {u"Label2", 240, 6600, 2295, 255},
    {u"Label3", 6600, 6600, 2295, 255},
    {u"Text1", 240, 6960, 2295, 375},
    {u"Command1", 3720, 6960, 1695, 375},
    {u"Text2", 6600, 6960, 2295, 375},
    {u"Label4", 240, 7680, 8655, 255},
    {u"Label5", 240, 8040, 2295, 255},
    {u"Label6", 6600, 8040, 2295, 255},
    {u"Text3", 240, 8400, 2295, 405},
    {u"Command2", 3720, 8400, 1695, 375},
    {u"Text4", 6600, 8400, 2295, 375},
    {u"Text5", 240, 9120, 8655, 495},
};

// Only a move the user makes counts: the window regaining the focus after a
// warning box or from another program sends focus-in events too.
bool movedByUser(Qt::FocusReason reason)
{
    switch (reason) {
    case Qt::MouseFocusReason:
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
        return true;
    default:
        return false;
    }
}

QString str(QStringView view)
{
    return view.toString();
}

} // namespace

Form8::Form8()
    : common::Form(QStringLiteral("Form8"), QStringLiteral("Frequenz - Wellenlänge"), 9225, 9945, kBackground)
{
    common::setHelpPage(this, QStringLiteral("frequenz-wellenlaenge.html"));
    QWidget *area = client();
    new common::Picture(QStringLiteral("Image1"), QStringLiteral(":/wavelength/umrechnung.svg"),
                        QStringLiteral("Umrechnungstabelle Frequenz in Wellenlänge: Wellenlänge in m "
                                       "über Frequenz in MHz, doppelt logarithmisch, mit der Geraden "
                                       "Wellenlänge = 300 / Frequenz"),
                        area);
    const QFont bold = common::uiFont(common::Typeface::SansSerif, kBoldPoints, true);
    for (const Caption &caption : kLabels) {
        QLabel *made = common::makeLabel(area, str(caption.name), str(caption.text));
        if (caption.bold)
            made->setFont(bold);
    }

    const common::EntrySpec entry{QString(), 0, common::DigitFilter::WithoutBlank, false};
    m_text1 = new common::EntryField(QStringLiteral("Text1"), entry, area);
    m_text2 = new common::ResultField(QStringLiteral("Text2"), area);
    m_text3 = new common::EntryField(QStringLiteral("Text3"), entry, area);
    m_text4 = new common::ResultField(QStringLiteral("Text4"), area);
    const std::pair<QLineEdit *, QStringView> namedAfter[] = {
        {m_text1, u"Label2"}, {m_text2, u"Label3"}, {m_text3, u"Label5"}, {m_text4, u"Label6"}};
    for (const auto &[field, by] : namedAfter) {
        field->setFont(bold);
        common::nameAfter(field, common::child<QLabel>(area, by));
    }

    QPushButton *command1 = common::makeButton(area, QStringLiteral("Command1"), QStringLiteral("Berechne"));
    QPushButton *command2 = common::makeButton(area, QStringLiteral("Command2"), QStringLiteral("Berechne"));

    auto *formula = new QPlainTextEdit(area);
    formula->setObjectName(QStringLiteral("Text5"));
    formula->setAccessibleName(QStringLiteral("Formel"));
    formula->setReadOnly(true);
    formula->setTabChangesFocus(true);
    formula->setLineWrapMode(QPlainTextEdit::NoWrap);
    formula->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    formula->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    formula->document()->setDocumentMargin(1);
    QStringList lines;
    for (const QStringView line : kFormula)
        lines << str(line);
    formula->setPlainText(lines.join(u'\n'));

    common::place(area, kLayout);
    common::setFocusOrder(area, {u"Text1", u"Text2", u"Command1", u"Text3", u"Text4", u"Command2", u"Text5"});

    connect(command1, &QPushButton::clicked, this, &Form8::Command1_Click);
    connect(command2, &QPushButton::clicked, this, &Form8::Command2_Click);
    m_text1->installEventFilter(this);
    m_text3->installEventFilter(this);

    m_text1->setFocus();
}

bool Form8::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn && movedByUser(static_cast<QFocusEvent *>(event)->reason())) {
        if (watched == m_text1)
            Text1_GotFocus();
        else if (watched == m_text3)
            Text3_GotFocus();
    }
    return common::Form::eventFilter(watched, event);
}

void Form8::Command1_Click()
{
    convert(m_text1, m_text2);
}

void Form8::Command2_Click()
{
    convert(m_text3, m_text4);
}

void Form8::Text1_GotFocus()
{
    m_text2->clear();
}

void Form8::Text3_GotFocus()
{
    m_text4->clear();
}

// The result goes in first in the general form; then the entry and the
// result are rewritten from their own texts through the pattern, so the
// result is cut to 15 significant digits before it is rounded to four
// decimals.
void Form8::convert(QLineEdit *entry, QLineEdit *result)
{
    const wavelength::Conversion conversion = wavelength::convert(entry->text());
    if (!conversion.entry) {
        common::warning(this, conversion.warning);
        return;
    }
    result->setText(common::general(conversion.quotient));
    entry->setText(common::format(*conversion.entry, wavelength::kPattern));
    result->setText(common::format(common::number(result->text()).value_or(conversion.quotient),
                                   wavelength::kPattern));
}
