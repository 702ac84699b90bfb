#pragma once

#include <QWidget>

class QCheckBox;

namespace kelo::gui {

/// The "Linking" page: "System Linking" makes every edit apply to all the units of the system.
class COptLinkPage : public QWidget {
    Q_OBJECT

public:
    explicit COptLinkPage(bool link, QWidget* parent = nullptr);

    bool link() const;

private:
    QCheckBox* m_linkCheckBox;
};

} // namespace kelo::gui
