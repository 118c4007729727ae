#pragma once
// How wide a formula stands on the page once a word processor has typeset it, from the
// metrics of the report's font. A formula field is set as one unbreakable object, so a
// formula wider than the text area runs past the margin; the report measures before it
// writes and breaks such a formula over several fields.

#include "formula_field.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QString>

namespace karo::report {

class FormulaMeter {
  public:
    // The font family as the document names it ("Times New Roman" is set in the font that
    // stands in for it, Liberation Serif) at a size in points.
    FormulaMeter(const QString& family, int points);

    // Widths in points: of plain text at the base size, and of a typeset formula.
    double textWidth(const QString& text) const;
    double width(const Formula& formula) const;

  private:
    double width(const Formula& formula, double scale) const;
    double textWidth(const QString& text, double scale) const;

    QFont font_;
    QFontMetricsF metrics_;
    double points_;
    // The advance of each text measured so far in this font, kept for the thread's later
    // reports too: a report measures the same names, units and numbers over and over, and
    // shaping them again is most of the cost of measuring.
    QHash<QString, qreal>& advances_;
};

} // namespace karo::report
