#include "document.h"

#include "docxwriter.h"
#include "symbolfont.h"

namespace karo::report {

namespace {

const QString kOwnLinePlaceholder = QStringLiteral("###4");
constexpr QChar kObjectChar(0xFFFC);

qsizetype itemLength(const Inline& item) {
    return item.kind == Inline::Kind::Text ? item.text.size() : 1;
}

int normalizedAlignment(int alignment) {
    return alignment == AlignCenter || alignment == AlignJustify ? alignment : AlignLeft;
}

// Joins neighbouring text runs of the same format, so that split and moved runs are written
// as one.
void mergeRuns(Paragraph& paragraph) {
    std::vector<Inline> merged;
    merged.reserve(paragraph.items.size());
    for (Inline& item : paragraph.items) {
        if (item.kind == Inline::Kind::Text && item.text.isEmpty())
            continue;
        if (item.kind == Inline::Kind::Text && !merged.empty() &&
            merged.back().kind == Inline::Kind::Text && merged.back().format == item.format) {
            merged.back().text += item.text;
            continue;
        }
        merged.push_back(std::move(item));
    }
    paragraph.items = std::move(merged);
}

QString searchText(const Paragraph& paragraph) {
    QString text;
    for (const Inline& item : paragraph.items)
        text += item.kind == Inline::Kind::Text ? item.text : QString(kObjectChar);
    return text;
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

void Document::formula(const QString& code) {
    Inline item;
    item.kind = Inline::Kind::Field;
    item.format = m_format;
    item.format.position = VerticalPosition::Baseline;
    item.field = TypeFormulaField(code, m_format.halfPoints / 2);
    appendItem(std::move(item));
}

Document Document::term() const {
    Document term;
    term.m_page = m_page;
    term.m_format = m_format;
    term.m_paragraphs.back().alignment = m_paragraphs.back().alignment;
    return term;
}

Document::Position Document::findLast(const QString& needle) const {
    Position found;
    if (needle.isEmpty())
        return found;
    for (qsizetype p = static_cast<qsizetype>(m_paragraphs.size()) - 1; p >= 0; --p) {
        const qsizetype at =
            searchText(m_paragraphs[p]).lastIndexOf(needle, -1, Qt::CaseInsensitive);
        if (at >= 0) {
            found.paragraph = p;
            found.offset = at;
            found.length = needle.size();
            return found;
        }
    }
    return found;
}

qsizetype Document::splitAt(Paragraph& paragraph, qsizetype offset) {
    qsizetype start = 0;
    for (qsizetype i = 0; i < static_cast<qsizetype>(paragraph.items.size()); ++i) {
        if (offset <= start)
            return i;
        Inline& item = paragraph.items[i];
        const qsizetype length = itemLength(item);
        if (offset < start + length) {
            // Only text is longer than one character, so only text is ever cut in two.
            Inline tail = item;
            tail.text = item.text.mid(offset - start);
            item.text.truncate(offset - start);
            paragraph.items.insert(paragraph.items.begin() + i + 1, std::move(tail));
            return i + 1;
        }
        start += length;
    }
    return static_cast<qsizetype>(paragraph.items.size());
}

void Document::removeRange(const Position& at) {
    Paragraph& paragraph = m_paragraphs[at.paragraph];
    const qsizetype first = splitAt(paragraph, at.offset);
    const qsizetype last = splitAt(paragraph, at.offset + at.length);
    paragraph.items.erase(paragraph.items.begin() + first, paragraph.items.begin() + last);
}

void Document::insertFragment(qsizetype paragraphIndex, qsizetype offset,
                              std::vector<Paragraph> fragment) {
    if (fragment.empty())
        return;
    Paragraph& target = m_paragraphs[paragraphIndex];
    const qsizetype at = splitAt(target, offset);
    if (fragment.size() == 1) {
        target.items.insert(target.items.begin() + at,
                            std::make_move_iterator(fragment.front().items.begin()),
                            std::make_move_iterator(fragment.front().items.end()));
        mergeRuns(target);
        return;
    }
    // The fragment's paragraph marks split the target paragraph; every part keeps the
    // target's alignment, as a paragraph mark typed into it would.
    std::vector<Inline> tail(std::make_move_iterator(target.items.begin() + at),
                             std::make_move_iterator(target.items.end()));
    target.items.erase(target.items.begin() + at, target.items.end());
    for (Inline& item : fragment.front().items)
        target.items.push_back(std::move(item));
    const int alignment = target.alignment;
    mergeRuns(target);

    std::vector<Paragraph> added(fragment.begin() + 1, fragment.end());
    for (Paragraph& paragraph : added)
        paragraph.alignment = alignment;
    for (Inline& item : tail)
        added.back().items.push_back(std::move(item));
    for (Paragraph& paragraph : added)
        mergeRuns(paragraph);
    m_paragraphs.insert(m_paragraphs.begin() + paragraphIndex + 1,
                        std::make_move_iterator(added.begin()),
                        std::make_move_iterator(added.end()));
}

std::vector<Paragraph> Document::takeFragment(const Document& term) const {
    return term.m_paragraphs;
}

bool Document::insertBeforePlaceholder(const QString& placeholder, const Document& term) {
    const Position at = findLast(placeholder);
    if (at.paragraph < 0)
        return false;
    std::vector<Paragraph> fragment = takeFragment(term);
    if (placeholder == kOwnLinePlaceholder)
        fragment.emplace_back();
    insertFragment(at.paragraph, at.offset, std::move(fragment));
    return true;
}

bool Document::insertBeforePlaceholder(const QString& placeholder,
                                       const std::function<void(Document&)>& typeTerm) {
    Document typed = term();
    typeTerm(typed);
    return insertBeforePlaceholder(placeholder, typed);
}

bool Document::replacePlaceholder(const QString& placeholder, const Document& term) {
    const Position at = findLast(placeholder);
    if (at.paragraph < 0)
        return false;
    removeRange(at);
    insertFragment(at.paragraph, at.offset, takeFragment(term));
    return true;
}

bool Document::replacePlaceholder(const QString& placeholder,
                                  const std::function<void(Document&)>& typeTerm) {
    Document typed = term();
    typeTerm(typed);
    return replacePlaceholder(placeholder, typed);
}

bool Document::removePlaceholder(const QString& placeholder) {
    const Position at = findLast(placeholder);
    if (at.paragraph < 0)
        return false;
    removeRange(at);
    if (at.offset > 0) {
        removeRange({at.paragraph, at.offset - 1, 1});
        mergeRuns(m_paragraphs[at.paragraph]);
    } else if (at.paragraph > 0) {
        // Joining the placeholder's paragraph to the one before removes the mark between them.
        Paragraph& previous = m_paragraphs[at.paragraph - 1];
        for (Inline& item : m_paragraphs[at.paragraph].items)
            previous.items.push_back(std::move(item));
        mergeRuns(previous);
        m_paragraphs.erase(m_paragraphs.begin() + at.paragraph);
    }
    return true;
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
