#include "formula_width.h"

#include "symbol_font.h"

#include <QFontMetricsF>
#include <algorithm>
#include <map>
#include <utility>

namespace karo::report {

namespace {

// The font is measured a hundred times larger than it is set, so that the whole-pixel
// hinting of small sizes does not round the advances.
constexpr double kMagnification = 100;

// What the typesetting adds around the characters, in ems of the size at hand: the gaps
// beside a fraction's bar, a radical's sign, a pair of brackets, the summation sign; and the
// size of scripts against their base (the field's own 80 %, larger than Office Math's).
// Fitted to LibreOffice's formulas and rounded up, so that the measure never falls short.
constexpr double kFractionGap = 0.4;
constexpr double kRadicalSign = 1.0;
constexpr double kBracketPair = 0.8;
constexpr double kSumSign = 1.8;
constexpr double kScriptSize = 0.8;

} // namespace

namespace {

QFont magnified(const QString& family, int points) {
    QFont font(family);
    font.setPixelSize(static_cast<int>(points * kMagnification));
    return font;
}

QHash<QString, qreal>& advancesOf(const QString& family, int points) {
    thread_local std::map<std::pair<QString, int>, QHash<QString, qreal>> known;
    return known[{family, points}];
}

} // namespace

FormulaMeter::FormulaMeter(const QString& family, int points)
    : font_(magnified(family, points)), metrics_(font_), points_(points),
      advances_(advancesOf(family, points)) {}

double FormulaMeter::textWidth(const QString& text) const {
    return textWidth(text, 1.0);
}

double FormulaMeter::width(const Formula& formula) const {
    return width(formula, 1.0);
}

double FormulaMeter::textWidth(const QString& text, double scale) const {
    auto known = advances_.constFind(text);
    if (known == advances_.constEnd())
        known = advances_.insert(text, metrics_.horizontalAdvance(text));
    return *known / kMagnification * scale;
}

double FormulaMeter::width(const Formula& formula, double scale) const {
    const double em = points_ * scale;
    double total = 0;
    for (const FormulaNode& node : formula) {
        switch (node.kind) {
        case FormulaNode::Kind::Text:
            total += textWidth(node.text, scale);
            break;
        case FormulaNode::Kind::Symbol:
            total += node.symbol == kSymbolSigma
                         ? kSumSign * em
                         : textWidth(QString(symbolToUnicode(node.symbol)), scale);
            break;
        case FormulaNode::Kind::Scripts: {
            double scripts = 0;
            for (std::size_t i = 1; i < node.parts.size(); ++i)
                scripts = std::max(scripts, width(node.parts[i], scale * kScriptSize));
            total += width(node.parts.front(), scale) + scripts;
            break;
        }
        case FormulaNode::Kind::Fraction:
            total += std::max(width(node.parts[0], scale), width(node.parts[1], scale)) +
                     kFractionGap * em;
            break;
        case FormulaNode::Kind::Root:
            total += width(node.parts.back(), scale) + kRadicalSign * em;
            if (node.parts.size() > 1)
                total += width(node.parts.front(), scale * kScriptSize);
            break;
        case FormulaNode::Kind::Brackets:
            total += width(node.parts.front(), scale) + kBracketPair * em;
            break;
        }
    }
    return total;
}

} // namespace karo::report
