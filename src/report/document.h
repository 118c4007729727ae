#pragma once

#include "formula_field.h"

#include <QImage>
#include <QString>
#include <vector>

namespace karo::report {

// Paragraph alignments, numbered as the report's typing steps name them.
enum Alignment : int { AlignLeft = 0, AlignCenter = 1, AlignJustify = 3 };

enum class VerticalPosition { Baseline, Subscript, Superscript };

struct CharFormat {
    bool bold = false;
    VerticalPosition position = VerticalPosition::Baseline;
    int halfPoints = 24;

    bool operator==(const CharFormat&) const = default;
};

// A picture encoded ahead as PNG, for a fixed picture that every report shares: the
// document keeps the bytes and the size, not the pixels. Copies that share the bytes are one
// picture in the package.
struct EncodedPicture {
    QSize size;
    QByteArray png;
};

// One element inside a paragraph.
struct Inline {
    enum class Kind { Text, Symbol, Picture, Field };
    Kind kind = Kind::Text;
    CharFormat format;
    QString text;       // Kind::Text; may hold tabs, never a paragraph mark
    int symbol = 0;     // Kind::Symbol: Symbol font character code
    QImage image;       // Kind::Picture: the picture, or null when pasted as PNG bytes
    QByteArray png;     // Kind::Picture: its PNG bytes when encoded ahead, else empty
    QSize size;         // Kind::Picture: its size in pixels
    FormulaField field; // Kind::Field
};

struct Paragraph {
    int alignment = AlignLeft;
    bool keepWithNext = false; // on the same page as the paragraph after it
    std::vector<Inline> items;
};

// The page and the font the report is set up with, in points.
struct PageSetup {
    double topMargin = 57;
    double bottomMargin = 57;
    double leftMargin = 57;
    double rightMargin = 28;
    double pageWidth = 595;
    double pageHeight = 842;
    QString fontName = QStringLiteral("Times New Roman");
    int fontSize = 12;

    double textWidth() const { return pageWidth - leftMargin - rightMargin; }
};

// An in-memory word-processor document that is typed like a word processor's insertion point
// standing at the end of the text. Bold and alignment are states, as in a word processor: they
// apply to what is typed after them (alignment to the current paragraph and the ones that
// follow).
class Document {
  public:
    Document();

    // Types plain text in the current format. "\r" (or "\n") starts a new paragraph, "\t" is a
    // tab. Other control characters cannot be stored in a document and are dropped.
    void text(const QString& text);
    // A paragraph mark: the next text starts a new paragraph with the current alignment.
    void paragraph();
    void bold(bool on);
    // 0 left, 1 centred, 3 justified (other values are taken as left).
    void align(int alignment);
    // Whether the current paragraph and the ones that follow stay on one page with the
    // paragraph after each: a heading with what it heads.
    void keepWithNext(bool on);
    // A run typed as subscript / superscript; what follows is on the baseline again.
    void sub(const QString& text);
    void sup(const QString& text);
    // One character of the Symbol font (97 alpha, 83 capital sigma, 165 infinity, 176 degree).
    // A code outside 32..255 is not a Symbol character and is ignored.
    void symbol(int code);
    // Pastes a picture inline at the insertion point.
    void pasteImage(const QImage& image);
    // A picture in a centred paragraph of its own; the text after it is left-aligned.
    void picture(const QImage& image);
    void picture(const EncodedPicture& encoded);
    // An equation field of the formula.
    void formula(const Formula& formula);

    const std::vector<Paragraph>& paragraphs() const { return paragraphs_; }
    const PageSetup& pageSetup() const { return page_; }
    const CharFormat& currentFormat() const { return format_; }
    int formulaCount() const;

    // The text as a reader sees it, paragraphs separated by "\n", Symbol characters as Unicode,
    // formulas as "{code}" and pictures as U+FFFC.
    QString plainText() const;

    // Writes the document as an Office Open XML package. The file is replaced only when it was
    // written completely; on failure `error` (if given) says why and false is returned.
    bool saveDocx(const QString& path, QString* error = nullptr) const;
    // The package in memory; empty with `error` set on failure.
    QByteArray toDocx(QString* error = nullptr) const;

  private:
    void appendText(const QString& text, const CharFormat& format);
    void appendItem(Inline item);

    std::vector<Paragraph> paragraphs_;
    CharFormat format_;
    PageSetup page_;
};

} // namespace karo::report
