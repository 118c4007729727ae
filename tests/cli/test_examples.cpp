// The shipped examples teach: no two profiles of one may lie in each other, or their area would
// count twice. Boxes from `karo-cli extents` pick the pairs that may overlap; their outlines,
// drawn alone as the section picture draws them, decide.

#include "cli_run.h"

#include "io/section_file.h"
#include "picture/outlines.h"

#include <QDir>
#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace karo::test {
namespace {

constexpr double kScale = 20; // pixels per cm
constexpr int kMargin = 8;    // pixels around the section
// Pixels shaved off each outline. Profiles that touch share a line; and the outlines draw an
// I-beam's or a channel's web and flanges as fractions of its width, not as rolled, so steel
// that touches may overlap on paper by up to 2.5 mm (a channel's web on an I-beam's flange).
// Four pixels on each side, less the pen's width, let 3 mm pass and still find a leg lying
// in a flange.
constexpr int kContact = 4;
constexpr double kEpsilon = 1e-9; // cm

struct Placed {
    QString key; // "Dt:1"
    Kind kind;
    int number;
    double left, right, bottom, top;
};

std::vector<Placed> extents(const QString& file) {
    const CliRun r = cli({QStringLiteral("extents"), file});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    std::vector<Placed> out;
    for (const QString& line : r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QStringList f = line.split(QLatin1Char('\t'));
        EXPECT_EQ(f.size(), 5) << line.toStdString();
        if (f.size() != 5)
            continue;
        const QStringList key = f[0].split(QLatin1Char(':'));
        const auto kind = std::find_if(TabOrder.begin(), TabOrder.end(), [&](Kind k) {
            return QString::fromStdString(std::string(kindInfo(k).prefix)) == key[0];
        });
        EXPECT_NE(kind, TabOrder.end()) << line.toStdString();
        if (kind == TabOrder.end())
            continue;
        out.push_back({f[0], *kind, key[1].toInt(), f[1].toDouble(), f[2].toDouble(),
                       f[3].toDouble(), f[4].toDouble()});
    }
    return out;
}

// What one outline encloses, lines included, less a rim of kContact pixels.
std::vector<bool> inside(const TSectionModel& model, const Placed& p, const Placed& frame) {
    const int w = static_cast<int>((frame.right - frame.left) * kScale) + 2 * kMargin;
    const int h = static_cast<int>((frame.top - frame.bottom) * kScale) + 2 * kMargin;
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    const auto [xc, yc] = model.visit(p.kind, [&](const auto& list) {
        return std::pair{list.entry(p.number).Xc, list.entry(p.number).Yc};
    });
    {
        Canvas canvas(image);
        DrawEntryOutline(canvas, kMargin + static_cast<int>((xc - frame.left) * kScale),
                         kMargin + static_cast<int>((frame.top - yc) * kScale), model, p.kind,
                         p.number, kScale);
    }
    // Outside is what white reaches from the edge.
    std::vector<bool> outside(static_cast<std::size_t>(w * h), false);
    std::vector<std::pair<int, int>> todo;
    const auto reach = [&](int x, int y) {
        const auto i = static_cast<std::size_t>(y * w + x);
        if (x < 0 || y < 0 || x >= w || y >= h || outside[i] ||
            image.pixel(x, y) != qRgb(255, 255, 255))
            return;
        outside[i] = true;
        todo.emplace_back(x, y);
    };
    for (int x = 0; x < w; ++x)
        reach(x, 0), reach(x, h - 1);
    for (int y = 0; y < h; ++y)
        reach(0, y), reach(w - 1, y);
    while (!todo.empty()) {
        const auto [x, y] = todo.back();
        todo.pop_back();
        reach(x + 1, y), reach(x - 1, y), reach(x, y + 1), reach(x, y - 1);
    }
    std::vector<bool> in(outside.size(), false);
    for (int y = kContact; y < h - kContact; ++y)
        for (int x = kContact; x < w - kContact; ++x) {
            bool all = true;
            for (int dy = -kContact; dy <= kContact && all; ++dy)
                for (int dx = -kContact; dx <= kContact && all; ++dx)
                    all = !outside[static_cast<std::size_t>((y + dy) * w + x + dx)];
            in[static_cast<std::size_t>(y * w + x)] = all;
        }
    return in;
}

// The pairs of profiles of `file` that lie in each other.
QStringList overlaps(const QString& file) {
    TSectionModel model;
    EXPECT_TRUE(LoadSectionFile(file, model).ok());
    const std::vector<Placed> boxes = extents(file);
    if (boxes.empty())
        return {};
    Placed frame = boxes.front();
    for (const Placed& b : boxes) {
        frame.left = std::min(frame.left, b.left), frame.right = std::max(frame.right, b.right);
        frame.bottom = std::min(frame.bottom, b.bottom), frame.top = std::max(frame.top, b.top);
    }
    QStringList found;
    for (std::size_t i = 0; i < boxes.size(); ++i)
        for (std::size_t j = i + 1; j < boxes.size(); ++j) {
            const Placed &a = boxes[i], &b = boxes[j];
            if (std::min(a.right, b.right) - std::max(a.left, b.left) <= kEpsilon ||
                std::min(a.top, b.top) - std::max(a.bottom, b.bottom) <= kEpsilon)
                continue; // apart, or touching along a side
            const std::vector<bool> ina = inside(model, a, frame), inb = inside(model, b, frame);
            for (std::size_t p = 0; p < ina.size(); ++p)
                if (ina[p] && inb[p]) {
                    found << a.key + QLatin1Char('/') + b.key;
                    break;
                }
        }
    return found;
}

TEST(Examples, NoTwoProfilesLieInEachOther) {
    const QDir examples(QStringLiteral(KARO_SOURCE_DIR "/examples"));
    const QStringList files = examples.entryList({QStringLiteral("*.karo")});
    ASSERT_GE(files.size(), 5);
    for (const QString& name : files) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(overlaps(examples.filePath(name)).join(QLatin1Char(' ')).toStdString(), "");
    }
}

TEST(Examples, TheCheckFindsAnAngleLyingInAFlange) {
    // The angle's heel at the I-beam's lower left corner, its legs along the flange and up.
    QTemporaryDir dir;
    const QString file = write(dir, "overlap.karo", R"({"format": "karo-section", "version": 1,
        "kinds": {"Dt": {"entries": [{"orientation": 1, "h": "20", "b": "10", "A": "26.8",
                                      "Ix": "1840", "Iy": "115", "Xc": "0", "Yc": "0"}]},
                  "Un": {"orientation": 2, "entries": [{"orientation": 2, "B1": "10",
                         "b2": "6.3", "d": "0.8", "A": "12.6", "Ix": "127", "Iy": "39.2",
                         "Iu": "23.4", "Xo": "1.5", "Yo": "3.32", "Xc": "-3.5",
                         "Yc": "-6.68"}]}}})");
    EXPECT_EQ(overlaps(file), QStringList{QStringLiteral("Dt:1/Un:1")});
}

} // namespace
} // namespace karo::test
