#pragma once

#include "core/family/Family.h"
#include "gui/view/CT48View.h"

#include <array>

namespace kelo {
struct ProcessorUnit;
} // namespace kelo

namespace kelo::gui {

/// The block diagram of a processor unit (2-in/6-out and Plus families): input A's chain at the top,
/// input B's at the bottom, the input sum and its delay between them, six output chains on the right and
/// the lines of the unit's routing mode from A, B and the sum to the outputs, with the mode's label under
/// the diagram. The two families differ only in data (caption, limiter title).
class CProcessorView : public CT48View {
    Q_OBJECT

public:
    CProcessorView(Family family, CSystemDoc* document, std::uint32_t unitKey, QWidget* parent = nullptr);

    Family family() const { return m_family; }
    QString routingText() const override;
    QString caption() const override;
    /// The block button of an object name such as "outputEq3" or "inputBDelay", or null.
    CBlockButton* block(const QString& objectName) const;

protected:
    void paintDiagram(QPainter& painter) override;
    void refreshBlocks() override;
    CUnitSheet* createSheet(int startPage) override;

private:
    const ProcessorUnit* processor() const;
    void createBlocks();

    Family m_family;
    std::array<std::array<CBlockButton*, 4>, 2> m_inputBlocks{};  ///< gain, noise, eq, delay of A, B
    std::array<std::array<CBlockButton*, 5>, 6> m_outputBlocks{}; ///< delay, xover, eq, gain, limiter
    CBlockButton* m_sumDelay = nullptr;
};

} // namespace kelo::gui
