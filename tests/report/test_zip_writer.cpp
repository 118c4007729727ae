#include "docx_reader.h"
#include "report/zip_writer.h"

#include <gtest/gtest.h>

using karo::report::ZipFile;
using karo::report::ZipFiles;
using karo::report::testing::unzipPackage;

namespace {

quint32 field(const QByteArray& bytes, qsizetype at, int size) {
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | static_cast<quint8>(bytes[at + i]);
    return value;
}

// Incompressible bytes, so that the deflated data outgrows any one output buffer.
QByteArray noise(qsizetype size) {
    QByteArray bytes(size, Qt::Uninitialized);
    quint32 state = 12345;
    for (char& c : bytes) {
        state = state * 1103515245u + 12345u;
        c = static_cast<char>(state >> 24);
    }
    return bytes;
}

} // namespace

// The edges of the package: an empty file, a name beyond ASCII, a file stored as it is, and
// files larger than the writer's buffers, compressible or not. A strict reader gets each back,
// and the local headers keep the files' order, method and name encoding.
TEST(ZipWriter, FilesReadBackInTheirOrderMethodAndNames) {
    const std::vector<ZipFile> files = {
        {QStringLiteral("[Content_Types].xml"), QByteArray(), true},
        {QString::fromUtf8("word/media/рисунок.png"), QByteArray("\x89PNG stored"), false},
        {QStringLiteral("word/document.xml"), QByteArray(300 * 1024, 'x'), true},
        {QStringLiteral("noise"), noise(200 * 1024), true},
    };
    QByteArray zip;
    QString error;
    ASSERT_TRUE(ZipFiles(files, &zip, &error)) << error.toStdString();

    const auto back = unzipPackage(zip);
    ASSERT_EQ(back.size(), files.size());
    qsizetype at = 0;
    for (const ZipFile& file : files) {
        SCOPED_TRACE(file.name.toStdString());
        EXPECT_EQ(back.at(file.name), file.data);
        ASSERT_EQ(field(zip, at, 4), 0x04034b50u);
        const quint32 flags = field(zip, at + 6, 2);
        EXPECT_EQ(field(zip, at + 8, 2), file.deflate ? 8u : 0u);
        EXPECT_EQ((flags & 0x800) != 0, file.name.toUtf8().size() != file.name.size());
        EXPECT_EQ(flags & 0x8, 0u) << "sizes are in the header, no data descriptor follows";
        const quint32 nameSize = field(zip, at + 26, 2);
        EXPECT_EQ(QString::fromUtf8(zip.mid(at + 30, nameSize)), file.name);
        at += 30 + nameSize + field(zip, at + 28, 2) + field(zip, at + 18, 4);
    }
}

TEST(ZipWriter, RefusesAPackageThatWouldNeedZip64) {
    const std::vector<ZipFile> files(65535, {QStringLiteral("a"), QByteArray(), false});
    QByteArray zip;
    QString error;
    EXPECT_FALSE(ZipFiles(files, &zip, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("65535"))) << error.toStdString();
}
