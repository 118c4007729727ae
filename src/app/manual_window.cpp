#include "app/manual_window.h"

#include "texts/language.h"

#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QVBoxLayout>

#include <algorithm>

namespace karo::app {

namespace {

// Where the fields begin on every tab of the main window: what the guide must not hide.
constexpr int kFieldsX = 416;

// The frame the window manager will give a window of `client` size, judged by the owner's.
QSize frameSizeLike(const QWidget& owner, QSize client) {
    return client + (owner.frameGeometry().size() - owner.size());
}

} // namespace

QPoint ManualPosition(const QRect& screen, const QRect& mainFrame, const QSize& frame,
                      int fieldsStrip) {
    const int y = std::clamp(mainFrame.top(), screen.top(),
                             std::max(screen.top(), screen.bottom() + 1 - frame.height()));
    if (screen.right() - mainFrame.right() >= frame.width())
        return {mainFrame.right() + 1, y};
    if (mainFrame.left() - screen.left() >= frame.width())
        return {mainFrame.left() - frame.width(), y};
    // No room beside it: over the main window's pictures, up to where its fields begin.
    const int fieldsLeft = mainFrame.right() + 1 - fieldsStrip;
    return {std::max(screen.left(), fieldsLeft - frame.width()), y};
}

ManualWindow::ManualWindow(QWidget* owner) : QWidget(owner, Qt::Window) {
    setObjectName(QStringLiteral("ManualWindow"));
    setWindowTitle(tr("Руководство — Karo"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("ManualText"));
    browser_->setOpenExternalLinks(true);
    browser_->setMarkdown(text());
    wrapCodeBlocks();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(560, 640);
}

void ManualWindow::keyPressEvent(QKeyEvent* e) {
    // Escape closes the guide, as it closes a dialog.
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier)
        close();
    else
        QWidget::keyPressEvent(e);
}

void ManualWindow::wrapCodeBlocks() {
    // Code blocks keep their lines whole by default and are then cut at the window's edge;
    // a wrapped command line can still be read in full.
    QTextCursor c(browser_->document());
    for (QTextBlock b = browser_->document()->begin(); b.isValid(); b = b.next()) {
        if (!b.blockFormat().nonBreakableLines())
            continue;
        QTextBlockFormat f = b.blockFormat();
        f.setNonBreakableLines(false);
        c.setPosition(b.position());
        c.setBlockFormat(f);
    }
}

QString ManualWindow::text() {
    // The guide in the language on show when it has one, else the Russian original.
    QFile f(QStringLiteral(":/karo/manual.%1.md").arg(CurrentLanguage()));
    if (!f.exists())
        f.setFileName(QStringLiteral(":/karo/manual.md"));
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
        if (owner && s)
            move(ManualPosition(s->availableGeometry(), owner->frameGeometry(),
                                frameSizeLike(*owner, size()), owner->width() - kFieldsX));
    }
    show();
    raise();
    activateWindow();
}

} // namespace karo::app
