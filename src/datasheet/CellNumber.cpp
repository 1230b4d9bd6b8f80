#include "datasheet/CellNumber.h"

#include <QString>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace quillon {

namespace {

// Blanks are skipped wherever they stand, as the game's own tools read numbers.
bool isBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// The longest number at the start of a text, blanks removed, in the plain
// form std::from_chars reads; `end` is where reading stopped.
struct ScannedNumber {
    std::string chars;
    qsizetype end = 0;
    bool hasDigits = false;
    int magnitude = 0; // rough decimal exponent of the value, to tell overflow from underflow
};

ScannedNumber scanNumber(QStringView text) {
    ScannedNumber n;
    const qsizetype size = text.size();
    qsizetype i = 0;
    auto skipBlanks = [&] {
        while (i < size && isBlank(text[i]))
            ++i;
    };
    skipBlanks();
    if (i < size && (text[i] == u'-' || text[i] == u'+')) {
        if (text[i] == u'-')
            n.chars.push_back('-');
        ++i;
        skipBlanks();
    }
    bool leadingZeros = true;
    int integerDigits = 0;
    int fractionZeros = 0;
    while (i < size && isDigit(text[i])) {
        n.hasDigits = true;
        if (text[i] != u'0' || !leadingZeros) {
            leadingZeros = false;
            ++integerDigits;
        }
        n.chars.push_back(char(text[i].unicode()));
        ++i;
        skipBlanks();
    }
    if (i < size && text[i] == u'.') {
        n.chars.push_back('.');
        ++i;
        skipBlanks();
        while (i < size && isDigit(text[i])) {
            n.hasDigits = true;
            if (leadingZeros && text[i] == u'0')
                ++fractionZeros;
            else
                leadingZeros = false;
            n.chars.push_back(char(text[i].unicode()));
            ++i;
            skipBlanks();
        }
    }
    n.end = i;
    if (!n.hasDigits)
        return n;
    n.magnitude = integerDigits > 0 ? integerDigits : -fractionZeros;

    // The exponent counts only when at least one digit follows the letter.
    qsizetype j = i;
    if (j < size && (text[j] == u'e' || text[j] == u'E')) {
        ++j;
        while (j < size && isBlank(text[j]))
            ++j;
        bool negative = false;
        if (j < size && (text[j] == u'-' || text[j] == u'+')) {
            negative = text[j] == u'-';
            ++j;
            while (j < size && isBlank(text[j]))
                ++j;
        }
        if (j < size && isDigit(text[j])) {
            long long exponent = 0;
            while (j < size && isDigit(text[j])) {
                // Capped far beyond the double range so that it cannot overflow.
                exponent = std::min(exponent * 10 + (text[j].unicode() - u'0'), 100000LL);
                ++j;
                while (j < size && isBlank(text[j]))
                    ++j;
            }
            n.chars += negative ? "e-" : "e";
            n.chars += std::to_string(exponent);
            n.magnitude += int(negative ? -exponent : exponent);
            n.end = j;
        }
    }
    return n;
}

} // namespace

double CellNumber(QStringView text) {
    const ScannedNumber n = scanNumber(text);
    if (!n.hasDigits)
        return 0.0;
    double value = 0.0;
    const char* first = n.chars.data();
    const auto result = std::from_chars(first, first + n.chars.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Too large: the largest finite value keeps comparisons and clamping sane.
        const bool negative = n.chars.front() == '-';
        if (n.magnitude > 0)
            return negative ? -std::numeric_limits<double>::max()
                            : std::numeric_limits<double>::max();
        return negative ? -0.0 : 0.0;
    }
    if (result.ec != std::errc() || !std::isfinite(value))
        return 0.0;
    return value;
}

bool IsNumeric(QStringView text) {
    const QStringView trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return false;
    const ScannedNumber n = scanNumber(trimmed);
    if (!n.hasDigits || n.end != trimmed.size())
        return false;
    // Inner blanks are skipped by the reading but make the text no single number.
    for (QChar c : trimmed)
        if (isBlank(c))
            return false;
    return true;
}

std::int64_t RoundHalfEven(double value) {
    if (std::isnan(value))
        return 0;
    // 2^63 is exactly representable; anything at or beyond it is clamped.
    constexpr double limit = 9223372036854775808.0;
    if (value >= limit)
        return std::numeric_limits<std::int64_t>::max();
    if (value <= -limit)
        return std::numeric_limits<std::int64_t>::min();
    const double lower = std::floor(value);
    const double fraction = value - lower;
    double rounded = lower;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(lower, 2.0) != 0.0))
        rounded = lower + 1.0;
    if (rounded >= limit)
        return std::numeric_limits<std::int64_t>::max();
    return std::int64_t(rounded);
}

QString NumberText(std::int64_t value) {
    const QString digits = QString::number(value);
    return value < 0 ? digits : QLatin1Char(' ') + digits;
}

} // namespace quillon
