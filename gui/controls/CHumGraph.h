#pragma once

#include "core/scales/ResponseGrid.h"

#include <QWidget>

namespace kelo::gui {

/// The hum canceller's graph, on the response graph's plot: red, the response of the two notch-like
/// peaking bands around the hum frequency lifted by 12 dB; yellow, the threshold line.
class CHumGraph : public QWidget {
    Q_OBJECT

public:
    explicit CHumGraph(QWidget* parent = nullptr);

    /// Hum frequency index 0..300 and threshold index 0..60.
    void setValues(int frequencyIndex, int thresholdIndex);
    int frequencyIndex() const { return m_frequency; }
    int thresholdIndex() const { return m_threshold; }

    /// The red curve [dB].
    const Curve& curve() const { return m_curve; }
    /// The level of the yellow threshold line [dB]: 12 - 0.3 (60 - threshold index).
    double thresholdLevel() const;
    /// The frequency-scale index of the two bands: floor(0.27 f + 42).
    static int bandFrequencyIndex(int humFrequencyIndex);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_frequency = 100;
    int m_threshold = 0;
    Curve m_curve{};
};

} // namespace kelo::gui
