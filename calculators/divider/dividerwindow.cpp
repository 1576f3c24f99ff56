// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dividerwindow.h"

#include "colours.h"
#include "help.h"
#include "partvalues.h"
#include "resultfield.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

using divider::Request;
using divider::Task;

// Quantities in the largest unit in which they reach 0,1, signed.
constexpr auto kStyle = partvalues::QuantityStyle::Tenths;

constexpr quint32 kBackground = 0xBEDEFF; // RGB 255, 222, 190, apricot
constexpr int kMaxInput = 30;

// The fixed texts and presets of the window.
constexpr QStringView kTitle = u"Spannungsteiler";
constexpr std::array<QStringView, 3> kTasks{u"Spannungsteiler", u"Verstärker (nicht invertierend)",
                                            u"Spannungsregler"};
constexpr std::array<QStringView, 7> kColumns{u"R1",    u"R2",          u"Ergebnis",   u"Abweichung",
                                              u"Strom", u"Leistung R1", u"Leistung R2"};
constexpr QStringView kThreeRow = u"3 R";
constexpr QStringView kWideResult = u"\u221212,34 V bis \u221212,34 V";

// The series and the tolerance each is preset with, in per cent.
struct SeriesRow {
    common::Series series;
    double percent;
    QStringView tolerance;
};
constexpr std::array<SeriesRow, 6> kSeries{{
    {common::kSeriesE6, 20, u"±20 %"},
    {common::kSeriesE12, 10, u"±10 %"},
    {common::kSeriesE24, 5, u"±5 %"},
    {common::kSeriesE48, 2, u"±2 %"},
    {common::kSeriesE96, 1, u"±1 %"},
    {common::kSeriesE192, 0.5, u"±0,5 %"},
}};
constexpr QStringView kPresetSeries = u"E24";

QStringView unitOf(Task task)
{
    return task == Task::Amplifier ? u"" : u"V";
}

} // namespace

// The circuit of the chosen task with R1 and R2 where they sit and their
// values beside them, so that they cannot be swapped; its accessible
// description says the same in words.
class DividerPicture : public QWidget
{
    Q_OBJECT

public:
    explicit DividerPicture(QWidget *parent)
        : QWidget(parent)
    {
        setObjectName(QStringLiteral("Picture1"));
        setAccessibleName(QStringLiteral("Schaltung"));
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        show(Task::Divider, {}, {}, false);
    }

    // Empty values draw the names alone.
    void show(Task task, const QString &r1, const QString &r2, bool load)
    {
        m_task = task;
        m_r1 = r1.isEmpty() ? QStringLiteral("R1") : QStringLiteral("R1 = ") + r1;
        m_r2 = r2.isEmpty() ? QStringLiteral("R2") : QStringLiteral("R2 = ") + r2;
        m_load = load;
        const QString one = r1.isEmpty() ? QStringLiteral("R1") : QStringLiteral("R1 (%1)").arg(r1);
        const QString two = r2.isEmpty() ? QStringLiteral("R2") : QStringLiteral("R2 (%1)").arg(r2);
        switch (task) {
        case Task::Divider:
            setAccessibleDescription(
                QStringLiteral("Spannungsteiler: %1 von Ue zum Ausgang Ua, %2 vom Ausgang nach Masse%3.")
                    .arg(one, two, load ? QStringLiteral(", die Last RL am Ausgang") : QString()));
            break;
        case Task::Amplifier:
            setAccessibleDescription(QStringLiteral("Nicht invertierender Verstärker: %1 vom Ausgang zum "
                                                    "invertierenden Eingang, %2 von dort nach Masse.")
                                         .arg(one, two));
            break;
        case Task::Regulator:
            setAccessibleDescription(QStringLiteral("Spannungsregler: %1 vom Ausgang zum Einstellanschluss, "
                                                    "%2 von dort nach Masse.")
                                         .arg(one, two));
            break;
        }
        update();
    }

    QSize sizeHint() const override { return {int(40 * unit()), int(30 * unit())}; }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Qt::black, 1.5));
        switch (m_task) {
        case Task::Divider:
            terminal(p, 6, 3, u"Ue", true);
            wire(p, {{6, 3}, {6, 5}});
            vertical(p, 6, 5, m_r1);
            wire(p, {{6, 11}, {6, 17}});
            vertical(p, 6, 17, m_r2);
            wire(p, {{6, 23}, {6, 25}});
            ground(p, 6, 25);
            wire(p, {{6, 14}, {30, 14}});
            dot(p, 6, 14);
            terminal(p, 30, 14, u"Ua", false);
            if (m_load) {
                dot(p, 26, 14);
                wire(p, {{26, 14}, {26, 17}});
                vertical(p, 26, 17, QStringLiteral("RL"));
                wire(p, {{26, 23}, {26, 25}});
                ground(p, 26, 25);
            }
            break;
        case Task::Amplifier: {
            const QPolygonF amplifier{at(12, 5), at(12, 17), at(21, 11)};
            p.drawPolygon(amplifier);
            p.drawText(at(12.6, 8.6), QStringLiteral("+"));
            p.drawText(at(12.6, 14.6), QStringLiteral("\u2212"));
            terminal(p, 4, 8, u"Ue", true);
            wire(p, {{4, 8}, {12, 8}});
            wire(p, {{21, 11}, {32, 11}});
            terminal(p, 32, 11, u"Ua", false);
            wire(p, {{12, 14}, {9, 14}, {9, 20}, {13, 20}});
            horizontal(p, 13, 20, m_r1);
            wire(p, {{19, 20}, {27, 20}, {27, 11}});
            dot(p, 27, 11);
            dot(p, 9, 20);
            wire(p, {{9, 20}, {9, 22}});
            vertical(p, 9, 22, m_r2);
            wire(p, {{9, 28}, {9, 28.5}});
            ground(p, 9, 28.5);
            break;
        }
        case Task::Regulator:
            p.drawRect(QRectF(at(11, 3), at(21, 9)));
            p.drawText(QRectF(at(11, 3), at(21, 9)), Qt::AlignCenter, QStringLiteral("Regler"));
            terminal(p, 4, 5, u"Ue", true);
            wire(p, {{4, 5}, {11, 5}});
            wire(p, {{21, 5}, {32, 5}});
            terminal(p, 32, 5, u"Ua", false);
            p.drawText(QRectF(at(16, 7.5), at(21, 9)), Qt::AlignCenter, QStringLiteral("ADJ"));
            dot(p, 26, 5);
            wire(p, {{26, 5}, {26, 7}});
            vertical(p, 26, 7, m_r1);
            wire(p, {{26, 13}, {26, 16}, {16, 16}, {16, 9}});
            dot(p, 26, 16);
            wire(p, {{26, 16}, {26, 19}});
            vertical(p, 26, 19, m_r2);
            wire(p, {{26, 25}, {26, 27}});
            ground(p, 26, 27);
            break;
        }
    }

private:
    // The drawing's grid: half a line of text.
    double unit() const { return fontMetrics().height() / 2.0; }
    QPointF at(double x, double y) const { return {x * unit(), y * unit()}; }

    void wire(QPainter &p, std::initializer_list<QPointF> points) const
    {
        QPolygonF line;
        for (const QPointF &point : points)
            line << at(point.x(), point.y());
        p.drawPolyline(line);
    }
    void dot(QPainter &p, double x, double y) const
    {
        p.save();
        p.setBrush(Qt::black);
        p.drawEllipse(at(x, y), unit() / 3, unit() / 3);
        p.restore();
    }
    void terminal(QPainter &p, double x, double y, QStringView name, bool left) const
    {
        p.drawEllipse(at(x, y), unit() / 2, unit() / 2);
        const QRectF room = left ? QRectF(at(x - 4, y - 1), at(x - 0.8, y + 1)) : QRectF(at(x + 0.8, y - 1), at(x + 5, y + 1));
        p.drawText(room, (left ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter, name.toString());
    }
    // A resistor of 6 units from (x, top) down, its name to the right.
    void vertical(QPainter &p, double x, double top, const QString &name) const
    {
        p.drawRect(QRectF(at(x - 1, top), at(x + 1, top + 6)));
        p.drawText(QRectF(at(x + 1.6, top), at(x + 20, top + 6)), Qt::AlignLeft | Qt::AlignVCenter, name);
    }
    // A resistor of 6 units from (left, y) to the right, its name above.
    void horizontal(QPainter &p, double left, double y, const QString &name) const
    {
        p.drawRect(QRectF(at(left, y - 1), at(left + 6, y + 1)));
        p.drawText(QRectF(at(left - 6, y + 1.2), at(left + 12, y + 3.4)), Qt::AlignCenter, name);
    }
    void ground(QPainter &p, double x, double y) const
    {
        wire(p, {{x - 1.5, y}, {x + 1.5, y}});
        wire(p, {{x - 1, y + 0.6}, {x + 1, y + 0.6}});
        wire(p, {{x - 0.5, y + 1.2}, {x + 0.5, y + 1.2}});
    }

    Task m_task = Task::Divider;
    QString m_r1;
    QString m_r2;
    bool m_load = false;
};

Form12::Form12()
    : common::Form(QStringLiteral("Form12"), kTitle.toString(), kBackground)
{
    common::setHelpPage(this, QStringLiteral("spannungsteiler.html"));
    QWidget *area = client();
    auto *columns = new QHBoxLayout(area);
    auto *left = new QVBoxLayout;
    auto *right = new QVBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right);

    const auto label = [this](QWidget *parent, QStringView caption) {
        return common::makeLabel(parent, QStringLiteral("Label%1").arg(++m_labels), caption.toString());
    };
    const auto addRow = [&label](QWidget *box, QGridLayout *grid, QStringView caption, QWidget *field) {
        common::addCaptionedRow(grid, label(box, caption), field);
    };
    const auto addResult = [&](QWidget *box, QGridLayout *grid, QStringView caption) {
        auto *field = new common::ResultField(QStringLiteral("Text%1").arg(++m_texts), box);
        field->setMinimumWidth(field->fontMetrics().horizontalAdvance(kWideResult.toString()) + 12);
        addRow(box, grid, caption, field);
        return static_cast<QLineEdit *>(field);
    };

    // The task and the fields of each task on a page of its own; the pages
    // share one room, so the window keeps its size.
    auto *top = new QGridLayout;
    left->addLayout(top);
    m_task = common::makeSelector(area, QStringLiteral("Combo1"), {});
    for (const QStringView name : kTasks)
        m_task->addItem(name.toString());
    addRow(area, top, u"Aufgabe", m_task);

    m_pages = new QStackedWidget(area);
    m_pages->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    left->addWidget(m_pages);
    const auto page = [this] {
        auto *widget = new QWidget(m_pages);
        auto *grid = new QGridLayout(widget);
        grid->setContentsMargins(0, 0, 0, 0);
        m_pages->addWidget(widget);
        return widget;
    };
    using R = Request;
    QWidget *dividerPage = page();
    std::vector<Field> &d = m_fields[0];
    addField(dividerPage, d, {nullptr, Kind::Voltage, false, &R::input}, u"Eingangsspannung", u"");
    addField(dividerPage, d, {nullptr, Kind::Voltage, false, &R::wanted}, u"Ausgangsspannung", u"");
    addField(dividerPage, d, {nullptr, Kind::Resistance, true, nullptr, &R::load}, u"Last am Ausgang", u"");
    addField(dividerPage, d, {nullptr, Kind::Resistance, false, &R::from}, u"R1 + R2 von", u"10 kOhm");
    addField(dividerPage, d, {nullptr, Kind::Resistance, false, &R::to}, u"bis", u"100 kOhm", u"R1 + R2 bis");
    QWidget *amplifierPage = page();
    std::vector<Field> &a = m_fields[1];
    addField(amplifierPage, a, {nullptr, Kind::Gain, false, &R::wanted}, u"Verstärkung", u"");
    addField(amplifierPage, a, {nullptr, Kind::Voltage, true, nullptr, &R::output},
             u"Ausgangsspannung (für Strom)", u"");
    addField(amplifierPage, a, {nullptr, Kind::Resistance, false, &R::from}, u"R1 + R2 von", u"10 kOhm");
    addField(amplifierPage, a, {nullptr, Kind::Resistance, false, &R::to}, u"bis", u"100 kOhm", u"R1 + R2 bis");
    QWidget *regulatorPage = page();
    std::vector<Field> &r = m_fields[2];
    addField(regulatorPage, r, {nullptr, Kind::Voltage, false, &R::wanted}, u"Ausgangsspannung", u"");
    addField(regulatorPage, r, {nullptr, Kind::Voltage, false, &R::reference}, u"Referenzspannung", u"1,25 V");
    addField(regulatorPage, r, {nullptr, Kind::Current, false, &R::adjustCurrent}, u"Strom am Einstellanschluss",
             u"50 \u00B5A");
    addField(regulatorPage, r, {nullptr, Kind::Current, false, &R::from}, u"Querstrom von", u"5 mA");
    addField(regulatorPage, r, {nullptr, Kind::Current, false, &R::to}, u"bis", u"10 mA", u"Querstrom bis");
    for (int i = 0; i < m_pages->count(); ++i) {
        auto *grid = static_cast<QGridLayout *>(m_pages->widget(i)->layout());
        grid->setRowStretch(grid->rowCount(), 1);
    }

    // Series, tolerance, a third resistor and the user's own values.
    auto *choices = new QGridLayout;
    left->addLayout(choices);
    m_series = common::makeSelector(area, QStringLiteral("Combo2"), {});
    m_tolerance = common::makeSelector(area, QStringLiteral("Combo3"), {});
    for (const SeriesRow &row : kSeries) {
        m_series->addItem(row.series.name.toString());
        m_tolerance->addItem(row.tolerance.toString(), row.percent / 100);
    }
    addRow(area, choices, u"Reihe", m_series);
    addRow(area, choices, u"Toleranz", m_tolerance);
    m_three = new QCheckBox(QStringLiteral("auch mit drei Widerständen"), area);
    m_three->setObjectName(QStringLiteral("Check1"));
    choices->addWidget(m_three, choices->rowCount(), 0, 1, 2);
    m_ownR1 = new QLineEdit(area);
    m_ownR2 = new QLineEdit(area);
    auto *own = new QHBoxLayout;
    QLabel *ownCaption = label(area, u"eigene Werte R1, R2");
    for (QLineEdit *edit : {m_ownR1, m_ownR2}) {
        edit->setObjectName(QStringLiteral("Text%1").arg(++m_texts));
        edit->setMaxLength(kMaxInput);
        own->addWidget(edit);
        connect(edit, &QLineEdit::textChanged, this, &Form12::search);
    }
    ownCaption->setBuddy(m_ownR1);
    m_ownR1->setAccessibleName(QStringLiteral("eigene Werte R1"));
    m_ownR2->setAccessibleName(QStringLiteral("eigene Werte R2"));
    const int ownRow = choices->rowCount();
    choices->addWidget(ownCaption, ownRow, 0);
    choices->addLayout(own, ownRow, 1);

    m_message = label(area, u"");
    m_message->setWordWrap(true);
    m_message->setMinimumHeight(3 * m_message->fontMetrics().height());
    common::setTextColour(m_message, common::colourFromNumber(common::kRed));
    m_message->setTextInteractionFlags(Qt::TextSelectableByMouse);
    left->addWidget(m_message);
    left->addStretch();

    // The drawing, the best choices, and the selected and own values.
    m_picture = new DividerPicture(area);
    right->addWidget(m_picture, 0, Qt::AlignHCenter);
    m_table = new QTableWidget(int(divider::kBestCount) + 1, int(kColumns.size()), area);
    m_table->setObjectName(QStringLiteral("Table1"));
    m_table->setAccessibleName(QStringLiteral("Die besten Paare"));
    QStringList headers;
    for (const QStringView column : kColumns)
        headers << column.toString();
    m_table->setHorizontalHeaderLabels(headers);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 8);
    // Room for the widest rows and every row, so that the window keeps its size.
    const int cell = m_table->fontMetrics().horizontalAdvance(QStringLiteral("150 kOhm \u2225 7,5 kOhm")) + 16;
    const int number = m_table->fontMetrics().horizontalAdvance(QStringLiteral("Leistung R1")) + 24;
    m_table->setMinimumWidth(2 * cell + 5 * number + m_table->fontMetrics().horizontalAdvance(kThreeRow.toString()) + 24);
    m_table->setFixedHeight(m_table->horizontalHeader()->sizeHint().height()
                            + m_table->rowCount() * m_table->verticalHeader()->defaultSectionSize()
                            + 2 * m_table->frameWidth());
    right->addWidget(m_table);

    auto *results = new QHBoxLayout;
    right->addLayout(results);
    auto *selectedBox = new QGroupBox(QStringLiteral("Gewählte Zeile"), area);
    auto *selectedGrid = new QGridLayout(selectedBox);
    m_selectedResult = addResult(selectedBox, selectedGrid, u"Ergebnis");
    m_selectedRange = addResult(selectedBox, selectedGrid, u"ungünstigster Fall");
    selectedGrid->setRowStretch(selectedGrid->rowCount(), 1);
    results->addWidget(selectedBox);
    auto *ownBox = new QGroupBox(QStringLiteral("Eigene Werte"), area);
    auto *ownGrid = new QGridLayout(ownBox);
    m_ownResult = addResult(ownBox, ownGrid, u"Ergebnis eigener Werte");
    m_ownCurrent = addResult(ownBox, ownGrid, u"Strom");
    m_ownPower = addResult(ownBox, ownGrid, u"Leistung R1, R2");
    m_ownRange = addResult(ownBox, ownGrid, u"ungünstigster Fall eigener Werte");
    results->addWidget(ownBox);
    right->addStretch();

    m_series->setCurrentIndex(m_series->findText(kPresetSeries.toString()));
    Combo2_Click();

    connect(m_task, &QComboBox::currentIndexChanged, this, &Form12::Combo1_Click);
    connect(m_series, &QComboBox::currentIndexChanged, this, &Form12::Combo2_Click);
    connect(m_tolerance, &QComboBox::currentIndexChanged, this, &Form12::search);
    connect(m_three, &QCheckBox::toggled, this, &Form12::search);
    connect(m_table, &QTableWidget::itemSelectionChanged, this, &Form12::Table1_Select);

    m_fields[0].front().edit->setFocus();
}

void Form12::addField(QWidget *page, std::vector<Field> &fields, const Field &field, QStringView caption,
                      QStringView preset, QStringView accessibleName)
{
    auto *grid = static_cast<QGridLayout *>(page->layout());
    auto *edit = new QLineEdit(preset.toString(), page);
    edit->setObjectName(QStringLiteral("Text%1").arg(++m_texts));
    edit->setMaxLength(kMaxInput);
    if (field.optional)
        edit->setPlaceholderText(QStringLiteral("leer: keine"));
    common::addCaptionedRow(grid, common::makeLabel(page, QStringLiteral("Label%1").arg(++m_labels), caption.toString()),
                            edit);
    if (!accessibleName.isEmpty())
        edit->setAccessibleName(accessibleName.toString());
    connect(edit, &QLineEdit::textChanged, this, &Form12::search);
    Field added = field;
    added.edit = edit;
    fields.push_back(added);
}

divider::Task Form12::task() const
{
    return static_cast<Task>(std::max(0, m_task->currentIndex()));
}

void Form12::Combo1_Click()
{
    m_pages->setCurrentIndex(m_task->currentIndex());
    search();
}

void Form12::Combo2_Click()
{
    // The series presets its tolerance; a tolerance picked afterwards stays.
    const QSignalBlocker blocker(m_tolerance);
    m_tolerance->setCurrentIndex(m_series->currentIndex());
    search();
}

void Form12::search()
{
    emptyResults();
    Request q;
    q.task = task();
    q.series = kSeries[std::size_t(std::max(0, m_series->currentIndex()))].series;
    q.tolerance = m_tolerance->currentData().toDouble();
    q.threeResistors = m_three->isChecked();

    // A field that cannot be read, then a blank one that is needed.
    bool blank = false;
    const auto read = [](Kind kind, const QString &text) {
        switch (kind) {
        case Kind::Voltage:
            return partvalues::readQuantity(text, u"V", kStyle);
        case Kind::Current:
            return partvalues::readQuantity(text, u"A", kStyle);
        case Kind::Resistance:
            return divider::readResistance(text);
        case Kind::Gain:
            return partvalues::readQuantity(text, u"", kStyle);
        }
        Q_UNREACHABLE();
    };
    const auto refuse = [](Kind kind, const QString &caption) {
        switch (kind) {
        case Kind::Voltage:
            return QStringLiteral("„%1“ ist keine Spannung (z. B. 12 oder 3,3 V).").arg(caption);
        case Kind::Current:
            return QStringLiteral("„%1“ ist kein Strom (z. B. 50 µA oder 5 mA).").arg(caption);
        case Kind::Resistance:
            return QStringLiteral("„%1“ ist kein Widerstand (z. B. 4,7k oder 10 kOhm).").arg(caption);
        case Kind::Gain:
            return QStringLiteral("„%1“ ist keine Zahl (z. B. 4,7).").arg(caption);
        }
        Q_UNREACHABLE();
    };
    for (const Field &field : m_fields[std::size_t(q.task)]) {
        const QString text = field.edit->text();
        if (text.trimmed().isEmpty()) {
            blank = blank || !field.optional;
            continue;
        }
        const std::optional<double> value = read(field.kind, text);
        if (!value) {
            m_message->setText(refuse(field.kind, field.edit->accessibleName()));
            return;
        }
        if (field.target)
            q.*field.target = *value;
        else
            q.*field.optionalTarget = value;
    }
    for (QLineEdit *edit : {m_ownR1, m_ownR2}) {
        if (!edit->text().trimmed().isEmpty() && !divider::readResistance(edit->text()).value_or(0))
            m_message->setText(refuse(Kind::Resistance, edit->accessibleName()));
    }
    if (!m_message->text().isEmpty() || blank)
        return;

    const divider::Choices found = divider::search(q);
    m_message->setText(found.message);
    if (found.best.empty())
        return;
    m_request = q;
    m_rows = found.best;
    if (found.three)
        m_rows.push_back(*found.three);

    const QStringView unit = unitOf(q.task);
    QStringList rowNames;
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const divider::Choice &c = m_rows[i];
        const auto power = [](std::optional<double> value) {
            return value ? partvalues::formatQuantity(*value, u"W", kStyle) : QString();
        };
        const QStringList cells{c.r1.text(),
                                c.r2.text(),
                                partvalues::formatQuantity(c.result, unit, kStyle),
                                partvalues::formatDeviation(c.deviation),
                                c.current ? partvalues::formatQuantity(*c.current, u"A", kStyle) : QString(),
                                power(c.powerR1),
                                power(c.powerR2)};
        for (int column = 0; column < cells.size(); ++column) {
            auto *item = new QTableWidgetItem(cells[column]);
            item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
            item->setTextAlignment(Qt::AlignVCenter | (column < 2 ? Qt::AlignLeft : Qt::AlignRight));
            m_table->setItem(int(i), column, item);
        }
        rowNames << (found.three && i + 1 == m_rows.size() ? kThreeRow.toString() : QString::number(i + 1));
    }
    m_table->setVerticalHeaderLabels(rowNames);
    m_table->selectRow(0);
    showOwn();
}

void Form12::Table1_Select()
{
    showSelected();
}

void Form12::showSelected()
{
    const QList<QTableWidgetItem *> selected = m_table->selectedItems();
    const int row = selected.isEmpty() ? -1 : selected.front()->row();
    if (!m_request || row < 0 || std::size_t(row) >= m_rows.size()) {
        m_picture->show(task(), {}, {}, task() == Task::Divider && m_request && m_request->load);
        m_selectedResult->clear();
        m_selectedRange->clear();
        return;
    }
    const divider::Choice &c = m_rows[std::size_t(row)];
    const QStringView unit = unitOf(m_request->task);
    m_picture->show(m_request->task, c.r1.text(), c.r2.text(), m_request->load.has_value());
    m_selectedResult->setText(partvalues::formatQuantity(c.result, unit, kStyle) + QStringLiteral(" (")
                              + partvalues::formatDeviation(c.deviation) + u')');
    const divider::Range range = divider::worstCase(*m_request, c);
    m_selectedRange->setText(partvalues::formatQuantity(range.lowest, unit, kStyle) + QStringLiteral(" bis ")
                             + partvalues::formatQuantity(range.highest, unit, kStyle));
}

void Form12::showOwn()
{
    const std::optional<double> r1 = divider::readResistance(m_ownR1->text());
    const std::optional<double> r2 = divider::readResistance(m_ownR2->text());
    if (!m_request || !r1 || !r2)
        return;
    const divider::Choice c = divider::choiceOf(*m_request, {*r1, {}, false}, {*r2, {}, false});
    const QStringView unit = unitOf(m_request->task);
    m_ownResult->setText(partvalues::formatQuantity(c.result, unit, kStyle) + QStringLiteral(" (")
                         + partvalues::formatDeviation(c.deviation) + u')');
    if (c.current) {
        m_ownCurrent->setText(partvalues::formatQuantity(*c.current, u"A", kStyle));
        m_ownPower->setText(partvalues::formatQuantity(*c.powerR1, u"W", kStyle) + QStringLiteral(", ")
                            + partvalues::formatQuantity(*c.powerR2, u"W", kStyle));
    }
    const divider::Range range = divider::worstCase(*m_request, c);
    m_ownRange->setText(partvalues::formatQuantity(range.lowest, unit, kStyle) + QStringLiteral(" bis ")
                        + partvalues::formatQuantity(range.highest, unit, kStyle));
}

void Form12::emptyResults()
{
    m_message->clear();
    m_request.reset();
    m_rows.clear();
    {
        const QSignalBlocker blocker(m_table);
        m_table->clearContents();
        m_table->clearSelection();
    }
    QStringList rowNames;
    for (int i = 0; i < m_table->rowCount(); ++i)
        rowNames << QString();
    m_table->setVerticalHeaderLabels(rowNames);
    for (QLineEdit *field : {m_ownResult, m_ownCurrent, m_ownPower, m_ownRange})
        field->clear();
    showSelected();
}

#include "dividerwindow.moc"
