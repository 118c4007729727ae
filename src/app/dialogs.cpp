#include "app/dialogs.h"

#include <QMessageBox>

namespace karo::app {

void MessageBoxDialogs::warning(QWidget* parent, const QString& caption, const QString& text) {
    QMessageBox::warning(parent, caption, text, QMessageBox::Ok);
}

void MessageBoxDialogs::error(QWidget* parent, const QString& caption, const QString& text) {
    QMessageBox::critical(parent, caption, text, QMessageBox::Ok);
}

} // namespace karo::app
