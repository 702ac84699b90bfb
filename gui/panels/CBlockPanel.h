#pragma once

#include <QWidget>

namespace kelo::gui {

class PanelBinding;

/// Base of the block-editing panels: holds the binding through which the panel reads and writes its
/// fields, and reports every change the user makes.
///
/// A panel knows nothing of units or families; it formats, clamps and calls the binding's setter.
class CBlockPanel : public QWidget {
    Q_OBJECT

public:
    explicit CBlockPanel(QWidget* parent = nullptr);

    /// Binds the panel (not owned; it must outlive the panel or be replaced first) and refreshes it.
    void setBinding(PanelBinding* binding);
    PanelBinding* binding() const { return m_binding; }

public slots:
    /// Fills every field from the binding (after a recall, a transfer or an edit made elsewhere).
    virtual void refresh() = 0;

signals:
    /// The user changed a value of this block; the setter has been called already.
    void changed();

protected:
    /// The stored index of a field; 0 while unbound.
    int read(int field) const;
    /// Calls the setter of a field (nothing while unbound).
    void write(int field, int index);

private:
    PanelBinding* m_binding = nullptr;
};

} // namespace kelo::gui
