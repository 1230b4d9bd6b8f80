#pragma once

#include <QPixmap>

namespace quillon::formview {

// The small picture beside a value box (Picture3..Picture22): attack values
// in red, defence values in blue inside a shield, the others in their own
// colours. A null pixmap for any other number.
QPixmap ValueSymbol(int picture);

constexpr int ValueSymbolSize = 20;

} // namespace quillon::formview
