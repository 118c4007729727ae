#pragma once

#include <QAnyStringView>
#include <QByteArray>
#include <string>
#include <vector>

namespace karo::report {

// Writes XML straight into UTF-8 bytes, with the calls and the output of QXmlStreamWriter
// (no auto-formatting, qualified names written as given). QXmlStreamWriter wants a QString
// or a device: a string doubles the memory of a large part and costs an encoding pass at the
// end, a device costs a call per small write.
class XmlWriter {
  public:
    // Starts with the declaration every part of the package carries.
    XmlWriter();

    void writeStartElement(QAnyStringView name);
    void writeEmptyElement(QAnyStringView name);
    void writeEndElement();
    // Only right after a start element, as the package writes them.
    void writeAttribute(QAnyStringView name, QAnyStringView value);
    void writeNamespace(QAnyStringView uri, QAnyStringView prefix);
    void writeDefaultNamespace(QAnyStringView uri);
    void writeCharacters(QAnyStringView text);
    // Closes every open element, ends the document with a line break and gives the bytes.
    QByteArray finish();

  private:
    void closeStart();
    void append(QAnyStringView text);
    void appendEscaped(QAnyStringView text, bool attribute);

    QByteArray out_;
    std::string names_;               // the open elements' names, one after another
    std::vector<std::size_t> starts_; // where each open name begins in names_
    bool inStart_ = false;
    bool inEmpty_ = false;
};

} // namespace karo::report
