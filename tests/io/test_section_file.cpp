#include "io/section_file.h"

#include "../as_nobody.h"

#include "solver/solver.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace karo;

namespace {

QByteArray section(const char* kinds) {
    return QByteArray(R"({"format": "karo-section", "version": 1, "kinds": )") + kinds + "}";
}

// A model with something in it, to prove that a refused file leaves it alone.
TSectionModel occupied() {
    TSectionModel m;
    const LoadReport r = LoadSection(
        section(R"({"List": {"entries": [{"h": "2", "b": "10", "Xc": "0", "Yc": "0"}]}})"),
        "a.karo", m);
    EXPECT_TRUE(r.ok()) << r.message.toStdString();
    return m;
}

std::vector<std::string> texts(const TSectionModel& m, Kind k, int n) {
    std::vector<std::string> out;
    for (int s = 0; s < kindInfo(k).slotCount; ++s)
        out.push_back(m.text(k, n, s));
    return out;
}

} // namespace

TEST(SectionFile, LoadsEveryKindThroughTheCommit) {
    TSectionModel m;
    const LoadReport r = LoadSection(section(R"({
        "Dt": {"orientation": 2, "current": 2, "entries": [
            {"orientation": 1, "h": "20", "b": "10", "A": "26.8", "Ix": "1840", "Iy": "115",
             "Xc": "0", "Yc": "0"},
            {"h": 20, "b": 10, "A": 26.8, "Ix": 115, "Iy": 1840, "Xc": -1.5, "Yc": 1e2}]},
        "Ur": {"entries": [{"b": "5", "d": "0.5", "A": "4.8", "Ix": "11.2", "Iu": "4.63",
                            "Zo": "1.42", "Xc": " 7", "Yc": "."}]},
        "List": {"entries": [{"h": "1", "b": "20", "Xc": "0", "Yc": "-0.5"}]}})"),
                                     "s.karo", m);
    ASSERT_TRUE(r.ok()) << r.message.toStdString();
    EXPECT_TRUE(r.warnings.empty());
    EXPECT_EQ(m.Dt.Count, 2);
    EXPECT_EQ(m.Dt.CurrentNumber, 2);
    EXPECT_EQ(m.Dt.Orientation, 2);
    EXPECT_EQ(m.Dt.entry(1).Orientation, 1);
    EXPECT_EQ(m.Dt.entry(2).Orientation, 2) << "an entry without a code takes the kind's";
    EXPECT_EQ(m.Dt.texts(2)[dt::A].text, "26.8") << "a JSON number reads as its text";
    EXPECT_EQ(m.Dt.entry(2).Yc, 100);
    EXPECT_EQ(m.Ur.Orientation, 2);
    EXPECT_EQ(m.Ur.entry(1).Yo, 1.42);
    EXPECT_EQ(m.Ur.texts(1)[un::Xc].text, " 7");
    EXPECT_EQ(m.Sh.Count, 0);
    EXPECT_EQ(m.Sh.Orientation, 2);
    EXPECT_EQ(m.Un.CurrentNumber, 0);
}

TEST(SectionFile, RefusedFilesNameThePlaceAndChangeNothing) {
    const struct {
        const char* json;
        LoadReport::Status status;
        const char* mention;
    } cases[] = {
        {"{", LoadReport::Status::Malformed, "не JSON (текст оборван"},
        {R"({"format": "other", "version": 1})", LoadReport::Status::Malformed, "other"},
        {R"({"format": "karo-section", "version": 2})", LoadReport::Status::Malformed, "2"},
        {R"({"format": "karo-section", "version": 1, "kinds": {"Zz": {}}})",
         LoadReport::Status::Malformed, "Zz"},
        {R"({"format": "karo-section", "version": 1, "kinds": {"List": {"orientation": 1}}})",
         LoadReport::Status::Malformed, "orientation"},
        {R"({"format": "karo-section", "version": 1, "kinds": {"Dt": {"orientation": 3}}})",
         LoadReport::Status::Malformed, "Двутавр"},
        {R"({"format": "karo-section", "version": 1, "kinds": {"Sh": {"entries": [
            {"orientation": 5, "h": "20"}]}}})",
         LoadReport::Status::Malformed, "Швеллер, профиль 1"},
        {R"({"format": "karo-section", "version": 1, "kinds": {"List": {"entries": [
            {"h": "1", "b": "2", "Xc": "0", "Yc": "0", "Zc": "1"}]}}})",
         LoadReport::Status::Malformed, "Zc"},
        {R"({"format": "karo-section", "version": 1, "kinds": {"List": {"entries": [
            {"h": "1", "b": "2", "Xc": "0", "Yc": "0"},
            {"h": "1", "b": "0", "Xc": "0", "Yc": "0"}]}}})",
         LoadReport::Status::Refused,
         "Лист, профиль 2, поле b.\nШирина b: ожидается число больше нуля."},
        {R"({"format": "karo-section", "version": 1, "kinds": {"List": {"entries": [
            {"h": true, "b": "2", "Xc": "0", "Yc": "0"}]}}})",
         LoadReport::Status::Malformed, "поле h"},
        {R"({"format": "karo-section", "version": 1, "kinds": {"List": {"current": 3,
            "entries": [{"h": "1", "b": "2", "Xc": "0", "Yc": "0"}]}}})",
         LoadReport::Status::Malformed, "Лист"},
        {R"({"format": "karo-section", "version": 1, "kinds": {"Un": {"entries": [
            {"B1": "10", "b2": "6.3", "d": "0.8", "A": "12.6", "Ix": "127", "Iy": "39.2",
             "Iu": "50", "Xo": "1.5", "Yo": "3.32", "Xc": "0", "Yc": "0"}]}}})",
         LoadReport::Status::Refused,
         "поле Iu.\nМинимальный главный момент инерции Iu должен быть меньше меньшего из Ix и Iy."},
    };
    for (const auto& c : cases) {
        TSectionModel m = occupied();
        const LoadReport r = LoadSection(c.json, "/some/dir/bad.karo", m);
        EXPECT_EQ(r.status, c.status) << c.json;
        EXPECT_TRUE(r.message.contains("bad.karo")) << r.message.toStdString();
        EXPECT_TRUE(r.message.contains(QString::fromUtf8(c.mention))) << r.message.toStdString();
        EXPECT_EQ(m.List.Count, 1) << c.json;
        EXPECT_EQ(m.List.entry(1).b, 10) << c.json;
    }

    // More entries than a kind can hold.
    QByteArray many = R"({"format": "karo-section", "version": 1, "kinds": {"List": {"entries": [)";
    for (int i = 0; i < 51; ++i)
        many += QByteArray(i ? "," : "") + R"({"h": "1", "b": "2", "Xc": "0", "Yc": "0"})";
    many += "]}}}";
    TSectionModel m = occupied();
    EXPECT_EQ(LoadSection(many, "many.karo", m).status, LoadReport::Status::Malformed);
    EXPECT_EQ(m.List.Count, 1);
}

// A section being typed is saved as it stands: the entry on show of a kind may be unfinished,
// and opens exactly as typed; the command line's loader still refuses it, naming the field.
// Any other entry must be whole, or the file is refused either way.
TEST(SectionFile, AnUnfinishedEntryOnShowOpensAsTyped) {
    const QByteArray unfinished = section(R"({"List": {"current": 2, "entries": [
        {"h": "1", "b": "2", "Xc": "0", "Yc": "0"}, {"h": "", "b": "2x", "Xc": "0", "Yc": ""}]}})");
    TSectionModel m;
    const LoadReport refused = LoadSection(unfinished, "u.karo", m);
    EXPECT_EQ(refused.status, LoadReport::Status::Refused);
    EXPECT_TRUE(refused.message.contains("Лист, профиль 2, поле h."))
        << refused.message.toStdString();

    ASSERT_TRUE(LoadSection(unfinished, "u.karo", m, Unfinished::Kept).ok());
    EXPECT_EQ(m.List.Count, 2);
    EXPECT_EQ(m.List.CurrentNumber, 2);
    EXPECT_EQ(texts(m, Kind::List, 2), (std::vector<std::string>{"", "2x", "0", ""}));
    EXPECT_EQ(texts(m, Kind::List, 1), (std::vector<std::string>{"1", "2", "0", "0"}));
    // The refusal opens with it, beside the field's text.
    EXPECT_EQ(ShownCommit(m, Kind::List).rejectedField, 0);
    EXPECT_EQ(m.fault(Kind::List, 2, pl::h).code, MessageCode::FieldNotAPositiveNumber);
    const QByteArray saved = SaveSection(m);
    TSectionModel again;
    ASSERT_TRUE(LoadSection(saved, "u.karo", again, Unfinished::Kept).ok());
    EXPECT_EQ(SaveSection(again), saved);

    const QByteArray behind = section(R"({"List": {"current": 1, "entries": [
        {"h": "1", "b": "2", "Xc": "0", "Yc": "0"}, {"h": "", "b": "2", "Xc": "0", "Yc": "0"}]}})");
    EXPECT_EQ(LoadSection(behind, "b.karo", m, Unfinished::Kept).status,
              LoadReport::Status::Refused);
}

TEST(SectionFile, WarningsAreCollectedNotFatal) {
    TSectionModel m;
    const LoadReport r = LoadSection(section(R"({"Dt": {"entries": [
        {"h": "10", "b": "10", "A": "26.8", "Ix": "1840", "Iy": "115", "Xc": "0", "Yc": "0"}]}})"),
                                     "w.karo", m);
    ASSERT_TRUE(r.ok());
    ASSERT_EQ(r.warnings.size(), 1u);
    EXPECT_EQ(r.warnings[0].check, 0);
    EXPECT_EQ(WarningText(r.warnings[0]).toStdString(),
              "Предупреждение: Двутавр, профиль 1. Ширина полки b не меньше высоты h.");
}

// The tab shows the position of the profile on show, whatever code the file gives the kind:
// the window and the command line then solve the same section.
TEST(SectionFile, AKindShowsTheCodeOfItsEntryOnShow) {
    TSectionModel m;
    ASSERT_TRUE(LoadSection(section(R"({"Ur": {"orientation": 1, "current": 2, "entries": [
        {"orientation": 4, "b": "7.5", "d": "0.8", "A": "11.5", "Ix": "59.84", "Iu": "24.8",
         "Zo": "2.15", "Xc": "0", "Yc": "0"},
        {"orientation": 3, "b": "7.5", "d": "0.8", "A": "11.5", "Ix": "59.84", "Iu": "24.8",
         "Zo": "2.15", "Xc": "0", "Yc": "0"}]}, "Sh": {"orientation": 3}})"),
                            "o.karo", m)
                    .ok());
    EXPECT_EQ(m.Ur.Orientation, 3);
    EXPECT_EQ(m.Sh.Orientation, 3); // an empty kind keeps the code the file gives it
}

TEST(SectionFile, SaveAndLoadGiveTheSameSection) {
    QFile example(QStringLiteral(KARO_SOURCE_DIR "/examples/textbook.karo"));
    ASSERT_TRUE(example.open(QIODevice::ReadOnly));
    TSectionModel a;
    ASSERT_TRUE(LoadSection(example.readAll(), "textbook.karo", a).ok());

    QTemporaryDir dir;
    const QString path = dir.filePath("t.karo");
    QString error;
    ASSERT_TRUE(SaveSectionFile(path, a, &error)) << error.toStdString();
    TSectionModel b;
    const LoadReport r = LoadSectionFile(path, b);
    ASSERT_TRUE(r.ok()) << r.message.toStdString();
    EXPECT_EQ(SaveSection(a), SaveSection(b));
    EXPECT_EQ(b.Un.Orientation, 6);
    EXPECT_EQ(b.Un.entry(1).Orientation, 6);

    TSectionResult ra, rb;
    SolveSection(a, ra);
    SolveSection(b, rb);
    EXPECT_EQ(ra.Texts, rb.Texts);
}

TEST(SectionFile, FailedSaveKeepsTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("keep.karo");
    TSectionModel m = occupied();
    ASSERT_TRUE(SaveSectionFile(path, m, nullptr));
    const QByteArray before = [&] {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    // A folder the saving user may not write in: the new file cannot even be created.
    const QByteArray folder = QFile::encodeName(dir.path());
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(QFile::encodeName(path).constData(), test::kNobody, test::kNobody), 0);
    }
    ASSERT_EQ(::chmod(folder.constData(), ::geteuid() == 0 ? 0755 : 0555), 0);
    m.List.texts(1)[pl::h].text = "3";
    const int code = test::AsNobody([&] {
        QString error;
        return !SaveSectionFile(path, m, &error) && !error.isEmpty() ? 0 : 1;
    });
    ::chmod(folder.constData(), 0700);
    ASSERT_NE(code, test::kNoNobody) << "could not become nobody";
    EXPECT_EQ(code, 0);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), before);
}

TEST(SectionFile, SaveOverAFolderFailsAndReportsIt) {
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("taken.karo");
    QString error;
    EXPECT_FALSE(SaveSectionFile(dir.filePath("taken.karo"), TSectionModel(), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(QFileInfo(dir.filePath("taken.karo")).isDir());

    // A missing file is unreadable, not malformed.
    TSectionModel n;
    EXPECT_EQ(LoadSectionFile(dir.filePath("none.karo"), n).status, LoadReport::Status::Unreadable);
}
