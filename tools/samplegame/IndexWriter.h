#pragma once

#include <QByteArray>
#include <vector>

namespace quillon::samplegame {

struct ContainerEntry {
    QByteArray name; // at most 8 characters
    QByteArray bytes;
};

struct Container {
    QByteArray baseName; // file name without ".pfp"
    std::vector<ContainerEntry> entries;
};

constexpr std::uint32_t PfpHeaderValue = 0x00010000;
constexpr std::uint32_t LastExtValue = 0x20202020; // four blanks, as the editor writes it

// The container file: its entries back to back.
QByteArray containerFileBytes(const Container& container);

// pfpdata.idx: header, then one record per entry of every container in order.
QByteArray pfpIndexBytes(const std::vector<Container>& containers);

// ext.idx: one record per container (first record index, next container's),
// the last one holding four blanks in both numbers.
QByteArray extIndexBytes(const std::vector<Container>& containers);

} // namespace quillon::samplegame
