#include "gui/options/CLockChoicePage.h"

#include "gui/options/CLockPasswordDlg.h"
#include "gui/options/CNoteLabel.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kelo::gui {

CLockChoicePage::CLockChoicePage(const std::vector<Choice>& choices, const QString& note, LockLevel level,
                                 const QString& password, QWidget* parent)
    : QWidget(parent), m_group(new QButtonGroup(this)), m_level(level), m_password(password) {
    auto* layout = new QVBoxLayout(this);
    bool levelHasButton = false;
    for (const Choice& choice : choices) {
        auto* button = new QRadioButton(choice.label, this);
        button->setObjectName(choice.objectName);
        m_group->addButton(button, static_cast<int>(choice.level));
        layout->addWidget(button);
        levelHasButton = levelHasButton || choice.level == level;
    }
    if (!levelHasButton && !choices.empty()) {
        m_level = choices.back().level;
    }
    layout->addWidget(new CNoteLabel(note, this));
    layout->addStretch();
    showLevel();
    connect(m_group, &QButtonGroup::idClicked, this, &CLockChoicePage::onChoiceClicked);
}

void CLockChoicePage::onChoiceClicked(int id) {
    const auto wanted = static_cast<LockLevel>(id);
    if (wanted == m_level) {
        return;
    }
    const std::optional<QString> entered = CLockPasswordDlg::ask(this);
    if (m_level == LockLevel::FullEdit) {
        if (entered && !entered->isEmpty()) {
            m_password = *entered;
            m_level = wanted;
        }
    } else if (entered && *entered == m_password) {
        m_level = wanted;
    }
    showLevel();
}

void CLockChoicePage::showLevel() {
    if (QAbstractButton* button = m_group->button(static_cast<int>(m_level))) {
        button->setChecked(true);
    }
}

} // namespace kelo::gui
