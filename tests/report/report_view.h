#pragma once
// What a reader of a written report sees, paragraph by paragraph, read back from the .docx
// package: the text with its subscripts as "_{..}", superscripts as "^{..}", Symbol
// characters as "[N]", pictures as "#" and every equation field as "{code}", where the code
// is the field's instruction with its Symbol characters written back as "[N]".

#include "qstring_print.h"

#include <QString>
#include <utility>
#include <vector>

namespace karo::report::testing {

struct ViewField {
    QString code;
    std::vector<std::pair<QString, int>> parts; // instruction runs with their half-point size
                                                // (0 when the run has no size of its own)
};

struct ViewParagraph {
    QString alignment; // "left", "center", "both"
    bool keepNext = false;
    QString text;     // marked up as described above
    QString boldText; // the bold characters only
    std::vector<ViewField> fields;
    int pictures = 0;
};

struct ReportView {
    bool ok = false;
    QByteArray documentXml;
    std::vector<ViewParagraph> paragraphs;
    // Page size and margins in twentieths of a point.
    int pageWidth = 0, pageHeight = 0;
    int marginTop = 0, marginBottom = 0, marginLeft = 0, marginRight = 0;
    int mediaCount = 0;

    // Index of the first paragraph whose text equals `text`, or -1.
    int find(const QString& text, int from = 0) const;
    // Index of the first paragraph whose text starts with `prefix`, or -1.
    int findPrefix(const QString& prefix, int from = 0) const;
    int fieldCount() const;
    QString allText() const; // paragraphs joined with "\n"
};

ReportView ReadReport(const QString& path);

} // namespace karo::report::testing
