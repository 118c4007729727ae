// The result sheet: layout, the copied picture, the frame, the measured superscripts, the file
// name rule, the BMP file and the black-and-white version for the printer.
#include "fixtures.h"
#include "picture/fonts.h"
#include "picture/result_sheet.h"
#include "pixels.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace karo;
using namespace karo::test;

namespace {

SheetTexts texts(const QString& all) {
    SheetTexts t;
    t.fill(all);
    return t;
}

QImage blankPicture() {
    QImage pic(390, 390, QImage::Format_RGB32);
    pic.fill(PageColor);
    return pic;
}

QImage sheetOf(const SheetTexts& t, const QImage& picture = blankPicture()) {
    InstallFontSubstitutes();
    return BuildResultSheet(picture, t);
}

// Columns in [x0, x1] with a black pixel in rows [y0, y1].
std::vector<bool> inkColumns(const QImage& im, int x0, int x1, int y0, int y1) {
    std::vector<bool> ink(static_cast<std::size_t>(x1 - x0 + 1));
    for (int x = x0; x <= x1; ++x)
        for (int y = y0; y <= y1; ++y)
            if (isBlack(im, x, y))
                ink[static_cast<std::size_t>(x - x0)] = true;
    return ink;
}

// The superscript of the value line at row y: the last run of ink columns right of the value
// column. Gives its first column, the last ink column of the value text before it, and the
// topmost ink rows of both.
struct LineEnd {
    int superLeft = -1, valueRight = -1, superTop = -1, valueTop = -1;
};
LineEnd lineEnd(const QImage& sheet, int y) {
    const int x0 = SheetValueX, x1 = 607, y0 = y - 2, y1 = y + 22;
    const std::vector<bool> ink = inkColumns(sheet, x0, x1, y0, y1);
    LineEnd e;
    int x = x1;
    while (x >= x0 && !ink[static_cast<std::size_t>(x - x0)])
        --x;
    while (x >= x0 && ink[static_cast<std::size_t>(x - x0)])
        --x;
    e.superLeft = x + 1;
    while (x >= x0 && !ink[static_cast<std::size_t>(x - x0)])
        --x;
    e.valueRight = x;
    const auto top = [&](int from, int to) {
        for (int r = y0; r <= y1; ++r)
            for (int c = from; c <= to; ++c)
                if (isBlack(sheet, c, r))
                    return r;
        return -1;
    };
    e.superTop = top(e.superLeft, x1);
    e.valueTop = top(x0, e.valueRight);
    return e;
}

} // namespace

TEST(ResultSheet, IsSixHundredTenByFourHundredSixtyOnWhite) {
    const QImage s = sheetOf(texts(QStringLiteral("0")));
    EXPECT_EQ(s.size(), QSize(610, 460));
    EXPECT_EQ(s.format(), QImage::Format_RGB32);
    // Ground between the picture's frame and the value column, and below the values.
    EXPECT_TRUE(allWhite(s, QRect(QPoint(394, 21), QPoint(415, 457))));
    EXPECT_TRUE(allWhite(s, QRect(QPoint(394, 370), QPoint(607, 457))));
}

TEST(ResultSheet, PictureIsCopiedPixelForPixelWithItsGroundWhite) {
    // Every pixel of the picture distinct, so that an offset or a scale shows.
    QImage pic(390, 390, QImage::Format_RGB32);
    for (int y = 0; y < 390; ++y)
        for (int x = 0; x < 390; ++x)
            pic.setPixel(x, y, qRgb(x & 255, y & 255, (x >> 8) * 64 + (y >> 8) * 128));
    pic.setPixel(0, 0, PageColor);
    pic.setPixel(389, 389, PageColor);
    const QImage s = sheetOf(texts(QStringLiteral("1")), pic);
    int differing = 0;
    for (int y = 0; y < 390; ++y)
        for (int x = 0; x < 390; ++x) {
            const QRgb want = pic.pixel(x, y) == PageColor ? 0xFFFFFFFF : pic.pixel(x, y);
            differing += s.pixel(2 + x, 21 + y) != want;
        }
    EXPECT_EQ(differing, 0);
    EXPECT_EQ(s.pixel(2, 21), 0xFFFFFFFFu);

    // A solved section: the same picture, marks in colour included.
    TSectionModel m;
    addDt(m, 1, 0, 0);
    addSh(m, 3, 12, -8);
    TSectionResult r;
    const QImage solved = solvePicture(m, &r);
    const QImage s2 = sheetOf(ResultFieldTexts(r), solved);
    EXPECT_EQ(s2.copy(2, 21, 390, 390), solved);
}

TEST(ResultSheet, FrameLinesAreTwoPixelsWide) {
    const QImage s = sheetOf(texts(QString()));
    const auto blackRect = [&](int x0, int y0, int x1, int y1) {
        return countBlack(s, QRect(QPoint(x0, y0), QPoint(x1, y1))) ==
               (x1 - x0 + 1) * (y1 - y0 + 1);
    };
    EXPECT_TRUE(blackRect(0, 0, 609, 1));      // top, (0, 1)–(609, 1)
    EXPECT_TRUE(blackRect(608, 0, 609, 459));  // right
    EXPECT_TRUE(blackRect(0, 458, 609, 459));  // bottom
    EXPECT_TRUE(blackRect(0, 0, 1, 459));      // left
    EXPECT_TRUE(blackRect(0, 19, 609, 20));    // under the title
    EXPECT_TRUE(blackRect(0, 411, 393, 412));  // under the picture
    EXPECT_TRUE(blackRect(392, 19, 393, 459)); // between picture and values
    // The lines stop there: the picture's area and the ground next to them stay white.
    EXPECT_TRUE(allWhite(s, QRect(QPoint(2, 21), QPoint(391, 410))));
    EXPECT_TRUE(allWhite(s, QRect(QPoint(394, 21), QPoint(607, 40))));
    EXPECT_TRUE(allWhite(s, QRect(QPoint(394, 2), QPoint(607, 18))));
    EXPECT_TRUE(allWhite(s, QRect(QPoint(2, 413), QPoint(391, 425))));
    EXPECT_TRUE(allWhite(s, QRect(QPoint(394, 413), QPoint(607, 457))));
}

TEST(ResultSheet, TitleCaptionAndValueLinesAreWhereTheyBelong) {
    const QImage s = sheetOf(texts(QStringLiteral("1")));
    // Title from x 8 in the band under the top line; caption from x 125 under the picture.
    EXPECT_GT(countBlack(s, QRect(8, 2, 40, 16)), 20);
    EXPECT_EQ(countBlack(s, QRect(2, 2, 6, 16)), 0);
    EXPECT_GT(countBlack(s, QRect(125, 428, 30, 16)), 20);
    EXPECT_EQ(countBlack(s, QRect(2, 413, 122, 44)), 0);
    // Every row: a name at 419, "=" at 451, the value at 475; nothing above the first row.
    EXPECT_EQ(countBlack(s, QRect(QPoint(394, 21), QPoint(607, 53))), 0);
    for (int row = 0; row < ResultFieldCount; ++row) {
        const int y = SheetRowY(row);
        EXPECT_GT(countBlack(s, QRect(419, y, 30, 20)), 5) << y;
        EXPECT_GT(countBlack(s, QRect(451, y, 20, 20)), 5) << y;
        EXPECT_GT(countBlack(s, QRect(475, y, 10, 20)), 5) << y;
    }
    // The alpha stands higher than its "o", which is on the line of the other names.
    EXPECT_GT(countBlack(s, QRect(419, 192, 14, 10)), 5);
    EXPECT_EQ(countBlack(s, QRect(435, 198, 14, 6)), 0); // "o" has no ascender
    EXPECT_GT(countBlack(s, QRect(435, 204, 14, 14)), 5);
}

TEST(ResultSheet, SuperscriptFollowsLongAndShortValueTexts) {
    SheetTexts t = texts(QStringLiteral("0"));
    // Every "4" line with a text of another length, down to one digit and up to an exponent.
    t[rfIx] = QStringLiteral("1.2346E+05"); // as long as a positive result gets
    t[rfIy] = QStringLiteral("1");
    t[rfIxy] = QStringLiteral("-416.75");
    t[rfIu] = QStringLiteral("12");
    t[rfIv] = QStringLiteral("4002.1");
    t[rfA] = QStringLiteral("62.8");
    const QImage s = sheetOf(t);
    for (const ResultField row : {rfIx, rfIy, rfIxy, rfIu, rfIv}) {
        const LineEnd e = lineEnd(s, SheetRowY(row));
        SCOPED_TRACE(ResultFields[static_cast<std::size_t>(row)].name);
        // The "4" starts where the full stop of "см." ends: between their ink only the
        // glyphs' own bearings, 2 px for these faces and sizes (3 where the text's width
        // ends on a fraction of a pixel), whatever the text's length.
        EXPECT_GE(e.superLeft - e.valueRight - 1, 2);
        EXPECT_LE(e.superLeft - e.valueRight - 1, 3);
        // Raised: its top above the digits' tops.
        EXPECT_LT(e.superTop, e.valueTop);
    }
    // The long text pushes its index almost to the frame, the short one keeps it near.
    EXPECT_GT(lineEnd(s, SheetRowY(rfIx)).superLeft, 595);
    EXPECT_LT(lineEnd(s, SheetRowY(rfIy)).superLeft, 530);
    // Areas and moduli have theirs the same way.
    const LineEnd a = lineEnd(s, SheetRowY(rfA)), wv = lineEnd(s, SheetRowY(rfWv));
    EXPECT_GE(a.superLeft - a.valueRight - 1, 1);
    EXPECT_LE(a.superLeft - a.valueRight - 1, 3);
    EXPECT_LT(a.superTop, a.valueTop);
    EXPECT_LT(wv.superTop, wv.valueTop);
    // A line without a superscript ends with the full stop of its unit, on the line.
    const LineEnd xc = lineEnd(s, SheetRowY(rfXc));
    EXPECT_GT(xc.superTop, xc.valueTop + 8);
}

TEST(ResultSheet, TextsAreTheResultFieldTexts) {
    TSectionResult r;
    for (std::size_t i = 0; i < r.Texts.size(); ++i)
        r.Texts[i] = std::string("v").append(std::to_string(i));
    r.Texts[rfAlpha0] = "-8.9529";
    const SheetTexts t = ResultFieldTexts(r);
    EXPECT_EQ(t[rfXc], QStringLiteral("v0"));
    EXPECT_EQ(t[rfAlpha0], QStringLiteral("-8.9529"));
    EXPECT_EQ(t[rfWv], QStringLiteral("v12"));
    // Different texts give different ink in their own row only.
    SheetTexts a = texts(QStringLiteral("1.5")), b = a;
    b[rfIv] = QStringLiteral("4002.1");
    const QImage sa = sheetOf(a), sb = sheetOf(b);
    EXPECT_EQ(sa.copy(0, 0, 610, 244), sb.copy(0, 0, 610, 244));
    EXPECT_NE(sa.copy(475, 244, 130, 22), sb.copy(475, 244, 130, 22));
    EXPECT_EQ(sa.copy(0, 268, 610, 192), sb.copy(0, 268, 610, 192));
}

TEST(SheetFile, NameAlwaysEndsInBmp) {
    EXPECT_EQ(SheetFileName(QStringLiteral("Results")), QStringLiteral("Results.bmp"));
    EXPECT_EQ(SheetFileName(QStringLiteral("/home/u/Results.txt")),
              QStringLiteral("/home/u/Results.bmp"));
    EXPECT_EQ(SheetFileName(QStringLiteral("Results.BMP")), QStringLiteral("Results.bmp"));
    EXPECT_EQ(SheetFileName(QStringLiteral("a.tar.gz")), QStringLiteral("a.tar.bmp"));
    EXPECT_EQ(SheetFileName(QStringLiteral("Results.")), QStringLiteral("Results.bmp"));
    // A dot in a folder's name or at the start of a hidden file's name is no extension.
    EXPECT_EQ(SheetFileName(QStringLiteral("/tmp/v1.2/Results")),
              QStringLiteral("/tmp/v1.2/Results.bmp"));
    EXPECT_EQ(SheetFileName(QStringLiteral("/tmp/.sheet")), QStringLiteral("/tmp/.sheet.bmp"));
    EXPECT_EQ(SheetFileName(QString()), QString());
}

TEST(SheetFile, WrittenAsTwentyFourBitBmpAndReadBackUnchanged) {
    QTemporaryDir dir;
    SheetTexts t = texts(QStringLiteral("2.5"));
    QImage pic = blankPicture();
    pic.setPixel(10, 10, qRgb(255, 0, 0));
    const QImage s = sheetOf(t, pic);
    const QString path = dir.filePath(SheetFileName(QStringLiteral("Results.txt")));
    QString error;
    ASSERT_TRUE(SaveSheetBmp(s, path, &error)) << error.toStdString();
    EXPECT_TRUE(path.endsWith(QStringLiteral("/Results.bmp")));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray b = f.readAll();
    ASSERT_GE(b.size(), 54);
    const auto u32 = [&](int at) {
        return quint32(quint8(b[at])) | quint32(quint8(b[at + 1])) << 8 |
               quint32(quint8(b[at + 2])) << 16 | quint32(quint8(b[at + 3])) << 24;
    };
    EXPECT_EQ(b.left(2), QByteArray("BM"));
    EXPECT_EQ(u32(18), 610u);
    EXPECT_EQ(u32(22), 460u);
    EXPECT_EQ(quint8(b[28]), 24); // bits per pixel
    // Rows of 610 × 3 bytes padded to 1832: 54 + 1832 × 460.
    EXPECT_EQ(b.size(), 54 + 1832 * 460);
    const QImage back(path);
    EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), s);
    EXPECT_EQ(back.pixel(12, 31), qRgb(255, 0, 0));

    // Saving again over it replaces it.
    ASSERT_TRUE(SaveSheetBmp(sheetOf(texts(QStringLiteral("7"))), path, &error));
    EXPECT_NE(QImage(path).convertToFormat(QImage::Format_RGB32), s);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("Results.bmp")});
}

TEST(SheetFile, UnwritableTargetGivesTheReasonAndNoFile) {
    QTemporaryDir dir;
    const QImage s = sheetOf(texts(QStringLiteral("1")));
    QString error;

    // The folder is really a file.
    const QString notDir = dir.filePath(QStringLiteral("plain"));
    {
        QFile f(notDir);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("x");
    }
    EXPECT_FALSE(SaveSheetBmp(s, notDir + QStringLiteral("/Results.bmp"), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("Results.bmp"))) << error.toStdString();
    EXPECT_GT(error.size(), QStringLiteral("Не удалось сохранить «»: ").size() + 40);

    // The target is an existing folder: it stays, and no temporary file is left beside it.
    const QString folder = dir.filePath(QStringLiteral("Results.bmp"));
    ASSERT_TRUE(QDir().mkdir(folder));
    error.clear();
    EXPECT_FALSE(SaveSheetBmp(s, folder, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_EQ(
        QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).size(),
        2);

    // A read-only folder (permissions do not bind the superuser).
    if (geteuid() != 0) {
        const QString ro = dir.filePath(QStringLiteral("ro"));
        ASSERT_TRUE(QDir().mkdir(ro));
        QFile::setPermissions(ro, QFile::ReadOwner | QFile::ExeOwner);
        error.clear();
        EXPECT_FALSE(SaveSheetBmp(s, ro + QStringLiteral("/Results.bmp"), &error));
        EXPECT_FALSE(error.isEmpty());
        EXPECT_FALSE(QFile::exists(ro + QStringLiteral("/Results.bmp")));
        QFile::setPermissions(ro, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
}

TEST(SheetMonochrome, WhiteStaysWhiteEverythingElseTurnsBlack) {
    QImage im(4, 1, QImage::Format_RGB32);
    im.setPixel(0, 0, qRgb(255, 255, 255));
    im.setPixel(1, 0, qRgb(255, 255, 254)); // nearly white is not white
    im.setPixel(2, 0, qRgb(255, 0, 0));
    im.setPixel(3, 0, qRgb(0, 0, 0));
    const QImage m = MonochromeSheet(im);
    EXPECT_EQ(m.format(), QImage::Format_Mono);
    EXPECT_EQ(m.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(m.pixel(1, 0), qRgb(0, 0, 0));
    EXPECT_EQ(m.pixel(2, 0), qRgb(0, 0, 0));
    EXPECT_EQ(m.pixel(3, 0), qRgb(0, 0, 0));

    // A whole sheet: the red and blue marks print black, the ground white.
    TSectionModel mdl;
    addUr(mdl, 1, 0, 0);
    addPlate(mdl, 1, 20, 5, -5.5);
    TSectionResult r;
    const QImage pic = solvePicture(mdl, &r);
    const QImage s = sheetOf(ResultFieldTexts(r), pic);
    const QImage mono = MonochromeSheet(s).convertToFormat(QImage::Format_RGB32);
    int wrong = 0;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            wrong += isWhite(mono, x, y) != isWhite(s, x, y) ||
                     !(isWhite(mono, x, y) || isBlack(mono, x, y));
    EXPECT_EQ(wrong, 0);
    EXPECT_GT(countColour(s, s.rect(), 0xFF0000), 0);
}
