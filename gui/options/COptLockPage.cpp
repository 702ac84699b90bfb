#include "gui/options/COptLockPage.h"

namespace kelo::gui {

COptLockPage::COptLockPage(LockLevel level, const QString& password, QWidget* parent)
    : CLockChoicePage(
          {{LockLevel::FullEdit, QStringLiteral("Full Edit"), QStringLiteral("fullEditRadioButton")},
           {LockLevel::PartialLock, QStringLiteral("Partial Lock"), QStringLiteral("partialLockRadioButton")},
           {LockLevel::TotalLock, QStringLiteral("Total Lock"), QStringLiteral("totalLockRadioButton")}},
          QStringLiteral("NOTE:\nFULL EDIT: ALL PARAMETERS CAN BE MODIFIED\n"
                         "PARTIAL LOCK: ONLY INPUT PARAMETERS CAN BE MODIFIED\n"
                         "TOTAL LOCK: NO PARAMETER CAN BE MODIFIED\n"),
          level, password, parent) {
    setObjectName(QStringLiteral("optLockPage"));
}

} // namespace kelo::gui
