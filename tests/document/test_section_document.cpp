// The section document: each action followed by undo and redo, checked on every text, code and
// entry on show and on the modified flag; and the same thirteen results as the loader alone.

#include "document/section_document.h"

#include "catalogue/lookup.h"
#include "io/section_file.h"
#include "model/arith.h"
#include "solver/solver.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUndoStack>

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <sstream>

namespace karo {
namespace {

const std::vector<std::string> kDt20 = {"20", "10", "26.8", "1840", "115", "0", "0"};

QString example(const char* name) {
    return QDir(QStringLiteral(KARO_EXAMPLES)).filePath(QString::fromLatin1(name));
}

void typeAll(SectionDocument& d, Kind k, const std::vector<std::string>& texts) {
    for (std::size_t i = 0; i < texts.size(); ++i) {
        d.type(k, static_cast<int>(i), texts[i]);
        d.endTyping();
    }
}

// Everything the user sees of one kind: count, entry on show, code and texts.
struct Shown {
    int count = 0, current = 0, code = 0;
    std::vector<std::string> texts;
    bool operator==(const Shown&) const = default;
};

Shown shown(const SectionDocument& d, Kind k) {
    const TKindState& st = d.model().state(k);
    return {st.Count, st.CurrentNumber, st.Orientation, d.texts(k)};
}

// The section as it stands goes through the solve: no entry on show refuses a field.
bool accepted(const SectionDocument& d) {
    return d.outcome().status != SolveStatus::Rejected;
}

std::string describe(const Shown& s) {
    std::string out = std::to_string(s.count) + "/" + std::to_string(s.current) + " code " +
                      std::to_string(s.code) + ":";
    for (const std::string& t : s.texts)
        out += " [" + t + "]";
    return out;
}

// One action of the user's, with the step name it must leave on the stack.
struct Action {
    const char* what;
    Kind kind;
    std::function<void(SectionDocument&)> setUp; // brings the document to where it starts
    std::function<void(SectionDocument&)> act;
    const char* stepName; // empty: no step at all
};

const std::vector<Action>& actions() {
    static const std::vector<Action> table = {
        {"typing one field, keystroke by keystroke", Kind::Dt,
         [](SectionDocument& d) { d.add(Kind::Dt); },
         [](SectionDocument& d) {
             d.type(Kind::Dt, 0, "2");
             d.type(Kind::Dt, 0, "20");
         },
         "ввод h"},
        {"add after typed values", Kind::Dt,
         [](SectionDocument& d) {
             d.add(Kind::Dt);
             typeAll(d, Kind::Dt, kDt20);
         },
         [](SectionDocument& d) { d.add(Kind::Dt); }, "добавление профиля"},
        {"erase with uncommitted typing", Kind::Dt,
         [](SectionDocument& d) {
             d.add(Kind::Dt);
             typeAll(d, Kind::Dt, kDt20);
             d.add(Kind::Dt);
             d.type(Kind::Dt, 0, "22");
         },
         [](SectionDocument& d) { d.erase(Kind::Dt); }, "удаление профиля"},
        {"choosing another entry", Kind::Dt,
         [](SectionDocument& d) {
             d.add(Kind::Dt);
             typeAll(d, Kind::Dt, kDt20);
             d.add(Kind::Dt);
             typeAll(d, Kind::Dt, {"22", "11", "30.6", "2550", "157", "5", "0"});
         },
         [](SectionDocument& d) { d.select(Kind::Dt, 1); }, ""},
        {"turning a catalogue channel", Kind::Sh,
         [](SectionDocument& d) {
             d.pick(Kind::Sh, *catalogue::findProfile(Kind::Sh, "20У"));
             d.type(Kind::Sh, 7, "1");
         },
         [](SectionDocument& d) { d.rotate(Kind::Sh); }, "поворот"},
        {"mirroring an angle", Kind::Un, [](SectionDocument& d) { d.add(Kind::Un); },
         [](SectionDocument& d) { d.mirror(Kind::Un); }, "отражение"},
        {"a pick that creates the entry", Kind::Dt, [](SectionDocument&) {},
         [](SectionDocument& d) { d.pick(Kind::Dt, *catalogue::findProfile(Kind::Dt, "24")); },
         "выбор из сортамента"},
        {"a pick over typed values", Kind::Dt,
         [](SectionDocument& d) {
             d.pick(Kind::Dt, *catalogue::findProfile(Kind::Dt, "22"));
             d.type(Kind::Dt, 5, "7");
         },
         [](SectionDocument& d) { d.pick(Kind::Dt, *catalogue::findProfile(Kind::Dt, "24")); },
         "выбор из сортамента"},
        {"placing", Kind::List, [](SectionDocument& d) { d.add(Kind::List); },
         [](SectionDocument& d) { d.place(Kind::List, "7.425", "0"); }, "приставку"},
    };
    return table;
}

TEST(SectionDocument, EveryActionIsOneStepThatUndoAndRedoReplayExactly) {
    for (const Action& a : actions()) {
        SCOPED_TRACE(a.what);
        SectionDocument d;
        a.setUp(d);
        const int steps = d.undoStack()->count();
        const Shown before = shown(d, a.kind);
        const bool modifiedBefore = d.isModified();
        a.act(d);
        const Shown after = shown(d, a.kind);
        const bool modifiedAfter = d.isModified();
        if (!*a.stepName) {
            EXPECT_EQ(d.undoStack()->count(), steps);
            EXPECT_EQ(d.isModified(), modifiedBefore);
            continue;
        }
        ASSERT_EQ(d.undoStack()->count(), steps + 1);
        EXPECT_EQ(d.undoStack()->undoText(), QString::fromUtf8(a.stepName));
        EXPECT_NE(describe(after), describe(before));
        for (int round = 0; round < 2; ++round) {
            d.undoStack()->undo();
            EXPECT_EQ(describe(shown(d, a.kind)), describe(before));
            EXPECT_EQ(d.isModified(), modifiedBefore);
            d.undoStack()->redo();
            EXPECT_EQ(describe(shown(d, a.kind)), describe(after));
            EXPECT_EQ(d.isModified(), modifiedAfter);
        }
    }
}

// The roads on which typed values, turns and picks used to be lost.
TEST(SectionDocument, UndoTakesBackOneFieldsTypingAndKeepsTheRest) {
    SectionDocument d;
    d.add(Kind::Dt);
    typeAll(d, Kind::Dt, {"20", "10", "26.8"});
    d.undoStack()->undo();
    EXPECT_EQ(d.model().Dt.Count, 1);
    EXPECT_EQ(d.text(Kind::Dt, 0), "20");
    EXPECT_EQ(d.text(Kind::Dt, 1), "10");
    EXPECT_EQ(d.text(Kind::Dt, 2), "");
    d.undoStack()->redo();
    EXPECT_EQ(d.text(Kind::Dt, 2), "26.8");
}

TEST(SectionDocument, TypingAfterAnUndoDropsTheRedoInsteadOfBeingOverwritten) {
    SectionDocument d;
    d.add(Kind::Dt);
    typeAll(d, Kind::Dt, kDt20);
    d.rotate(Kind::Dt);
    d.undoStack()->undo();
    d.type(Kind::Dt, 5, "7");
    d.endTyping();
    d.type(Kind::Dt, 6, "3");
    EXPECT_FALSE(d.undoStack()->canRedo());
    EXPECT_EQ(d.model().Dt.Orientation, 1);
    EXPECT_EQ(d.text(Kind::Dt, 5), "7");
    EXPECT_EQ(d.text(Kind::Dt, 6), "3");
}

TEST(SectionDocument, ASolveBetweenATurnAndItsUndoLeavesTheTurnToBeUndone) {
    SectionDocument d;
    ASSERT_TRUE(d.open(example("textbook.karo")).ok());
    const Shown before = shown(d, Kind::Sh);
    d.rotate(Kind::Sh);
    ASSERT_TRUE(accepted(d));
    EXPECT_FALSE(d.isModified() && d.undoStack()->count() != 1);
    d.undoStack()->undo();
    EXPECT_EQ(describe(shown(d, Kind::Sh)), describe(before));
    // The texts on show went back with the code: the solve warns of nothing.
    EXPECT_TRUE(accepted(d));
    for (Kind k : TabOrder)
        EXPECT_FALSE(ShownCommit(d.model(), k).warned());
    EXPECT_FALSE(d.isModified());
}

TEST(SectionDocument, UndoingPastACommitGivesBackTheEntryAsItWas) {
    // Entry 2 is committed by a solve while on show; after its typing is undone from entry 1,
    // the entry must hold its old values again, not the solve's.
    SectionDocument d;
    d.add(Kind::Dt);
    typeAll(d, Kind::Dt, kDt20);
    d.add(Kind::Dt);
    typeAll(d, Kind::Dt, {"22", "11", "30.6", "2550", "157", "5", "0"});
    d.select(Kind::Dt, 1);
    const QByteArray saved = SaveSection(d.model());
    d.select(Kind::Dt, 2);
    d.type(Kind::Dt, 0, "24");
    d.endTyping();
    ASSERT_TRUE(accepted(d));
    d.select(Kind::Dt, 1);
    d.undoStack()->undo(); // the typing, on entry 2 again
    EXPECT_EQ(d.model().Dt.CurrentNumber, 2);
    EXPECT_EQ(d.text(Kind::Dt, 0), "22");
    d.select(Kind::Dt, 1);
    ASSERT_TRUE(accepted(d));
    EXPECT_EQ(SaveSection(d.model()), saved);
}

// Choosing the entry on show is looking: no step, nothing to save for it; a save made for
// another reason records it. A step taken on one entry and undone or redone from another
// comes back to its own entry and leaves the other as it was.
TEST(SectionDocument, ChoosingTheEntryOnShowIsNoStepAndStepsComeBackToTheirEntry) {
    const struct {
        const char* what;
        std::function<void(SectionDocument&)> act;
    } steps[] = {
        {"typing", [](SectionDocument& d) { d.type(Kind::Sh, 0, "22"); }},
        {"turning", [](SectionDocument& d) { d.rotate(Kind::Sh); }},
        {"a catalogue pick",
         [](SectionDocument& d) { d.pick(Kind::Sh, *catalogue::findProfile(Kind::Sh, "24У")); }},
        {"placing", [](SectionDocument& d) { d.place(Kind::Sh, "7", "-1"); }},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        SectionDocument d;
        ASSERT_TRUE(d.open(example("two-channels-plates.karo")).ok());
        d.select(Kind::Sh, 2);
        d.select(Kind::Sh, 1);
        d.select(Kind::Sh, 2);
        EXPECT_EQ(d.undoStack()->count(), 0);
        EXPECT_FALSE(d.isModified());
        const Shown first = (d.select(Kind::Sh, 1), shown(d, Kind::Sh));
        const Shown before = (d.select(Kind::Sh, 2), shown(d, Kind::Sh));
        step.act(d);
        d.endTyping();
        const Shown after = shown(d, Kind::Sh);
        for (int round = 0; round < 2; ++round) {
            d.select(Kind::Sh, 1);
            d.undoStack()->undo();
            EXPECT_EQ(describe(shown(d, Kind::Sh)), describe(before));
            d.select(Kind::Sh, 1);
            EXPECT_EQ(describe(shown(d, Kind::Sh)), describe(first));
            d.undoStack()->redo();
            EXPECT_EQ(describe(shown(d, Kind::Sh)), describe(after));
        }
        QTemporaryDir dir;
        QString error;
        ASSERT_TRUE(d.save(dir.filePath(QStringLiteral("s.karo")), &error));
        TSectionModel saved;
        ASSERT_TRUE(LoadSectionFile(dir.filePath(QStringLiteral("s.karo")), saved).ok());
        EXPECT_EQ(saved.Sh.CurrentNumber, 2);
    }
}

TEST(SectionDocument, TheMarkerAndTheQuestionAreOnePredicate) {
    SectionDocument d;
    d.rotate(Kind::Dt); // nothing to lose in a section with no profile
    EXPECT_FALSE(d.isModified());
    ASSERT_TRUE(d.open(example("plate.karo")).ok());
    EXPECT_FALSE(d.isModified());
    d.type(Kind::List, 0, "3");
    EXPECT_TRUE(d.isModified());
    d.type(Kind::List, 0, "2"); // typed back to what it was
    EXPECT_FALSE(d.isModified());
    d.pick(Kind::Dt, *catalogue::findProfile(Kind::Dt, "20"));
    EXPECT_TRUE(d.isModified());
    d.undoStack()->undo();
    EXPECT_FALSE(d.isModified());
}

// Each command is one change told once, its kind named, the section solved again; the picture
// is drawn again only after a change.
TEST(SectionDocument, EachCommandIsOneChangeAndThePictureFollowsTheRevision) {
    SectionDocument d;
    ASSERT_TRUE(d.open(example("textbook.karo")).ok());
    std::vector<DocumentChange> told;
    QObject::connect(&d, &SectionDocument::changed,
                     [&](const DocumentChange& c) { told.push_back(c); });
    const qint64 drawn = d.picture().cacheKey();
    EXPECT_EQ(d.picture().cacheKey(), drawn);
    d.type(Kind::Dt, fieldIndex(Kind::Dt, "Xc"), "-12");
    ASSERT_EQ(told.size(), 2u); // the keystroke, and the section now differs from its file
    EXPECT_TRUE(told[0].has(DocumentChange::Texts) && told[0].has(DocumentChange::Result));
    EXPECT_FALSE(told[0].has(DocumentChange::Replayed));
    EXPECT_EQ(told[0].kinds, DocumentChange::kindBit(Kind::Dt));
    EXPECT_EQ(told[1].what, unsigned{DocumentChange::File});
    EXPECT_EQ(d.result().Texts[0], "-3.1889");
    EXPECT_NE(d.picture().cacheKey(), drawn);
    told.clear();
    d.undoStack()->undo();
    ASSERT_FALSE(told.empty());
    EXPECT_TRUE(told[0].has(DocumentChange::Replayed));
    EXPECT_EQ(d.result().Texts[0], "1.9321");
}

TEST(SectionDocument, TheProfileOnShowIsRecognisedForThePicker) {
    SectionDocument d;
    EXPECT_EQ(d.shownProfile(Kind::Dt), nullptr);
    d.pick(Kind::Dt, *catalogue::findProfile(Kind::Dt, "22"));
    EXPECT_EQ(d.shownProfile(Kind::Dt), catalogue::findProfile(Kind::Dt, "22"));
    d.type(Kind::Dt, 2, "31");
    EXPECT_EQ(d.shownProfile(Kind::Dt), nullptr);
}

// What a solve leaves in its result, doubles to the last bit, and the fault if any: of the
// values the run reached, for a run that stops at a fault leaves the later ones as they were.
std::string solved(const TSectionModel& m, TSectionResult& r) {
    std::ostringstream o;
    o << std::hexfloat;
    try {
        o << static_cast<int>(SolveSection(m, r).status);
    } catch (const ArithmeticError& e) {
        o << e.what();
    }
    o << " stage " << static_cast<int>(r.reached) << " summed " << r.summedEntries;
    const auto values = [&](SolveStage stage, std::initializer_list<double> list) {
        if (r.reachedStage(stage))
            for (double v : list)
                o << " " << v;
    };
    values(SolveStage::Areas, {r.A, r.Sx, r.Sy, r.XMin, r.XMax, r.YMin, r.YMax});
    values(SolveStage::Centroid, {r.yc, r.xc});
    values(SolveStage::Central, {r.Ix, r.Iy, r.Ixy});
    values(SolveStage::Principal, {r.Alpha0, r.Iu, r.Iv, r.iu, r.iv});
    values(SolveStage::Extremes,
           {r.RotatedXMax, r.RotatedYMax, double(r.RotatedXMaxPoint), double(r.RotatedYMaxPoint)});
    values(SolveStage::Moduli, {r.Wu, r.Wv});
    for (const SolvedEntry& s : r.Entries) {
        o << "\n"
          << kindIndex(s.kind) << "." << s.number << " " << s.orientation << " " << s.firstPoint
          << "+" << s.pointCount;
        for (double v : {s.A, s.Xc, s.Yc, s.Ix, s.Iy, s.Ixy, s.xL, s.xR, s.yB, s.yT, s.ai, s.bi})
            o << " " << v;
    }
    o << "\n";
    for (const TPoint& p : r.OutlinePoints)
        o << p.x << "," << p.y << " ";
    if (r.reachedStage(SolveStage::Extremes))
        for (const TPoint& p : r.PointDistances)
            o << p.x << "," << p.y << " ";
    if (r.reachedStage(SolveStage::Done))
        for (const std::string& t : r.Texts)
            o << "\n" << t;
    return o.str();
}

// The solver keeps what it found for each entry, and a commit takes an unchanged text as the
// value it holds; neither may outlive a change. Every road that changes an entry is taken in
// turn on one document, each followed by its undo and redo, and after each the section is
// solved into one result kept throughout and compared with a solve from scratch of a fresh
// model loaded from the section's save.
TEST(SectionDocument, EveryRoadSolvesAsTheSectionLoadedAfresh) {
    const std::vector<std::string> dt24 = {"24", "11", "34.8", "3460", "198", "5", "2"};
    const std::vector<std::string> ur = {"5", "0.5", "4.8", "11.2", "4.63", "1.42", "-6", "1"};
    const struct Road {
        const char* what;
        std::function<void(SectionDocument&)> take;
    } roads[] = {
        {"typing into the entry on show",
         [](SectionDocument& d) {
             d.type(Kind::Dt, 0, "22");
             d.endTyping();
         }},
        {"adding and typing twice",
         [&](SectionDocument& d) {
             d.add(Kind::Dt), typeAll(d, Kind::Dt, dt24);
             d.add(Kind::Dt), typeAll(d, Kind::Dt, dt24);
             d.type(Kind::Dt, 5, "-5");
             d.endTyping();
         }},
        {"adding to an empty kind and typing",
         [&](SectionDocument& d) { d.add(Kind::Ur), typeAll(d, Kind::Ur, ur); }},
        {"adding a copy", [&](SectionDocument& d) { d.add(Kind::Ur), typeAll(d, Kind::Ur, ur); }},
        {"choosing another entry", [](SectionDocument& d) { d.select(Kind::Dt, 1); }},
        {"turning", [](SectionDocument& d) { d.rotate(Kind::Sh); }},
        {"mirroring", [](SectionDocument& d) { d.mirror(Kind::Un); }},
        {"turning an equal angle", [](SectionDocument& d) { d.rotate(Kind::Ur); }},
        {"a catalogue pick",
         [](SectionDocument& d) { d.pick(Kind::Dt, *catalogue::findProfile(Kind::Dt, "24")); }},
        {"placing", [](SectionDocument& d) { d.place(Kind::Sh, "7.425", "-1"); }},
        {"erasing an entry before another", [](SectionDocument& d) { d.erase(Kind::Ur); }},
        {"erasing the first of three",
         [](SectionDocument& d) {
             d.select(Kind::Dt, 1);
             d.erase(Kind::Dt);
         }},
        // The angle's tangent follows from Ix, Iy and Iu as Iu is stored.
        {"typing a text", [](SectionDocument& d) { d.type(Kind::Un, 4, "130"); }},
        {"typing it back", [](SectionDocument& d) { d.type(Kind::Un, 4, "127"); }},
        // A run that stops at a fault keeps what it reached, and the next run starts from that.
        {"a centre so far out that the sums overflow",
         [](SectionDocument& d) { d.type(Kind::Dt, 5, "1e307"); }},
        {"a plate whose area overflows",
         [](SectionDocument& d) {
             d.add(Kind::List), typeAll(d, Kind::List, {"1e200", "1e200", "0", "0"});
         }},
        {"opening another file", [](SectionDocument& d) { d.open(example("angles-plate.karo")); }},
        {"starting anew and opening",
         [](SectionDocument& d) {
             d.reset();
             d.open(example("textbook.karo"));
         }},
    };
    SectionDocument d;
    ASSERT_TRUE(d.open(example("textbook.karo")).ok());
    TSectionResult kept;
    // Where the undo is part way through a typing, the entry on show may not be whole yet.
    const auto check = [&](const char* when, bool whole = true) {
        SCOPED_TRACE(when);
        if (!accepted(d)) {
            EXPECT_FALSE(whole);
            return;
        }
        TSectionModel loaded;
        ASSERT_TRUE(LoadSection(SaveSection(d.model()), QStringLiteral("saved"), loaded).ok());
        TSectionResult fresh;
        EXPECT_EQ(solved(d.model(), kept), solved(loaded, fresh));
        // The document's own solve after the change is the same.
        if (!d.fault()) {
            EXPECT_EQ(d.result().Texts, fresh.Texts);
        }
    };
    check("opened");
    for (const Road& road : roads) {
        SCOPED_TRACE(road.what);
        const int before = d.undoStack()->index();
        road.take(d);
        check("taken");
        const int steps = d.undoStack()->index() - before;
        for (int i = 1; i <= steps; ++i) {
            d.undoStack()->undo();
            check("undone", i == steps);
        }
        for (int i = 1; i <= steps; ++i) {
            d.undoStack()->redo();
            check("redone", i == steps);
        }
    }
}

// The window solves what the document holds; the command line what the loader gives. Opening
// or solving marks nothing modified, and both give the same thirteen texts.
TEST(SectionDocument, SolvesEveryAcceptedFileAsTheLoaderAloneDoes) {
    QStringList files;
    for (const char* folder : {KARO_EXAMPLES, KARO_SOURCE_DIR "/fuzz/corpus/section"})
        for (const QFileInfo& f : QDir(QString::fromUtf8(folder)).entryInfoList(QDir::Files))
            files << f.absoluteFilePath();
    ASSERT_FALSE(files.isEmpty());
    for (const QString& file : files) {
        SCOPED_TRACE(file.toStdString());
        TSectionModel loaded;
        if (!LoadSectionFile(file, loaded).ok())
            continue;
        TSectionResult alone;
        SectionDocument d;
        ASSERT_TRUE(d.open(file).ok());
        ASSERT_TRUE(accepted(d));
        try {
            SolveSection(loaded, alone);
        } catch (const ArithmeticError&) {
            EXPECT_TRUE(d.fault());
            continue;
        }
        EXPECT_EQ(d.result().Texts, alone.Texts);
        EXPECT_FALSE(d.isModified());
        EXPECT_EQ(d.undoStack()->count(), 0);
    }
}

TEST(SectionDocument, RandomEditsUndoneToTheStartSaveTheFileAsOpened) {
    SectionDocument d;
    ASSERT_TRUE(d.open(example("textbook.karo")).ok());
    const QByteArray opened = SaveSection(d.model());
    std::mt19937 random(20261208);
    const auto pickOf = [&](int n) {
        return static_cast<int>(random() % static_cast<unsigned>(n));
    };
    const char* texts[] = {"1", "2.5", "10", "x", "", "0.8", "30"};
    for (int i = 0; i < 600; ++i) {
        const Kind k = TabOrder[static_cast<std::size_t>(pickOf(KindCount))];
        const int fields = static_cast<int>(kindInfo(k).fields.size());
        switch (pickOf(10)) {
        case 0:
        case 1:
        case 2:
            if (d.model().state(k).Count > 0)
                d.type(k, pickOf(fields), texts[pickOf(7)]);
            break;
        case 3:
            d.endTyping();
            break;
        case 4:
            d.add(k);
            break;
        case 5:
            d.erase(k);
            break;
        case 6:
            if (d.model().state(k).Count > 0)
                d.select(k, 1 + pickOf(d.model().state(k).Count));
            break;
        case 7:
            d.rotate(k);
            break;
        case 8:
            if (k != Kind::List) {
                const auto rows = catalogue::kindRows(k);
                d.pick(k, *rows[static_cast<std::size_t>(pickOf(static_cast<int>(rows.size())))]);
            }
            break;
        case 9:
            if (pickOf(2))
                d.undoStack()->undo();
            else
                d.undoStack()->redo();
            break;
        }
    }
    while (d.undoStack()->canUndo())
        d.undoStack()->undo();
    EXPECT_FALSE(d.isModified());
    // Choosing entries is no step: the entries on show when opened are chosen again.
    for (Kind k : TabOrder) {
        if (d.model().state(k).Count > 0) {
            ASSERT_TRUE(d.select(k, 1).done());
        }
    }
    ASSERT_TRUE(accepted(d));
    EXPECT_EQ(SaveSection(d.model()), opened);
}

} // namespace
} // namespace karo
