#pragma once

#include <QScrollArea>

#include <memory>
#include <vector>

class QLabel;

namespace kelo::gui {

class CCompressorGraph;
class CCrossoverPanel;
class CDelayPanel;
class CEqBandRow;
class CHumGraph;
class CPairedDelayPanel;
class CResponseGraph;
class DemoBlock;
class PanelBinding;

/// One window showing every graph, meter, fader and editing panel bound to an in-memory demo unit, so
/// that they can be seen and tried without a unit or a system file. Each edit is echoed in the status
/// line at the top as the setter call it makes.
class CControlGallery : public QScrollArea {
    Q_OBJECT

public:
    explicit CControlGallery(QWidget* parent = nullptr);
    ~CControlGallery() override;

    /// The last setter call, as shown in the status line.
    QString lastEdit() const;

private:
    QWidget* buildEqualiser();
    QWidget* buildLevels();
    QWidget* buildDynamics();
    QWidget* buildDelays();
    DemoBlock* block(const QString& name, const QStringList& fields, std::vector<int> values);
    void showChannel();

    std::vector<std::unique_ptr<DemoBlock>> m_blocks;
    std::vector<std::unique_ptr<PanelBinding>> m_readers;
    QLabel* m_status = nullptr;
    CResponseGraph* m_graph = nullptr;
    std::vector<CEqBandRow*> m_rows;
    std::vector<DemoBlock*> m_bands;
    DemoBlock* m_crossover = nullptr;
};

} // namespace kelo::gui
