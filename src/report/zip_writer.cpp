#include "zip_writer.h"

#include <QCoreApplication>
#include <QDateTime>
#include <algorithm>
#include <zlib.h>

namespace karo::report {

namespace {
// The report's texts, Russian as written here, in the language installed.
struct Report {
    Q_DECLARE_TR_FUNCTIONS(Report)
};

constexpr quint32 kLocalHeader = 0x04034b50;
constexpr quint32 kCentralHeader = 0x02014b50;
constexpr quint32 kEndRecord = 0x06054b50;

// Made on Unix (3) by a writer of version 6.3 of the format; a reader needs 2.0 for deflate
// and 1.0 for stored files. Files are plain, readable and writable by all (0100666).
constexpr quint16 kMadeBy = (3 << 8) | 63;
constexpr quint16 kNeedsDeflate = 20;
constexpr quint16 kNeedsStored = 10;
constexpr quint32 kUnixFile = 0100666u << 16;

constexpr quint16 kStored = 0;
constexpr quint16 kDeflated = 8;
// The XML compresses well at the fastest level, which keeps a report of many profiles quick
// to write; bits 1 and 2 of the flags tell a reader that level ("super fast" is 3, "fast" 2).
constexpr int kLevel = 1;
constexpr quint16 kFastFlag = 2 << 1;
constexpr quint16 kUtf8Name = 1 << 11;

// Sizes and offsets are 32 bits, the count of files 16: the largest value of each means
// "see the ZIP64 record", which this writer does not write.
constexpr quint64 kMaxSize = 0xfffffffe;
constexpr std::size_t kMaxFiles = 0xfffe;

constexpr qsizetype kChunk = 64 * 1024;

// What the central directory repeats of a file's local header.
struct Entry {
    QByteArray name;
    quint16 needs;
    quint16 flags;
    quint16 method;
    quint32 crc;
    quint32 packedSize;
    quint32 size;
    quint32 offset;
};

void put16(QByteArray& out, quint16 value) {
    const char bytes[2] = {static_cast<char>(value & 0xff), static_cast<char>(value >> 8)};
    out.append(bytes, 2);
}

void put32(QByteArray& out, quint32 value) {
    put16(out, static_cast<quint16>(value & 0xffff));
    put16(out, static_cast<quint16>(value >> 16));
}

void set32(QByteArray& out, qsizetype at, quint32 value) {
    for (int i = 0; i < 4; ++i)
        out[at + i] = static_cast<char>((value >> (8 * i)) & 0xff);
}

// The fields both headers share, from "version needed" to the name's length.
void putCommon(QByteArray& out, const Entry& entry, quint16 time, quint16 date) {
    put16(out, entry.needs);
    put16(out, entry.flags);
    put16(out, entry.method);
    put16(out, time);
    put16(out, date);
    put32(out, entry.crc);
    put32(out, entry.packedSize);
    put32(out, entry.size);
    put16(out, static_cast<quint16>(entry.name.size()));
    put16(out, 0); // no extra field
}

// Appends `data` as raw deflate data, with no zlib header or trailer, as a zip holds it.
bool appendDeflated(const QByteArray& data, QByteArray& out) {
    z_stream stream{};
    if (deflateInit2(&stream, kLevel, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        return false;
    // Sizes were checked to fit 32 bits, so the input goes in at once.
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.constData()));
    stream.avail_in = static_cast<uInt>(data.size());
    QByteArray chunk(kChunk, Qt::Uninitialized);
    int status = Z_OK;
    while (status == Z_OK) {
        stream.next_out = reinterpret_cast<Bytef*>(chunk.data());
        stream.avail_out = static_cast<uInt>(kChunk);
        status = deflate(&stream, Z_FINISH);
        if (status == Z_OK || status == Z_STREAM_END)
            out.append(chunk.constData(), kChunk - static_cast<qsizetype>(stream.avail_out));
    }
    deflateEnd(&stream);
    return status == Z_STREAM_END;
}

bool isAscii(const QByteArray& bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

QString tooLarge() {
    return Report::tr("архив больше 4 ГиБ или из 65535 файлов и более не поддерживается");
}

} // namespace

bool ZipFiles(const std::vector<ZipFile>& files, QByteArray* out, QString* error) {
    if (files.size() > kMaxFiles) {
        *error = tooLarge();
        return false;
    }
    // The time the archive is made, in the local time that MS-DOS fields hold (from 1980).
    const QDateTime now = QDateTime::currentDateTime();
    const QDate day = now.date();
    const QTime clock = now.time();
    const auto time =
        static_cast<quint16>((clock.hour() << 11) | (clock.minute() << 5) | (clock.second() / 2));
    const auto date = static_cast<quint16>((std::max(day.year() - 1980, 0) << 9) |
                                           (day.month() << 5) | day.day());

    QByteArray& zip = *out;
    zip.clear();
    std::vector<Entry> entries;
    entries.reserve(files.size());
    for (const ZipFile& file : files) {
        if (static_cast<quint64>(file.data.size()) > kMaxSize ||
            static_cast<quint64>(zip.size()) > kMaxSize) {
            *error = tooLarge();
            return false;
        }
        Entry entry;
        entry.name = file.name.toUtf8();
        entry.needs = file.deflate ? kNeedsDeflate : kNeedsStored;
        entry.flags = (file.deflate ? kFastFlag : 0) | (isAscii(entry.name) ? 0 : kUtf8Name);
        entry.method = file.deflate ? kDeflated : kStored;
        entry.crc =
            static_cast<quint32>(crc32_z(0, reinterpret_cast<const Bytef*>(file.data.constData()),
                                         static_cast<z_size_t>(file.data.size())));
        entry.size = static_cast<quint32>(file.data.size());
        entry.packedSize = entry.size;
        entry.offset = static_cast<quint32>(zip.size());

        put32(zip, kLocalHeader);
        putCommon(zip, entry, time, date);
        zip.append(entry.name);
        const qsizetype dataStart = zip.size();
        if (!file.deflate) {
            zip.append(file.data);
        } else if (!appendDeflated(file.data, zip)) {
            *error = Report::tr("недостаточно памяти");
            return false;
        }
        const auto packed = static_cast<quint64>(zip.size() - dataStart);
        if (packed > kMaxSize) {
            *error = tooLarge();
            return false;
        }
        entry.packedSize = static_cast<quint32>(packed);
        // The compressed size sits after the signature and five 16-bit fields and the CRC.
        set32(zip, entry.offset + 18, entry.packedSize);
        entries.push_back(std::move(entry));
    }

    const qsizetype directory = zip.size();
    for (const Entry& entry : entries) {
        put32(zip, kCentralHeader);
        put16(zip, kMadeBy);
        putCommon(zip, entry, time, date);
        put16(zip, 0); // no comment
        put16(zip, 0); // disk 0
        put16(zip, 0); // internal attributes: binary
        put32(zip, kUnixFile);
        put32(zip, entry.offset);
        zip.append(entry.name);
    }
    const qsizetype directorySize = zip.size() - directory;
    if (static_cast<quint64>(zip.size()) > kMaxSize) {
        *error = tooLarge();
        return false;
    }
    put32(zip, kEndRecord);
    put16(zip, 0); // this disk
    put16(zip, 0); // the disk where the directory starts
    put16(zip, static_cast<quint16>(entries.size()));
    put16(zip, static_cast<quint16>(entries.size()));
    put32(zip, static_cast<quint32>(directorySize));
    put32(zip, static_cast<quint32>(directory));
    put16(zip, 0); // no comment
    return true;
}

} // namespace karo::report
