#pragma once

#include <QPixmap>
#include <QWidget>

#include <utility>
#include <vector>

namespace kelo::gui {

/// The common part of the dynamics transfer graphs: input level along x from -120 dB (left) to +20 dB
/// (right), output level along y from +30 dB (top) to -110 dB (bottom), a 10 dB grid from -90 to +10 dB
/// and the level labels; a subclass gives the red curve as a polyline of (input, output) levels [dB].
class CTransferGraph : public QWidget {
    Q_OBJECT

public:
    explicit CTransferGraph(QWidget* parent = nullptr);

    /// x of an input level [dB].
    int xOfInput(double db) const;
    /// y of an output level [dB].
    int yOfOutput(double db) const;
    /// The curve's corners as (input, output) levels [dB].
    virtual std::vector<std::pair<double, double>> curve() const = 0;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

/// One band of the amplifier's two-band compressor: unity gain below the threshold, slope 1/ratio above.
class CCompressorGraph : public CTransferGraph {
    Q_OBJECT

public:
    explicit CCompressorGraph(QWidget* parent = nullptr);

    /// Threshold index of the band (compressor threshold scale) and ratio index 0..13.
    void setValues(int thresholdIndex, int ratioIndex);
    int thresholdIndex() const { return m_threshold; }
    int ratioIndex() const { return m_ratio; }
    /// The ratio of an index 0..13 (clamped): 1.1 .. 20.0.
    static double ratioValue(int ratioIndex);

    std::vector<std::pair<double, double>> curve() const override;

private:
    int m_threshold = 74;
    int m_ratio = 0;
};

/// The noise gate's static curve: unity gain above the threshold; below it the signal is lowered by the
/// range, so the line drops by the range at the threshold and runs parallel to unity below.
class CGateGraph : public CTransferGraph {
    Q_OBJECT

public:
    explicit CGateGraph(QWidget* parent = nullptr);

    /// Threshold index (gate threshold scale) and range index (gate range scale).
    void setValues(int thresholdIndex, int rangeIndex);
    int thresholdIndex() const { return m_threshold; }
    int rangeIndex() const { return m_range; }

    std::vector<std::pair<double, double>> curve() const override;

private:
    int m_threshold = 10;
    int m_range = 110;
};

} // namespace kelo::gui
