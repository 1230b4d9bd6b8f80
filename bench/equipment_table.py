#!/usr/bin/env python3
"""The yardstick for quillon-cli export and import: the same conversion done
the plain Python way.

    equipment_table.py export FOLDER TABLE   KorEquip.EQP + .TXT -> TSV
    equipment_table.py import FOLDER TABLE   TSV -> KorEquip.EQP + .TXT

The table is what quillon-cli writes without game data: English headings,
one line per unit, cells as the editor's datasheet shows them, TAB between
cells, CR LF line ends, Windows-1252.
"""
import os
import shutil
import struct
import sys

HEADINGS = (
    ["Unit No.", "Unit Name", "Class", "S.A.", "H.A.", "A.A.", "N.A.", "Su.A.", "G.D.",
     "A.D.", "As.D", "T.D.", "D.C.D.", "Target Type", "Bomber Size", "U1", "Initiative",
     "Range", "Spotting Range", "Move Medium", "Move Method", "Move", "Fuel", "Ammo",
     "Lives", "U2", "Prestige", "Icon ID", "U3", "Month Available", "Year Available",
     "Year Expired", "Non Organic Transport", "Hangar Size"]
    + ["Nation %d" % n for n in range(31)] + ["Unused"]
    + ["Special 1", "Special 2", "Special 3", "Special 4", "Move Sound", "Attack Sound",
       "Death Sound", "Unknown bytes"])

RECORD = 168
# The record as struct fields: bytes 0-24, two words, bytes 29-33, four flag
# bytes, bytes 38-41, three words, 120 unknown bytes.
LAYOUT = struct.Struct("<25B2h5B4B4B3h120B")
UPPER = [255] * 25 + [32767, 255] + [255] * 5  # columns 2..33
UPPER[19] = 31  # Move
UPPER[22] = 15  # Lives


def find(folder, name):
    for entry in os.listdir(folder):
        if entry.lower() == name.lower():
            return os.path.join(folder, entry)
    return os.path.join(folder, name)


def number(value):
    return "%d" % value if value < 0 else " %d" % value


def export(folder, table):
    eqp = open(find(folder, "KorEquip.EQP"), "rb").read()
    names = open(find(folder, "KorEquip.TXT"), "rb").read().decode("cp1252", "replace")
    names = names.replace("\r\n", "\n").replace("\r", "\n").split("\n")
    count = struct.unpack_from("<h", eqp, 0)[0]
    lines = ["\t".join(HEADINGS)]
    for unit in range(count):
        fields = LAYOUT.unpack_from(eqp, 2 + RECORD * unit)
        name = names[unit].strip(" ") if unit < len(names) else ""
        cells = [number(unit), name]
        cells += [number(v) for v in fields[0:32]]
        for flags in fields[32:36]:
            cells += [" 1" if flags & (1 << bit) else " 0" for bit in range(8)]
        cells += [number(v) for v in fields[36:43]]
        cells.append("".join(" %d" % b for b in fields[43:]))
        lines.append("\t".join(cells))
    with open(table, "wb") as out:
        out.write(("\r\n".join(lines) + "\r\n").encode("cp1252", "replace"))


def whole(cell, low, high):
    try:
        value = float(cell)
    except ValueError:
        return 0
    return int(round(min(max(value, low), high)))


def import_(folder, table):
    text = open(table, "rb").read().decode("cp1252", "replace")
    rows = [line.rstrip("\r").split("\t") for line in text.split("\n") if line.strip()]
    if rows and rows[0][0].strip() == HEADINGS[0]:
        rows = rows[1:]
    rows.sort(key=lambda cells: float(cells[0]))
    records = [struct.pack("<h", len(rows))]
    names = []
    for cells in rows:
        cells = cells + [""] * (74 - len(cells))
        fields = [whole(cells[2 + i], 0, UPPER[i]) for i in range(32)]
        for byte in range(4):
            bits = cells[34 + 8 * byte:42 + 8 * byte]
            fields.append(sum(1 << k for k, c in enumerate(bits) if whole(c, 0, 1) >= 1))
        fields += [whole(cells[c], 0, 255) for c in range(66, 70)]
        fields += [whole(cells[c], -32768, 32767) for c in range(70, 73)]
        unknown = [whole(v, 0, 255) for v in cells[73].split()][:120]
        fields += unknown + [0] * (120 - len(unknown))
        records.append(LAYOUT.pack(*fields))
        names.append(cells[1].strip(" ") + "\r\n")
    for name, data in (("KorEquip.EQP", b"".join(records)),
                       ("KorEquip.TXT", "".join(names).encode("cp1252", "replace"))):
        path = find(folder, name)
        if os.path.exists(path):
            shutil.copyfile(path, os.path.join(folder, "OLD_" + os.path.basename(path)))
        with open(path, "wb") as out:
            out.write(data)


if __name__ == "__main__":
    if len(sys.argv) != 4 or sys.argv[1] not in ("export", "import"):
        sys.exit(__doc__)
    (export if sys.argv[1] == "export" else import_)(sys.argv[2], sys.argv[3])
