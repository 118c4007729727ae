#include "texts/standard_text.h"

#include <QCoreApplication>

namespace karo {

QString StandardText(std::string_view standard) {
    static constexpr std::string_view kGost = "ГОСТ";
    const QString text =
        QString::fromUtf8(standard.data(), static_cast<qsizetype>(standard.size()));
    if (!standard.starts_with(kGost))
        return text;
    //: The Russian national standard's abbreviation, as it is written in the reader's script.
    return QCoreApplication::translate("Standards", "ГОСТ") +
           text.mid(QString::fromUtf8(kGost.data(), kGost.size()).size());
}

} // namespace karo
