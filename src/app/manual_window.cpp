#include "app/manual_window.h"

#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace karo::app {

ManualWindow::ManualWindow(QWidget* owner) : QWidget(owner, Qt::Window) {
    setObjectName(QStringLiteral("ManualWindow"));
    setWindowTitle(QStringLiteral("Руководство — Karo"));
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
        // To the right of the main window when the screen has room there, else to its left,
        // else where the window system puts it.
        const QWidget* owner = parentWidget();
        const QScreen* s =
            owner && owner->screen() ? owner->screen() : QGuiApplication::primaryScreen();
        if (owner && s) {
            const QRect area = s->availableGeometry();
            const QRect main = owner->frameGeometry();
            const int y = std::clamp(main.top(), area.top(), area.bottom() - height());
            if (main.right() + width() < area.right())
                move(main.right() + 1, y);
            else if (main.left() - width() > area.left())
                move(main.left() - width(), y);
        }
    }
    show();
    raise();
    activateWindow();
}

} // namespace karo::app
