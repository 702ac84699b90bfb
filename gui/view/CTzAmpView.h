#pragma once

#include "gui/view/CT48View.h"

namespace kelo::gui {

/// The amplifier family's unit view: its two channels by name, until the family draws its own diagram.
class CTzAmpView : public CT48View {
    Q_OBJECT

public:
    CTzAmpView(CSystemDoc* document, std::uint32_t unitKey, QWidget* parent = nullptr);

    QString caption() const override;

protected:
    void paintDiagram(QPainter& painter) override;
    void refreshBlocks() override {}
    CUnitSheet* createSheet(int startPage) override;
};

} // namespace kelo::gui
