#include "docx_reader.h"

#include <QXmlStreamReader>
#include <zlib.h>

namespace karo::report::testing {

namespace {

quint32 read16(const QByteArray& bytes, qsizetype at) {
    return static_cast<quint8>(bytes[at]) | static_cast<quint8>(bytes[at + 1]) << 8;
}

quint32 read32(const QByteArray& bytes, qsizetype at) {
    return read16(bytes, at) | read16(bytes, at + 2) << 16;
}

// A raw deflate stream of known size; empty unless it ends where and as it should.
QByteArray inflated(const char* data, quint32 packedSize, quint32 size, bool* ok) {
    QByteArray out(size, '\0');
    z_stream stream{};
    *ok = inflateInit2(&stream, -MAX_WBITS) == Z_OK;
    if (!*ok)
        return {};
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data));
    stream.avail_in = packedSize;
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = size;
    *ok =
        inflate(&stream, Z_FINISH) == Z_STREAM_END && stream.avail_in == 0 && stream.avail_out == 0;
    inflateEnd(&stream);
    return out;
}

} // namespace

// Read as a strict reader would: from the central directory, each file's local header held
// to it, the data to its checksum. Any mismatch makes the whole package unreadable.
std::map<QString, QByteArray> unzipPackage(const QByteArray& package) {
    const qsizetype end = package.size() - 22;
    if (end < 0 || read32(package, end) != 0x06054b50 || read16(package, end + 20) != 0)
        return {};
    const quint32 count = read16(package, end + 10);
    qsizetype at = read32(package, end + 16);
    if (at + read32(package, end + 12) != end)
        return {};
    std::map<QString, QByteArray> files;
    for (quint32 i = 0; i < count; ++i) {
        if (at + 46 > end || read32(package, at) != 0x02014b50)
            return {};
        const quint32 method = read16(package, at + 10);
        const quint32 crc = read32(package, at + 16);
        const quint32 packedSize = read32(package, at + 20);
        const quint32 size = read32(package, at + 24);
        const quint32 nameSize = read16(package, at + 28);
        const QByteArray name = package.mid(at + 46, nameSize);
        const qsizetype local = read32(package, at + 42);
        if (local + 30 > end)
            return {};
        const qsizetype data = local + 30 + nameSize + read16(package, local + 28);
        // The local header repeats everything from "version needed" to the name.
        if (data + packedSize > end || read32(package, local) != 0x04034b50 ||
            package.mid(local + 4, 26) != package.mid(at + 6, 26) ||
            package.mid(local + 30, nameSize) != name)
            return {};
        bool ok = method == 0 && packedSize == size;
        QByteArray bytes = package.mid(data, packedSize);
        if (method == 8)
            bytes = inflated(package.constData() + data, packedSize, size, &ok);
        if (!ok || crc32_z(0, reinterpret_cast<const Bytef*>(bytes.constData()),
                           static_cast<z_size_t>(bytes.size())) != crc)
            return {};
        files[QString::fromUtf8(name)] = bytes;
        at += 46 + nameSize + read16(package, at + 30) + read16(package, at + 32);
    }
    return files;
}

std::vector<XmlElement> readElements(const QByteArray& xml) {
    std::vector<XmlElement> elements;
    std::vector<std::size_t> open;
    QXmlStreamReader reader(xml);
    reader.setNamespaceProcessing(false);
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement:
            open.push_back(elements.size());
            elements.push_back({reader.qualifiedName().toString(), reader.attributes(), QString(),
                                static_cast<int>(open.size())});
            break;
        case QXmlStreamReader::EndElement:
            open.pop_back();
            break;
        case QXmlStreamReader::Characters:
            if (!open.empty())
                elements[open.back()].text += reader.text();
            break;
        default:
            break;
        }
    }
    if (reader.hasError())
        return {};
    return elements;
}

} // namespace karo::report::testing
