#pragma once

#include <QString>
#include <QTest>
#include <array>

namespace quillon::testing {

// The current test row's "row" column, written "a|b|c", as N fields: the
// last one takes the rest, '|' included; the ones left out are empty.
template <size_t N> std::array<QString, N> RowFields() {
    QFETCH(QString, row);
    const QStringList parts = row.split(u'|');
    std::array<QString, N> fields;
    for (size_t i = 0; i < N; ++i)
        fields[i] = i + 1 < N ? parts.value(qsizetype(i)) : parts.mid(qsizetype(i)).join(u'|');
    return fields;
}

} // namespace quillon::testing
