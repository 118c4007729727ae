#include "io/section_file.h"

#include "io/to_qstring.h"

#include "io/safe_file.h"
#include "model/commit.h"
#include "model/messages.h"
#include "model/orientation.h"
#include "texts/message_text.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <charconv>
#include <cmath>
#include <memory>
#include <optional>

namespace karo {
namespace {

// Larger than any section the model can hold by orders of magnitude.
constexpr qint64 kMaxFileSize = 4 * 1024 * 1024;

QString fileLabel(const QString& fileName) {
    const QString name = QFileInfo(fileName).fileName();
    return name.isEmpty() ? fileName : name; // "/", "dir/": the path itself
}

// The text a JSON number stands for: its shortest exact decimal form.
QString numberText(double v) {
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, v);
    return QString::fromLatin1(buf, res.ptr - buf);
}

// Qt's texts for these are English.
QString jsonErrorText(QJsonParseError::ParseError e) {
    switch (e) {
    case QJsonParseError::UnterminatedObject:
    case QJsonParseError::UnterminatedArray:
    case QJsonParseError::UnterminatedString:
        return QStringLiteral("текст оборван");
    case QJsonParseError::MissingNameSeparator:
    case QJsonParseError::MissingValueSeparator:
    case QJsonParseError::MissingObject:
        return QStringLiteral("пропущен разделитель");
    case QJsonParseError::IllegalValue:
    case QJsonParseError::IllegalNumber:
    case QJsonParseError::IllegalEscapeSequence:
    case QJsonParseError::IllegalUTF8String:
        return QStringLiteral("недопустимое значение");
    case QJsonParseError::DeepNesting:
        return QStringLiteral("слишком глубокая вложенность");
    case QJsonParseError::DocumentTooLarge:
        return QStringLiteral("документ слишком велик");
    case QJsonParseError::GarbageAtEnd:
        return QStringLiteral("лишний текст в конце");
    default:
        return QStringLiteral("ошибка разбора");
    }
}

std::optional<int> wholeNumber(const QJsonValue& v) {
    if (!v.isDouble())
        return std::nullopt;
    const double d = v.toDouble();
    if (!(std::fabs(d) < 1e9) || d != std::floor(d))
        return std::nullopt;
    return static_cast<int>(d);
}

class JsonEntryTexts : public FieldTexts {
  public:
    explicit JsonEntryTexts(const QJsonObject& o) : obj_(o) {}
    std::string fieldText(Kind kind, int field) const override {
        const FieldInfo& f = kindInfo(kind).fields[static_cast<std::size_t>(field)];
        const QJsonValue v = obj_.value(ToQString(f.key));
        if (v.isDouble())
            return numberText(v.toDouble()).toStdString();
        return v.toString().toStdString();
    }

  private:
    QJsonObject obj_;
};

struct Loader {
    QString file;
    Unfinished unfinished = Unfinished::Refused;
    LoadReport report;

    bool fail(LoadReport::Status s, const QString& message) {
        report.status = s;
        report.message = message;
        return false;
    }
    bool malformed(const QString& where) {
        return fail(LoadReport::Status::Malformed,
                    QStringLiteral("Файл «%1»: %2").arg(file, where));
    }

    bool loadKind(Kind kind, const QJsonValue& value, TSectionModel& m) {
        const KindInfo& info = kindInfo(kind);
        const QString kindName = ToQString(info.caption);
        if (!value.isObject())
            return malformed(QStringLiteral("%1: ожидается объект").arg(kindName));
        const QJsonObject o = value.toObject();
        for (auto it = o.begin(); it != o.end(); ++it) {
            const QString key = it.key();
            const bool known = key == u"entries" || key == u"current" ||
                               (key == u"orientation" && info.codeCount > 0);
            if (!known)
                return malformed(QStringLiteral("%1: неизвестное поле «%2»").arg(kindName, key));
        }

        int kindCode = info.startCode;
        if (o.contains(u"orientation")) {
            const auto c = wholeNumber(o.value(u"orientation"));
            if (!c || !IsValidCode(kind, *c))
                return malformed(QStringLiteral("%1: положение вне диапазона 1..%2")
                                     .arg(kindName)
                                     .arg(info.codeCount));
            kindCode = *c;
        }

        const QJsonValue entriesValue = o.value(u"entries");
        if (!entriesValue.isUndefined() && !entriesValue.isArray())
            return malformed(QStringLiteral("%1: «entries» должен быть списком").arg(kindName));
        const QJsonArray entries = entriesValue.toArray();
        if (entries.size() > MaxEntriesPerKind)
            return malformed(
                QStringLiteral("%1: больше %2 профилей").arg(kindName).arg(MaxEntriesPerKind));
        const int count = static_cast<int>(entries.size());

        int current = count > 0 ? 1 : 0;
        if (o.contains(u"current")) {
            const auto c = wholeNumber(o.value(u"current"));
            const bool ok = c && (count > 0 ? *c >= 1 && *c <= count : *c == 0 || *c == 1);
            if (!ok)
                return malformed(
                    QStringLiteral("%1: номер показанного профиля вне диапазона").arg(kindName));
            current = count > 0 ? *c : 0;
        }

        TKindState& st = m.state(kind);
        st.Count = count;
        for (int n = 1; n <= count; ++n) {
            const QJsonValue ev = entries.at(n - 1);
            if (!ev.isObject())
                return malformed(QStringLiteral("%1: ожидается объект").arg(PlaceText(kind, n)));
            const QJsonObject e = ev.toObject();
            int code = kindCode;
            for (auto it = e.begin(); it != e.end(); ++it) {
                const QString key = it.key();
                if (key == u"orientation" && info.codeCount > 0) {
                    const auto c = wholeNumber(it.value());
                    if (!c || !IsValidCode(kind, *c))
                        return malformed(QStringLiteral("%1: положение вне диапазона 1..%2")
                                             .arg(PlaceText(kind, n))
                                             .arg(info.codeCount));
                    code = *c;
                    continue;
                }
                const int field = fieldIndex(kind, key.toStdString());
                if (field < 0)
                    return malformed(
                        QStringLiteral("%1: неизвестное поле «%2»").arg(PlaceText(kind, n), key));
                if (!it.value().isString() && !it.value().isDouble())
                    return malformed(QStringLiteral("%1: ожидается число или текст")
                                         .arg(PlaceText(kind, n, field)));
            }
            st.Orientation = code;
            const JsonEntryTexts texts(e);
            const CommitResult r = CommitEntry(m, kind, n, texts);
            if (r.rejected() && n == current && unfinished == Unfinished::Kept) {
                // Unfinished, as the user left it: every text as typed.
                for (std::size_t i = 0; i < info.fields.size(); ++i)
                    m.text(kind, n, info.fields[i].slot) =
                        texts.fieldText(kind, static_cast<int>(i));
                continue;
            }
            if (r.rejected())
                return fail(LoadReport::Status::Refused,
                            QStringLiteral("%1 Файл «%2»: %3.\n%4")
                                .arg(MessageText(MessageCode::InputError), file,
                                     PlaceText(kind, n, r.rejectedField),
                                     MessageText(RejectionMessage(kind, r))));
            if (r.warned())
                report.warnings.push_back({kind, n, r.warning});
        }
        // The tab shows the position of the profile on show; the kind's own code matters
        // only to an empty kind. Window and command line then solve the same section.
        st.Orientation = current > 0 ? m.entryOrientation(kind, current) : kindCode;
        st.CurrentNumber = current;
        return true;
    }

    bool load(const QByteArray& json, TSectionModel& m) {
        QJsonParseError err{};
        const QJsonDocument doc = QJsonDocument::fromJson(json, &err);
        if (err.error != QJsonParseError::NoError)
            return malformed(QStringLiteral("не JSON (%1, позиция %2)")
                                 .arg(jsonErrorText(err.error))
                                 .arg(err.offset));
        if (!doc.isObject())
            return malformed(QStringLiteral("не файл сечения"));
        const QJsonObject root = doc.object();
        for (auto it = root.begin(); it != root.end(); ++it) {
            if (it.key() != u"format" && it.key() != u"version" && it.key() != u"kinds")
                return malformed(QStringLiteral("неизвестное поле «%1»").arg(it.key()));
        }
        if (root.value(u"format").toString() != u"karo-section")
            return malformed(QStringLiteral("не файл сечения (формат «%1»)")
                                 .arg(root.value(u"format").toString()));
        const auto version = wholeNumber(root.value(u"version"));
        if (!version || *version < 1)
            return malformed(QStringLiteral("неверная версия формата"));
        if (*version > kSectionFormatVersion)
            return malformed(QStringLiteral("версия %1 новее, чем понимает программа (%2)")
                                 .arg(*version)
                                 .arg(kSectionFormatVersion));
        const QJsonValue kindsValue = root.value(u"kinds");
        if (!kindsValue.isUndefined() && !kindsValue.isObject())
            return malformed(QStringLiteral("«kinds» должен быть объектом"));
        const QJsonObject kinds = kindsValue.toObject();
        for (auto it = kinds.begin(); it != kinds.end(); ++it) {
            Kind k;
            if (!kindFromPrefix(it.key().toStdString(), k))
                return malformed(QStringLiteral("неизвестный вид профиля «%1»").arg(it.key()));
        }
        // Kinds are loaded in tab order, whatever order the file lists them in.
        for (Kind k : TabOrder) {
            const QString key = ToQString(kindInfo(k).prefix);
            if (kinds.contains(key) && !loadKind(k, kinds.value(key), m))
                return false;
        }
        return true;
    }
};

} // namespace

QString PlaceText(Kind kind, int entry, int field) {
    const KindInfo& info = kindInfo(kind);
    QString s = QStringLiteral("%1, профиль %2").arg(ToQString(info.caption)).arg(entry);
    if (field >= 0 && static_cast<std::size_t>(field) < info.fields.size())
        s += QStringLiteral(", поле %1")
                 .arg(ToQString(info.fields[static_cast<std::size_t>(field)].key));
    return s;
}

QString WarningText(const SectionWarning& w) {
    return QStringLiteral("Предупреждение: %1. %2")
        .arg(PlaceText(w.kind, w.entry), MessageText(CrossCheckCode(w.kind, w.check)));
}

namespace {

LoadReport loadLabelled(const QByteArray& json, const QString& label, TSectionModel& out,
                        Unfinished unfinished) {
    Loader loader{label, unfinished, {}};
    // Swapped in only when the whole file is accepted. A model is large: kept off the stack.
    const auto fresh = std::make_unique<TSectionModel>();
    if (loader.load(json, *fresh))
        out = *fresh;
    return loader.report;
}

} // namespace

LoadReport LoadSection(const QByteArray& json, const QString& fileName, TSectionModel& out,
                       Unfinished unfinished) {
    return loadLabelled(json, fileLabel(fileName), out, unfinished);
}

LoadReport LoadSectionFile(const QString& path, TSectionModel& out, const QString& label,
                           Unfinished unfinished) {
    const QString name = label.isEmpty() ? fileLabel(path) : label;
    QByteArray data;
    QString reason;
    if (!io::ReadRegularFile(path, kMaxFileSize, &data, &reason)) {
        LoadReport report;
        report.status = LoadReport::Status::Unreadable;
        report.message = QStringLiteral("Не удается прочитать файл «%1»: %2.").arg(name, reason);
        return report;
    }
    return loadLabelled(data, name, out, unfinished);
}

QByteArray SaveSection(const TSectionModel& model) {
    QJsonObject kinds;
    for (Kind k : TabOrder) {
        const KindInfo& info = kindInfo(k);
        const TKindState& st = model.state(k);
        QJsonObject ko;
        if (info.codeCount > 0)
            ko.insert(u"orientation", st.Orientation);
        ko.insert(u"current", st.Count > 0 ? st.CurrentNumber : 1);
        QJsonArray entries;
        for (int n = 1; n <= st.Count; ++n) {
            QJsonObject e;
            if (info.codeCount > 0)
                e.insert(u"orientation", model.entryOrientation(k, n));
            for (const FieldInfo& f : info.fields)
                e.insert(ToQString(f.key), QString::fromStdString(model.text(k, n, f.slot)));
            entries.append(e);
        }
        ko.insert(u"entries", entries);
        kinds.insert(ToQString(info.prefix), ko);
    }
    QJsonObject root;
    root.insert(u"format", QStringLiteral("karo-section"));
    root.insert(u"version", kSectionFormatVersion);
    root.insert(u"kinds", kinds);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool SaveSectionFile(const QString& path, const TSectionModel& model, QString* error) {
    return io::WriteFileSafely(path, SaveSection(model), error);
}

} // namespace karo
