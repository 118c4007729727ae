#include "docx_writer.h"

#include "document.h"
#include "io/safe_file.h"
#include "office_math.h"
#include "xml_text.h"
#include "xml_writer.h"
#include "zip_writer.h"

#include <QBuffer>
#include <QCoreApplication>
#include <cmath>
#include <map>
#include <utility>
#include <vector>

namespace karo::report {

namespace {
// The report's texts, Russian as written here, in the language installed.
struct Report {
    Q_DECLARE_TR_FUNCTIONS(Report)
};

const QString kNsW = QStringLiteral("http://schemas.openxmlformats.org/wordprocessingml/2006/main");
const QString kNsR =
    QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships");
const QString kNsM = QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/math");
const QString kNsWp =
    QStringLiteral("http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing");
const QString kNsA = QStringLiteral("http://schemas.openxmlformats.org/drawingml/2006/main");
const QString kNsPic = QStringLiteral("http://schemas.openxmlformats.org/drawingml/2006/picture");
const QString kRelBase =
    QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships/");

constexpr qint64 kEmuPerPoint = 12700;
constexpr qint64 kEmuPerPixel = 9525; // a pasted bitmap keeps its pixels at 96 dpi

QString twips(double points) {
    return QString::number(std::lround(points * 20.0));
}

// An XML part, written as UTF-8 bytes.
class XmlPart {
  public:
    XmlWriter& xml() { return xml_; }
    QByteArray finish() { return xml_.finish(); }
    void empty(const QString& name, const QString& attribute, const QString& value) {
        xml_.writeEmptyElement(name);
        xml_.writeAttribute(attribute, value);
    }

  private:
    XmlWriter xml_;
};

QByteArray contentTypes() {
    XmlPart part;
    XmlWriter& x = part.xml();
    x.writeStartElement(QStringLiteral("Types"));
    x.writeDefaultNamespace(
        QStringLiteral("http://schemas.openxmlformats.org/package/2006/content-types"));
    const std::pair<const char*, const char*> defaults[] = {
        {"rels", "application/vnd.openxmlformats-package.relationships+xml"},
        {"xml", "application/xml"},
        {"png", "image/png"},
    };
    for (const auto& [extension, type] : defaults) {
        x.writeEmptyElement(QStringLiteral("Default"));
        x.writeAttribute(QStringLiteral("Extension"), QLatin1String(extension));
        x.writeAttribute(QStringLiteral("ContentType"), QLatin1String(type));
    }
    const std::pair<const char*, const char*> overrides[] = {
        {"/word/document.xml",
         "application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml"},
        {"/word/styles.xml",
         "application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml"},
        {"/word/settings.xml",
         "application/vnd.openxmlformats-officedocument.wordprocessingml.settings+xml"},
    };
    for (const auto& [name, type] : overrides) {
        x.writeEmptyElement(QStringLiteral("Override"));
        x.writeAttribute(QStringLiteral("PartName"), QLatin1String(name));
        x.writeAttribute(QStringLiteral("ContentType"), QLatin1String(type));
    }
    x.writeEndElement();
    return part.finish();
}

struct Relationship {
    QString id;
    QString type;
    QString target;
};

QByteArray relationships(const std::vector<Relationship>& list) {
    XmlPart part;
    XmlWriter& x = part.xml();
    x.writeStartElement(QStringLiteral("Relationships"));
    x.writeDefaultNamespace(
        QStringLiteral("http://schemas.openxmlformats.org/package/2006/relationships"));
    for (const Relationship& r : list) {
        x.writeEmptyElement(QStringLiteral("Relationship"));
        x.writeAttribute(QStringLiteral("Id"), r.id);
        x.writeAttribute(QStringLiteral("Type"), r.type);
        x.writeAttribute(QStringLiteral("Target"), r.target);
    }
    x.writeEndElement();
    return part.finish();
}

QByteArray styles(const PageSetup& page) {
    XmlPart part;
    XmlWriter& x = part.xml();
    x.writeStartElement(QStringLiteral("w:styles"));
    x.writeNamespace(kNsW, QStringLiteral("w"));
    x.writeStartElement(QStringLiteral("w:docDefaults"));
    x.writeStartElement(QStringLiteral("w:rPrDefault"));
    x.writeStartElement(QStringLiteral("w:rPr"));
    x.writeEmptyElement(QStringLiteral("w:rFonts"));
    for (const char* slot : {"w:ascii", "w:hAnsi", "w:eastAsia", "w:cs"})
        x.writeAttribute(QLatin1String(slot), page.fontName);
    const QString size = QString::number(page.fontSize * 2);
    part.empty(QStringLiteral("w:sz"), QStringLiteral("w:val"), size);
    part.empty(QStringLiteral("w:szCs"), QStringLiteral("w:val"), size);
    x.writeEmptyElement(QStringLiteral("w:lang"));
    x.writeAttribute(QStringLiteral("w:val"), QStringLiteral("ru-RU"));
    x.writeAttribute(QStringLiteral("w:eastAsia"), QStringLiteral("ru-RU"));
    x.writeAttribute(QStringLiteral("w:bidi"), QStringLiteral("ar-SA"));
    x.writeEndElement(); // rPr
    x.writeEndElement(); // rPrDefault
    x.writeStartElement(QStringLiteral("w:pPrDefault"));
    x.writeStartElement(QStringLiteral("w:pPr"));
    x.writeEmptyElement(QStringLiteral("w:spacing"));
    x.writeAttribute(QStringLiteral("w:after"), QStringLiteral("0"));
    x.writeAttribute(QStringLiteral("w:line"), QStringLiteral("240"));
    x.writeAttribute(QStringLiteral("w:lineRule"), QStringLiteral("auto"));
    x.writeEndElement(); // pPr
    x.writeEndElement(); // pPrDefault
    x.writeEndElement(); // docDefaults

    x.writeStartElement(QStringLiteral("w:style"));
    x.writeAttribute(QStringLiteral("w:type"), QStringLiteral("paragraph"));
    x.writeAttribute(QStringLiteral("w:default"), QStringLiteral("1"));
    x.writeAttribute(QStringLiteral("w:styleId"), QStringLiteral("Normal"));
    part.empty(QStringLiteral("w:name"), QStringLiteral("w:val"), QStringLiteral("Normal"));
    x.writeEmptyElement(QStringLiteral("w:qFormat"));
    x.writeEndElement();

    x.writeStartElement(QStringLiteral("w:style"));
    x.writeAttribute(QStringLiteral("w:type"), QStringLiteral("character"));
    x.writeAttribute(QStringLiteral("w:default"), QStringLiteral("1"));
    x.writeAttribute(QStringLiteral("w:styleId"), QStringLiteral("DefaultParagraphFont"));
    part.empty(QStringLiteral("w:name"), QStringLiteral("w:val"),
               QStringLiteral("Default Paragraph Font"));
    x.writeEmptyElement(QStringLiteral("w:semiHidden"));
    x.writeEndElement();

    x.writeEndElement(); // styles
    return part.finish();
}

QByteArray settings() {
    XmlPart part;
    XmlWriter& x = part.xml();
    x.writeStartElement(QStringLiteral("w:settings"));
    x.writeNamespace(kNsW, QStringLiteral("w"));
    x.writeNamespace(kNsM, QStringLiteral("m"));
    part.empty(QStringLiteral("w:defaultTabStop"), QStringLiteral("w:val"), QStringLiteral("708"));
    part.empty(QStringLiteral("w:characterSpacingControl"), QStringLiteral("w:val"),
               QStringLiteral("doNotCompress"));
    x.writeStartElement(QStringLiteral("w:compat"));
    x.writeEmptyElement(QStringLiteral("w:compatSetting"));
    x.writeAttribute(QStringLiteral("w:name"), QStringLiteral("compatibilityMode"));
    x.writeAttribute(QStringLiteral("w:uri"),
                     QStringLiteral("http://schemas.microsoft.com/office/word"));
    x.writeAttribute(QStringLiteral("w:val"), QStringLiteral("15"));
    x.writeEndElement();
    x.writeStartElement(QStringLiteral("m:mathPr"));
    part.empty(QStringLiteral("m:mathFont"), QStringLiteral("m:val"),
               QStringLiteral("Cambria Math"));
    x.writeEndElement();
    part.empty(QStringLiteral("w:decimalSymbol"), QStringLiteral("w:val"), QStringLiteral("."));
    part.empty(QStringLiteral("w:listSeparator"), QStringLiteral("w:val"), QStringLiteral(";"));
    x.writeEndElement();
    return part.finish();
}

// Writes word/document.xml and collects the pictures it refers to.
class BodyWriter {
  public:
    BodyWriter(const Document& document, std::vector<ZipFile>& media,
               std::vector<Relationship>& relations)
        : document_(document), media_(media), relations_(relations),
          baseHalfPoints_(document.pageSetup().fontSize * 2) {}

    bool write(QByteArray* out, QString* error) {
        XmlWriter& x = part_.xml();
        x.writeStartElement(QStringLiteral("w:document"));
        x.writeNamespace(kNsW, QStringLiteral("w"));
        x.writeNamespace(kNsR, QStringLiteral("r"));
        x.writeNamespace(kNsM, QStringLiteral("m"));
        x.writeNamespace(kNsWp, QStringLiteral("wp"));
        x.writeNamespace(kNsA, QStringLiteral("a"));
        x.writeNamespace(kNsPic, QStringLiteral("pic"));
        x.writeStartElement(QStringLiteral("w:body"));
        for (const Paragraph& paragraph : document_.paragraphs()) {
            if (!writeParagraph(paragraph, error))
                return false;
        }
        writeSection();
        x.writeEndElement(); // body
        x.writeEndElement(); // document
        *out = part_.finish();
        return true;
    }

  private:
    XmlWriter& x() { return part_.xml(); }

    bool writeParagraph(const Paragraph& paragraph, QString* error) {
        x().writeStartElement(QStringLiteral("w:p"));
        x().writeStartElement(QStringLiteral("w:pPr"));
        if (paragraph.keepWithNext)
            x().writeEmptyElement(QStringLiteral("w:keepNext"));
        const QString jc = paragraph.alignment == AlignCenter    ? QStringLiteral("center")
                           : paragraph.alignment == AlignJustify ? QStringLiteral("both")
                                                                 : QStringLiteral("left");
        part_.empty(QStringLiteral("w:jc"), QStringLiteral("w:val"), jc);
        x().writeEndElement();
        for (const Inline& item : paragraph.items) {
            switch (item.kind) {
            case Inline::Kind::Text:
                writeText(item);
                break;
            case Inline::Kind::Symbol:
                writeSymbol(item.format, item.symbol);
                break;
            case Inline::Kind::Picture:
                if (!writePicture(item, error))
                    return false;
                break;
            case Inline::Kind::Field:
                writeField(item);
                break;
            }
        }
        x().writeEndElement();
        return true;
    }

    void writeRunProperties(const CharFormat& format) {
        const bool sized = format.halfPoints != baseHalfPoints_;
        if (!format.bold && !sized && format.position == VerticalPosition::Baseline)
            return;
        x().writeStartElement(QStringLiteral("w:rPr"));
        if (format.bold) {
            x().writeEmptyElement(QStringLiteral("w:b"));
            x().writeEmptyElement(QStringLiteral("w:bCs"));
        }
        if (sized) {
            const QString size = QString::number(format.halfPoints);
            part_.empty(QStringLiteral("w:sz"), QStringLiteral("w:val"), size);
            part_.empty(QStringLiteral("w:szCs"), QStringLiteral("w:val"), size);
        }
        if (format.position != VerticalPosition::Baseline) {
            part_.empty(QStringLiteral("w:vertAlign"), QStringLiteral("w:val"),
                        format.position == VerticalPosition::Subscript
                            ? QStringLiteral("subscript")
                            : QStringLiteral("superscript"));
        }
        x().writeEndElement();
    }

    void writePreserved(const QString& element, const QString& text) {
        x().writeStartElement(element);
        x().writeAttribute(QStringLiteral("xml:space"), QStringLiteral("preserve"));
        x().writeCharacters(xmlSafe(text));
        x().writeEndElement();
    }

    void writeText(const Inline& item) {
        x().writeStartElement(QStringLiteral("w:r"));
        writeRunProperties(item.format);
        const QStringList pieces = item.text.split(QLatin1Char('\t'));
        for (qsizetype i = 0; i < pieces.size(); ++i) {
            if (i > 0)
                x().writeEmptyElement(QStringLiteral("w:tab"));
            if (!pieces[i].isEmpty())
                writePreserved(QStringLiteral("w:t"), pieces[i]);
        }
        x().writeEndElement();
    }

    void writeSymbol(const CharFormat& format, int code) {
        x().writeStartElement(QStringLiteral("w:r"));
        writeRunProperties(format);
        x().writeEmptyElement(QStringLiteral("w:sym"));
        x().writeAttribute(QStringLiteral("w:font"), QStringLiteral("Symbol"));
        x().writeAttribute(QStringLiteral("w:char"),
                           QStringLiteral("F%1").arg(code, 3, 16, QLatin1Char('0')).toUpper());
        x().writeEndElement();
    }

    void writeFieldChar(const CharFormat& format, const QString& type) {
        x().writeStartElement(QStringLiteral("w:r"));
        writeRunProperties(format);
        part_.empty(QStringLiteral("w:fldChar"), QStringLiteral("w:fldCharType"), type);
        x().writeEndElement();
    }

    // A complex field: its instruction is the equation code as typed, the reduced groups in
    // runs of their own; its shown result is the same formula as Office Math, so that it is
    // typeset without the fields being updated.
    void writeField(const Inline& item) {
        writeFieldChar(item.format, QStringLiteral("begin"));
        for (const FieldCodePart& part : item.field.parts) {
            CharFormat format = item.format;
            format.halfPoints = part.halfPoints;
            if (part.kind == FieldCodePart::Kind::Symbol) {
                writeSymbol(format, part.symbol);
                continue;
            }
            x().writeStartElement(QStringLiteral("w:r"));
            writeRunProperties(format);
            writePreserved(QStringLiteral("w:instrText"), part.text);
            x().writeEndElement();
        }
        writeFieldChar(item.format, QStringLiteral("separate"));
        writeOfficeMath(x(), item.field.math);
        writeFieldChar(item.format, QStringLiteral("end"));
    }

    // The package part of a picture. Copies of one image, or of one picture's PNG bytes
    // (the same orientation picture for several profiles), share one part.
    bool mediaFor(const Inline& item, QString* id, QString* file, QString* error) {
        const bool encoded = item.image.isNull();
        const MediaKey key{encoded, encoded ? reinterpret_cast<quintptr>(item.png.constData())
                                            : static_cast<quintptr>(item.image.cacheKey())};
        const auto known = mediaByKey_.find(key);
        if (known != mediaByKey_.end()) {
            *id = known->second.first;
            *file = known->second.second;
            return true;
        }
        const QByteArray png = encoded ? item.png : EncodePng(item.image);
        if (png.isEmpty()) {
            if (error)
                *error = Report::tr("Не удалось сохранить рисунок в формате PNG.");
            return false;
        }
        const int number = static_cast<int>(media_.size()) + 1;
        *file = QStringLiteral("image%1.png").arg(number);
        *id = QStringLiteral("rIdImage%1").arg(number);
        // PNG data is compressed already: the part is stored as it is.
        media_.push_back({QStringLiteral("word/media/") + *file, png, false});
        relations_.push_back(
            {*id, kRelBase + QStringLiteral("image"), QStringLiteral("media/") + *file});
        mediaByKey_.emplace(key, std::make_pair(*id, *file));
        return true;
    }

    bool writePicture(const Inline& item, QString* error) {
        QString id;
        QString file;
        if (!mediaFor(item, &id, &file, error))
            return false;
        const int number = ++drawings_;

        // The picture keeps its pixel size unless it is larger than the text area.
        const PageSetup& page = document_.pageSetup();
        const double maxWidth =
            (page.pageWidth - page.leftMargin - page.rightMargin) * kEmuPerPoint;
        const double maxHeight =
            (page.pageHeight - page.topMargin - page.bottomMargin) * kEmuPerPoint;
        double cx = double(item.size.width()) * kEmuPerPixel;
        double cy = double(item.size.height()) * kEmuPerPixel;
        const double scale = std::min({1.0, maxWidth / cx, maxHeight / cy});
        const QString width = QString::number(std::llround(cx * scale));
        const QString height = QString::number(std::llround(cy * scale));

        XmlWriter& w = x();
        w.writeStartElement(QStringLiteral("w:r"));
        w.writeStartElement(QStringLiteral("w:drawing"));
        w.writeStartElement(QStringLiteral("wp:inline"));
        for (const char* distance : {"distT", "distB", "distL", "distR"})
            w.writeAttribute(QLatin1String(distance), QStringLiteral("0"));
        w.writeEmptyElement(QStringLiteral("wp:extent"));
        w.writeAttribute(QStringLiteral("cx"), width);
        w.writeAttribute(QStringLiteral("cy"), height);
        w.writeEmptyElement(QStringLiteral("wp:effectExtent"));
        for (const char* side : {"l", "t", "r", "b"})
            w.writeAttribute(QLatin1String(side), QStringLiteral("0"));
        w.writeEmptyElement(QStringLiteral("wp:docPr"));
        w.writeAttribute(QStringLiteral("id"), QString::number(number));
        w.writeAttribute(QStringLiteral("name"), Report::tr("Рисунок %1").arg(number));
        w.writeStartElement(QStringLiteral("wp:cNvGraphicFramePr"));
        part_.empty(QStringLiteral("a:graphicFrameLocks"), QStringLiteral("noChangeAspect"),
                    QStringLiteral("1"));
        w.writeEndElement();
        w.writeStartElement(QStringLiteral("a:graphic"));
        w.writeStartElement(QStringLiteral("a:graphicData"));
        w.writeAttribute(QStringLiteral("uri"), kNsPic);
        w.writeStartElement(QStringLiteral("pic:pic"));
        w.writeStartElement(QStringLiteral("pic:nvPicPr"));
        w.writeEmptyElement(QStringLiteral("pic:cNvPr"));
        w.writeAttribute(QStringLiteral("id"), QString::number(number));
        w.writeAttribute(QStringLiteral("name"), file);
        w.writeEmptyElement(QStringLiteral("pic:cNvPicPr"));
        w.writeEndElement(); // nvPicPr
        w.writeStartElement(QStringLiteral("pic:blipFill"));
        part_.empty(QStringLiteral("a:blip"), QStringLiteral("r:embed"), id);
        w.writeStartElement(QStringLiteral("a:stretch"));
        w.writeEmptyElement(QStringLiteral("a:fillRect"));
        w.writeEndElement();
        w.writeEndElement(); // blipFill
        w.writeStartElement(QStringLiteral("pic:spPr"));
        w.writeStartElement(QStringLiteral("a:xfrm"));
        w.writeEmptyElement(QStringLiteral("a:off"));
        w.writeAttribute(QStringLiteral("x"), QStringLiteral("0"));
        w.writeAttribute(QStringLiteral("y"), QStringLiteral("0"));
        w.writeEmptyElement(QStringLiteral("a:ext"));
        w.writeAttribute(QStringLiteral("cx"), width);
        w.writeAttribute(QStringLiteral("cy"), height);
        w.writeEndElement(); // xfrm
        w.writeStartElement(QStringLiteral("a:prstGeom"));
        w.writeAttribute(QStringLiteral("prst"), QStringLiteral("rect"));
        w.writeEmptyElement(QStringLiteral("a:avLst"));
        w.writeEndElement();
        w.writeEndElement(); // spPr
        w.writeEndElement(); // pic
        w.writeEndElement(); // graphicData
        w.writeEndElement(); // graphic
        w.writeEndElement(); // inline
        w.writeEndElement(); // drawing
        w.writeEndElement(); // r
        return true;
    }

    void writeSection() {
        const PageSetup& page = document_.pageSetup();
        x().writeStartElement(QStringLiteral("w:sectPr"));
        x().writeEmptyElement(QStringLiteral("w:pgSz"));
        x().writeAttribute(QStringLiteral("w:w"), twips(page.pageWidth));
        x().writeAttribute(QStringLiteral("w:h"), twips(page.pageHeight));
        x().writeEmptyElement(QStringLiteral("w:pgMar"));
        x().writeAttribute(QStringLiteral("w:top"), twips(page.topMargin));
        x().writeAttribute(QStringLiteral("w:right"), twips(page.rightMargin));
        x().writeAttribute(QStringLiteral("w:bottom"), twips(page.bottomMargin));
        x().writeAttribute(QStringLiteral("w:left"), twips(page.leftMargin));
        x().writeAttribute(QStringLiteral("w:header"), QStringLiteral("708"));
        x().writeAttribute(QStringLiteral("w:footer"), QStringLiteral("708"));
        x().writeAttribute(QStringLiteral("w:gutter"), QStringLiteral("0"));
        x().writeEndElement();
    }

    const Document& document_;
    std::vector<ZipFile>& media_;
    std::vector<Relationship>& relations_;
    int baseHalfPoints_;
    int drawings_ = 0;
    // A picture's bytes (true) or an image's cache key (false).
    using MediaKey = std::pair<bool, quintptr>;
    std::map<MediaKey, std::pair<QString, QString>> mediaByKey_;
    XmlPart part_;
};

} // namespace

QByteArray EncodePng(const QImage& image) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        return {};
    return png;
}

QByteArray buildDocx(const Document& document, QString* error) {
    QString message;
    std::vector<ZipFile> media;
    std::vector<Relationship> documentRelations = {
        {QStringLiteral("rIdStyles"), kRelBase + QStringLiteral("styles"),
         QStringLiteral("styles.xml")},
        {QStringLiteral("rIdSettings"), kRelBase + QStringLiteral("settings"),
         QStringLiteral("settings.xml")},
    };
    QByteArray body;
    BodyWriter writer(document, media, documentRelations);
    if (!writer.write(&body, &message)) {
        if (error)
            *error = message;
        return {};
    }

    std::vector<ZipFile> parts;
    parts.push_back({QStringLiteral("[Content_Types].xml"), contentTypes()});
    parts.push_back(
        {QStringLiteral("_rels/.rels"),
         relationships({{QStringLiteral("rIdDocument"), kRelBase + QStringLiteral("officeDocument"),
                         QStringLiteral("word/document.xml")}})});
    parts.push_back({QStringLiteral("word/document.xml"), body});
    parts.push_back(
        {QStringLiteral("word/_rels/document.xml.rels"), relationships(documentRelations)});
    parts.push_back({QStringLiteral("word/styles.xml"), styles(document.pageSetup())});
    parts.push_back({QStringLiteral("word/settings.xml"), settings()});
    for (ZipFile& part : media)
        parts.push_back(std::move(part));

    QByteArray package;
    if (!ZipFiles(parts, &package, &message)) {
        if (error)
            *error = Report::tr("Не удалось собрать документ: %1").arg(message);
        return {};
    }
    return package;
}

bool writeDocx(const Document& document, const QString& path, QString* error) {
    QString message;
    const QByteArray package = buildDocx(document, &message);
    if (package.isEmpty()) {
        if (error)
            *error = message;
        return false;
    }
    QString reason;
    if (!io::WriteFileSafely(path, package, &reason)) {
        if (error)
            *error = Report::tr("Не удалось записать файл «%1»: %2.").arg(path, reason);
        return false;
    }
    return true;
}

} // namespace karo::report
