// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ledresistorwindow.h"

#include "colours.h"
#include "help.h"
#include "numbers.h"
#include "resultfield.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace {

constexpr quint32 kBackground = 0xC8E4FF; // RGB 255, 228, 200, apricot
constexpr int kMaxInput = 40;
constexpr int kMessageLines = 3; // room for a refusal or both notes, so the window keeps its size

constexpr QStringView kTitle = u"LED-Vorwiderstand";
// A long result, so that the window keeps its size whatever the fields show.
constexpr QStringView kWideResult = u"10,77 mA bis 30,56 mA";
constexpr QStringView kWideInput = u"12,00 V";

// The result fields: their group, caption and the result they show.
struct ResultRow {
    int group; // 0: the resistor, 1: per string and in all
    QStringView caption;
    QString ledresistor::Result::*result;
};

using R = ledresistor::Result;
constexpr std::array<QStringView, 2> kGroups{u"Vorwiderstand", u"Je Strang und gesamt"};
const ResultRow kResultRows[] = {
    {0, u"Genauer Wert", &R::exact},
    {0, u"Normwert", &R::standard},
    {0, u"Strom", &R::current},
    {0, u"Spannung am Widerstand", &R::voltage},
    {0, u"Leistung", &R::power},
    {0, u"Belastbarkeit", &R::rating},
    {0, u"Nächst kleinerer Normwert", &R::smaller},
    {0, u"Strom damit", &R::smallerCurrent},
    {0, u"Strom im ungünstigsten Fall", &R::worstCase},
    {1, u"Leistung je LED", &R::ledPower},
    {1, u"Gesamtstrom", &R::totalCurrent},
    {1, u"Leistung aus der Quelle", &R::totalPower},
    {1, u"Davon in den LEDs", &R::ledShare},
};

// The drawing leaves out the middle of longer strings.
constexpr int kMostDrawn = 4;

} // namespace

// The circuit: the supply, the resistor with its value, the LEDs of one
// string, and "× m" around the string where there are several, each with
// its own resistor. Its accessible description says the same in words.
class LedCircuitPicture : public QWidget
{
    Q_OBJECT

public:
    explicit LedCircuitPicture(QWidget *parent)
        : QWidget(parent)
    {
        setObjectName(QStringLiteral("Picture1"));
        setAccessibleName(QStringLiteral("Schaltung, gezeichnet"));
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        setCircuit({});
    }

    void setCircuit(const ledresistor::Circuit &circuit)
    {
        m_circuit = circuit;
        setAccessibleDescription(ledresistor::describe(circuit));
        update();
    }

    QSize sizeHint() const override { return {30 * unit(), 10 * unit()}; }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Qt::black, 1.5));
        const int u = unit();
        const int top = 3 * u;
        const int bottom = 7 * u;
        const int battery = 5 * u;

        // The supply: the long plate is plus.
        const int middle = (top + bottom) / 2;
        painter.drawLine(battery, top, battery, middle - u / 3);
        painter.drawLine(battery, middle + u / 3, battery, bottom);
        painter.drawLine(battery - u, middle - u / 3, battery + u, middle - u / 3);
        painter.fillRect(QRectF(battery - u / 2.0, middle + u / 3.0 - 1, u, 3), Qt::black);
        const QRect supplyText(0, middle - u, battery - u - 4, 2 * u);
        painter.drawText(supplyText, Qt::AlignRight | Qt::AlignVCenter,
                         QStringLiteral("Ub\n") + m_circuit.supply);

        // The resistor with its value.
        const int resistorLeft = 8 * u;
        const QRect resistor(resistorLeft, top - u / 3, 3 * u, 2 * (u / 3));
        painter.setBrush(Qt::white);
        painter.drawRect(resistor);
        painter.drawText(QRect(resistorLeft - u, top - 2 * u, 5 * u, u), Qt::AlignCenter,
                         m_circuit.resistor.isEmpty() ? QStringLiteral("R") : m_circuit.resistor);

        // The LEDs, the middle of a long string as dots.
        int x = resistor.right() + 2 * u;
        const int n = m_circuit.inSeries;
        const int first = n > kMostDrawn ? kMostDrawn - 2 : n;
        for (int i = 0; i < first; ++i)
            x = drawLed(painter, x, top);
        if (n > kMostDrawn) {
            painter.drawText(QRect(x, top - u, 2 * u, u), Qt::AlignCenter, QStringLiteral("…"));
            x = drawLed(painter, x + 2 * u, top);
        }
        const int stringLeft = resistor.right() + 2 * u;
        painter.drawText(QRect(stringLeft, top + u, x - stringLeft, u), Qt::AlignCenter,
                         n == 1 ? QStringLiteral("1 LED") : QStringLiteral("%1 LEDs in Reihe").arg(n));

        // Several strings: a dashed frame around one, "× m" beside it.
        int right = x + u;
        if (m_circuit.strings > 1) {
            painter.save();
            painter.setPen(QPen(Qt::darkGray, 1, Qt::DashLine));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(QRect(resistorLeft - u, top - 2 * u - 2, x - resistorLeft + 2 * u, 4 * u + u / 2 + 4));
            painter.restore();
            painter.drawText(QRect(x + u + 4, top + u, 4 * u, u), Qt::AlignLeft | Qt::AlignVCenter,
                             QStringLiteral("× %1").arg(m_circuit.strings));
            right = x + 5 * u;
        }
        painter.drawLine(battery, top, resistor.left(), top);
        painter.drawLine(resistor.right(), top, resistor.right() + 2 * u, top);
        painter.drawLine(x, top, right, top);
        painter.drawLine(right, top, right, bottom);
        painter.drawLine(battery, bottom, right, bottom);

        painter.drawText(QRect(0, bottom + u / 2, width(), 2 * u), Qt::AlignLeft | Qt::AlignTop,
                         QStringLiteral("Jeder Strang hat seinen eigenen Widerstand: Parallele LEDs\n"
                                        "an einem Widerstand teilen sich den Strom ungleich."));
    }

private:
    int unit() const { return fontMetrics().height(); }

    // An LED pointing along the wire from x, with the wire through it;
    // returns where the wire goes on.
    int drawLed(QPainter &painter, int x, int y) const
    {
        const int u = unit();
        const int tip = x + u + u / 2;
        QPainterPath triangle;
        triangle.moveTo(x + u / 2, y - u * 2 / 3);
        triangle.lineTo(x + u / 2, y + u * 2 / 3);
        triangle.lineTo(tip, y);
        triangle.closeSubpath();
        painter.drawLine(x, y, x + u / 2, y);
        painter.setBrush(Qt::white);
        painter.drawPath(triangle);
        painter.drawLine(tip, y - u * 2 / 3, tip, y + u * 2 / 3);
        // The light going out.
        for (const int dx : {0, u / 3})
            painter.drawLine(x + u + dx, y - u, x + u + dx + u / 2, y - u - u / 2);
        painter.drawLine(tip, y, tip + u, y);
        return tip + u;
    }

    ledresistor::Circuit m_circuit;
};

Form13::Form13()
    : common::Form(QStringLiteral("Form13"), kTitle.toString(), kBackground)
{
    common::setHelpPage(this, QStringLiteral("led-vorwiderstand.html"));
    QWidget *area = client();
    auto *rows = new QVBoxLayout(area);
    auto *columns = new QHBoxLayout;
    rows->addLayout(columns);
    auto *left = new QVBoxLayout;
    auto *right = new QVBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right);

    int labels = 0;
    int texts = 0;
    int combos = 0;
    const auto caption = [&labels](QWidget *parent, QStringView text) {
        return common::makeLabel(parent, QStringLiteral("Label%1").arg(++labels), text.toString());
    };
    const auto input = [&texts](QWidget *parent, QStringView placeholder = {}) {
        auto *field = new QLineEdit(parent);
        field->setObjectName(QStringLiteral("Text%1").arg(++texts));
        field->setMaxLength(kMaxInput);
        field->setPlaceholderText(placeholder.toString());
        field->setMinimumWidth(field->fontMetrics().horizontalAdvance(kWideInput.toString()) + 16);
        return field;
    };
    const auto combo = [&combos](QWidget *parent) {
        auto *box = new QComboBox(parent);
        box->setObjectName(QStringLiteral("Combo%1").arg(++combos));
        return box;
    };
    // A caption and its field; the field's screen-reader name is the caption.
    const auto addRow = [&caption](QWidget *parent, QGridLayout *grid, QStringView text, QWidget *field) {
        return common::addCaptionedRow(grid, caption(parent, text), field);
    };
    // A second field in a row, after its short caption.
    const auto addBeside = [&caption](QWidget *parent, QGridLayout *grid, int row, int column, QStringView text,
                                      QWidget *field, const QString &name) {
        QLabel *label = caption(parent, text);
        label->setBuddy(field);
        grid->addWidget(label, row, column);
        grid->addWidget(field, row, column + 1);
        field->setAccessibleName(name);
    };

    auto *inputBox = new QGroupBox(QStringLiteral("Eingaben"), area);
    auto *inputs = new QGridLayout(inputBox);
    left->addWidget(inputBox);

    m_supply = input(inputBox, u"z. B. 12 V");
    const int supplyRow = addRow(inputBox, inputs, u"Betriebsspannung", m_supply);
    m_spread = input(inputBox);
    m_spread->setText(QStringLiteral("0"));
    addBeside(inputBox, inputs, supplyRow, 2, u"±", m_spread, QStringLiteral("Betriebsspannung ± in %"));
    inputs->addWidget(caption(inputBox, u"%"), supplyRow, 4);

    m_colour = combo(inputBox);
    for (const ledresistor::Colour &colour : ledresistor::kColours)
        m_colour->addItem(colour.name.toString());
    m_colour->addItem(ledresistor::kOwnValues.toString());
    addRow(inputBox, inputs, u"LED-Farbe", m_colour);

    m_forward = {input(inputBox), input(inputBox), input(inputBox)};
    const int forwardRow = addRow(inputBox, inputs, u"Durchlassspannung", m_forward[0]);
    addBeside(inputBox, inputs, forwardRow, 2, u"von", m_forward[1], QStringLiteral("Durchlassspannung von"));
    addBeside(inputBox, inputs, forwardRow, 4, u"bis", m_forward[2], QStringLiteral("Durchlassspannung bis"));

    m_current = combo(inputBox);
    m_current->setEditable(true);
    m_current->setInsertPolicy(QComboBox::NoInsert);
    m_current->lineEdit()->setMaxLength(kMaxInput);
    for (const QStringView current : ledresistor::kCurrents)
        m_current->addItem(current.toString());
    m_current->setCurrentText(ledresistor::kPresetCurrent.toString());
    addRow(inputBox, inputs, u"LED-Strom", m_current);

    m_inSeries = input(inputBox);
    m_inSeries->setText(QStringLiteral("1"));
    addRow(inputBox, inputs, u"LEDs in Reihe", m_inSeries);
    m_strings = input(inputBox);
    m_strings->setText(QStringLiteral("1"));
    addRow(inputBox, inputs, u"Stränge parallel", m_strings);

    m_series = combo(inputBox);
    for (const ledresistor::SeriesTolerance &s : ledresistor::kSeries)
        m_series->addItem(QStringLiteral("%1 (±%2 %)").arg(s.series.name, common::general(s.percent)),
                          s.series.name.toString());
    m_series->setCurrentIndex(m_series->findData(ledresistor::kPresetSeries.toString()));
    addRow(inputBox, inputs, u"Reihe", m_series);
    inputs->setColumnStretch(1, 1);

    m_picture = new LedCircuitPicture(area);
    left->addWidget(m_picture);
    left->addStretch();

    std::array<QGridLayout *, kGroups.size()> grids{};
    std::array<QWidget *, kGroups.size()> boxes{};
    for (std::size_t i = 0; i < kGroups.size(); ++i) {
        auto *box = new QGroupBox(kGroups[i].toString(), area);
        grids[i] = new QGridLayout(box);
        boxes[i] = box;
        right->addWidget(box);
    }
    right->addStretch();
    for (const ResultRow &row : kResultRows) {
        QWidget *box = boxes[std::size_t(row.group)];
        auto *field = new common::ResultField(QStringLiteral("Text%1").arg(++texts), box);
        field->setMinimumWidth(field->fontMetrics().horizontalAdvance(kWideResult.toString()) + 12);
        addRow(box, grids[std::size_t(row.group)], row.caption, field);
        m_results.push_back(field);
    }

    m_message = caption(area, {});
    m_message->setWordWrap(true);
    m_message->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_message->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_message->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    m_message->setFixedHeight(kMessageLines * m_message->fontMetrics().lineSpacing() + 4);
    common::setTextColour(m_message, common::colourFromNumber(common::kRed));
    rows->addWidget(m_message);

    m_colour->setCurrentText(ledresistor::kPresetColour.toString());
    Combo1_Click();

    connect(m_colour, &QComboBox::activated, this, &Form13::Combo1_Click);
    for (QLineEdit *field : m_forward)
        connect(field, &QLineEdit::textEdited, this, &Form13::Forward_Change);
    for (QLineEdit *field : {m_supply, m_spread, m_forward[0], m_forward[1], m_forward[2], m_inSeries, m_strings})
        connect(field, &QLineEdit::textChanged, this, &Form13::Inputs_Change);
    connect(m_current, &QComboBox::currentTextChanged, this, &Form13::Inputs_Change);
    connect(m_series, &QComboBox::currentIndexChanged, this, &Form13::Inputs_Change);

    Inputs_Change();
    m_supply->setFocus();
}

// A colour fills its forward voltages; "eigene Werte" keeps what is there.
void Form13::Combo1_Click()
{
    const auto *colour = std::find_if(std::begin(ledresistor::kColours), std::end(ledresistor::kColours),
                                      [this](const ledresistor::Colour &c) { return c.name == m_colour->currentText(); });
    if (colour == std::end(ledresistor::kColours))
        return;
    for (std::size_t i = 0; i < m_forward.size(); ++i) {
        const double volts = std::array{colour->typical, colour->from, colour->to}[i];
        m_forward[i]->setText(common::general(volts));
    }
}

void Form13::Forward_Change()
{
    m_colour->setCurrentText(ledresistor::kOwnValues.toString());
}

void Form13::Inputs_Change()
{
    const ledresistor::Result result = ledresistor::calculate(
        {m_supply->text(), m_spread->text(), m_forward[0]->text(), m_forward[1]->text(), m_forward[2]->text(),
         m_current->currentText(), m_inSeries->text(), m_strings->text(), m_series->currentData().toString()});
    for (std::size_t i = 0; i < m_results.size(); ++i)
        m_results[i]->setText(result.*kResultRows[i].result);
    m_message->setText(result.message.isEmpty() ? result.notes.join(u'\n') : result.message);
    m_picture->setCircuit(result.circuit);
}

#include "ledresistorwindow.moc"
