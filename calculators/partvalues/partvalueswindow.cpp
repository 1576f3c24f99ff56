// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "partvalueswindow.h"

#include "colours.h"
#include "help.h"
#include "numbers.h"
#include "pairs.h"
#include "resistorcode.h"
#include "resultfield.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <span>

namespace {

using common::Part;

constexpr quint32 kBackground = 0xFFD8D0; // RGB 208, 216, 255, lavender
constexpr quint32 kBodyFill = 0xB0DCE8;   // RGB 232, 220, 176, a resistor's beige
constexpr int kMaxInput = 80;             // six ring words fit with room to spare

// The fixed texts of the window. The marking rows are in the order
// partvalues::markings() gives the markings of each part.
constexpr QStringView kTitle = u"Bauteilwerte";
constexpr QStringView kResistorHint = u"z. B. 4,7k  4K7  472  01C  gelb violett rot gold";
constexpr QStringView kCapacitorHint = u"z. B. 100n  4n7  104J  0,1µ  479";
constexpr std::array<QStringView, 4> kResistorMarkings{u"RKM-Code", u"SMD-Code, 3-stellig",
                                                       u"SMD-Code, 4-stellig", u"EIA-96-Code"};
constexpr std::array<QStringView, 2> kCapacitorMarkings{u"Kondensator-Code", u"RKM-Code"};
constexpr std::array<int, 2> kDigitRings{2, 3};
constexpr QStringView kPresetTolerance = u"gold";
constexpr QStringView kPresetPairSeries = u"E12";
// Long results, so that the window keeps its size whatever they show.
constexpr QStringView kWideResult = u"470 Ohm + 2,7 kOhm = 3,17 kOhm (+0,96 %)";
constexpr QStringView kWideRings = u"violett violett violett violett silber (4,7 kOhm)";

// The drawing colour of a ring's colour name.
QColor ringColour(QStringView colour)
{
    for (const resistorcode::RingColour &row : resistorcode::kRingColours) {
        if (row.colour == colour)
            return QColor::fromRgb(QRgb(0xFF000000u | row.rgb));
    }
    return Qt::transparent;
}

// Rows that come and go keep their room, so the window keeps its size.
void keepRoomWhenHidden(QWidget *widget)
{
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

QLineEdit *makeResult(QWidget *parent, const QString &name, QStringView widest)
{
    auto *field = new common::ResultField(name, parent);
    field->setMinimumWidth(field->fontMetrics().horizontalAdvance(widest.toString()) + 12);
    return field;
}

} // namespace

// A resistor drawn with its colour rings, and under each ring what it
// stands for, so that the multiplier cannot be taken for a digit. Its
// accessible description names the rings in words.
class RingPicture : public QWidget
{
    Q_OBJECT

public:
    RingPicture(const QString &objectName, int ringCount, QWidget *parent)
        : QWidget(parent)
        , m_ringCount(ringCount)
    {
        setObjectName(objectName);
        setAccessibleName(QStringLiteral("%1 Ringe, gezeichnet").arg(ringCount));
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    }

    void setRings(const std::vector<partvalues::Ring> &rings)
    {
        m_rings = rings;
        QStringList words;
        for (const partvalues::Ring &ring : rings)
            words << QStringLiteral("%1: %2").arg(ring.meaning, ring.colour.toString());
        setAccessibleDescription(words.join(QStringLiteral(", ")));
        update();
    }

    QSize sizeHint() const override
    {
        return {2 * lead() + m_ringCount * column(), bodyHeight() + gap() + fontMetrics().height() + 2};
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const int middle = bodyHeight() / 2;
        painter.setPen(QPen(Qt::darkGray, 3));
        painter.drawLine(0, middle, width(), middle);

        const QRectF body(lead(), 1, m_ringCount * column(), bodyHeight() - 2);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(common::colourFromNumber(kBodyFill));
        painter.drawRoundedRect(body, bodyHeight() / 3.0, bodyHeight() / 3.0);

        const int ringWidth = std::max(6, column() / 6);
        for (std::size_t i = 0; i < m_rings.size() && int(i) < m_ringCount; ++i) {
            const int centre = lead() + int(i) * column() + column() / 2;
            painter.setPen(QPen(Qt::black, 1));
            painter.setBrush(ringColour(m_rings[i].colour));
            painter.drawRect(QRectF(centre - ringWidth / 2.0, body.top(), ringWidth, body.height()));
            painter.drawLine(centre, bodyHeight(), centre, bodyHeight() + gap() / 2);
            const QRect caption(lead() + int(i) * column(), bodyHeight() + gap(), column(), fontMetrics().height());
            painter.drawText(caption, Qt::AlignHCenter | Qt::AlignTop, m_rings[i].meaning);
        }
    }

private:
    int column() const { return fontMetrics().horizontalAdvance(QStringLiteral("Multiplikator")) + 8; }
    int lead() const { return fontMetrics().height() * 2; }
    int bodyHeight() const { return fontMetrics().height() * 2; }
    int gap() const { return fontMetrics().height() / 2 + 2; }

    int m_ringCount;
    std::vector<partvalues::Ring> m_rings;
};

Form11::Form11()
    : common::Form(QStringLiteral("Form11"), kTitle.toString(), kBackground)
{
    common::setHelpPage(this, QStringLiteral("bauteilwerte.html"));
    QWidget *area = client();
    auto *columns = new QHBoxLayout(area);
    auto *left = new QVBoxLayout;
    auto *right = new QVBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right);

    // A caption and its field in a grid; the field's screen-reader name is
    // the caption.
    int labels = 0;
    int texts = 0;
    const auto addRow = [&labels](QWidget *box, QGridLayout *grid, QStringView caption, QWidget *field) {
        QLabel *label = common::makeLabel(box, QStringLiteral("Label%1").arg(++labels), caption.toString());
        common::addCaptionedRow(grid, label, field);
        return label;
    };
    const auto addResult = [&](QWidget *box, QGridLayout *grid, QStringView caption, QStringView widest) {
        QLineEdit *field = makeResult(box, QStringLiteral("Text%1").arg(++texts), widest);
        return Row{addRow(box, grid, caption, field), field};
    };

    // The input: the part, the text and its readings.
    auto *input = new QGridLayout;
    left->addLayout(input);
    QLabel *partCaption = common::makeLabel(area, QStringLiteral("Label%1").arg(++labels), QStringLiteral("Bauteil"));
    m_resistor = new QRadioButton(QStringLiteral("Widerstand"), area);
    m_resistor->setObjectName(QStringLiteral("Option1"));
    m_resistor->setChecked(true);
    auto *capacitor = new QRadioButton(QStringLiteral("Kondensator"), area);
    capacitor->setObjectName(QStringLiteral("Option2"));
    auto *options = new QHBoxLayout;
    options->addWidget(m_resistor);
    options->addWidget(capacitor);
    options->addStretch();
    input->addWidget(partCaption, 0, 0);
    input->addLayout(options, 0, 1);

    m_text = new QLineEdit(area);
    m_text->setObjectName(QStringLiteral("Text%1").arg(++texts));
    m_text->setMaxLength(kMaxInput);
    m_text->setPlaceholderText(kResistorHint.toString());
    m_text->setMinimumWidth(m_text->fontMetrics().horizontalAdvance(kResistorHint.toString()) + 16);
    addRow(area, input, u"Wert oder Aufdruck", m_text);

    m_reading = new QComboBox(area);
    m_reading->setObjectName(QStringLiteral("Combo1"));
    m_reading->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_reading->setMinimumContentsLength(int(kWideResult.size()));
    m_readingCaption = addRow(area, input, u"Lesart", m_reading);
    // The drop-down appears only for a text with several readings; its row
    // keeps its room, so the window does not jump while typing.
    for (QWidget *widget : {static_cast<QWidget *>(m_readingCaption), static_cast<QWidget *>(m_reading)}) {
        keepRoomWhenHidden(widget);
        widget->hide();
    }

    m_message = common::makeLabel(area, QStringLiteral("Label%1").arg(++labels), QString());
    m_message->setMinimumHeight(m_message->fontMetrics().height());
    common::setTextColour(m_message, common::colourFromNumber(common::kRed));
    m_message->setTextInteractionFlags(Qt::TextSelectableByMouse);
    input->addWidget(m_message, input->rowCount(), 0, 1, 2);

    m_value = addResult(area, input, u"Wert", kWideResult).field;
    m_how = addResult(area, input, u"Gelesen als", kWideResult).field;

    // The markings of each part on a page of its own.
    auto *markingBox = new QGroupBox(QStringLiteral("Aufdrucke"), area);
    auto *markingLayout = new QVBoxLayout(markingBox);
    m_markingPages = new QStackedWidget(markingBox);
    markingLayout->addWidget(m_markingPages);
    for (const auto &captions : {std::span<const QStringView>(kResistorMarkings),
                                 std::span<const QStringView>(kCapacitorMarkings)}) {
        auto *page = new QWidget(m_markingPages);
        auto *grid = new QGridLayout(page);
        grid->setContentsMargins(0, 0, 0, 0);
        for (const QStringView caption : captions)
            m_markings.push_back(addResult(page, grid, caption, kWideResult));
        grid->setRowStretch(grid->rowCount(), 1);
        m_markingPages->addWidget(page);
    }
    left->addWidget(markingBox);

    // Two standard parts of a chosen series.
    auto *pairBox = new QGroupBox(QStringLiteral("Zwei Normwerte"), area);
    auto *pairGrid = new QGridLayout(pairBox);
    m_pairSeries = new QComboBox(pairBox);
    m_pairSeries->setObjectName(QStringLiteral("Combo3"));
    addRow(pairBox, pairGrid, u"Reihe", m_pairSeries);
    m_seriesPair = addResult(pairBox, pairGrid, u"in Reihe", kWideResult).field;
    m_parallelPair = addResult(pairBox, pairGrid, u"parallel", kWideResult).field;
    left->addWidget(pairBox);
    left->addStretch();

    // The nearest standard values; a capacitor's series are the first rows.
    auto *standardBox = new QGroupBox(QStringLiteral("Nächste Normwerte (darunter / darüber)"), area);
    auto *standardGrid = new QGridLayout(standardBox);
    for (const common::Series &series : partvalues::seriesOf(Part::Resistor)) {
        const Row row = addResult(standardBox, standardGrid, series.name, kWideResult);
        keepRoomWhenHidden(row.label);
        keepRoomWhenHidden(row.field);
        m_standard.push_back(row);
    }
    right->addWidget(standardBox);

    // The colour rings of a resistor.
    auto *ringBox = new QGroupBox(QStringLiteral("Farbringe"), area);
    m_ringBox = ringBox;
    keepRoomWhenHidden(ringBox);
    auto *ringGrid = new QGridLayout(ringBox);
    m_tolerance = new QComboBox(ringBox);
    m_tolerance->setObjectName(QStringLiteral("Combo2"));
    for (const resistorcode::ColourValue &row : resistorcode::kTolerances) {
        const QString colour = row.colour == u"keine" ? QStringLiteral("kein Ring") : row.colour.toString();
        m_tolerance->addItem(QStringLiteral("±%1 % (%2)").arg(common::general(row.value), colour),
                             row.colour.toString());
    }
    m_tolerance->setCurrentIndex(m_tolerance->findData(kPresetTolerance.toString()));
    addRow(ringBox, ringGrid, u"Toleranz", m_tolerance);
    int pictures = 0;
    for (const int digits : kDigitRings) {
        m_ringWords.push_back(
            addResult(ringBox, ringGrid, QStringLiteral("%1 Ringe").arg(digits + 2), kWideRings));
        auto *picture = new RingPicture(QStringLiteral("Picture%1").arg(++pictures), digits + 2, ringBox);
        ringGrid->addWidget(picture, ringGrid->rowCount(), 1);
        m_ringPictures.push_back(picture);
    }
    right->addWidget(ringBox);
    right->addStretch();

    fillSeriesChoice();

    connect(m_text, &QLineEdit::textChanged, this, &Form11::Text1_Change);
    connect(m_resistor, &QRadioButton::toggled, this, &Form11::Option_Click);
    connect(m_reading, &QComboBox::currentIndexChanged, this, &Form11::Combo1_Click);
    connect(m_tolerance, &QComboBox::activated, this, &Form11::Combo2_Click);
    connect(m_pairSeries, &QComboBox::activated, this, &Form11::Combo3_Click);

    m_text->setFocus();
}

common::Part Form11::part() const
{
    return m_resistor->isChecked() ? Part::Resistor : Part::Capacitor;
}

void Form11::Text1_Change()
{
    readText();
}

// Both options: a toggle of one is the toggle of the other, so one
// handler sees each change of part once.
void Form11::Option_Click()
{
    const bool resistor = part() == Part::Resistor;
    m_text->setPlaceholderText((resistor ? kResistorHint : kCapacitorHint).toString());
    m_markingPages->setCurrentIndex(resistor ? 0 : 1);
    m_ringBox->setVisible(resistor);
    const auto offered = partvalues::seriesOf(part());
    for (std::size_t i = 0; i < m_standard.size(); ++i) {
        m_standard[i].label->setVisible(i < offered.size());
        m_standard[i].field->setVisible(i < offered.size());
    }
    fillSeriesChoice();
    // What was shown belongs to the other part.
    emptyResults();
    readText();
}

void Form11::Combo1_Click()
{
    const int chosen = m_reading->currentIndex();
    if (chosen < 0 || std::size_t(chosen) >= m_readings.size())
        return;
    const partvalues::Reading &reading = m_readings[std::size_t(chosen)];
    if (reading.tolerance) {
        const int index = m_tolerance->findData(partvalues::toleranceColour(*reading.tolerance).toString());
        if (index >= 0)
            m_tolerance->setCurrentIndex(index);
    }
    showReading();
}

void Form11::Combo2_Click()
{
    showRings();
}

void Form11::Combo3_Click()
{
    showPairs();
}

void Form11::readText()
{
    const partvalues::Readings found = partvalues::read(m_text->text(), part());
    if (m_text->text().trimmed().isEmpty()) {
        m_message->clear();
        emptyResults();
        return;
    }
    if (found.readings.empty()) {
        // Typing goes on through texts with no reading ("4K" on the way
        // to "4K7"): the results stay until the text reads again.
        m_message->setText(found.message);
        return;
    }
    m_message->clear();
    m_readings = found.readings;
    const QSignalBlocker blocker(m_reading);
    m_reading->clear();
    for (const partvalues::Reading &reading : m_readings)
        m_reading->addItem(reading.label);
    const bool several = m_readings.size() > 1;
    m_reading->setVisible(several);
    m_readingCaption->setVisible(several);
    m_reading->setCurrentIndex(0);
    Combo1_Click();
}

void Form11::fillSeriesChoice()
{
    const QString kept = m_pairSeries->count() > 0 ? m_pairSeries->currentText() : kPresetPairSeries.toString();
    m_pairSeries->clear();
    for (const common::Series &series : partvalues::seriesOf(part()))
        m_pairSeries->addItem(series.name.toString());
    const int index = m_pairSeries->findText(kept);
    m_pairSeries->setCurrentIndex(index >= 0 ? index : m_pairSeries->findText(kPresetPairSeries.toString()));
}

void Form11::showReading()
{
    const partvalues::Reading &reading = m_readings[std::size_t(std::max(0, m_reading->currentIndex()))];
    m_value->setText(partvalues::describe(reading, part()));
    m_how->setText(reading.how);

    const std::vector<partvalues::Marking> written = partvalues::markings(reading.value, part(), reading.tolerance);
    const std::size_t first = part() == Part::Resistor ? 0 : kResistorMarkings.size();
    for (std::size_t i = 0; i + first < m_markings.size(); ++i)
        m_markings[i + first].field->setText(i < written.size() ? written[i].text : QString());

    const std::vector<partvalues::Neighbours> near = partvalues::neighbours(reading.value, part());
    for (std::size_t i = 0; i < m_standard.size(); ++i)
        m_standard[i].field->setText(i < near.size() ? near[i].text : QString());

    showRings();
    showPairs();
}

void Form11::showRings()
{
    if (m_readings.empty() || part() != Part::Resistor)
        return;
    const double value = m_readings[std::size_t(std::max(0, m_reading->currentIndex()))].value;
    const QString tolerance = m_tolerance->currentData().toString();
    for (std::size_t i = 0; i < kDigitRings.size(); ++i) {
        const partvalues::RingCode code = partvalues::rings(value, kDigitRings[i], tolerance);
        QString text = code.words;
        if (!code.exact)
            text = code.words.isEmpty() ? code.note : QStringLiteral("%1 (%2)").arg(code.words, code.note);
        m_ringWords[i].field->setText(text);
        m_ringPictures[i]->setRings(code.rings);
    }
}

void Form11::showPairs()
{
    if (m_readings.empty())
        return;
    const double value = m_readings[std::size_t(std::max(0, m_reading->currentIndex()))].value;
    const auto offered = partvalues::seriesOf(part());
    const auto series = std::find_if(offered.begin(), offered.end(), [this](const common::Series &s) {
        return s.name == m_pairSeries->currentText();
    });
    if (series == offered.end())
        return;
    const partvalues::Pairs pairs = partvalues::bestPairs(value, part(), *series);
    m_seriesPair->setText(pairs.series ? pairs.series->text : pairs.message);
    m_parallelPair->setText(pairs.parallel ? pairs.parallel->text : pairs.message);
}

void Form11::emptyResults()
{
    m_readings.clear();
    {
        const QSignalBlocker blocker(m_reading);
        m_reading->clear();
    }
    m_reading->hide();
    m_readingCaption->hide();
    for (QLineEdit *field : {m_value, m_how, m_seriesPair, m_parallelPair})
        field->clear();
    for (const auto *rows : {&m_markings, &m_standard, &m_ringWords}) {
        for (const Row &row : *rows)
            row.field->clear();
    }
    for (RingPicture *picture : m_ringPictures)
        picture->setRings({});
}

#include "partvalueswindow.moc"
