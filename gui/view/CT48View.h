#pragma once

#include <QWidget>

#include <cstdint>

class QLabel;

namespace kelo::gui {

class CSystemDoc;

/// Connection indicator of a unit window.
enum class ConnectionIndicator {
    Hidden = 0,       ///< the system is off line, or the unit is not polled
    Connected = 1,    ///< the unit answers
    NotResponding = 2 ///< the unit stopped answering
};

/// The common view of the unit windows of the three families: the unit's signal routing and its
/// connection indicator.
class CT48View : public QWidget {
    Q_OBJECT

public:
    CT48View(CSystemDoc* document, std::uint32_t unitKey, QWidget* parent = nullptr);

    ConnectionIndicator connectionIndicator() const { return m_indicator; }
    /// The routing text shown, e.g. "*A135B246*".
    QString routingText() const;

public slots:
    /// Recomputes the connection indicator from the document's on-line flag and the unit's entry in the
    /// connection table, and redraws it when it changed.
    void refreshConnectionIndicator();
    /// Redraws what the view shows of the unit (after Modify Unit or a program recall).
    void refreshUnit();

private:
    void showIndicator();

    CSystemDoc* m_document;
    std::uint32_t m_unitKey;
    QLabel* m_routing;
    QLabel* m_details;
    QLabel* m_indicatorLabel;
    ConnectionIndicator m_indicator = ConnectionIndicator::Hidden;
};

/// The 2-in/6-out family's view.
class CTz48View : public CT48View {
    Q_OBJECT
    using CT48View::CT48View;
};

/// The Plus family's view.
class CTz48PView : public CT48View {
    Q_OBJECT
    using CT48View::CT48View;
};

/// The amplifier family's view.
class CTzAmpView : public CT48View {
    Q_OBJECT
    using CT48View::CT48View;
};

} // namespace kelo::gui
