#include "docx_reader.h"

#include <QXmlStreamReader>
#include <zip.h>

namespace karo::report::testing {

std::map<QString, QByteArray> unzipPackage(const QByteArray& package) {
    std::map<QString, QByteArray> files;
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(package.constData(), package.size(), 0, &error);
    zip_t* archive = source ? zip_open_from_source(source, ZIP_RDONLY, &error) : nullptr;
    zip_error_fini(&error);
    if (!archive) {
        if (source)
            zip_source_free(source);
        return files;
    }
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t stat;
        if (zip_stat_index(archive, i, 0, &stat) != 0)
            continue;
        zip_file_t* file = zip_fopen_index(archive, i, 0);
        if (!file)
            continue;
        QByteArray data(static_cast<qsizetype>(stat.size), '\0');
        const zip_int64_t read = zip_fread(file, data.data(), stat.size);
        zip_fclose(file);
        if (read == static_cast<zip_int64_t>(stat.size))
            files[QString::fromUtf8(stat.name)] = data;
    }
    zip_discard(archive);
    return files;
}

std::vector<XmlElement> readElements(const QByteArray& xml) {
    std::vector<XmlElement> elements;
    std::vector<std::size_t> open;
    QXmlStreamReader reader(xml);
    reader.setNamespaceProcessing(false);
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement:
            open.push_back(elements.size());
            elements.push_back({reader.qualifiedName().toString(), reader.attributes(), QString(),
                                static_cast<int>(open.size())});
            break;
        case QXmlStreamReader::EndElement:
            open.pop_back();
            break;
        case QXmlStreamReader::Characters:
            if (!open.empty())
                elements[open.back()].text += reader.text();
            break;
        default:
            break;
        }
    }
    if (reader.hasError())
        return {};
    return elements;
}

} // namespace karo::report::testing
