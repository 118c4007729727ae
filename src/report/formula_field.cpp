#include "formula_field.h"

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

int reducedHalfPoints(int basePoints) {
    return static_cast<int>(std::lround(basePoints * 0.8 * 2.0));
}

namespace {

// Types a formula tree into the parts of a field's instruction. Every script group, from the
// "s" of its switch to its ")", is typed at the reduced size, so that indices and exponents
// come out smaller; everything else at the size of what holds it.
class PartWriter {
  public:
    PartWriter(FormulaField& field, int reduced) : field_(field), reduced_(reduced) {}

    void text(const QString& text, int halfPoints) {
        if (text.isEmpty())
            return;
        auto& parts = field_.parts;
        if (!parts.empty() && parts.back().kind == FieldCodePart::Kind::Text &&
            parts.back().halfPoints == halfPoints) {
            parts.back().text += text;
            return;
        }
        parts.push_back({FieldCodePart::Kind::Text, text, 0, halfPoints});
    }

    void write(const Formula& formula, int halfPoints) {
        for (const FormulaNode& node : formula) {
            switch (node.kind) {
            case FormulaNode::Kind::Text:
                text(node.text, halfPoints);
                break;
            case FormulaNode::Kind::Symbol:
                field_.parts.push_back(
                    {FieldCodePart::Kind::Symbol, QString(), node.symbol, halfPoints});
                break;
            case FormulaNode::Kind::Scripts:
                write(node.parts.front(), halfPoints);
                text(QStringLiteral("\\"), halfPoints);
                switchGroup(QLatin1Char('s'), node.parts, 1, reduced_);
                break;
            case FormulaNode::Kind::Fraction:
                text(QStringLiteral("\\"), halfPoints);
                switchGroup(QLatin1Char('f'), node.parts, 0, halfPoints);
                break;
            case FormulaNode::Kind::Root:
                text(QStringLiteral("\\"), halfPoints);
                switchGroup(QLatin1Char('r'), node.parts, 0, halfPoints);
                break;
            case FormulaNode::Kind::Brackets:
                text(QStringLiteral("\\"), halfPoints);
                switchGroup(QLatin1Char('b'), node.parts, 0, halfPoints);
                break;
            }
        }
    }

  private:
    // "x(" with the lists joined by ";" and ")", the switch's backslash already typed.
    void switchGroup(QLatin1Char name, const std::vector<Formula>& lists, std::size_t first,
                     int halfPoints) {
        text(QString(name) + QLatin1Char('('), halfPoints);
        for (std::size_t i = first; i < lists.size(); ++i) {
            if (i > first)
                text(QStringLiteral(";"), halfPoints);
            write(lists[i], halfPoints);
        }
        text(QStringLiteral(")"), halfPoints);
    }

    FormulaField& field_;
    int reduced_;
};

} // namespace

FormulaField TypeFormulaField(const Formula& formula, int basePoints) {
    FormulaField field;
    field.code = FieldCode(formula);
    field.math = formula;
    PartWriter writer(field, reducedHalfPoints(basePoints));
    writer.text(QStringLiteral("eq "), basePoints * 2);
    writer.write(formula, basePoints * 2);
    return field;
}

} // namespace karo::report
