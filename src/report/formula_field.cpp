#include "formula_field.h"

#include "symbol_font.h"

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

FormulaNode text(const QString& text) {
    FormulaNode node;
    node.text = text;
    return node;
}

FormulaNode symbol(int code) {
    FormulaNode node;
    node.kind = FormulaNode::Kind::Symbol;
    node.symbol = code;
    return node;
}

FormulaNode scripts(Formula base, std::vector<Formula> arguments) {
    FormulaNode node;
    node.kind = FormulaNode::Kind::Scripts;
    node.parts.push_back(std::move(base));
    for (Formula& argument : arguments)
        node.parts.push_back(std::move(argument));
    return node;
}

FormulaNode sub(Formula base, Formula below) {
    return scripts(std::move(base), {{text(QStringLiteral(" "))}, std::move(below)});
}

FormulaNode sup(Formula base, Formula above) {
    return scripts(std::move(base), {std::move(above), {text(QStringLiteral(" "))}});
}

FormulaNode fraction(Formula numerator, Formula denominator) {
    FormulaNode node;
    node.kind = FormulaNode::Kind::Fraction;
    node.parts = {std::move(numerator), std::move(denominator)};
    return node;
}

FormulaNode root(Formula radicand) {
    FormulaNode node;
    node.kind = FormulaNode::Kind::Root;
    node.parts = {std::move(radicand)};
    return node;
}

FormulaNode brackets(Formula content) {
    FormulaNode node;
    node.kind = FormulaNode::Kind::Brackets;
    node.parts = {std::move(content)};
    return node;
}

namespace {

void appendCode(QString& out, const Formula& formula);

// "\x(" with the lists joined by ";" and ")".
void appendSwitch(QString& out, QLatin1Char name, const std::vector<Formula>& lists,
                  std::size_t first) {
    out += QLatin1Char('\\');
    out += name;
    out += QLatin1Char('(');
    for (std::size_t i = first; i < lists.size(); ++i) {
        if (i > first)
            out += QLatin1Char(';');
        appendCode(out, lists[i]);
    }
    out += QLatin1Char(')');
}

void appendCode(QString& out, const Formula& formula) {
    for (const FormulaNode& node : formula) {
        switch (node.kind) {
        case FormulaNode::Kind::Text:
            out += node.text;
            break;
        case FormulaNode::Kind::Symbol:
            out += QLatin1Char('[') + QString::number(node.symbol) + QLatin1Char(']');
            break;
        case FormulaNode::Kind::Scripts:
            appendCode(out, node.parts.front());
            appendSwitch(out, QLatin1Char('s'), node.parts, 1);
            break;
        case FormulaNode::Kind::Fraction:
            appendSwitch(out, QLatin1Char('f'), node.parts, 0);
            break;
        case FormulaNode::Kind::Root:
            appendSwitch(out, QLatin1Char('r'), node.parts, 0);
            break;
        case FormulaNode::Kind::Brackets:
            appendSwitch(out, QLatin1Char('b'), node.parts, 0);
            break;
        }
    }
}

} // namespace

QString FieldCode(const Formula& formula) {
    QString out = QStringLiteral("eq ");
    appendCode(out, formula);
    return out;
}

FormulaField TypeFormulaField(const Formula& formula, int basePoints) {
    FormulaField field = TypeFormulaField(FieldCode(formula), basePoints);
    field.math = formula;
    return field;
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
    explicit PartCollector(FormulaField& field) : field_(field) {}

    void text(QChar c, int halfPoints) {
        auto& parts = field_.parts;
        if (!parts.empty() && parts.back().kind == FieldCodePart::Kind::Text &&
            parts.back().halfPoints == halfPoints) {
            parts.back().text += c;
            return;
        }
        parts.push_back({FieldCodePart::Kind::Text, QString(c), 0, halfPoints});
    }

    void symbol(int code, int halfPoints) {
        field_.parts.push_back({FieldCodePart::Kind::Symbol, QString(), code, halfPoints});
    }

  private:
    FormulaField& field_;
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
