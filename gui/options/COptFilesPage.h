#pragma once

#include <QWidget>

class QCheckBox;

namespace kelo::gui {

/// The "Auto" page: "Auto Load File" reopens the most recent file at start.
class COptFilesPage : public QWidget {
    Q_OBJECT

public:
    explicit COptFilesPage(bool autoLoad, QWidget* parent = nullptr);

    bool autoLoad() const;

private:
    QCheckBox* m_autoLoadCheckBox;
};

} // namespace kelo::gui
