// The equation-field code → Office Math conversion of the report: any code is parsed and
// written as XML without a crash, however it nests.

#include "report/officemath.h"

#include <QBuffer>
#include <QXmlStreamWriter>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString code =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    (void)karo::report::parseEquation(code);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QXmlStreamWriter xml(&buffer);
    xml.writeStartElement(QStringLiteral("root"));
    xml.writeNamespace(QStringLiteral("urn:m"), QStringLiteral("m"));
    xml.writeNamespace(QStringLiteral("urn:w"), QStringLiteral("w"));
    karo::report::writeOfficeMath(xml, code);
    xml.writeEndElement();
    return 0;
}
