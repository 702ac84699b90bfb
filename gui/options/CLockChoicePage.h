#pragma once

#include "core/app/CGeneralSettings.h"

#include <QWidget>

#include <vector>

class QButtonGroup;

namespace kelo::gui {

/// What the two "Lock" pages share: one radio button per lock level and the password rules applied
/// when the user clicks one of them.
///
/// Locking from "Full Edit" asks for a new password; Cancel or an empty password keeps "Full Edit".
/// Leaving a lock (for "Full Edit" or the other lock) asks for the stored password and only an exact
/// match lets the new choice stand. A refused password puts the selection back without a message.
class CLockChoicePage : public QWidget {
    Q_OBJECT

public:
    LockLevel level() const { return m_level; }
    QString password() const { return m_password; }

protected:
    struct Choice {
        LockLevel level;
        QString label;
        QString objectName;
    };

    /// Builds the radio buttons in the given order and the note below them. A stored level without
    /// a button of its own shows as the last choice.
    CLockChoicePage(const std::vector<Choice>& choices, const QString& note, LockLevel level,
                    const QString& password, QWidget* parent);

private:
    void onChoiceClicked(int id);
    void showLevel();

    QButtonGroup* m_group;
    LockLevel m_level;
    QString m_password;
};

} // namespace kelo::gui
