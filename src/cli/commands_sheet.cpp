#include "cli/cli.h"
#include "cli/drawn_section.h"

#include "io/safe_file.h"
#include "picture/result_sheet.h"
#include "properties_view/properties_picture.h"
#include "texts/message_text.h"

#include <QBuffer>

#include <ostream>

namespace karo::cli {
namespace {

std::string native(const QString& path) {
    return io::EncodeFileName(path).toStdString();
}

int sheetCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    DrawnSection d;
    if (!ParseDrawing("sheet", args, {"-o"}, d, err))
        return kRefused;
    if (const int code = DrawSection(d, err); code >= 0)
        return code;
    const QImage sheet = BuildResultSheet(d.picture.image(), ResultFieldTexts(d.result));
    // The same name rule as the save button: the file always ends in ".bmp".
    QString error;
    const QString path = SheetTarget(FileArgument(d.options["-o"]), &error);
    if (path.isEmpty() || !SaveSheetBmp(sheet, path, &error)) {
        err << error.toStdString() << "\n";
        return kFailure;
    }
    out << native(path) << "\n";
    return kSolved;
}

// Writes `bytes` to `path` through a temporary file renamed into place.
bool writeAtomically(const QString& path, const QByteArray& bytes, std::ostream& err) {
    QString reason;
    if (io::WriteFileSafely(path, bytes, &reason))
        return true;
    err << Cli::tr("Не удалось сохранить «%1»: %2.").arg(path, reason).toStdString() << "\n";
    return false;
}

// The properties' picture: the solid, its axes, shear centre and kern; SVG for a name
// ending in .svg, PNG otherwise.
int propertiesPicture(DrawnSection& d, std::ostream& err) {
    const properties::PropertiesSnapshot s = properties::ComputePropertiesSnapshot(d.model);
    switch (s.result.status) {
    case properties::PropertiesStatus::Solved:
        break;
    case properties::PropertiesStatus::UnknownThicknesses:
    case properties::PropertiesStatus::NoSection:
        err << MessageString(properties::PropertiesRefusal(s.result)) << "\n";
        return kRefused;
    case properties::PropertiesStatus::ArithmeticFault:
    case properties::PropertiesStatus::Cancelled:
        err << MessageString(properties::PropertiesRefusal(s.result)) << "\n";
        return kFailure;
    }
    const QString path = FileArgument(d.options["-o"]);
    const properties::PictureOptions options;
    QByteArray bytes;
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        bytes = properties::PropertiesPictureSvg(s, options);
    } else {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        properties::DrawPropertiesPicture(s, options).save(&buffer, "PNG");
    }
    return writeAtomically(path, bytes, err) ? kSolved : kFailure;
}

int pictureCommand(const std::vector<std::string>& givenArgs, std::ostream&, std::ostream& err) {
    // --properties chooses the other picture; the rest is read as for the section picture.
    std::vector<std::string> args;
    bool props = false;
    for (const std::string& a : givenArgs) {
        if (a == "--properties")
            props = true;
        else
            args.push_back(a);
    }
    DrawnSection d;
    if (!ParseDrawing("picture", args, {"-o"}, d, err))
        return kRefused;
    if (const int code = DrawSection(d, err); code >= 0)
        return code;
    if (props)
        return propertiesPicture(d, err);
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (!d.picture.image().save(&buffer, "PNG")) {
            err << Cli::tr("Не удалось закодировать рисунок в PNG.").toStdString() << "\n";
            return kFailure;
        }
    }
    return writeAtomically(FileArgument(d.options["-o"]), bytes, err) ? kSolved : kFailure;
}

} // namespace

// The result sheet and the section picture.
void AddSheetRuns(std::map<std::string, CommandRun>& runs) {
    runs["sheet"] = sheetCommand;
    runs["picture"] = pictureCommand;
}

} // namespace karo::cli
