#include "app/dialogs.h"

#include "app/catalogue_picker.h"
#include "app/place_dialog.h"
#include "io/to_qstring.h"
#include "model/messages.h"
#include "texts/message_text.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QUrl>

namespace karo::app {

DialogScope::~DialogScope() {
    if (--dialogs_.open_ == 0 && dialogs_.onAllClosed_)
        dialogs_.onAllClosed_();
}

void MessageBoxDialogs::warning(QWidget* parent, const QString& caption, const QString& text) {
    DialogScope open(*this);
    QMessageBox::warning(parent, caption, text, QMessageBox::Ok);
}

void MessageBoxDialogs::error(QWidget* parent, const QString& caption, const QString& text) {
    DialogScope open(*this);
    QMessageBox::critical(parent, caption, text, QMessageBox::Ok);
}

QString MessageBoxDialogs::openFileName(QWidget* parent, const QString& caption, const QString& dir,
                                        const QString& filter) {
    DialogScope open(*this);
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

QString MessageBoxDialogs::saveFileName(QWidget* parent, const QString& caption,
                                        const QString& initialPath, const QString& filter) {
    DialogScope open(*this);
    return QFileDialog::getSaveFileName(parent, caption, initialPath, filter);
}

bool MessageBoxDialogs::confirmOverwrite(QWidget* parent, const QString& path) {
    DialogScope open(*this);
    return QMessageBox::question(
               parent, MessageText(MessageCode::WarningCaption),
               tr("Файл «%1» уже существует.\nЗаменить его?").arg(QDir::toNativeSeparators(path)),
               QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

SaveChangesAnswer MessageBoxDialogs::askSaveChanges(QWidget* parent, const QString& text) {
    DialogScope open(*this);
    QMessageBox box(QMessageBox::Question, ToQString(kAppTitle), text, QMessageBox::NoButton,
                    parent);
    QPushButton* save = box.addButton(tr("Сохранить"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(tr("Не сохранять"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(tr("Отмена"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save)
        return SaveChangesAnswer::Save;
    if (box.clickedButton() == discard)
        return SaveChangesAnswer::Discard;
    return SaveChangesAnswer::Cancel;
}

bool MessageBoxDialogs::printSetup(QWidget* parent, QPrinter& printer) {
    DialogScope open(*this);
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    return dialog.exec() == QDialog::Accepted;
}

bool MessageBoxDialogs::openDocument(const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

const catalogue::ProfileRow* MessageBoxDialogs::pickProfile(QWidget* parent, Kind kind, int code,
                                                            const catalogue::ProfileRow* shown) {
    DialogScope open(*this);
    TCataloguePicker picker(kind, code, parent, shown);
    picker.exec();
    return picker.pickedRow();
}

std::optional<PlaceRequest> MessageBoxDialogs::askPlacement(QWidget* parent,
                                                            const ProfilePlacer& placer,
                                                            const TSectionModel& section) {
    DialogScope open(*this);
    PlaceDialog dialog(placer, section, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.request();
}

} // namespace karo::app
