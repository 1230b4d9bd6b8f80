#include "formview/ui/FormFields.h"

#include <cmath>

namespace quillon::formview {

QString PlainNumberText(double value) {
    if (std::isfinite(value) && value == std::floor(value) && std::fabs(value) < 1e15)
        return QString::number(static_cast<qint64>(value));
    return QString::number(value, 'g', 15);
}

} // namespace quillon::formview
