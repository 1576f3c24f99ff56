// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "amplifierwindow.h"

#include "colours.h"
#include "curvewindows.h"
#include "entryfield.h"
#include "help.h"
#include "picture.h"
#include "resultfield.h"
#include "warning.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>

namespace amplifier {

namespace {

struct EntryRow {
    QStringView field;
    int maxLength;
};

// Ub, Uce, Ube, Ic, Ib: Ub takes six characters, the others ten.
constexpr EntryRow kOperatingPoint[] = {
    {u"Text1", 6}, {u"Text2", 10}, {u"Text3", 10}, {u"Text4", 10}, {u"Text5", 10},
};
constexpr int kFurtherEntryLength = 10;

// Ub, Uce and Ube are always in volts: their selectors only show it.
constexpr QStringView kVoltSelectors[] = {u"Combo1", u"Combo2", u"Combo3"};

constexpr QStringView kFactors[] = {u"2", u"3", u"4", u"5", u"6", u"7", u"8", u"9", u"10"};
constexpr QStringView kStartingFactor = u"2";

constexpr QStringView kHint = u"aus\nentsprechender\nKennlinie\nauswählen";

constexpr int kLinePixels = 3;
constexpr double kFontPoints = 8.25;

common::EntrySpec entrySpec(int maxLength)
{
    return common::EntrySpec{QStringLiteral("0"), maxLength, common::DigitFilter::WithBlank, true};
}

QStringList texts(std::span<const QStringView> items)
{
    QStringList list;
    for (const QStringView item : items)
        list.append(item.toString());
    return list;
}

} // namespace

AmplifierWindow::AmplifierWindow(const QString &objectName, const QString &caption,
                                 int clientWidthTwips, int clientHeightTwips, quint32 background)
    : common::Form(objectName, caption, clientWidthTwips, clientHeightTwips, background)
    , m_background(background)
{
    client()->setFont(common::uiFont(common::Typeface::SansSerif, kFontPoints));

    QMenu *ke = addMenuBar()->addMenu(QStringLiteral("Kennlinien"));
    ke->setObjectName(QStringLiteral("ke"));
    ke->menuAction()->setObjectName(QStringLiteral("ke"));
    QAction *kenn1 = ke->addAction(QStringLiteral("Kennlinie 1"));
    kenn1->setObjectName(QStringLiteral("kenn1"));
    connect(kenn1, &QAction::triggered, this, &AmplifierWindow::kenn1_Click);
    QAction *kenn2 = ke->addAction(QStringLiteral("Kennlinie 2"));
    kenn2->setObjectName(QStringLiteral("kenn2"));
    connect(kenn2, &QAction::triggered, this, &AmplifierWindow::kenn2_Click);
}

common::Picture *AmplifierWindow::addCircuit(const QString &resource, const QString &description)
{
    return new common::Picture(QStringLiteral("Image1"), resource, description, client());
}

void AmplifierWindow::addCaptions(std::span<const Caption> captions)
{
    const QFont bold = common::uiFont(common::Typeface::SansSerif, kFontPoints, true);
    for (const Caption &caption : captions) {
        QLabel *label = common::makeLabel(client(), caption.name.toString(), caption.text.toString());
        label->setAlignment((caption.style == Style::Left ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignTop);
        if (caption.style == Style::CentredBold)
            label->setFont(bold);
    }
}

void AmplifierWindow::addLines(std::span<const Line> lines)
{
    for (const Line &line : lines) {
        auto *widget = new QWidget(client());
        widget->setObjectName(line.name.toString());
        widget->setAttribute(Qt::WA_TransparentForMouseEvents);
        common::setBackground(widget, common::kBlack);
        const QPoint from(common::twipsToPixels(line.x1), common::twipsToPixels(line.y1));
        const QPoint to(common::twipsToPixels(line.x2), common::twipsToPixels(line.y2));
        // The pen is centred on the line, as wide as it is thick.
        constexpr int half = kLinePixels / 2;
        widget->setGeometry(QRect(from, to).normalized().adjusted(-half, -half, half, half));
    }
}

void AmplifierWindow::addOperatingPoint()
{
    static_assert(std::size(kOperatingPoint) == std::tuple_size_v<decltype(m_point)>);
    for (std::size_t row = 0; row < m_point.size(); ++row) {
        const EntryRow &entry = kOperatingPoint[row];
        m_point[row] = new common::EntryField(entry.field.toString(), entrySpec(entry.maxLength), client());
    }
    for (const QStringView name : kVoltSelectors)
        new common::FixedSelector(name.toString(), QStringLiteral("V"), client());
    m_icUnit = common::makeSelector(client(), QStringLiteral("Combo4"), common::unitNames(kCurrentUnits));
    m_ibUnit = common::makeSelector(client(), QStringLiteral("Combo5"), common::unitNames(kCurrentUnits));
    m_factor = common::makeSelector(client(), QStringLiteral("Combo6"), texts(kFactors));
}

common::EntryField *AmplifierWindow::addEntry(const QString &name)
{
    return new common::EntryField(name, entrySpec(kFurtherEntryLength), client());
}

common::ResultField *AmplifierWindow::addResult(const QString &name)
{
    auto *field = new common::ResultField(name, client());
    field->setFont(common::uiFont(common::Typeface::SansSerif, kFontPoints, true));
    common::setTextColour(field, common::colourFromNumber(common::kRed));
    return field;
}

void AmplifierWindow::showResistance(common::ResultField *field, double ohms)
{
    field->setText(kiloOhms(ohms));
    common::showStandardValues(field, ohms, common::Part::Resistor);
}

// A plain text box the user may also write in; nothing reads it.
void AmplifierWindow::addHint()
{
    auto *hint = new QPlainTextEdit(client());
    hint->setObjectName(QStringLiteral("Text6"));
    hint->setTabChangesFocus(true);
    hint->setLineWrapMode(QPlainTextEdit::NoWrap);
    hint->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    hint->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    hint->document()->setDocumentMargin(1);
    hint->setFont(common::uiFont(common::Typeface::SansSerif, kFontPoints, true));
    QPalette palette = hint->palette();
    palette.setColor(QPalette::Base, common::colourFromNumber(m_background));
    palette.setColor(QPalette::Text, common::colourFromNumber(common::kRed));
    hint->setPalette(palette);
    hint->setPlainText(kHint.toString());
    hint->setAccessibleName(QStringLiteral("Hinweis"));
}

QPushButton *AmplifierWindow::addComputeButton()
{
    return common::makeButton(client(), QStringLiteral("Command1"), QStringLiteral("Berechne"));
}

void AmplifierWindow::nameControls(std::span<const NamedBy> names)
{
    for (const NamedBy &name : names) {
        auto *control = client()->findChild<QWidget *>(name.control.toString());
        const auto *label = client()->findChild<QLabel *>(name.label.toString());
        Q_ASSERT_X(control && label, "nameControls", qPrintable(name.control.toString()));
        if (control && label)
            common::nameAfter(control, label);
    }
}

void AmplifierWindow::Form_Load()
{
    m_icUnit->setCurrentText(kCurrentUnits[0].name.toString());
    m_ibUnit->setCurrentText(kCurrentUnits[1].name.toString());
    m_factor->setCurrentText(kStartingFactor.toString());
}

void AmplifierWindow::fillEmptyEntries(std::initializer_list<QLineEdit *> more)
{
    const auto fill = [](QLineEdit *field) {
        if (field->text().isEmpty())
            field->setText(QStringLiteral("0"));
    };
    for (common::EntryField *field : m_point)
        fill(field);
    for (QLineEdit *field : more)
        fill(field);
}

Entries AmplifierWindow::entries() const
{
    return Entries{m_point[0]->text(), m_point[1]->text(),     m_point[2]->text(),
                   m_point[3]->text(), m_icUnit->currentText(), m_point[4]->text(),
                   m_ibUnit->currentText(), m_factor->currentText()};
}

void AmplifierWindow::refuseInput()
{
    common::warning(this, QStringLiteral("falsche Eingabe"));
}

void AmplifierWindow::kenn1_Click()
{
    common::showModal<Form2>(common::Position::CentredOnScreen, nullptr, common::helpPage(this));
}

void AmplifierWindow::kenn2_Click()
{
    common::showModal<Form4>(common::Position::CentredOnScreen, nullptr, common::helpPage(this));
}

} // namespace amplifier
