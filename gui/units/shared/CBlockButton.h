#pragma once

#include <QAbstractButton>
#include <QColor>

namespace kelo::gui {

/// Kinds of processing block; every family colours its blocks by kind, the same way.
enum class BlockKind {
    Gain,     ///< gains and levels: neutral
    Dynamics, ///< gates, limiters, compressors, hum cancellers
    Filter,   ///< equalisers and crossovers
    Delay     ///< input, sum and output delays
};

/// Fill colour of a block of a kind; muted so that lines and labels stay readable.
QColor blockColour(BlockKind kind);

/// One processing block of a unit's block diagram, and the button that opens its page: a rounded box
/// with the block's name and a short live summary ("+3.0dB", "BYP", "M"). A block that the routing mode
/// leaves without a source is disabled and drawn greyed.
class CBlockButton : public QAbstractButton {
    Q_OBJECT

public:
    CBlockButton(BlockKind kind, const QString& name, QWidget* parent = nullptr);

    BlockKind kind() const { return m_kind; }
    /// The summary line under the name; empty for none. Repaints only when it changed.
    void setSummary(const QString& summary);
    QString summary() const { return m_summary; }
    /// Draws the block with an alert outline (a muted output, a by-passed gate).
    void setAlert(bool alert);
    bool alert() const { return m_alert; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    BlockKind m_kind;
    QString m_summary;
    bool m_alert = false;
};

} // namespace kelo::gui
