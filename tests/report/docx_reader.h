#pragma once

#include "qstring_print.h"

#include <QByteArray>
#include <QString>
#include <QXmlStreamAttributes>
#include <map>
#include <vector>

namespace karo::report::testing {

// The files of a zip package by name; empty when it cannot be read.
std::map<QString, QByteArray> unzipPackage(const QByteArray& package);

// One XML element in document order: its qualified name, attributes and the text directly
// inside it.
struct XmlElement {
    QString name;
    QXmlStreamAttributes attributes;
    QString text;
    int depth = 0;

    QString attribute(const QString& qualifiedName) const {
        for (const auto& a : attributes)
            if (a.qualifiedName() == qualifiedName)
                return a.value().toString();
        return {};
    }
};

// Empty when the XML is not well-formed.
std::vector<XmlElement> readElements(const QByteArray& xml);

} // namespace karo::report::testing
