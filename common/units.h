// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>
#include <QStringView>

#include <optional>
#include <span>

namespace common {

// One row of a window's unit table: the text a selector shows and what it
// stands for.
struct UnitFactor {
    QStringView name;
    double factor;
};

// Matches a selector's text against a unit table as a whole string, exactly
// and case-sensitive ("µ" is the micro sign U+00B5, not the Greek mu).
// Empty when no row matches.
std::optional<double> unitFactor(QStringView text, std::span<const UnitFactor> table);

// The unit names of a table in its order: the items of its selector.
QStringList unitNames(std::span<const UnitFactor> table);

} // namespace common
