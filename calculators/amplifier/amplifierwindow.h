// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "amplifier.h"
#include "form.h"

#include <QStringView>

#include <array>
#include <initializer_list>
#include <span>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace common {
class EntryField;
class Picture;
class ResultField;
} // namespace common

namespace amplifier {

// How a label's caption stands in it.
enum class Style {
    Left,
    Centred,
    CentredBold,
};

// A label of the window.
struct Caption {
    QStringView name;
    QStringView text;
    Style style;
};

// A line of the window, 3 px wide, between two points given in twips.
struct Line {
    QStringView name;
    int x1;
    int y1;
    int x2;
    int y2;
};

// The label whose caption names a field or selector for assistive tools.
struct NamedBy {
    QStringView control;
    QStringView label;
};

// What both amplifier windows have alike: the menu "Kennlinien", the rows of
// the operating point (Ub, Uce, Ube, Ic, Ib in Text1 to Text5, their unit
// selectors Combo1 to Combo5) with the factor selector Combo6, the hint box
// Text6, the "Berechne" button, red result fields, and reading the entries.
// Each window places them from its own tables and adds what only it has.
class AmplifierWindow : public common::Form
{
    Q_OBJECT

public:
    AmplifierWindow(const QString &objectName, const QString &caption, int clientWidthTwips,
                    int clientHeightTwips, quint32 background);

protected:
    common::Picture *addCircuit(const QString &resource, const QString &description);
    void addCaptions(std::span<const Caption> captions);
    void addLines(std::span<const Line> lines);
    void addOperatingPoint();
    // A further entry field that behaves like those of the operating point.
    common::EntryField *addEntry(const QString &name);
    common::ResultField *addResult(const QString &name);
    // Writes a resistance into a result field in kilo-ohms, with its
    // nearest standard values.
    void showResistance(common::ResultField *field, double ohms);
    void addHint();
    QPushButton *addComputeButton();
    void nameControls(std::span<const NamedBy> names);

    // Selects "mA" for Ic, "µA" for Ib and the factor 2, as each opening starts.
    void Form_Load();

    // Writes "0" into each entry field whose text is exactly empty (blanks
    // are not empty), Text1 to Text5 and then `more`, in this order; the
    // user sees what was read.
    void fillEmptyEntries(std::initializer_list<QLineEdit *> more = {});
    Entries entries() const;
    // Warns of input that will not be computed with.
    void refuseInput();

    common::EntryField *ubField() const { return m_point[0]; }
    common::EntryField *icField() const { return m_point[3]; }
    common::EntryField *ibField() const { return m_point[4]; }
    QComboBox *icUnit() const { return m_icUnit; }
    QComboBox *ibUnit() const { return m_ibUnit; }
    QComboBox *factorSelector() const { return m_factor; }

private:
    void kenn1_Click();
    void kenn2_Click();

    quint32 m_background;
    std::array<common::EntryField *, 5> m_point{};
    QComboBox *m_icUnit = nullptr;
    QComboBox *m_ibUnit = nullptr;
    QComboBox *m_factor = nullptr;
};

} // namespace amplifier
