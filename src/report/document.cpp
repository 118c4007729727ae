#include "document.h"

#include "docxwriter.h"
#include "symbolfont.h"

#include <algorithm>

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
// as one. Only the items from `first` to `last` and their neighbours are looked at.
void mergeRuns(Paragraph& paragraph, qsizetype first = 0, qsizetype last = -1) {
    auto& items = paragraph.items;
    const qsizetype size = static_cast<qsizetype>(items.size());
    const qsizetype begin = std::max<qsizetype>(first - 1, 0);
    const qsizetype end = last < 0 ? size : std::min(last + 1, size);
    qsizetype out = begin;
    for (qsizetype i = begin; i < end; ++i) {
        Inline& item = items[i];
        const bool text = item.kind == Inline::Kind::Text;
        if (text && item.text.isEmpty())
            continue;
        if (text && out > begin && items[out - 1].kind == Inline::Kind::Text &&
            items[out - 1].format == item.format) {
            items[out - 1].text += item.text;
            continue;
        }
        if (out != i)
            items[out] = std::move(item);
        ++out;
    }
    items.erase(items.begin() + out, items.begin() + end);
}

// The character offset of the last occurrence of `needle` in the paragraph's text, or -1.
// Pictures, symbols and fields count as one character that matches nothing. Only runs that
// hold the needle's first character are searched, so long lines of terms are passed quickly.
qsizetype lastMatch(const Paragraph& paragraph, const QString& needle) {
    const QChar lower = needle.front().toLower();
    const QChar upper = needle.front().toUpper();
    const auto& items = paragraph.items;
    const qsizetype count = static_cast<qsizetype>(items.size());
    qsizetype end = 0;
    for (const Inline& item : items)
        end += itemLength(item);
    for (qsizetype i = count - 1; i >= 0; --i) {
        const Inline& item = items[i];
        const qsizetype length = itemLength(item);
        const qsizetype start = end - length;
        end = start;
        if (item.kind != Inline::Kind::Text ||
            (!item.text.contains(lower) && !item.text.contains(upper)))
            continue;
        // A match that starts near the end of this run and goes on into the next runs.
        const qsizetype tail = std::min(needle.size() - 1, length);
        if (tail > 0) {
            const qsizetype wanted = tail + needle.size() - 1;
            QString window = item.text.right(tail);
            for (qsizetype j = i + 1; j < count && window.size() < wanted; ++j) {
                if (items[j].kind != Inline::Kind::Text)
                    break;
                window += items[j].text.left(wanted - window.size());
            }
            const qsizetype at = window.lastIndexOf(needle, -1, Qt::CaseInsensitive);
            if (at >= 0)
                return start + length - tail + at;
        }
        const qsizetype inside = item.text.lastIndexOf(needle, -1, Qt::CaseInsensitive);
        if (inside >= 0)
            return start + inside;
    }
    return -1;
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
        const qsizetype at = lastMatch(m_paragraphs[p], needle);
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
        const auto added = static_cast<qsizetype>(fragment.front().items.size());
        target.items.insert(target.items.begin() + at,
                            std::make_move_iterator(fragment.front().items.begin()),
                            std::make_move_iterator(fragment.front().items.end()));
        mergeRuns(target, at, at + added);
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
    mergeRuns(target, at, static_cast<qsizetype>(target.items.size()));

    std::vector<Paragraph> added(fragment.begin() + 1, fragment.end());
    for (Paragraph& paragraph : added)
        paragraph.alignment = alignment;
    const auto junction = static_cast<qsizetype>(added.back().items.size());
    for (Inline& item : tail)
        added.back().items.push_back(std::move(item));
    for (std::size_t i = 0; i + 1 < added.size(); ++i)
        mergeRuns(added[i]);
    mergeRuns(added.back(), junction, junction);
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
