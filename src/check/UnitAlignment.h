#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <utility>
#include <vector>

namespace quillon::check {

// One step of an alignment of sequences A and B: an element of each
// matched, or an element of only one of them (the other index -1).
struct AlignedPair {
    int a = -1;
    int b = -1;
    bool operator==(const AlignedPair&) const = default;
};

using Key = std::uint64_t;

// The longest common subsequence of `a` and `b` as matched index pairs in
// order (greedy O((N + M) D) search); nothing when more than `maxEdits`
// insertions and deletions separate the two.
std::optional<std::vector<std::pair<int, int>>>
CommonSubsequence(std::span<const Key> a, std::span<const Key> b, int maxEdits);

// One key per element of A and of B; equal keys may be matched.
struct KeyLevel {
    std::vector<Key> a;
    std::vector<Key> b;
};

// How alike element i of A and element j of B are (higher is more alike).
using Similarity = std::function<int(int i, int j)>;

// Aligns A and B: elements with equal keys of the first level are matched
// along their longest common subsequence, the stretches between matches are
// aligned the same way on the next level, and so on. Elements left over
// after the last level are paired as far as the shorter stretch goes, the
// pairs chosen for the greatest total similarity; the rest stand alone. A
// level that needs more than `maxEdits` insertions and deletions hands the
// whole stretch to the next one; after the last, elements are paired by
// position and `followed` (when given) is set false.
std::vector<AlignedPair> AlignSequences(const std::vector<KeyLevel>& levels,
                                        const Similarity& similarity, int maxEdits,
                                        bool* followed = nullptr);

} // namespace quillon::check
