#pragma once

#include "core/programs/ProgramLocations.h"
#include "core/programs/ProgramSequence.h"

#include <QColor>
#include <QPointer>
#include <QWidget>

#include <array>
#include <cstdint>
#include <vector>

class QLineEdit;
class QPushButton;
class QScrollBar;

namespace kelo {
class Unit;
}

namespace kelo::gui {

class CProgramSendJob;
class CSystemDoc;

/// The program bar of a unit window: twelve location buttons over the unit's factory and user programs
/// with a scroll bar, the current program's name, and the "Store" and "Recall" buttons that arm the
/// next location press.
///
/// A store or recall changes the document at once; on line the unit (and, with "Link" on, every unit
/// of the system) is then sent the result on a worker thread behind a modal progress dialog. The same
/// bar serves all three families; only their location counts differ.
class CProgramBar : public QWidget {
    Q_OBJECT

public:
    /// The button colours: a factory location, a user location holding a program, an empty one, and
    /// the current program.
    static const QColor kFactoryColour;
    static const QColor kUsedColour;
    static const QColor kEmptyColour;
    static const QColor kCurrentColour;

    CProgramBar(CSystemDoc* document, std::uint32_t unitKey, QWidget* parent = nullptr);
    ~CProgramBar() override;

    const ProgramLocations& locations() const { return m_locations; }
    /// The first visible location (the scroll position).
    std::uint32_t firstVisible() const { return m_first; }
    void setFirstVisible(std::uint32_t first);

    /// Button k (0..11) of the visible locations.
    QPushButton* locationButton(int k) const { return m_buttons.at(static_cast<std::size_t>(k)); }
    /// The colour button k is drawn in.
    QColor locationColour(int k) const { return m_colours.at(static_cast<std::size_t>(k)); }

    /// True while a store or recall is being sent.
    bool isSending() const;

public slots:
    /// Labels, colours, the current program's name and the lock state, from the document.
    void refresh();
    /// A press on location button k, as the user makes it.
    void pressLocation(int k);

signals:
    /// The records of these units were replaced by a store or recall (the requested unit first).
    void unitsChanged(const std::vector<std::uint32_t>& unitKeys);
    /// A store or recall is complete, sends included.
    void programDone();

private:
    Unit* unit() const;
    bool totalLock() const;
    bool linkOn() const;
    void storeInto(std::uint32_t slot);
    void recallFrom(const ProgramLocation& location);
    void run(const ProgramRequest& request, const QString& labelFormat);
    void announce(const std::vector<std::uint32_t>& unitKeys);
    void armStore(bool on);
    void armRecall(bool on);

    CSystemDoc* m_document;
    std::uint32_t m_unitKey;
    ProgramLocations m_locations;
    std::uint32_t m_first = 0;
    std::array<QPushButton*, ProgramLocations::kVisible> m_buttons{};
    std::array<QColor, ProgramLocations::kVisible> m_colours{};
    QScrollBar* m_scroll;
    QLineEdit* m_preset;
    QPushButton* m_store;
    QPushButton* m_recall;
    QPointer<CProgramSendJob> m_job;
};

} // namespace kelo::gui
