#include "formulafield.h"

#include "symbolfont.h"

#include <cmath>

namespace karo::report {

QString FormulaField::instruction() const {
    QString out;
    for (const FieldCodePart& part : parts) {
        if (part.kind == FieldCodePart::Kind::Text)
            out += part.text;
        else
            out += QLatin1Char('[') + QString::number(part.symbol) + QLatin1Char(']');
    }
    return out;
}

int reducedHalfPoints(int basePoints) {
    return static_cast<int>(std::lround(basePoints * 0.8 * 2.0));
}

namespace {

// The Symbol code written in square brackets at `open`, and the number of characters the
// bracketed code takes; 0 characters when the bracket holds no valid code.
int bracketedSymbol(const QString& code, qsizetype open, int* length) {
    *length = 0;
    const qsizetype close = code.indexOf(QLatin1Char(']'), open + 1);
    if (close < 0)
        return 0;
    const qsizetype digits = close - open - 1;
    if (digits < 1 || digits > 3)
        return 0;
    int value = 0;
    for (qsizetype i = open + 1; i < close; ++i) {
        const QChar c = code.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return 0;
        value = value * 10 + (c.unicode() - u'0');
    }
    if (!isSymbolCode(value))
        return 0;
    *length = static_cast<int>(close - open + 1);
    return value;
}

class PartCollector {
  public:
    explicit PartCollector(FormulaField& field) : m_field(field) {}

    void text(QChar c, int halfPoints) {
        auto& parts = m_field.parts;
        if (!parts.empty() && parts.back().kind == FieldCodePart::Kind::Text &&
            parts.back().halfPoints == halfPoints) {
            parts.back().text += c;
            return;
        }
        parts.push_back({FieldCodePart::Kind::Text, QString(c), 0, halfPoints});
    }

    void symbol(int code, int halfPoints) {
        m_field.parts.push_back({FieldCodePart::Kind::Symbol, QString(), code, halfPoints});
    }

  private:
    FormulaField& m_field;
};

} // namespace

FormulaField TypeFormulaField(const QString& code, int basePoints) {
    FormulaField field;
    field.code = code;
    PartCollector out(field);

    const int base = basePoints * 2;
    const int reduced = reducedHalfPoints(basePoints);
    int size = base;
    // Characters still to be typed small before the size goes back to the base.
    qsizetype pending = 0;

    auto countDown = [&](qsizetype consumed) {
        if (pending > 0) {
            pending -= consumed;
            if (pending <= 0)
                size = base;
        }
    };

    qsizetype i = 0;
    while (i < code.size()) {
        const QChar c = code.at(i);
        if (c.toUpper() == QLatin1Char('S')) {
            if (i > 0 && code.at(i - 1) == QLatin1Char('\\')) {
                // The group runs from this "s" to the first ")" after it. Without a ")" it
                // runs to the end of the formula.
                const qsizetype close = code.indexOf(QLatin1Char(')'), i);
                pending = close < 0 ? code.size() - i : close - i;
                size = reduced;
            }
            out.text(c, size);
            ++i;
            continue;
        }
        if (c == QLatin1Char('[')) {
            int length = 0;
            const int symbol = bracketedSymbol(code, i, &length);
            if (length > 0) {
                out.symbol(symbol, size);
                i += length;
                countDown(length);
                continue;
            }
        }
        out.text(c, size);
        ++i;
        countDown(1);
    }
    return field;
}

} // namespace karo::report
