#include "gui/options/COptEditPage.h"

namespace kelo::gui {

COptEditPage::COptEditPage(LockLevel level, const QString& password, QWidget* parent)
    : CLockChoicePage(
          {{LockLevel::FullEdit, QStringLiteral("Full Edit"), QStringLiteral("fullEditRadioButton")},
           {LockLevel::TotalLock, QStringLiteral("Total Lock"), QStringLiteral("totalLockRadioButton")}},
          QStringLiteral("NOTE:\nFULL EDIT: ALL PARAMETERS CAN BE MODIFIED\n\n"
                         "TOTAL LOCK: NO PARAMETER CAN BE MODIFIED\n"),
          level, password, parent) {
    setObjectName(QStringLiteral("optEditPage"));
}

} // namespace kelo::gui
