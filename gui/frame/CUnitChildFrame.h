#pragma once

#include <QMdiSubWindow>

#include <cstdint>

namespace kelo::gui {

class CSystemDoc;
class CT48View;

/// Initial size of a unit window in pixels.
inline constexpr int kUnitWindowWidth = 632;
inline constexpr int kUnitWindowHeight = 397;

/// The window of one unit: an MDI child of fixed initial size without a maximise button. It knows its
/// document and the key of its unit; closing it by hand deletes the unit after a question.
class CUnitChildFrame : public QMdiSubWindow {
    Q_OBJECT

public:
    CUnitChildFrame(CSystemDoc* document, std::uint32_t unitKey, QWidget* parent = nullptr);

    CSystemDoc* document() const { return m_document; }
    std::uint32_t unitKey() const { return m_unitKey; }
    CT48View* view() const { return m_view; }

    /// Closes the window without deleting its unit (the document is closing).
    void closeWithDocument();

public slots:
    /// Rebuilds the caption: name, identifier and current program.
    void refreshCaption();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    CSystemDoc* m_document;
    std::uint32_t m_unitKey;
    CT48View* m_view;
    bool m_closingWithDocument = false;
};

/// Unit window of the 2-in/6-out family.
class CTz48ChildFrame : public CUnitChildFrame {
    Q_OBJECT

public:
    CTz48ChildFrame(CSystemDoc* document, std::uint32_t unitKey, QWidget* parent = nullptr);
};

/// Unit window of the Plus family.
class CTz48PChildFrame : public CUnitChildFrame {
    Q_OBJECT

public:
    CTz48PChildFrame(CSystemDoc* document, std::uint32_t unitKey, QWidget* parent = nullptr);
};

/// Unit window of the amplifier family.
class CTzAmpChildFrame : public CUnitChildFrame {
    Q_OBJECT

public:
    CTzAmpChildFrame(CSystemDoc* document, std::uint32_t unitKey, QWidget* parent = nullptr);
};

} // namespace kelo::gui
