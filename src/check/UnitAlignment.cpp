#include "check/UnitAlignment.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace quillon::check {

namespace {

constexpr int Unreachable = std::numeric_limits<int>::min() / 2;
// Stretches up to this many candidate pairs are paired by similarity; larger
// ones by position.
constexpr std::int64_t MaxPairingCells = 65536;

// The furthest point on diagonal k (x − y) one edit after `previous`, which
// holds the furthest x of every diagonal −(d − 1)..d − 1 after d − 1 edits
// (index diagonal + d − 1). A move must stay inside the n × m grid.
struct Step {
    int x = Unreachable;
    int from = 0; // the diagonal it came from
};
Step stepOnto(const std::vector<int>& previous, int d, int k, int n, int m) {
    const auto at = [&](int diagonal) {
        return std::abs(diagonal) <= d - 1 ? previous[size_t(diagonal + d - 1)] : Unreachable;
    };
    Step best;
    const int down = at(k + 1); // one more element of B
    if (down != Unreachable && down - k <= m)
        best = {down, k + 1};
    const int right = at(k - 1); // one more element of A
    if (right != Unreachable && right + 1 <= n && right + 1 > best.x)
        best = {right + 1, k - 1};
    return best;
}

std::vector<std::pair<int, int>> backtrack(const std::vector<std::vector<int>>& trace, int n,
                                           int m) {
    std::vector<std::pair<int, int>> pairs;
    int x = n, y = m;
    for (int d = int(trace.size()) - 1; d >= 0; --d) {
        const int k = x - y;
        Step step{0, 0};
        if (d > 0)
            step = stepOnto(trace[size_t(d - 1)], d, k, n, m);
        while (x > step.x) {
            --x;
            --y;
            pairs.emplace_back(x, y);
        }
        if (d > 0) {
            x = step.from == k + 1 ? step.x : step.x - 1;
            y = x - step.from;
        }
    }
    std::reverse(pairs.begin(), pairs.end());
    return pairs;
}

// Pairs the leftover stretches A[a0, a1) and B[b0, b1); by position when
// there is no `similarity`.
void pairStretch(int a0, int a1, int b0, int b1, const Similarity* similarity,
                 std::vector<AlignedPair>& out) {
    const int na = a1 - a0, nb = b1 - b0;
    if (!similarity || na == 0 || nb == 0 || na == nb || std::int64_t(na) * nb > MaxPairingCells) {
        const int paired = std::min(na, nb);
        for (int i = 0; i < paired; ++i)
            out.push_back({a0 + i, b0 + i});
        for (int i = paired; i < na; ++i)
            out.push_back({a0 + i, -1});
        for (int j = paired; j < nb; ++j)
            out.push_back({-1, b0 + j});
        return;
    }
    // Every pair counts more than any similarity, so the shorter stretch is
    // paired completely; among such pairings the most alike wins.
    constexpr std::int64_t PairWeight = std::int64_t(1) << 32;
    const auto at = [nb](int i, int j) { return size_t(i) * size_t(nb + 1) + size_t(j); };
    std::vector<std::int64_t> score(size_t(na + 1) * size_t(nb + 1), 0);
    for (int i = 1; i <= na; ++i) {
        for (int j = 1; j <= nb; ++j) {
            const std::int64_t pair =
                score[at(i - 1, j - 1)] + PairWeight + (*similarity)(a0 + i - 1, b0 + j - 1);
            score[at(i, j)] = std::max({score[at(i - 1, j)], score[at(i, j - 1)], pair});
        }
    }
    std::vector<AlignedPair> stretch;
    int i = na, j = nb;
    while (i > 0 || j > 0) {
        if (i > 0 && score[at(i, j)] == score[at(i - 1, j)]) {
            stretch.push_back({a0 + --i, -1});
        } else if (j > 0 && score[at(i, j)] == score[at(i, j - 1)]) {
            stretch.push_back({-1, b0 + --j});
        } else {
            --i;
            --j;
            stretch.push_back({a0 + i, b0 + j});
        }
    }
    out.insert(out.end(), stretch.rbegin(), stretch.rend());
}

} // namespace

std::optional<std::vector<std::pair<int, int>>>
CommonSubsequence(std::span<const Key> a, std::span<const Key> b, int maxEdits) {
    const int n = int(a.size()), m = int(b.size());
    const int limit = std::min(n + m, std::max(maxEdits, 0));
    std::vector<std::vector<int>> trace; // furthest x per diagonal after d edits
    for (int d = 0; d <= limit; ++d) {
        std::vector<int> current(size_t(2 * d + 1), Unreachable);
        for (int k = -d; k <= d; k += 2) {
            int x = 0;
            if (d > 0) {
                x = stepOnto(trace.back(), d, k, n, m).x;
                if (x == Unreachable)
                    continue;
            }
            int y = x - k;
            while (x < n && y < m && a[size_t(x)] == b[size_t(y)]) {
                ++x;
                ++y;
            }
            current[size_t(k + d)] = x;
            if (x == n && y == m) {
                trace.push_back(std::move(current));
                return backtrack(trace, n, m);
            }
        }
        trace.push_back(std::move(current));
    }
    return std::nullopt;
}

namespace {

class Aligner {
public:
    Aligner(const std::vector<KeyLevel>& levels, const Similarity& similarity, int maxEdits)
        : levels_(levels), similarity_(similarity), maxEdits_(maxEdits) {}

    // Aligns A[a0, a1) with B[b0, b1) on key level `level` and the ones after it.
    void align(size_t level, int a0, int a1, int b0, int b1) {
        if (level == levels_.size()) {
            pairStretch(a0, a1, b0, b1, &similarity_, out);
            return;
        }
        const KeyLevel& keys = levels_[level];
        const std::optional<std::vector<std::pair<int, int>>> common =
            CommonSubsequence(std::span(keys.a).subspan(size_t(a0), size_t(a1 - a0)),
                              std::span(keys.b).subspan(size_t(b0), size_t(b1 - b0)), maxEdits_);
        if (!common) {
            if (level + 1 < levels_.size()) {
                align(level + 1, a0, a1, b0, b1);
            } else {
                followed = false;
                pairStretch(a0, a1, b0, b1, nullptr, out);
            }
            return;
        }
        int a = a0, b = b0;
        for (const auto& [i, j] : *common) {
            align(level + 1, a, a0 + i, b, b0 + j);
            out.push_back({a0 + i, b0 + j});
            a = a0 + i + 1;
            b = b0 + j + 1;
        }
        align(level + 1, a, a1, b, b1);
    }

    std::vector<AlignedPair> out;
    bool followed = true;

private:
    const std::vector<KeyLevel>& levels_;
    const Similarity& similarity_;
    const int maxEdits_;
};

} // namespace

std::vector<AlignedPair> AlignSequences(const std::vector<KeyLevel>& levels,
                                        const Similarity& similarity, int maxEdits,
                                        bool* followed) {
    const int n = levels.empty() ? 0 : int(levels.front().a.size());
    const int m = levels.empty() ? 0 : int(levels.front().b.size());
    Aligner aligner(levels, similarity, maxEdits);
    aligner.out.reserve(size_t(std::max(n, m)));
    aligner.align(0, 0, n, 0, m);
    if (followed)
        *followed = aligner.followed;
    return std::move(aligner.out);
}

} // namespace quillon::check
