#pragma once

#include <QAnyStringView>
#include <QByteArray>
#include <cstring>
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
    void grow(qsizetype more);
    void put(char c) {
        if (used_ == out_.size())
            grow(1);
        buf_[used_++] = c;
    }
    void put(const char* text, std::size_t size) {
        if (used_ + static_cast<qsizetype>(size) > out_.size())
            grow(static_cast<qsizetype>(size));
        std::memcpy(buf_ + used_, text, size);
        used_ += static_cast<qsizetype>(size);
    }
    void put(const char* text) { put(text, std::strlen(text)); }
    void putUtf8(char32_t c);
    void closeStart();
    void append(QAnyStringView text);
    void appendEscaped(QAnyStringView text, bool attribute);

    QByteArray out_; // written up to used_; grown ahead by doubling
    char* buf_ = nullptr;
    qsizetype used_ = 0;
    std::string names_;               // the open elements' names, one after another
    std::vector<std::size_t> starts_; // where each open name begins in names_
    bool inStart_ = false;
    bool inEmpty_ = false;
};

} // namespace karo::report
