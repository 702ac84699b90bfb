#pragma once

#include <QColor>
#include <QStringList>
#include <QWidget>

#include <array>
#include <functional>

class QTimer;

namespace kelo::gui {

/// Which labels a meter carries.
enum class MeterKind {
    Input,         ///< "Clip", "-6dB", "-12dB", "-18dB", "-24dB"
    LimiterOvld,   ///< "Ovld", "Limit", "-6dB", "-12dB", "-24dB"
    LimiterClip,   ///< "Clip", "Limit", "-6dB", "-12dB", "-24dB"
    GainReduction, ///< headed "Gain Red": "1dB", "-5dB", "-10dB", "-20dB", "-30dB"
};

/// A column of five LEDs. While metering is enabled a 25 ms timer asks the owner for the level 0..5 and
/// lights the fields from the bottom (green, green, green, yellow, red); any other level shows all grey.
/// While disabled the column shows its fixed disabled colours.
class CLedMeter : public QWidget {
    Q_OBJECT

public:
    static constexpr int kFieldCount = 5;
    /// Polling period [ms].
    static constexpr int kPollInterval = 25;

    explicit CLedMeter(MeterKind kind, QWidget* parent = nullptr);

    MeterKind kind() const { return m_kind; }
    QStringList labels() const;

    /// Where the level comes from; asked on every tick while metering is enabled.
    void setLevelSource(std::function<int()> source);
    /// Starts (enabled) or stops the polling timer.
    void setMeteringEnabled(bool enabled);
    bool isMeteringEnabled() const { return m_enabled; }
    bool isPolling() const;

    int level() const { return m_level; }
    /// Shows a level directly (0..5; other values show all grey).
    void setLevel(int level);
    /// The colour of a field, 0 = top.
    QColor fieldColour(int field) const;

    /// The five colours, top first, of a level while metering is enabled.
    static std::array<QColor, kFieldCount> coloursForLevel(int level);
    /// The five colours, top first, while metering is disabled.
    static std::array<QColor, kFieldCount> disabledColours();

    QSize sizeHint() const override;

public slots:
    /// One timer tick: asks the source for the level and redraws when it changed.
    void poll();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    MeterKind m_kind;
    std::function<int()> m_source;
    bool m_enabled = false;
    int m_level = 0;
    QTimer* m_timer;
};

} // namespace kelo::gui
