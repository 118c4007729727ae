// Writes example pictures as PNG files for a look by eye: dump_pictures DIR
#include "fixtures.h"
#include "model/orientation.h"
#include "picture/sketches.h"

#include <QGuiApplication>
#include <QPainter>

#include <cstdlib>
#include <vector>

using namespace karo;
using namespace karo::test;

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    // picture_dump grid COLUMNS OUT IN...: the pictures side by side, for one look.
    if (argc > 4 && QByteArray(argv[1]) == "grid") {
        const int cols = std::atoi(argv[2]);
        const int n = argc - 4;
        const int rows = (n + cols - 1) / cols;
        QImage out(cols * 400, rows * 400, QImage::Format_RGB32);
        out.fill(Qt::gray);
        QPainter p(&out);
        for (int i = 0; i < n; ++i)
            p.drawImage(i % cols * 400, i / cols * 400,
                        QImage(QString::fromLocal8Bit(argv[4 + i])));
        p.end();
        return out.save(QString::fromLocal8Bit(argv[3])) ? 0 : 1;
    }
    // picture_dump zoom IN X Y W H FACTOR OUT: a magnified crop, pixels kept square.
    if (argc == 9 && QByteArray(argv[1]) == "zoom") {
        const QImage in(QString::fromLocal8Bit(argv[2]));
        const int f = std::atoi(argv[7]);
        const QImage crop =
            in.copy(std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]), std::atoi(argv[6]));
        return crop.scaled(crop.size() * f, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                       .save(QString::fromLocal8Bit(argv[8]))
                   ? 0
                   : 1;
    }
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp");
    {
        TSectionModel m;
        addPlate(m, 20, 10, 3, 4);
        solvePicture(m).save(dir + "/pic_plate.png");
    }
    {
        TSectionModel m;
        addDt(m, 1, 0, 0);
        addSh(m, 2, 5 + 2.07, 0);
        addUr(m, 2, -5 + 2.83, -10 - 2.83);
        solvePicture(m).save(dir + "/pic_mixed.png");
    }
    for (int code = 1; code <= 8; ++code) {
        TSectionModel m;
        addUn(m, code, 0, 0);
        solvePicture(m).save(dir + QStringLiteral("/pic_un%1.png").arg(code));
    }
    for (int code = 1; code <= 4; ++code) {
        TSectionModel m;
        addSh(m, code, 0, 0);
        addUr(m, code, 20, 0);
        solvePicture(m).save(dir + QStringLiteral("/pic_sh_ur%1.png").arg(code));
    }
    {
        TSectionModel m;
        addDt(m, 2, 0, 0);
        addPlate(m, 1, 20, 0, 5.5);
        solvePicture(m).save(dir + "/pic_dt2.png");
    }
    {
        TSectionModel m;
        addPlate(m, 10, 10, 0, 0);
        solvePicture(m).save(dir + "/pic_square.png");
    }
    {
        TSectionModel m;
        addPlate(m, 20, 10, 0, 0);
        addDt(m, 1, 30, 0, 1, 0.5);
        solvePicture(m).save(dir + "/pic_thin.png");
    }
    {
        TSectionModel m;
        addPlate(m, 10, 10, 0, 0);
        addPlate(m, 10, 10, 10, 0);
        solvePicture(m).save(dir + "/pic_touch.png");
    }
    std::vector<std::pair<Kind, int>> sketches;
    for (Kind kind : {Kind::Dt, Kind::Sh, Kind::Un, Kind::Ur})
        for (int code = 1; IsValidCode(kind, code); ++code)
            sketches.emplace_back(kind, code);
    for (auto [kind, code] : sketches)
        OrientationPicture(kind, code)
            .save(dir +
                  QStringLiteral("/sketch_%1%2.png")
                      .arg(QString::fromLatin1(kindInfo(kind).prefix.data(),
                                               static_cast<int>(kindInfo(kind).prefix.size())))
                      .arg(code));
    PlatePicture(PlateView::Tab).save(dir + "/sketch_plate_tab.png");
    PlatePicture(PlateView::Horizontal).save(dir + "/sketch_plate_h.png");
    PlatePicture(PlateView::Vertical).save(dir + "/sketch_plate_v.png");
    return 0;
}
