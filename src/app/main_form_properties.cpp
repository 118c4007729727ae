// The engineering properties of the section beside the window: the result tab's button and
// F6 show them, the file menu exports their table, and a profile they refuse is taken to its
// tab with the catalogue open.

#include "app/main_form.h"

#include "app/properties_window.h"
#include "properties_view/properties_chapter.h"
#include "solver/result_fields.h"

#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTabWidget>

namespace karo::app {

void TMainForm::buildPropertiesButton(QWidget* sheet, int y) {
    bbProperties_ = new QPushButton(tr("Характеристики…"), sheet);
    bbProperties_->setObjectName(QStringLiteral("bbProperties"));
    bbProperties_->setToolTip(
        tr("Сдвиг, пластический изгиб, кручение, центр изгиба и ядро сечения (F6)"));
    // Under the report's button, in the little height the tab has left below it.
    bbProperties_->setGeometry(424, y, 176, 22);
    connect(bbProperties_, &QPushButton::clicked, this,
            [this] { guarded([this] { showProperties(); }); });
}

PropertiesWindow* TMainForm::propertiesWindow() const {
    return properties_;
}

void TMainForm::showProperties() {
    if (!properties_) {
        properties_ = new PropertiesWindow(document_, dialogs_, this);
        connect(properties_, &PropertiesWindow::catalogueRequested, this,
                [this](Kind k, int number) {
                    guarded([this, k, number] { propertiesCatalogue(k, number); });
                });
    }
    properties_->present();
}

void TMainForm::propertiesCatalogue(Kind k, int number) {
    for (int n = 1; n <= KindCount; ++n)
        if (kindOfTab(n) == k)
            tabs_->setCurrentIndex(n - 1); // as the user chooses it: the tab left is committed
    if (currentTabNumber() < 1 || kindOfTab(currentTabNumber()) != k)
        return;
    if (model_.state(k).CurrentNumber != number && !document_.select(k, number).done())
        return;
    activateWindow();
    catalogueClick(k);
}

void TMainForm::writePropertiesChapter(report::Document& d, const TSectionResult& r) {
    properties::PropertiesSnapshot s = properties_ && !properties_->running() &&
                                               properties_->shownRevision() == document_.revision()
                                           ? properties_->snapshot()
                                           : properties::ComputePropertiesSnapshot(model_);
    s.sectionValues = ResultValues(r);
    properties::WritePropertiesChapter(d, model_, s);
}

void TMainForm::exportPropertiesClick() {
    const QString path =
        askOutputPath(tr("Экспорт характеристик"), tr("Характеристики.csv"),
                      tr("-характеристики.csv"), tr("Таблица CSV (*.csv)"), QStringLiteral(".csv"));
    if (path.isEmpty())
        return;
    if (!properties_)
        showProperties();
    properties_->exportTable(path);
    rememberFolder(path);
}

} // namespace karo::app
