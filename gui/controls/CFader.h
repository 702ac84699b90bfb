#pragma once

#include <QWidget>

#include <functional>
#include <utility>
#include <vector>

class QLabel;
class QPushButton;
class QSlider;

namespace kelo::gui {

/// The fader variants.
enum class FaderKind {
    ProcessorInput,  ///< "Level": processor gain 0..72 on a track 0..112 held within 40..112; "Mute"
    ProcessorOutput, ///< "Output": as the input, with a "180°" polarity button
    AmpLevel,        ///< amplifier level 0..99 (-49.5 .. 0 dB), "-50" .. "0dB"; "Mute" and "180°"
};

/// A vertical fader with its title, scale labels, value text ("%+.1f" "dB" of the owner's rule) and
/// toggle buttons. The top of the track is the largest value; a track position outside the bounds is
/// pulled back into them. The owner's index is the track position minus the offset.
class CFader : public QWidget {
    Q_OBJECT

public:
    explicit CFader(FaderKind kind, QWidget* parent = nullptr);

    FaderKind kind() const { return m_kind; }

    /// Track 0..trackMaximum, the thumb held within lower..upper, index = position - offset.
    void setTrack(int trackMaximum, int lower, int upper, int offset);
    /// The owner's index-to-dB rule for the value text.
    void setDbRule(std::function<double(int)> rule);
    /// The labels beside the track with the track position each stands at.
    void setScaleLabels(std::vector<std::pair<QString, double>> labels);
    void setTitle(const QString& title);

    int index() const;
    /// Moves the fader to an index (clamped to the bounds) without reporting it.
    void setIndex(int index);
    int trackPosition() const;
    QString valueText() const;

    bool isMuted() const;
    void setMuted(bool muted);
    bool isPolarityReversed() const;
    void setPolarityReversed(bool reversed);

    QSlider* slider() const { return m_slider; }
    QPushButton* muteButton() const { return m_mute; }
    /// The "180°" button, or null for the input fader.
    QPushButton* polarityButton() const { return m_polarity; }

signals:
    /// The user moved the fader: the owner's new index.
    void indexChanged(int index);
    void muteToggled(bool muted);
    void polarityToggled(bool reversed);

private:
    void trackMoved(int position);
    void updateText();

    FaderKind m_kind;
    int m_offset = 40;
    int m_lower = 40;
    int m_upper = 112;
    std::function<double(int)> m_rule;
    QLabel* m_title;
    QSlider* m_slider;
    class Scale;
    Scale* m_scale;
    QLabel* m_value;
    QPushButton* m_mute;
    QPushButton* m_polarity = nullptr;
};

} // namespace kelo::gui
