#include "xml_writer.h"

#include <QList>
#include <QString>
#include <algorithm>
#include <cstring>
#include <type_traits>

namespace karo::report {

namespace {

// Calls `put` with each code point of `text`; an unpaired surrogate comes as U+FFFD.
template <typename Put> void forEachCodePoint(QAnyStringView text, Put put) {
    text.visit([&](auto view) {
        using View = decltype(view);
        if constexpr (std::is_same_v<View, QStringView>) {
            const qsizetype n = view.size();
            for (qsizetype i = 0; i < n; ++i) {
                const char16_t u = view[i].unicode();
                if (QChar::isHighSurrogate(u) && i + 1 < n &&
                    QChar::isLowSurrogate(view[i + 1].unicode())) {
                    put(QChar::surrogateToUcs4(u, view[i + 1].unicode()));
                    ++i;
                } else {
                    put(QChar::isSurrogate(u) ? char32_t(0xFFFD) : char32_t(u));
                }
            }
        } else if constexpr (std::is_same_v<View, QLatin1StringView>) {
            for (char c : view)
                put(static_cast<unsigned char>(c));
        } else {
            for (char32_t c : view.toString().toUcs4())
                put(c);
        }
    });
}

} // namespace

XmlWriter::XmlWriter() {
    put(R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)");
}

void XmlWriter::grow(qsizetype more) {
    out_.resize(std::max<qsizetype>(2 * out_.size(), used_ + more + 4096));
    buf_ = out_.data();
}

void XmlWriter::putUtf8(char32_t c) {
    if (c < 0x80) {
        put(static_cast<char>(c));
        return;
    }
    if (used_ + 4 > out_.size())
        grow(4);
    char* at = buf_ + used_;
    if (c < 0x800) {
        *at++ = static_cast<char>(0xC0 | (c >> 6));
        *at++ = static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        *at++ = static_cast<char>(0xE0 | (c >> 12));
        *at++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        *at++ = static_cast<char>(0x80 | (c & 0x3F));
    } else {
        *at++ = static_cast<char>(0xF0 | (c >> 18));
        *at++ = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        *at++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        *at++ = static_cast<char>(0x80 | (c & 0x3F));
    }
    used_ = at - buf_;
}

void XmlWriter::closeStart() {
    if (inStart_) {
        put(inEmpty_ ? "/>" : ">");
        inStart_ = inEmpty_ = false;
    }
}

void XmlWriter::append(QAnyStringView text) {
    forEachCodePoint(text, [this](char32_t c) { putUtf8(c); });
}

// As QXmlStreamWriter escapes: markup characters always, tab and line ends in attribute values
// only; other control characters and U+FFFE/U+FFFF are left out.
void XmlWriter::appendEscaped(QAnyStringView text, bool attribute) {
    forEachCodePoint(text, [&](char32_t c) {
        switch (c) {
        case U'<':
            put("&lt;");
            return;
        case U'>':
            put("&gt;");
            return;
        case U'&':
            put("&amp;");
            return;
        case U'"':
            put("&quot;");
            return;
        case U'\t':
            put(attribute ? "&#9;" : "\t");
            return;
        case U'\n':
            put(attribute ? "&#10;" : "\n");
            return;
        case U'\r':
            put(attribute ? "&#13;" : "\r");
            return;
        default:
            if (c < 0x20 || c == 0xFFFE || c == 0xFFFF)
                return;
            putUtf8(c);
        }
    });
}

void XmlWriter::writeStartElement(QAnyStringView name) {
    closeStart();
    put('<');
    const qsizetype from = used_;
    append(name);
    starts_.push_back(names_.size());
    names_.append(buf_ + from, static_cast<std::size_t>(used_ - from));
    inStart_ = true;
}

void XmlWriter::writeEmptyElement(QAnyStringView name) {
    closeStart();
    put('<');
    append(name);
    inStart_ = inEmpty_ = true;
}

void XmlWriter::writeEndElement() {
    if (inStart_ && inEmpty_)
        closeStart();
    if (starts_.empty())
        return;
    const std::size_t from = starts_.back();
    starts_.pop_back();
    if (inStart_) {
        put("/>");
        inStart_ = false;
    } else {
        put("</");
        put(names_.data() + from, names_.size() - from);
        put('>');
    }
    names_.resize(from);
}

void XmlWriter::writeAttribute(QAnyStringView name, QAnyStringView value) {
    put(' ');
    append(name);
    put("=\"");
    appendEscaped(value, true);
    put('"');
}

void XmlWriter::writeNamespace(QAnyStringView uri, QAnyStringView prefix) {
    put(" xmlns:");
    append(prefix);
    put("=\"");
    appendEscaped(uri, true);
    put('"');
}

void XmlWriter::writeDefaultNamespace(QAnyStringView uri) {
    writeAttribute(QLatin1StringView("xmlns"), uri);
}

void XmlWriter::writeCharacters(QAnyStringView text) {
    closeStart();
    appendEscaped(text, false);
}

QByteArray XmlWriter::finish() {
    while (!starts_.empty() || inStart_)
        writeEndElement();
    put('\n');
    out_.resize(used_);
    buf_ = nullptr;
    used_ = 0;
    return std::move(out_);
}

} // namespace karo::report
