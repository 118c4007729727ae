#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace karo::report {

class Document;

// The picture as PNG bytes, as the package stores it; empty when it cannot be encoded.
QByteArray EncodePng(const QImage& image);

// The document as an Office Open XML word-processing package (.docx). Empty, with `error`
// set, when the package cannot be made.
QByteArray buildDocx(const Document& document, QString* error = nullptr);

// Writes the package to `path` through a temporary file in the same folder that replaces the
// target only once it is complete, so a failed write never leaves a half-written file.
bool writeDocx(const Document& document, const QString& path, QString* error = nullptr);

} // namespace karo::report
