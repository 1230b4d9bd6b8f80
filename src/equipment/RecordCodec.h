#pragma once

#include "datasheet/Datasheet.h"
#include "datasheet/UnitChanges.h"

#include <QByteArray>
#include <array>
#include <cstdint>

namespace quillon {

// One unit's 168-byte record of the equipment file, kept as raw bytes.
struct EquipmentRecord {
    static constexpr int Size = 168;
    static constexpr int UnknownOffset = 48;
    static constexpr int UnknownSize = 120;
    std::array<std::uint8_t, Size> bytes{};
};

// Eight bits of a flag byte, most significant first.
std::array<int, 8> SplitFlagByte(std::uint8_t b);

// The 74 cells of a unit's row exactly as loading writes them.
Datasheet::Row RecordToCells(int unitNumber, const QString& name, const EquipmentRecord& record);

// The record of datasheet row `row`, correcting out-of-range and
// non-numeric cells of that row in place (columns 2..72). Column 73 fills
// the 120 unknown bytes (blank-separated decimals in order, missing values
// 0, values clamped to 0..255). "Icon ID", "U3" and the sound columns are
// clamped into the signed 16-bit range (Icon ID 0..32767). A corrected row
// is added to `corrections`, as it was before, when given.
EquipmentRecord RowToRecord(Datasheet& sheet, int row, std::vector<RowEdit>* corrections = nullptr);

} // namespace quillon
