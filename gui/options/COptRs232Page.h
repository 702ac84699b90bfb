#pragma once

#include "core/app/CGeneralSettings.h"

#include <QWidget>

class QButtonGroup;
class QComboBox;

namespace kelo::gui {

/// The "Rs232" page: the serial port ("COM 1".."COM 4") and the line speed.
///
/// A port's button is enabled only when that port is present; a stored port that is missing stays
/// selected (and stored) until the user picks another one. While the line is locked (the active
/// system is on line) neither the port nor the speed can be changed.
class COptRs232Page : public QWidget {
    Q_OBJECT

public:
    COptRs232Page(const CGeneralSettings& settings, bool lineLocked, QWidget* parent = nullptr);

    int port() const;
    int baudRate() const;

private:
    QButtonGroup* m_portGroup;
    QComboBox* m_baudRateComboBox;
    int m_storedPort;
    int m_storedBaudRate;
};

} // namespace kelo::gui
