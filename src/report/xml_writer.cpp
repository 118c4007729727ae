#include "xml_writer.h"

#include <QList>
#include <QString>
#include <type_traits>

namespace karo::report {

namespace {

void appendUtf8(QByteArray& out, char32_t c) {
    if (c < 0x80) {
        out.append(static_cast<char>(c));
    } else if (c < 0x800) {
        out.append(static_cast<char>(0xC0 | (c >> 6)));
        out.append(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.append(static_cast<char>(0xE0 | (c >> 12)));
        out.append(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.append(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.append(static_cast<char>(0xF0 | (c >> 18)));
        out.append(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.append(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.append(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

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
    out_.append(R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)");
}

void XmlWriter::closeStart() {
    if (inStart_) {
        out_.append(inEmpty_ ? "/>" : ">");
        inStart_ = inEmpty_ = false;
    }
}

void XmlWriter::append(QAnyStringView text) {
    forEachCodePoint(text, [this](char32_t c) { appendUtf8(out_, c); });
}

// As QXmlStreamWriter escapes: markup characters always, tab and line ends in attribute values
// only; other control characters and U+FFFE/U+FFFF are left out.
void XmlWriter::appendEscaped(QAnyStringView text, bool attribute) {
    forEachCodePoint(text, [&](char32_t c) {
        switch (c) {
        case U'<':
            out_.append("&lt;");
            return;
        case U'>':
            out_.append("&gt;");
            return;
        case U'&':
            out_.append("&amp;");
            return;
        case U'"':
            out_.append("&quot;");
            return;
        case U'\t':
            out_.append(attribute ? "&#9;" : "\t");
            return;
        case U'\n':
            out_.append(attribute ? "&#10;" : "\n");
            return;
        case U'\r':
            out_.append(attribute ? "&#13;" : "\r");
            return;
        default:
            if (c < 0x20 || c == 0xFFFE || c == 0xFFFF)
                return;
            appendUtf8(out_, c);
        }
    });
}

void XmlWriter::writeStartElement(QAnyStringView name) {
    closeStart();
    out_.append('<');
    const qsizetype from = out_.size();
    append(name);
    starts_.push_back(names_.size());
    names_.append(out_.constData() + from, static_cast<std::size_t>(out_.size() - from));
    inStart_ = true;
}

void XmlWriter::writeEmptyElement(QAnyStringView name) {
    closeStart();
    out_.append('<');
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
        out_.append("/>");
        inStart_ = false;
    } else {
        out_.append("</");
        out_.append(names_.data() + from, static_cast<qsizetype>(names_.size() - from));
        out_.append('>');
    }
    names_.resize(from);
}

void XmlWriter::writeAttribute(QAnyStringView name, QAnyStringView value) {
    out_.append(' ');
    append(name);
    out_.append("=\"");
    appendEscaped(value, true);
    out_.append('"');
}

void XmlWriter::writeNamespace(QAnyStringView uri, QAnyStringView prefix) {
    out_.append(" xmlns:");
    append(prefix);
    out_.append("=\"");
    appendEscaped(uri, true);
    out_.append('"');
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
    out_.append('\n');
    return std::move(out_);
}

} // namespace karo::report
