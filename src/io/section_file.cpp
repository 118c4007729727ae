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
#include <initializer_list>
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

// The file's own messages, made at the one edge with their arguments shown as they are.
QString fileText(MessageCode code, std::initializer_list<QString> args = {}) {
    Message m{code, {}};
    for (const QString& a : args)
        m.args.push_back({a.toStdString(), false});
    return MessageText(m);
}

// Qt's texts for these are English.
QString jsonErrorText(QJsonParseError::ParseError e) {
    switch (e) {
    case QJsonParseError::UnterminatedObject:
    case QJsonParseError::UnterminatedArray:
    case QJsonParseError::UnterminatedString:
        return fileText(MessageCode::FileJsonTruncated);
    case QJsonParseError::MissingNameSeparator:
    case QJsonParseError::MissingValueSeparator:
    case QJsonParseError::MissingObject:
        return fileText(MessageCode::FileJsonMissingSeparator);
    case QJsonParseError::IllegalValue:
    case QJsonParseError::IllegalNumber:
    case QJsonParseError::IllegalEscapeSequence:
    case QJsonParseError::IllegalUTF8String:
        return fileText(MessageCode::FileJsonIllegalValue);
    case QJsonParseError::DeepNesting:
        return fileText(MessageCode::FileJsonDeepNesting);
    case QJsonParseError::DocumentTooLarge:
        return fileText(MessageCode::FileJsonTooLarge);
    case QJsonParseError::GarbageAtEnd:
        return fileText(MessageCode::FileJsonGarbageAtEnd);
    default:
        return fileText(MessageCode::FileJsonParseError);
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
                    fileText(MessageCode::FileMalformed, {file, where}));
    }

    bool loadKind(Kind kind, const QJsonValue& value, TSectionModel& m) {
        const KindInfo& info = kindInfo(kind);
        const QString kindName = TermText(info.caption);
        if (!value.isObject())
            return malformed(fileText(MessageCode::FileObjectExpected, {kindName}));
        const QJsonObject o = value.toObject();
        for (auto it = o.begin(); it != o.end(); ++it) {
            const QString key = it.key();
            const bool known = key == u"entries" || key == u"current" ||
                               (key == u"orientation" && info.codeCount > 0);
            if (!known)
                return malformed(fileText(MessageCode::FileUnknownKindField, {kindName, key}));
        }

        int kindCode = info.startCode;
        if (o.contains(u"orientation")) {
            const auto c = wholeNumber(o.value(u"orientation"));
            if (!c || !IsValidCode(kind, *c))
                return malformed(fileText(MessageCode::FileCodeOutOfRange,
                                          {kindName, QString::number(info.codeCount)}));
            kindCode = *c;
        }

        const QJsonValue entriesValue = o.value(u"entries");
        if (!entriesValue.isUndefined() && !entriesValue.isArray())
            return malformed(fileText(MessageCode::FileEntriesNotList, {kindName}));
        const QJsonArray entries = entriesValue.toArray();
        if (entries.size() > MaxEntriesPerKind)
            return malformed(fileText(MessageCode::FileTooManyProfiles,
                                      {kindName, QString::number(MaxEntriesPerKind)}));
        const int count = static_cast<int>(entries.size());

        int current = count > 0 ? 1 : 0;
        if (o.contains(u"current")) {
            const auto c = wholeNumber(o.value(u"current"));
            const bool ok = c && (count > 0 ? *c >= 1 && *c <= count : *c == 0 || *c == 1);
            if (!ok)
                return malformed(fileText(MessageCode::FileCurrentOutOfRange, {kindName}));
            current = count > 0 ? *c : 0;
        }

        TKindState& st = m.state(kind);
        st.Count = count;
        for (int n = 1; n <= count; ++n) {
            const QJsonValue ev = entries.at(n - 1);
            if (!ev.isObject())
                return malformed(fileText(MessageCode::FileObjectExpected, {PlaceText(kind, n)}));
            const QJsonObject e = ev.toObject();
            int code = kindCode;
            for (auto it = e.begin(); it != e.end(); ++it) {
                const QString key = it.key();
                if (key == u"orientation" && info.codeCount > 0) {
                    const auto c = wholeNumber(it.value());
                    if (!c || !IsValidCode(kind, *c))
                        return malformed(
                            fileText(MessageCode::FileCodeOutOfRange,
                                     {PlaceText(kind, n), QString::number(info.codeCount)}));
                    code = *c;
                    continue;
                }
                const int field = fieldIndex(kind, key.toStdString());
                if (field < 0)
                    return malformed(
                        fileText(MessageCode::FileUnknownKindField, {PlaceText(kind, n), key}));
                if (!it.value().isString() && !it.value().isDouble())
                    return malformed(fileText(MessageCode::FileNumberOrTextExpected,
                                              {PlaceText(kind, n, field)}));
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
                return fail(
                    LoadReport::Status::Refused,
                    fileText(MessageCode::FileRefused, {MessageText(MessageCode::InputError), file,
                                                        PlaceText(kind, n, r.rejectedField),
                                                        MessageText(RejectionMessage(kind, r))}));
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
            return malformed(fileText(MessageCode::FileNotJson,
                                      {jsonErrorText(err.error), QString::number(err.offset)}));
        if (!doc.isObject())
            return malformed(fileText(MessageCode::FileNotSection));
        const QJsonObject root = doc.object();
        for (auto it = root.begin(); it != root.end(); ++it) {
            if (it.key() != u"format" && it.key() != u"version" && it.key() != u"kinds")
                return malformed(fileText(MessageCode::FileUnknownField, {it.key()}));
        }
        if (root.value(u"format").toString() != u"karo-section")
            return malformed(
                fileText(MessageCode::FileWrongFormat, {root.value(u"format").toString()}));
        const auto version = wholeNumber(root.value(u"version"));
        if (!version || *version < 1)
            return malformed(fileText(MessageCode::FileBadVersion));
        if (*version > kSectionFormatVersion)
            return malformed(
                fileText(MessageCode::FileNewerVersion,
                         {QString::number(*version), QString::number(kSectionFormatVersion)}));
        const QJsonValue kindsValue = root.value(u"kinds");
        if (!kindsValue.isUndefined() && !kindsValue.isObject())
            return malformed(fileText(MessageCode::FileKindsNotObject));
        const QJsonObject kinds = kindsValue.toObject();
        for (auto it = kinds.begin(); it != kinds.end(); ++it) {
            Kind k;
            if (!kindFromPrefix(it.key().toStdString(), k))
                return malformed(fileText(MessageCode::FileUnknownKind, {it.key()}));
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
    const QString name = TermText(info.caption), number = QString::number(entry);
    if (field >= 0 && static_cast<std::size_t>(field) < info.fields.size())
        return fileText(
            MessageCode::FilePlaceField,
            {name, number, ToQString(info.fields[static_cast<std::size_t>(field)].key)});
    return fileText(MessageCode::FilePlace, {name, number});
}

QString WarningText(const SectionWarning& w) {
    return fileText(MessageCode::FileWarning,
                    {PlaceText(w.kind, w.entry), MessageText(CrossCheckCode(w.kind, w.check))});
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
        report.message = fileText(MessageCode::FileUnreadable, {name, reason});
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
