#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace karo::report {

// A file of a zip archive: its name (stored as UTF-8) and its bytes, deflated or stored as
// they are (data compressed already, such as PNG, gains nothing from a second pass).
struct ZipFile {
    QString name;
    QByteArray data;
    bool deflate = true;
};

// The files, in their order, as a zip archive held in `out`: each with its checksum and sizes
// in its own header (no data descriptors), then the central directory. Without the ZIP64
// extensions, so a file or an archive from 4 GiB on, or 65,535 files and more, is refused.
// False, with `error` set to the reason in Russian, when the archive cannot be made.
bool ZipFiles(const std::vector<ZipFile>& files, QByteArray* out, QString* error);

} // namespace karo::report
