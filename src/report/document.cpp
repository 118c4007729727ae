#include "document.h"

#include "docx_writer.h"
#include "symbol_font.h"

namespace karo::report {

namespace {

constexpr QChar kObjectChar(0xFFFC);

int normalizedAlignment(int alignment) {
    return alignment == AlignCenter || alignment == AlignJustify ? alignment : AlignLeft;
}

} // namespace

Document::Document() : paragraphs_(1) {
    format_.halfPoints = page_.fontSize * 2;
}

void Document::appendItem(Inline item) {
    paragraphs_.back().items.push_back(std::move(item));
}

void Document::appendText(const QString& text, const CharFormat& format) {
    if (text.isEmpty())
        return;
    auto& items = paragraphs_.back().items;
    if (!items.empty() && items.back().kind == Inline::Kind::Text &&
        items.back().format == format) {
        items.back().text += text;
        return;
    }
    Inline item;
    item.kind = Inline::Kind::Text;
    item.format = format;
    item.text = text;
    items.push_back(std::move(item));
}

void Document::text(const QString& text) {
    QString pending;
    for (const QChar c : text) {
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            appendText(pending, format_);
            pending.clear();
            paragraph();
        } else if (c == QLatin1Char('\t') || c.unicode() >= 0x20) {
            pending += c;
        }
    }
    appendText(pending, format_);
}

void Document::paragraph() {
    Paragraph next;
    next.alignment = paragraphs_.back().alignment;
    next.keepWithNext = paragraphs_.back().keepWithNext;
    paragraphs_.push_back(std::move(next));
}

void Document::bold(bool on) {
    format_.bold = on;
}

void Document::align(int alignment) {
    paragraphs_.back().alignment = normalizedAlignment(alignment);
}

void Document::keepWithNext(bool on) {
    paragraphs_.back().keepWithNext = on;
}

void Document::sub(const QString& text) {
    CharFormat format = format_;
    format.position = VerticalPosition::Subscript;
    const CharFormat saved = format_;
    format_ = format;
    this->text(text);
    format_ = saved;
}

void Document::sup(const QString& text) {
    CharFormat format = format_;
    format.position = VerticalPosition::Superscript;
    const CharFormat saved = format_;
    format_ = format;
    this->text(text);
    format_ = saved;
}

void Document::symbol(int code) {
    if (!isSymbolCode(code))
        return;
    Inline item;
    item.kind = Inline::Kind::Symbol;
    item.format = format_;
    item.symbol = code;
    appendItem(std::move(item));
}

void Document::pasteImage(const QImage& image) {
    if (image.isNull())
        return;
    Inline item;
    item.kind = Inline::Kind::Picture;
    item.format = format_;
    item.image = image;
    item.size = image.size();
    appendItem(std::move(item));
}

void Document::picture(const QImage& image) {
    align(AlignCenter);
    pasteImage(image);
    paragraph();
    align(AlignLeft);
}

void Document::picture(const EncodedPicture& encoded) {
    align(AlignCenter);
    if (!encoded.png.isEmpty() && !encoded.size.isEmpty()) {
        Inline item;
        item.kind = Inline::Kind::Picture;
        item.format = format_;
        item.png = encoded.png;
        item.size = encoded.size;
        appendItem(std::move(item));
    }
    paragraph();
    align(AlignLeft);
}

void Document::formula(const Formula& formula) {
    Inline item;
    item.kind = Inline::Kind::Field;
    item.format = format_;
    item.format.position = VerticalPosition::Baseline;
    item.field = TypeFormulaField(formula, format_.halfPoints / 2);
    appendItem(std::move(item));
}

int Document::formulaCount() const {
    int count = 0;
    for (const Paragraph& paragraph : paragraphs_)
        for (const Inline& item : paragraph.items)
            count += item.kind == Inline::Kind::Field ? 1 : 0;
    return count;
}

QString Document::plainText() const {
    QString out;
    for (std::size_t p = 0; p < paragraphs_.size(); ++p) {
        if (p > 0)
            out += QLatin1Char('\n');
        for (const Inline& item : paragraphs_[p].items) {
            switch (item.kind) {
            case Inline::Kind::Text:
                out += item.text;
                break;
            case Inline::Kind::Symbol:
                out += symbolToUnicode(item.symbol);
                break;
            case Inline::Kind::Picture:
                out += kObjectChar;
                break;
            case Inline::Kind::Field:
                out += QLatin1Char('{') + item.field.code + QLatin1Char('}');
                break;
            }
        }
    }
    return out;
}

bool Document::saveDocx(const QString& path, QString* error) const {
    return writeDocx(*this, path, error);
}

QByteArray Document::toDocx(QString* error) const {
    return buildDocx(*this, error);
}

} // namespace karo::report
