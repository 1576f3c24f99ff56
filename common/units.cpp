#include "units.h"

namespace common {

std::optional<double> unitFactor(QStringView text, std::span<const UnitFactor> table)
{
    for (const UnitFactor &row : table) {
        if (text == row.name)
            return row.factor;
    }
    return std::nullopt;
}

} // namespace common
