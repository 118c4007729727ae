#include "app/manual_window.h"

#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace karo::app {

ManualWindow::ManualWindow(QWidget* owner) : QWidget(owner, Qt::Window) {
    setObjectName(QStringLiteral("ManualWindow"));
    setWindowTitle(tr("Руководство — Karo"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("ManualText"));
    browser_->setOpenExternalLinks(true);
    browser_->setMarkdown(text());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(560, 640);
}

QString ManualWindow::text() {
    QFile f(QStringLiteral(":/karo/manual.md"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll());
}

void ManualWindow::present() {
    if (!placed_) {
        placed_ = true;
        // On the side of the main window with more room, within the screen: beside it when
        // the screen is wide enough, overlapping it as little as possible when not.
        const QWidget* owner = parentWidget();
        const QScreen* s =
            owner && owner->screen() ? owner->screen() : QGuiApplication::primaryScreen();
        if (owner && s) {
            const QRect area = s->availableGeometry();
            const QRect main = owner->frameGeometry();
            const int y =
                std::clamp(main.top(), area.top(), std::max(area.top(), area.bottom() - height()));
            const int x = area.right() - main.right() >= main.left() - area.left()
                              ? std::min(main.right() + 1, area.right() - width())
                              : std::max(main.left() - width(), area.left());
            move(std::max(x, area.left()), y);
        }
    }
    show();
    raise();
    activateWindow();
}

} // namespace karo::app
