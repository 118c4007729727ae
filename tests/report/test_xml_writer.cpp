#include "report/xml_writer.h"

#include <QXmlStreamWriter>
#include <gtest/gtest.h>

using karo::report::XmlWriter;

namespace {

// The same calls on both writers; the package's parts must stay byte for byte what Qt's
// writer made of them.
template <typename Writer> void writeSample(Writer& w, const QString& text) {
    w.writeStartElement(QStringLiteral("w:document"));
    w.writeNamespace(QStringLiteral("http://example.org/w"), QStringLiteral("w"));
    w.writeStartElement(QStringLiteral("w:p"));
    w.writeEmptyElement(QStringLiteral("w:jc"));
    w.writeAttribute(QStringLiteral("w:val"), text);
    w.writeStartElement(QStringLiteral("w:empty"));
    w.writeEndElement();
    w.writeStartElement(QStringLiteral("w:t"));
    w.writeAttribute(QLatin1String("xml:space"), QLatin1String("preserve"));
    w.writeCharacters(text);
    w.writeEndElement();
    w.writeEmptyElement(QStringLiteral("w:last"));
    // Left open: the end of the document closes them.
}

} // namespace

TEST(XmlWriter, WritesWhatQtWrites) {
    QString awkward;
    for (char16_t c = 1; c < 0x80; ++c)
        awkward += QChar(c);
    awkward += QString::fromUtf8("Σ α — Ι\u00a0x²");
    awkward += QString::fromUcs4(U"\U0001D465");
    awkward += QChar(0xFFFE);
    for (const QString& text : {QString(), QStringLiteral("plain"), awkward}) {
        QString qtText =
            QStringLiteral(R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)");
        QXmlStreamWriter qt(&qtText);
        writeSample(qt, text);
        qt.writeEndDocument();

        XmlWriter ours;
        writeSample(ours, text);
        EXPECT_EQ(ours.finish(), qtText.toUtf8()) << text.toStdString();
    }
}
