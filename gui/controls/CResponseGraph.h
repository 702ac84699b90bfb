#pragma once

#include "core/scales/ChannelResponse.h"
#include "core/units/processor/CrossoverSection.h"
#include "core/units/processor/EqBand.h"

#include <QColor>
#include <QPixmap>
#include <QWidget>

#include <optional>
#include <span>
#include <vector>

namespace kelo::gui {

/// The frequency-response graph of a channel, with a draggable handle per EQ band.
///
/// The whole widget is the plot: x(g) = floor(p g / 220) with p = width - 50, measured from 40 pixels
/// right of the left edge, and y(L) = floor((21 - L)(h - 1) / 42) for L dB (+21 dB at the top, -21 dB at
/// the bottom). Dragging a handle moves its band, recomputes the curve at once and reports the band's new
/// frequency and gain indices; the page stores them. With the focus, the arrow keys move the current band
/// (left/right one frequency step, up/down half a dB, Page Up/Down 3 dB) as a short drag would.
class CResponseGraph : public QWidget {
    Q_OBJECT

public:
    /// The plot's left edge, in pixels from the widget's left edge.
    static constexpr int kPlotLeft = 40;
    /// Half the side of a band handle [px].
    static constexpr int kHandleHalfSize = 4;

    explicit CResponseGraph(QWidget* parent = nullptr);

    /// Shows an output channel: its crossover and EQ bands make the curve; every band gets a handle.
    void setChannel(const CrossoverSection& crossover, std::span<const EqBand> bands);
    /// Shows an equaliser without crossover (an input).
    void setEqualizer(std::span<const EqBand> bands);
    /// Shows ready-made curves (for example all outputs of a unit), one pen colour each, without handles.
    void setCurves(const std::vector<Curve>& curves, const std::vector<QColor>& colours);

    /// Hides or shows the band handles.
    void setHandlesVisible(bool visible);
    bool handlesVisible() const { return m_handlesVisible; }
    /// Gives handles to bands first .. first + count - 1 only (a channel showing five of its ten bands);
    /// every band still enters the curve. A negative count gives every band a handle (the default).
    void setHandleRange(int first, int count);
    /// Whether a band has a handle now.
    bool hasHandle(int band) const;
    /// Limits where a band's handle may be dragged (plot coordinates); nothing restores the default: the
    /// rectangle of the band's whole frequency and gain range.
    void setDragRect(int band, std::optional<QRect> rect);
    QRect dragRect(int band) const;

    int bandCount() const { return static_cast<int>(m_bands.size()); }
    EqBand band(int band) const;
    /// The band being dragged, or -1.
    int draggedBand() const { return m_dragged; }
    /// The band the keys move while the graph has focus (digit keys 1..9 choose it).
    int currentBand() const { return m_current; }
    void setCurrentBand(int band);
    /// The total curve shown for the channel.
    const Curve& totalCurve() const { return m_total; }

    /// Plot width p.
    int plotWidth() const;
    /// x of grid point g in plot coordinates.
    int xOfGridPoint(int g) const;
    /// y of a level [dB].
    int yOfLevel(double db) const;
    /// A band's handle centre in plot coordinates.
    QPoint handleCentre(int band) const;
    /// The first band (in band order) whose handle contains a point in widget coordinates, or -1.
    int handleAt(const QPoint& widgetPoint) const;
    /// Frequency index for a plot x: (x * 220 div p) - 12 + 1, clamped to 0..200.
    int frequencyIndexAt(int x) const;
    /// Gain index for a plot y: floor(2 (21 - y * 42 / (h - 1)) + 30), clamped to 0..60.
    int gainIndexAt(int y) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    /// A band's handle was grabbed with the left button.
    void bandGrabbed(int band);
    /// The grabbed handle moved: the band now has these indices.
    void bandMoved(int band, int frequencyIndex, int gainIndex);
    /// The grabbed handle was let go.
    void bandReleased(int band);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    enum class Source { None, Channel, Equalizer, Curves };

    void recompute();
    void paintBackground();

    Source m_source = Source::None;
    CrossoverSection m_crossover;
    std::vector<EqBand> m_bands;
    std::vector<std::optional<QRect>> m_dragRects;
    Curve m_total{};
    std::vector<Curve> m_curves;
    std::vector<QColor> m_colours;
    bool m_handlesVisible = true;
    int m_firstHandle = 0;
    int m_handleCount = -1;
    int m_dragged = -1;
    int m_current = 0;
    QPixmap m_background;
};

} // namespace kelo::gui
