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

Document::Document() : m_paragraphs(1) {
    m_format.halfPoints = m_page.fontSize * 2;
}

void Document::appendItem(Inline item) {
    m_paragraphs.back().items.push_back(std::move(item));
}

void Document::appendText(const QString& text, const CharFormat& format) {
    if (text.isEmpty())
        return;
    auto& items = m_paragraphs.back().items;
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
            appendText(pending, m_format);
            pending.clear();
            paragraph();
        } else if (c == QLatin1Char('\t') || c.unicode() >= 0x20) {
            pending += c;
        }
    }
    appendText(pending, m_format);
}

void Document::paragraph() {
    Paragraph next;
    next.alignment = m_paragraphs.back().alignment;
    m_paragraphs.push_back(std::move(next));
}

void Document::bold(bool on) {
    m_format.bold = on;
}

void Document::align(int alignment) {
    m_paragraphs.back().alignment = normalizedAlignment(alignment);
}

void Document::sub(const QString& text) {
    CharFormat format = m_format;
    format.position = VerticalPosition::Subscript;
    const CharFormat saved = m_format;
    m_format = format;
    this->text(text);
    m_format = saved;
}

void Document::sup(const QString& text) {
    CharFormat format = m_format;
    format.position = VerticalPosition::Superscript;
    const CharFormat saved = m_format;
    m_format = format;
    this->text(text);
    m_format = saved;
}

void Document::symbol(int code) {
    if (!isSymbolCode(code))
        return;
    Inline item;
    item.kind = Inline::Kind::Symbol;
    item.format = m_format;
    item.symbol = code;
    appendItem(std::move(item));
}

void Document::pasteImage(const QImage& image) {
    if (image.isNull())
        return;
    Inline item;
    item.kind = Inline::Kind::Picture;
    item.format = m_format;
    item.image = image;
    appendItem(std::move(item));
}

void Document::picture(const QImage& image) {
    align(AlignCenter);
    pasteImage(image);
    paragraph();
    align(AlignLeft);
}

void Document::formula(const Formula& formula) {
    Inline item;
    item.kind = Inline::Kind::Field;
    item.format = m_format;
    item.format.position = VerticalPosition::Baseline;
    item.field = TypeFormulaField(formula, m_format.halfPoints / 2);
    appendItem(std::move(item));
}

int Document::formulaCount() const {
    int count = 0;
    for (const Paragraph& paragraph : m_paragraphs)
        for (const Inline& item : paragraph.items)
            count += item.kind == Inline::Kind::Field ? 1 : 0;
    return count;
}

QString Document::plainText() const {
    QString out;
    for (std::size_t p = 0; p < m_paragraphs.size(); ++p) {
        if (p > 0)
            out += QLatin1Char('\n');
        for (const Inline& item : m_paragraphs[p].items) {
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
