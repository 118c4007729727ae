#pragma once

#include <QString>

namespace karo::report {

// Text as XML 1.0 can hold it: control characters other than tab, line feed and carriage
// return, unpaired surrogates and the non-characters U+FFFE/U+FFFF are left out, so that a
// stray character can never make the package unreadable.
inline QString xmlSafe(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const char16_t u = c.unicode();
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            out += c;
            out += text.at(++i);
            continue;
        }
        if (c.isSurrogate() || u == 0xFFFE || u == 0xFFFF)
            continue;
        if (u < 0x20 && u != u'\t' && u != u'\n' && u != u'\r')
            continue;
        out += c;
    }
    return out;
}

} // namespace karo::report
