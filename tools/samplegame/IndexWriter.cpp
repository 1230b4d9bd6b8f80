#include "samplegame/IndexWriter.h"

#include "samplegame/Bytes.h"

namespace quillon::samplegame {

namespace {

void appendRecord(QByteArray& out, const QByteArray& name, std::uint32_t first,
                  std::uint32_t second) {
    QByteArray padded = name.left(8);
    padded.append(QByteArray(8 - padded.size(), '\0'));
    out.append(padded);
    appendU32(out, first);
    appendU32(out, second);
}

} // namespace

QByteArray containerFileBytes(const Container& container) {
    QByteArray out;
    for (const ContainerEntry& entry : container.entries)
        out.append(entry.bytes);
    return out;
}

QByteArray pfpIndexBytes(const std::vector<Container>& containers) {
    QByteArray out;
    appendU32(out, PfpHeaderValue);
    for (const Container& container : containers) {
        std::uint32_t offset = 0;
        for (const ContainerEntry& entry : container.entries) {
            appendRecord(out, entry.name, std::uint32_t(entry.bytes.size()), offset);
            offset += std::uint32_t(entry.bytes.size());
        }
    }
    return out;
}

QByteArray extIndexBytes(const std::vector<Container>& containers) {
    QByteArray out;
    std::uint32_t first = 0;
    for (std::size_t c = 0; c < containers.size(); ++c) {
        const std::uint32_t next = first + std::uint32_t(containers[c].entries.size());
        if (c + 1 == containers.size())
            appendRecord(out, containers[c].baseName, LastExtValue, LastExtValue);
        else
            appendRecord(out, containers[c].baseName, first, next);
        first = next;
    }
    return out;
}

} // namespace quillon::samplegame
