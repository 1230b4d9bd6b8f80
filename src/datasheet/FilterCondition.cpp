#include "datasheet/FilterCondition.h"

#include "datasheet/CellNumber.h"
#include "datasheet/Datasheet.h"
#include "datasheet/TextFolding.h"

#include <optional>

namespace quillon {

namespace {

struct Token {
    enum class Kind { Word, Quoted, Operator } kind;
    QString text;
};

bool IsOperatorChar(QChar c) {
    return c == u'<' || c == u'>' || c == u'=' || c == u'!';
}

// Column names compare by their letters and digits only.
QString NameKey(const QString& name) {
    QString key;
    for (const QChar c : FoldedText(name))
        if (c.isLetterOrNumber())
            key.append(c);
    return key;
}

// Cell and value texts compare folded, without surrounding blanks.
QString ValueKey(const QString& text) {
    return FoldedText(text.trimmed());
}

} // namespace

struct UnitFilter::Parser {
    const FilterVocabulary& vocabulary;
    UnitFilter& filter;
    std::vector<Token> tokens;
    QHash<QString, int> columns;  // name key -> column
    QStringList andWords;         // folded
    std::vector<QString> pending; // words since the last condition

    bool fail(Problem problem, QStringList subjects = {}) {
        filter.problem_ = problem;
        filter.subjects_ = std::move(subjects);
        filter.conditions_.clear();
        return false;
    }

    bool tokenize(QStringView text) {
        qsizetype i = 0;
        while (i < text.size()) {
            const QChar c = text[i];
            if (c.isSpace()) {
                ++i;
            } else if (c == u'"') {
                const qsizetype close = text.indexOf(u'"', i + 1);
                if (close < 0)
                    return fail(Problem::OpenQuote);
                tokens.push_back({Token::Kind::Quoted, text.mid(i + 1, close - i - 1).toString()});
                i = close + 1;
            } else {
                const bool op = IsOperatorChar(c);
                qsizetype end = i;
                while (end < text.size() && !text[end].isSpace() && text[end] != u'"' &&
                       IsOperatorChar(text[end]) == op)
                    ++end;
                tokens.push_back({op ? Token::Kind::Operator : Token::Kind::Word,
                                  text.mid(i, end - i).toString()});
                i = end;
            }
        }
        return true;
    }

    void addNameWords(size_t count) {
        for (size_t i = 0; i < count; ++i) {
            Condition condition;
            condition.text = ValueKey(pending[i]);
            filter.conditions_.push_back(std::move(condition));
        }
    }

    static std::optional<Op> OperatorOf(const QString& text) {
        static const std::pair<const char*, Op> operators[] = {
            {"=", Op::Equal},     {"==", Op::Equal},
            {"!=", Op::NotEqual}, {"<>", Op::NotEqual},
            {"<", Op::Less},      {"<=", Op::LessOrEqual},
            {">", Op::Greater},   {">=", Op::GreaterOrEqual},
        };
        for (const auto& [spelling, op] : operators)
            if (text == QLatin1StringView(spelling))
                return op;
        return std::nullopt;
    }

    // The value after an operator: one word or quoted phrase, or for a list
    // column the longest run of words that names an entry ("level bomber").
    QString takeValue(size_t& at, const QStringList& entries) {
        if (tokens[at].kind == Token::Kind::Word) {
            QString run;
            size_t best = at;
            QString bestRun;
            for (size_t j = at; j < tokens.size() && tokens[j].kind == Token::Kind::Word; ++j) {
                run += (j > at ? QStringLiteral(" ") : QString()) + tokens[j].text;
                if (entries.contains(ValueKey(run))) {
                    best = j;
                    bestRun = run;
                }
            }
            if (!bestRun.isEmpty()) {
                at = best + 1;
                return bestRun;
            }
        }
        return tokens[at++].text;
    }

    bool comparison(size_t& at) {
        const QString opText = tokens[at].text;
        if (pending.empty())
            return fail(Problem::NoColumn, {opText});
        // The longest run of the last words that names a column; the words
        // before it are name words.
        size_t first = pending.size();
        int column = -1;
        for (size_t k = 0; k < pending.size() && column < 0; ++k) {
            QString joined;
            for (size_t j = k; j < pending.size(); ++j)
                joined += pending[j];
            const auto found = columns.constFind(NameKey(joined));
            if (found != columns.constEnd()) {
                column = found.value();
                first = k;
            }
        }
        QStringList typed;
        for (size_t j = (column < 0 ? 0 : first); j < pending.size(); ++j)
            typed.append(pending[j]);
        const QString columnText = typed.join(u' ');
        if (column < 0)
            return fail(Problem::UnknownColumn, {columnText});
        const std::optional<Op> op = OperatorOf(opText);
        if (!op)
            return fail(Problem::BadOperator, {opText});
        ++at;
        if (at >= tokens.size() || tokens[at].kind == Token::Kind::Operator)
            return fail(Problem::NoValue, {columnText + u' ' + opText});
        addNameWords(first);
        pending.clear();

        Condition condition;
        condition.column = column;
        condition.op = *op;
        // Without its list (no game data) an index column takes numbers only.
        for (const QString& entry : vocabulary.listEntries.value(column))
            condition.entries.append(ValueKey(entry));
        const bool listColumn = !condition.entries.isEmpty();
        const QString value = takeValue(at, condition.entries);
        const bool textColumn = vocabulary.textColumns.contains(column);
        if (!textColumn && IsNumeric(value)) {
            condition.kind = Condition::Kind::Number;
            condition.number = CellNumber(value);
            condition.entries.clear();
        } else {
            condition.kind = Condition::Kind::Text;
            condition.text = ValueKey(value);
            if (!textColumn && !listColumn)
                return fail(Problem::NotANumber, {columnText, value});
            const bool equality = *op == Op::Equal || *op == Op::NotEqual;
            if (listColumn && equality && !condition.entries.contains(condition.text))
                return fail(Problem::UnknownEntry, {columnText, value});
        }
        filter.conditions_.push_back(std::move(condition));
        return true;
    }

    void parse(QStringView text) {
        for (qsizetype i = vocabulary.columnNames.size() - 1; i >= 0; --i) {
            const auto& [name, column] = vocabulary.columnNames[i];
            const QString key = NameKey(name);
            if (!key.isEmpty())
                columns.insert(key, column); // earlier names overwrite later ones
        }
        for (const QString& word : vocabulary.andWords)
            andWords.append(FoldedText(word));
        if (!tokenize(text))
            return;
        size_t at = 0;
        while (at < tokens.size()) {
            const Token& token = tokens[at];
            if (token.kind == Token::Kind::Operator) {
                if (!comparison(at))
                    return;
            } else if (token.kind == Token::Kind::Word &&
                       andWords.contains(FoldedText(token.text))) {
                addNameWords(pending.size());
                pending.clear();
                ++at;
            } else {
                pending.push_back(token.text);
                ++at;
            }
        }
        addNameWords(pending.size());
    }
};

UnitFilter UnitFilter::Parse(QStringView text, const FilterVocabulary& vocabulary) {
    UnitFilter filter;
    Parser parser{vocabulary, filter, {}, {}, {}, {}};
    parser.parse(text);
    return filter;
}

bool UnitFilter::compare(int order, Op op) {
    switch (op) {
    case Op::Equal:
        return order == 0;
    case Op::NotEqual:
        return order != 0;
    case Op::Less:
        return order < 0;
    case Op::LessOrEqual:
        return order <= 0;
    case Op::Greater:
        return order > 0;
    case Op::GreaterOrEqual:
        return order >= 0;
    }
    return false;
}

bool UnitFilter::holds(const Condition& condition, const Datasheet& sheet, int row) const {
    const QString cell = sheet.cell(row, condition.column);
    switch (condition.kind) {
    case Condition::Kind::NameContains:
        return FoldedText(cell).contains(condition.text);
    case Condition::Kind::Number: {
        const double value = CellNumber(cell);
        return compare(int(value > condition.number) - int(value < condition.number), condition.op);
    }
    case Condition::Kind::Text: {
        QString text;
        if (condition.entries.isEmpty()) {
            text = ValueKey(cell);
        } else {
            const std::int64_t index = RoundHalfEven(CellNumber(cell));
            if (index >= 0 && index < condition.entries.size())
                text = condition.entries[qsizetype(index)];
        }
        return compare(QString::compare(text, condition.text), condition.op);
    }
    }
    return false;
}

bool UnitFilter::matches(const Datasheet& sheet, int row) const {
    if (!isActive())
        return true;
    for (const Condition& condition : conditions_)
        if (!holds(condition, sheet, row))
            return false;
    return true;
}

} // namespace quillon
