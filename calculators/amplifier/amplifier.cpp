// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "amplifier.h"

#include "numbers.h"

#include <cmath>

namespace amplifier {

namespace {

bool allFinite(std::initializer_list<double> values)
{
    for (const double value : values) {
        if (!std::isfinite(value))
            return false;
    }
    return true;
}

} // namespace

double currentFactor(QStringView unit)
{
    return common::unitFactor(unit, kCurrentUnits).value_or(0.0);
}

std::optional<Inputs> read(const Entries &entries)
{
    const auto ub = common::number(entries.ub);
    const auto uce = common::number(entries.uce);
    const auto ube = common::number(entries.ube);
    const auto ic = common::number(entries.ic);
    const auto ib = common::number(entries.ib);
    const auto factor = common::number(entries.factor);
    if (!ub || !uce || !ube || !ic || !ib || !factor)
        return std::nullopt;
    return Inputs{*ub, *uce, *ube, *ic * currentFactor(entries.icUnit),
                  *ib * currentFactor(entries.ibUnit), *factor};
}

bool hasZero(const Inputs &inputs)
{
    return inputs.ub == 0 || inputs.uce == 0 || inputs.ube == 0 || inputs.ic == 0 || inputs.ib == 0;
}

Stage1 stage1(const Inputs &in)
{
    Stage1 out{};
    out.rc = (in.ub - in.uce) / in.ic;
    out.r1WithoutR2 = (in.ub - in.ube) / in.ib;
    out.r2 = in.ube / (in.factor * in.ib);
    // R1 carries the divider current Ube / R2 and the base current.
    out.r1 = (in.ub - in.ube) / (in.ube / out.r2 + in.ib);
    return out;
}

std::optional<Stage1> calculateStage1(const Entries &entries)
{
    const std::optional<Inputs> inputs = read(entries);
    if (!inputs || hasZero(*inputs))
        return std::nullopt;
    const Stage1 out = stage1(*inputs);
    if (!allFinite({out.rc, out.r1WithoutR2, out.r2, out.r1}))
        return std::nullopt;
    return out;
}

Stage2 stage2(const Inputs &in, double re)
{
    const double ie = in.ic + in.ib;
    const double u2 = ie * re + in.ube; // across R2: Ube on top of the drop across Re
    Stage2 out{};
    out.rc = (in.ub - ie * re - in.uce) / in.ic;
    out.r2 = u2 / (in.factor * in.ib);
    out.r1 = out.r2 * ((in.ub - in.ube - ie * re) / (in.ube + in.ib * out.r2 + ie * re));
    return out;
}

std::optional<Stage2> calculateStage2(const Entries &entries, QStringView re)
{
    const std::optional<Inputs> inputs = read(entries);
    const std::optional<double> emitter = common::number(re);
    if (!inputs || !emitter || hasZero(*inputs) || *emitter == 0)
        return std::nullopt;
    const Stage2 out = stage2(*inputs, *emitter);
    if (!allFinite({out.rc, out.r2, out.r1}))
        return std::nullopt;
    return out;
}

QString kiloOhms(double ohms)
{
    return common::format(ohms / 1000.0, u"0.000");
}

} // namespace amplifier
