// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "resistorcodewindow.h"

#include "colours.h"
#include "help.h"
#include "resistorcode.h"
#include "resultfield.h"

#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace {

using common::Placement;
using common::twipsRect;
using common::twipsToPixels;

constexpr quint32 kRingLabelBackground = 0xFFFFC0; // RGB 192, 255, 255
constexpr double kTitlePoints = 12;
constexpr double kResultPoints = 9.75;

enum class RingKind { FirstDigit, Digit, Multiplier, Tolerance };

struct Ring {
    QStringView selector;
    QStringView label;
    QStringView caption;
    RingKind kind;
    QStringView initial;
};

struct Result {
    QStringView field;
    QStringView label;
    QStringView caption;
};

struct CalculatorLayout {
    QStringView titleLabel;
    QStringView title;
    std::span<const Ring> rings; // in ring order
    QStringView button;
    std::array<Result, 4> results; // Ohm, k Ohm, M Ohm, tolerance
};

// The ring captions start with a blank so they keep clear of the leader
// lines that end at their left edge.
constexpr std::array<Ring, 4> kFourRings{{
    {u"Combo1", u"Label1_0", u" 1. Ring für 1. Ziffer", RingKind::FirstDigit, u"braun"},
    {u"Combo2", u"Label2_0", u" 2. Ring 2. Ziffer", RingKind::Digit, u"schwarz"},
    {u"Combo3", u"Label3_0", u" 3. Ring Multiplikator", RingKind::Multiplier, u"silber"},
    {u"Combo4", u"Label4_0", u" 4. Ring Toleranz", RingKind::Tolerance, u"keine"},
}};

// The five-ring selectors are numbered against the ring order.
constexpr std::array<Ring, 5> kFiveRings{{
    {u"Combo9", u"Label1_1", u" 1. Ring für 1. Ziffer", RingKind::FirstDigit, u"braun"},
    {u"Combo8", u"Label2_1", u" 2. Ring 2. Ziffer", RingKind::Digit, u"schwarz"},
    {u"Combo7", u"Label4_1", u" 3. Ring 3. Ziffer", RingKind::Digit, u"schwarz"},
    {u"Combo6", u"Label3_1", u" 4. Ring Multiplikator", RingKind::Multiplier, u"schwarz"},
    {u"Combo5", u"Label4_2", u" 5. Ring Toleranz", RingKind::Tolerance, u"silber"},
}};

const CalculatorLayout kFourRingLayout{
    u"Label5_0", u"4 Ringe (Kohleschicht)", kFourRings, u"Command1",
    {{{u"Text1", u"Label6_0", u"R (Ohm)"},
      {u"Text2", u"Label7_0", u"R (k Ohm)"},
      {u"Text3", u"Label8_0", u"R (M Ohm)"},
      {u"Text4", u"Label9_0", u"Toleranz (%)"}}},
};

const CalculatorLayout kFiveRingLayout{
    u"Label5_1", u"5 Ringe (Metallschicht)", kFiveRings, u"Command2",
    {{{u"Text5", u"Label6_1", u"R (Ohm)"},
      {u"Text6", u"Label7_1", u"R (k Ohm)"},
      {u"Text7", u"Label8_1", u"R (M Ohm)"},
      {u"Text8", u"Label9_1", u"Toleranz (%)"}}},
};

// Twips, the ring selectors included: they keep their drawn height, not
// the one their font would give them.
constexpr auto kLayout = std::to_array<Placement>({
    {u"Label5_0", 240, 240, 5295, 375},
    {u"Label4_0", 2280, 1920, 1575, 255},
    {u"Combo4", 3960, 1920, 1695, 315},
    {u"Label3_0", 2040, 2280, 1575, 255},
    {u"Combo3", 3960, 2280, 1695, 315},
    {u"Label2_0", 1800, 2640, 1575, 255},
    {u"Combo2", 3960, 2640, 1695, 315},
    {u"Label1_0", 1560, 3000, 1575, 255},
    {u"Combo1", 3960, 3000, 1695, 315},
    {u"Command1", 2640, 3600, 1575, 495},
    {u"Text1", 2640, 4320, 1575, 405},
    {u"Label6_0", 1560, 4440, 975, 255},
    {u"Text2", 2640, 4920, 1575, 405},
    {u"Label7_0", 1560, 5040, 975, 255},
    {u"Text3", 2640, 5520, 1575, 405},
    {u"Label8_0", 1560, 5640, 975, 255},
    {u"Text4", 2640, 6120, 1575, 405},
    {u"Label9_0", 1560, 6240, 975, 255},
    {u"Label5_1", 6480, 240, 5535, 375},
    {u"Label4_2", 8520, 1680, 1575, 255},
    {u"Combo5", 10200, 1680, 1695, 315},
    {u"Label3_1", 8400, 2040, 1575, 255},
    {u"Combo6", 10200, 2040, 1695, 315},
    {u"Label4_1", 8160, 2400, 1575, 255},
    {u"Combo7", 10200, 2400, 1695, 315},
    {u"Label2_1", 7920, 2760, 1575, 255},
    {u"Combo8", 10200, 2760, 1695, 315},
    {u"Label1_1", 7680, 3120, 1575, 255},
    {u"Combo9", 10200, 3120, 1695, 315},
    {u"Command2", 8880, 3600, 1575, 495},
    {u"Text5", 8880, 4320, 1575, 375},
    {u"Label6_1", 7800, 4440, 975, 255},
    {u"Text6", 8880, 4920, 1575, 375},
    {u"Label7_1", 7800, 5040, 975, 255},
    {u"Text7", 8880, 5520, 1575, 375},
    {u"Label8_1", 7800, 5640, 975, 255},
    {u"Text8", 8880, 6120, 1575, 375},
    {u"Label9_1", 7800, 6240, 975, 255},
});

// The resistor drawings, fixed whatever the selectors show. Twips, colour
// numbers (0x00BBGGRR) and line widths in pixels.
struct Body {
    QStringView name;
    int left;
    int top;
    int width;
    int height;
};

constexpr quint32 kBodyFill = 0xC0FFC0; // RGB 192, 255, 192
constexpr int kBodyBorder = 3;

constexpr std::array<Body, 2> kBodies{{
    {u"Shape1_0", 1080, 960, 1815, 495},
    {u"Shape1_1", 7200, 960, 1815, 495},
}};

struct Stroke {
    QStringView name;
    int x1;
    int y1;
    int x2;
    int y2;
    quint32 colour;
    int width;
};

using common::kBlack;
using common::kRed;
using common::kWhite;
constexpr quint32 kMagenta = 0xFF00FF;    // RGB 255, 0, 255
constexpr quint32 kPaleYellow = 0x80FFFF; // RGB 255, 255, 128
constexpr int kLead = 3;
constexpr int kBand = 6;
constexpr int kLeader = 1;

constexpr auto kStrokes = std::to_array<Stroke>({
    // Four rings: leads, bands, and leaders that end at the ring labels.
    {u"Line2_0", 1080, 1200, 240, 1200, kBlack, kLead},
    {u"Line1_0", 2880, 1200, 3840, 1200, kBlack, kLead},
    {u"Line3_0", 1320, 960, 1320, 1440, kMagenta, kBand},
    {u"Line3_1", 1560, 960, 1560, 1440, kRed, kBand},
    {u"Line3_2", 1800, 960, 1800, 1440, kWhite, kBand},
    {u"Line3_3", 2040, 960, 2040, 1440, kWhite, kBand},
    {u"Line4_0", 1320, 1680, 1320, 3120, kBlack, kLeader},
    {u"Line5_0", 1320, 3120, 1560, 3120, kBlack, kLeader},
    {u"Line10_0", 1560, 1680, 1560, 2760, kBlack, kLeader},
    {u"Line11_0", 1560, 2760, 1800, 2760, kBlack, kLeader},
    {u"Line8_0", 1800, 1680, 1800, 2400, kBlack, kLeader},
    {u"Line9_0", 1800, 2400, 2040, 2400, kBlack, kLeader},
    {u"Line6_0", 2040, 1680, 2040, 2040, kBlack, kLeader},
    {u"Line7_0", 2040, 2040, 2280, 2040, kBlack, kLeader},
    // Five rings.
    {u"Line2_1", 7200, 1200, 6360, 1200, kBlack, kLead},
    {u"Line1_1", 9000, 1200, 10080, 1200, kBlack, kLead},
    {u"Line3_7", 7440, 960, 7440, 1440, kMagenta, kBand},
    {u"Line3_6", 7680, 960, 7680, 1440, kRed, kBand},
    {u"Line3_5", 7920, 960, 7920, 1440, kPaleYellow, kBand},
    {u"Line3_4", 8160, 960, 8160, 1440, kRed, kBand},
    {u"Line3_8", 8400, 960, 8400, 1440, kWhite, kBand},
    {u"Line4_1", 7440, 1680, 7440, 3240, kBlack, kLeader},
    {u"Line5_1", 7440, 3240, 7680, 3240, kBlack, kLeader},
    {u"Line10_1", 7680, 1680, 7680, 2880, kBlack, kLeader},
    {u"Line11_1", 7680, 2880, 7920, 2880, kBlack, kLeader},
    {u"Line8_1", 7920, 1680, 7920, 2520, kBlack, kLeader},
    {u"Line9_1", 7920, 2520, 8160, 2520, kBlack, kLeader},
    {u"Line6_1", 8160, 1680, 8160, 2160, kBlack, kLeader},
    {u"Line7_1", 8160, 2160, 8400, 2160, kBlack, kLeader},
    {u"Line6_2", 8400, 1680, 8400, 1800, kBlack, kLeader},
    {u"Line7_2", 8400, 1800, 8640, 1800, kBlack, kLeader},
});

// A resistor body: filled, with a black border inside its rectangle.
class BodyItem : public QWidget
{
    Q_OBJECT

public:
    BodyItem(const Body &body, QWidget *parent)
        : QWidget(parent)
    {
        setObjectName(body.name.toString());
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(twipsRect(body.left, body.top, body.width, body.height));
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), common::colourFromNumber(kBlack));
        painter.fillRect(rect().adjusted(kBodyBorder, kBodyBorder, -kBodyBorder, -kBodyBorder),
                         common::colourFromNumber(kBodyFill));
    }
};

// One straight line of a drawing, as a widget just large enough for it, so
// the controls created after it stay on top where they meet.
class StrokeItem : public QWidget
{
    Q_OBJECT

public:
    StrokeItem(const Stroke &stroke, QWidget *parent)
        : QWidget(parent)
        , m_pen(common::colourFromNumber(stroke.colour), stroke.width, Qt::SolidLine, Qt::FlatCap)
    {
        setObjectName(stroke.name.toString());
        setAttribute(Qt::WA_TransparentForMouseEvents);
        const QPoint from(twipsToPixels(stroke.x1), twipsToPixels(stroke.y1));
        const QPoint to(twipsToPixels(stroke.x2), twipsToPixels(stroke.y2));
        const int margin = stroke.width / 2 + 1;
        setGeometry(QRect(from, to).normalized().adjusted(-margin, -margin, margin, margin));
        m_from = from - pos();
        m_to = to - pos();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setPen(m_pen);
        painter.drawLine(m_from, m_to);
    }

private:
    QPen m_pen;
    QPoint m_from;
    QPoint m_to;
};

QStringList coloursOf(std::span<const resistorcode::ColourValue> table)
{
    QStringList colours;
    for (const resistorcode::ColourValue &row : table)
        colours << row.colour.toString();
    return colours;
}

QStringList itemsFor(RingKind kind)
{
    switch (kind) {
    case RingKind::FirstDigit:
        return coloursOf(std::span(resistorcode::kDigits).subspan(1));
    case RingKind::Digit:
        return coloursOf(resistorcode::kDigits);
    case RingKind::Multiplier:
        return coloursOf(resistorcode::kMultipliers);
    case RingKind::Tolerance:
        return coloursOf(resistorcode::kTolerances);
    }
    return {};
}

QLabel *makeCaption(QWidget *parent, QStringView name, QStringView caption)
{
    return common::makeLabel(parent, name.toString(), caption.toString());
}

} // namespace

Form10::Form10()
    : common::Form(QStringLiteral("Form10"), QStringLiteral("Widerstands Farbcode"), 12165, 6780, 0xC0E0FF)
{
    common::setHelpPage(this, QStringLiteral("r-farbcode.html"));
    QWidget *area = client();

    // The drawings first, so that everything created later lies above them.
    for (const Body &body : kBodies)
        new BodyItem(body, area);
    for (const Stroke &stroke : kStrokes)
        new StrokeItem(stroke, area);

    const auto build = [area](const CalculatorLayout &layout, Calculator &calculator) {
        QLabel *title = makeCaption(area, layout.titleLabel, layout.title);
        title->setFont(common::uiFont(common::Typeface::SansSerif, kTitlePoints, true));
        title->setAlignment(Qt::AlignCenter);

        for (const Ring &ring : layout.rings) {
            QLabel *label = makeCaption(area, ring.label, ring.caption);
            common::setBackground(label, kRingLabelBackground);
            QComboBox *selector = common::makeSelector(area, ring.selector.toString(), itemsFor(ring.kind));
            selector->setCurrentText(ring.initial.toString());
            common::nameAfter(selector, label);
            selector->setAccessibleDescription(layout.title.toString());
            calculator.rings.push_back(selector);
        }

        QPushButton *button = common::makeButton(area, layout.button.toString(), QStringLiteral("Berechne"));
        button->setAccessibleDescription(layout.title.toString());

        for (std::size_t i = 0; i < layout.results.size(); ++i) {
            const Result &result = layout.results[i];
            QLabel *label = makeCaption(area, result.label, result.caption);
            auto *field = new common::ResultField(result.field.toString(), area);
            field->setFont(common::uiFont(common::Typeface::SansSerif, kResultPoints, true));
            common::nameAfter(field, label);
            field->setAccessibleDescription(layout.title.toString());
            calculator.results[i] = field;
        }
        return button;
    };

    QPushButton *command1 = build(kFourRingLayout, m_fourRing);
    QPushButton *command2 = build(kFiveRingLayout, m_fiveRing);
    common::place(area, kLayout);

    connect(command1, &QPushButton::clicked, this, &Form10::Command1_Click);
    connect(command2, &QPushButton::clicked, this, &Form10::Command2_Click);
    // Every pick counts, with the mouse or the keyboard, even of the item
    // already shown: the results no longer belong to what the rings say.
    for (const Calculator *calculator : {&m_fourRing, &m_fiveRing}) {
        for (QComboBox *selector : calculator->rings)
            connect(selector, &QComboBox::activated, this, [this, calculator] { emptyResults(*calculator); });
    }

    common::setFocusOrder(area, {u"Combo1", u"Combo2", u"Combo3", u"Combo4", u"Command1", u"Text1",
                                 u"Text2", u"Text3", u"Text4", u"Combo5", u"Combo6", u"Combo7",
                                 u"Combo8", u"Combo9", u"Command2", u"Text5", u"Text6", u"Text7",
                                 u"Text8"});
    m_fourRing.rings.front()->setFocus();
}

void Form10::Command1_Click()
{
    calculate(m_fourRing);
}

void Form10::Command2_Click()
{
    calculate(m_fiveRing);
}

void Form10::calculate(const Calculator &calculator)
{
    std::vector<QString> digits;
    for (std::size_t i = 0; i + 2 < calculator.rings.size(); ++i)
        digits.push_back(calculator.rings[i]->currentText());
    const QString multiplier = calculator.rings[calculator.rings.size() - 2]->currentText();
    const QString tolerance = calculator.rings.back()->currentText();
    const resistorcode::Reading reading = resistorcode::read(digits, multiplier, tolerance);

    // The tolerance first, then the resistance from ohms to megohms.
    calculator.results[3]->setText(reading.tolerance);
    calculator.results[0]->setText(reading.ohm);
    calculator.results[1]->setText(reading.kiloOhm);
    calculator.results[2]->setText(reading.megaOhm);
}

void Form10::emptyResults(const Calculator &calculator)
{
    for (QLineEdit *field : calculator.results)
        field->clear();
}

#include "resistorcodewindow.moc"
