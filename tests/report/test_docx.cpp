#include "docx_reader.h"
#include "report/document.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace karo::report;
using karo::report::testing::readElements;
using karo::report::testing::unzipPackage;
using karo::report::testing::XmlElement;

namespace {

QString u(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QImage samplePicture() {
    QImage image(120, 80, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int x = 10; x < 110; ++x)
        image.setPixel(x, 40, qRgb(255, 0, 0));
    return image;
}

// A small report: introduction, picture, a plate's lines with two formulas, a Symbol
// character, and a unit with its superscript.
Document sampleDocument() {
    Document doc;
    doc.align(AlignJustify);
    doc.bold(true);
    doc.text(u("\tДля заданного составного сечения необходимо определить:\r"));
    doc.align(AlignCenter);
    doc.bold(false);
    doc.paragraph();
    doc.pasteImage(samplePicture());
    doc.paragraph();
    doc.align(AlignLeft);
    doc.paragraph();
    doc.text(u("площадь A = 20 см"));
    doc.sup(QStringLiteral("2"));
    doc.text(u(".,\r"));
    doc.formula({text(u("Ix = ")),
                 fraction({sup({text(u("h"))}, {text(u("3"))}), text(u("·b"))}, {text(u("12"))}),
                 text(u(" = ")),
                 fraction({sup({text(u("1"))}, {text(u("3"))}), text(u("·20"))}, {text(u("12"))}),
                 text(u(" ="))});
    doc.text(u(" 1.6667 см"));
    doc.sup(QStringLiteral("4"));
    doc.text(u(".,\r"));
    doc.text(u("tg "));
    doc.symbol(97);
    doc.text(u(" = 0.5\rIx =  = 1.6667 см"));
    doc.sup(QStringLiteral("4"));
    doc.text(QStringLiteral("\r"));
    const auto index = [](const char* base, const char* below) {
        return sub({text(u(base))}, {text(u(below))});
    };
    doc.formula({text(u("tg 2")), sub({symbol(97)}, {text(u("o"))}), text(u(" = - ")),
                 fraction({text(u("2·")), index("I", "xy")},
                          {index("I", "x"), text(u("-")), index("I", "y")}),
                 text(u(" = -")), symbol(165)});
    doc.text(QStringLiteral("\r"));
    return doc;
}

class DocxPackage : public ::testing::Test {
  protected:
    void SetUp() override {
        QString error;
        const QByteArray package = sampleDocument().toDocx(&error);
        ASSERT_FALSE(package.isEmpty()) << error.toStdString();
        files = unzipPackage(package);
        ASSERT_FALSE(files.empty());
        body = readElements(files[QStringLiteral("word/document.xml")]);
        ASSERT_FALSE(body.empty()) << "document.xml is not well-formed";
    }

    std::vector<const XmlElement*> all(const char* name) const {
        std::vector<const XmlElement*> found;
        for (const XmlElement& e : body)
            if (e.name == QLatin1String(name))
                found.push_back(&e);
        return found;
    }

    std::map<QString, QByteArray> files;
    std::vector<XmlElement> body;
};

TEST_F(DocxPackage, HoldsThePartsAWordProcessorNeeds) {
    for (const char* name :
         {"[Content_Types].xml", "_rels/.rels", "word/document.xml", "word/_rels/document.xml.rels",
          "word/styles.xml", "word/settings.xml", "word/media/image1.png"})
        EXPECT_TRUE(files.count(QLatin1String(name))) << name;
    const QByteArray types = files[QStringLiteral("[Content_Types].xml")];
    EXPECT_TRUE(types.contains(R"(<Default Extension="png" ContentType="image/png"/>)"));
    EXPECT_TRUE(types.contains(
        R"(<Override PartName="/word/document.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml"/>)"));
    EXPECT_TRUE(files[QStringLiteral("_rels/.rels")].contains(R"(Target="word/document.xml")"));
    const QByteArray rels = files[QStringLiteral("word/_rels/document.xml.rels")];
    EXPECT_TRUE(rels.contains(R"(Target="media/image1.png")"));
    EXPECT_TRUE(rels.contains(R"(Target="styles.xml")"));
    for (const auto& [name, data] : files)
        if (name.endsWith(QLatin1String(".xml")) || name.endsWith(QLatin1String(".rels"))) {
            EXPECT_FALSE(readElements(data).empty()) << name.toStdString() << " is not XML";
        }
}

TEST_F(DocxPackage, PictureIsAPngOfTheImage) {
    const QByteArray png = files[QStringLiteral("word/media/image1.png")];
    ASSERT_TRUE(png.startsWith("\x89PNG"));
    const QImage back = QImage::fromData(png, "PNG");
    EXPECT_EQ(back.size(), QSize(120, 80));
    EXPECT_EQ(back.pixel(50, 40), qRgb(255, 0, 0));
    const auto extents = all("wp:extent");
    ASSERT_EQ(extents.size(), 1u);
    EXPECT_EQ(extents[0]->attribute(QStringLiteral("cx")), QStringLiteral("1143000")); // 120 px
    EXPECT_EQ(extents[0]->attribute(QStringLiteral("cy")), QStringLiteral("762000"));
    EXPECT_EQ(all("a:blip")[0]->attribute(QStringLiteral("r:embed")), QStringLiteral("rIdImage1"));
}

TEST_F(DocxPackage, A4PageWithTheMarginsInTwips) {
    const auto size = all("w:pgSz");
    ASSERT_EQ(size.size(), 1u);
    EXPECT_EQ(size[0]->attribute(QStringLiteral("w:w")), QStringLiteral("11900"));
    EXPECT_EQ(size[0]->attribute(QStringLiteral("w:h")), QStringLiteral("16840"));
    const auto margins = all("w:pgMar");
    ASSERT_EQ(margins.size(), 1u);
    EXPECT_EQ(margins[0]->attribute(QStringLiteral("w:top")), QStringLiteral("1140"));
    EXPECT_EQ(margins[0]->attribute(QStringLiteral("w:bottom")), QStringLiteral("1140"));
    EXPECT_EQ(margins[0]->attribute(QStringLiteral("w:left")), QStringLiteral("1140"));
    EXPECT_EQ(margins[0]->attribute(QStringLiteral("w:right")), QStringLiteral("560"));
    const QByteArray styles = files[QStringLiteral("word/styles.xml")];
    EXPECT_TRUE(styles.contains(R"(w:ascii="Times New Roman")"));
    EXPECT_TRUE(styles.contains(R"(<w:sz w:val="24"/>)"));
}

TEST_F(DocxPackage, EveryTextAndInstructionPreservesSpaces) {
    int count = 0;
    for (const XmlElement& e : body) {
        if (e.name == QLatin1String("w:t") || e.name == QLatin1String("w:instrText") ||
            e.name == QLatin1String("m:t")) {
            ++count;
            EXPECT_EQ(e.attribute(QStringLiteral("xml:space")), QStringLiteral("preserve"))
                << e.name.toStdString() << " " << e.text.toStdString();
        }
    }
    EXPECT_GT(count, 20);
}

TEST_F(DocxPackage, TextFormattingAndSymbols) {
    const auto paragraphs = all("w:jc");
    ASSERT_GE(paragraphs.size(), 3u);
    EXPECT_EQ(paragraphs[0]->attribute(QStringLiteral("w:val")), QStringLiteral("both"));
    EXPECT_EQ(paragraphs[1]->attribute(QStringLiteral("w:val")), QStringLiteral("center"));
    EXPECT_EQ(paragraphs.back()->attribute(QStringLiteral("w:val")), QStringLiteral("left"));
    EXPECT_EQ(all("w:tab").size(), 1u);
    EXPECT_EQ(all("w:b").size(), 1u); // the introduction only
    EXPECT_EQ(all("w:vertAlign").size(), 3u);
    // alpha in the text, and alpha and infinity in the second formula's instruction
    const auto symbols = all("w:sym");
    ASSERT_EQ(symbols.size(), 3u);
    for (const XmlElement* s : symbols)
        EXPECT_EQ(s->attribute(QStringLiteral("w:font")), QStringLiteral("Symbol"));
    EXPECT_EQ(symbols[0]->attribute(QStringLiteral("w:char")), QStringLiteral("F061"));
    EXPECT_EQ(symbols[2]->attribute(QStringLiteral("w:char")), QStringLiteral("F0A5"));
    QString text;
    for (const auto* t : all("w:t"))
        text += t->text;
    EXPECT_TRUE(text.contains(u("Ix =  = 1.6667 см")));
}

TEST_F(DocxPackage, FormulasAreComplexFieldsWithOfficeMathResults) {
    // begin, instruction, separate, m:oMath, end - in that order, once per formula.
    QStringList sequence;
    QString instruction;
    QStringList reduced;
    bool inCode = false;
    int runSize = 24;
    for (const XmlElement& e : body) {
        if (e.name == QLatin1String("w:fldChar")) {
            const QString type = e.attribute(QStringLiteral("w:fldCharType"));
            if (type == QLatin1String("separate"))
                sequence << instruction;
            sequence << type;
            inCode = type == QLatin1String("begin");
            instruction.clear();
        } else if (e.name == QLatin1String("w:r")) {
            runSize = 24;
        } else if (e.name == QLatin1String("w:sz")) {
            runSize = e.attribute(QStringLiteral("w:val")).toInt();
        } else if (e.name == QLatin1String("m:oMath")) {
            sequence << QStringLiteral("math");
        } else if (inCode && e.name == QLatin1String("w:instrText")) {
            instruction += e.text;
            if (runSize != 24)
                reduced << QString::number(runSize) + QLatin1Char(':') + e.text;
        } else if (inCode && e.name == QLatin1String("w:sym")) {
            instruction +=
                QLatin1Char('<') + e.attribute(QStringLiteral("w:char")) + QLatin1Char('>');
        }
    }
    EXPECT_EQ(sequence,
              (QStringList{"begin", u("eq Ix = \\f(h\\s(3; )·b;12) = \\f(1\\s(3; )·20;12) ="),
                           "separate", "math", "end", "begin",
                           u("eq tg 2<F061>\\s( ;o) = - \\f(2·I\\s( ;xy);I\\s( ;x)-I\\s( ;y)) = "
                             "-<F0A5>"),
                           "separate", "math", "end"}));
    EXPECT_EQ(reduced, (QStringList{"19:s(3; )", "19:s(3; )", "19:s( ;o)", "19:s( ;xy)",
                                    "19:s( ;x)", "19:s( ;y)"}));
    // The cached result: the fraction and the cube of the plate's moment, then tg 2α₀ = -∞.
    EXPECT_EQ(all("m:f").size(), 3u);
    EXPECT_EQ(all("m:sSup").size(), 2u);
    EXPECT_EQ(all("m:sSub").size(), 4u);
    QString math;
    for (const auto* t : all("m:t"))
        math += t->text;
    EXPECT_EQ(math, u("Ix = h3·b12 = 13·2012 =tg 2αo = - 2·IxyIx-Iy = -∞"));
}

// Copies of one image, or of one encoded picture's bytes, share one part; the encoded one is
// stored as given, at the size given.
TEST(DocxPictures, CopiesOfOnePictureShareOnePart) {
    Document doc;
    const QImage picture = samplePicture();
    QImage other(10, 10, QImage::Format_RGB32);
    other.fill(Qt::black);
    const EncodedPicture encoded{QSize(30, 20), QByteArrayLiteral("\x89PNG stand-in")};
    doc.picture(picture);
    doc.picture(other);
    doc.picture(encoded);
    doc.picture(picture);
    doc.picture(EncodedPicture(encoded));
    const auto files = unzipPackage(doc.toDocx());
    EXPECT_TRUE(files.count(QStringLiteral("word/media/image1.png")));
    EXPECT_TRUE(files.count(QStringLiteral("word/media/image2.png")));
    EXPECT_EQ(files.at(QStringLiteral("word/media/image3.png")), encoded.png);
    EXPECT_FALSE(files.count(QStringLiteral("word/media/image4.png")));
    QStringList embeds;
    QStringList ids;
    QStringList extents;
    for (const XmlElement& e : readElements(files.at(QStringLiteral("word/document.xml")))) {
        if (e.name == QLatin1String("a:blip"))
            embeds << e.attribute(QStringLiteral("r:embed"));
        if (e.name == QLatin1String("wp:docPr"))
            ids << e.attribute(QStringLiteral("id"));
        if (e.name == QLatin1String("wp:extent"))
            extents << e.attribute(QStringLiteral("cx")) + u("×") +
                           e.attribute(QStringLiteral("cy"));
    }
    EXPECT_EQ(embeds,
              (QStringList{"rIdImage1", "rIdImage2", "rIdImage3", "rIdImage1", "rIdImage3"}));
    EXPECT_EQ(ids, (QStringList{"1", "2", "3", "4", "5"})); // every drawing has an id of its own
    EXPECT_EQ(extents[2], u("285750×190500"));              // 9525 EMU a pixel
}

TEST(DocxFile, SavedAtomicallyAndReplacesAnOldFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(u("Отчет 1.docx"));
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(200000, 'x'));
    }
    QString error;
    const Document doc = sampleDocument();
    ASSERT_TRUE(doc.saveDocx(path, &error)) << error.toStdString();
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    // The parts, not the bytes: each package stamps its parts with the time it was written.
    const auto parts = unzipPackage(bytes);
    EXPECT_EQ(parts, unzipPackage(doc.toDocx()));
    EXPECT_EQ(parts.size(), 7u);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1); // no temporary file left
}

TEST(DocxFile, FailureIsReportedAndLeavesNoFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString missing = dir.filePath(QStringLiteral("no/such/folder/report.docx"));
    QString error;
    EXPECT_FALSE(sampleDocument().saveDocx(missing, &error));
    EXPECT_TRUE(error.contains(missing)) << error.toStdString();
    EXPECT_FALSE(QFile::exists(missing));

    // A folder in the way of the file.
    const QString folder = dir.filePath(QStringLiteral("taken.docx"));
    ASSERT_TRUE(QDir().mkpath(folder));
    error.clear();
    EXPECT_FALSE(sampleDocument().saveDocx(folder, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(QFileInfo(folder).isDir());
}

TEST(DocxFile, StrayControlCharactersKeepTheXmlReadable) {
    Document doc;
    doc.formula({text(QStringLiteral("a\x02"
                                     "b"))});
    const auto files = unzipPackage(doc.toDocx());
    EXPECT_FALSE(readElements(files.at(QStringLiteral("word/document.xml"))).empty());
}

} // namespace
