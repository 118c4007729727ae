#include "report_view.h"

#include "docx_reader.h"

#include <QFile>
#include <QXmlStreamReader>

namespace karo::report::testing {

namespace {

QString attr(const QXmlStreamReader& r, const char* name) {
    return r.attributes().value(QLatin1String(name)).toString();
}

bool isOn(const QXmlStreamReader& r) {
    const QString v = attr(r, "w:val");
    return v.isEmpty() || (v != QLatin1String("0") && v != QLatin1String("false"));
}

} // namespace

int ReportView::find(const QString& text, int from) const {
    for (int i = std::max(from, 0); i < static_cast<int>(paragraphs.size()); ++i)
        if (paragraphs[static_cast<std::size_t>(i)].text == text)
            return i;
    return -1;
}

int ReportView::findPrefix(const QString& prefix, int from) const {
    for (int i = std::max(from, 0); i < static_cast<int>(paragraphs.size()); ++i)
        if (paragraphs[static_cast<std::size_t>(i)].text.startsWith(prefix))
            return i;
    return -1;
}

int ReportView::fieldCount() const {
    int n = 0;
    for (const ViewParagraph& p : paragraphs)
        n += static_cast<int>(p.fields.size());
    return n;
}

QString ReportView::allText() const {
    QString out;
    for (const ViewParagraph& p : paragraphs)
        out += p.text + QLatin1Char('\n');
    return out;
}

ReportView ReadReport(const QString& path) {
    ReportView view;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return view;
    const auto files = unzipPackage(file.readAll());
    const auto doc = files.find(QStringLiteral("word/document.xml"));
    if (doc == files.end())
        return view;
    for (const auto& [name, data] : files)
        view.mediaCount += name.startsWith(QLatin1String("word/media/")) ? 1 : 0;
    view.documentXml = doc->second;

    QXmlStreamReader r(view.documentXml);
    r.setNamespaceProcessing(false);
    ViewParagraph* para = nullptr;
    bool bold = false;
    QString vert;
    int size = 0;
    enum { Outside, Code, Result } field = Outside;
    ViewField current;

    const auto put = [&](const QString& text) {
        if (!para)
            return;
        if (field == Code) {
            current.code += text;
            current.parts.emplace_back(text, size);
            return;
        }
        if (field == Result)
            return;
        QString marked = text;
        if (vert == QLatin1String("subscript"))
            marked = QStringLiteral("_{") + text + QLatin1Char('}');
        else if (vert == QLatin1String("superscript"))
            marked = QStringLiteral("^{") + text + QLatin1Char('}');
        para->text += marked;
        if (bold)
            para->boldText += text;
    };

    while (!r.atEnd()) {
        const auto token = r.readNext();
        if (token == QXmlStreamReader::EndElement && r.qualifiedName() == QLatin1String("w:p")) {
            para = nullptr;
            continue;
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        const auto name = r.qualifiedName();
        if (name == QLatin1String("w:p")) {
            view.paragraphs.emplace_back();
            para = &view.paragraphs.back();
            para->alignment = QStringLiteral("left");
        } else if (name == QLatin1String("w:keepNext") && para) {
            para->keepNext = isOn(r);
        } else if (name == QLatin1String("w:jc") && para) {
            para->alignment = attr(r, "w:val");
        } else if (name == QLatin1String("w:r")) {
            bold = false;
            vert.clear();
            size = 0;
        } else if (name == QLatin1String("w:b")) {
            bold = isOn(r);
        } else if (name == QLatin1String("w:vertAlign")) {
            vert = attr(r, "w:val");
        } else if (name == QLatin1String("w:sz")) {
            size = attr(r, "w:val").toInt();
        } else if (name == QLatin1String("w:t")) {
            put(r.readElementText());
        } else if (name == QLatin1String("w:tab")) {
            put(QStringLiteral("\t"));
        } else if (name == QLatin1String("w:sym")) {
            const int code = attr(r, "w:char").toInt(nullptr, 16) - 0xF000;
            put(QStringLiteral("[%1]").arg(code));
        } else if (name == QLatin1String("w:instrText")) {
            if (field == Code) {
                const QString text = r.readElementText();
                current.code += text;
                current.parts.emplace_back(text, size);
            }
        } else if (name == QLatin1String("w:drawing") && para && field == Outside) {
            para->text += QLatin1Char('#');
            ++para->pictures;
        } else if (name == QLatin1String("w:fldChar")) {
            const QString type = attr(r, "w:fldCharType");
            if (type == QLatin1String("begin")) {
                field = Code;
                current = {};
            } else if (type == QLatin1String("separate")) {
                field = Result;
            } else if (type == QLatin1String("end") && para) {
                field = Outside;
                para->text += QLatin1Char('{') + current.code + QLatin1Char('}');
                para->fields.push_back(current);
            }
        } else if (name == QLatin1String("w:pgSz")) {
            view.pageWidth = attr(r, "w:w").toInt();
            view.pageHeight = attr(r, "w:h").toInt();
        } else if (name == QLatin1String("w:pgMar")) {
            view.marginTop = attr(r, "w:top").toInt();
            view.marginBottom = attr(r, "w:bottom").toInt();
            view.marginLeft = attr(r, "w:left").toInt();
            view.marginRight = attr(r, "w:right").toInt();
        }
    }
    view.ok = !r.hasError();
    return view;
}

} // namespace karo::report::testing
