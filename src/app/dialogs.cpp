#include "app/dialogs.h"

#include <QFileDialog>
#include <QMessageBox>

namespace karo::app {

void MessageBoxDialogs::warning(QWidget* parent, const QString& caption, const QString& text) {
    QMessageBox::warning(parent, caption, text, QMessageBox::Ok);
}

void MessageBoxDialogs::error(QWidget* parent, const QString& caption, const QString& text) {
    QMessageBox::critical(parent, caption, text, QMessageBox::Ok);
}

QString MessageBoxDialogs::openFileName(QWidget* parent, const QString& caption, const QString& dir,
                                        const QString& filter) {
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

QString MessageBoxDialogs::saveFileName(QWidget* parent, const QString& caption,
                                        const QString& initialPath, const QString& filter) {
    return QFileDialog::getSaveFileName(parent, caption, initialPath, filter);
}

} // namespace karo::app
