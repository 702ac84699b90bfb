#pragma once

#include <QMdiSubWindow>

#include <cstdint>

namespace kelo::gui {

class CSystemDoc;

/// Initial size of a unit window in pixels.
inline constexpr int kUnitWindowWidth = 632;
inline constexpr int kUnitWindowHeight = 397;

/// The window of one unit: an MDI child of fixed initial size without a maximise button. It knows its
/// document and the key of its unit; closing it deletes the unit after a question.
class CUnitChildFrame : public QMdiSubWindow {
    Q_OBJECT

public:
    CUnitChildFrame(CSystemDoc* document, std::uint32_t unitKey, QWidget* parent = nullptr);

    CSystemDoc* document() const { return m_document; }
    std::uint32_t unitKey() const { return m_unitKey; }

private:
    CSystemDoc* m_document;
    std::uint32_t m_unitKey;
};

} // namespace kelo::gui
