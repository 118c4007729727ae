#include "cli/cli.h"
#include "cli/drawn_section.h"

#include "io/safe_file.h"
#include "picture/result_sheet.h"

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
    err << QStringLiteral("Не удалось сохранить «%1»: %2.").arg(path, reason).toStdString() << "\n";
    return false;
}

int pictureCommand(const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
    DrawnSection d;
    if (!ParseDrawing("picture", args, {"-o"}, d, err))
        return kRefused;
    if (const int code = DrawSection(d, err); code >= 0)
        return code;
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (!d.picture.image().save(&buffer, "PNG")) {
            err << "Не удалось закодировать рисунок в PNG.\n";
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
