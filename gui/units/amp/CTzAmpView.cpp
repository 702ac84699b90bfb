#include "gui/units/amp/CTzAmpView.h"

#include "core/app/PresetLabel.h"
#include "core/units/Unit.h"
#include "gui/units/amp/AmpDiagram.h"
#include "gui/units/amp/CTzAmpSheet.h"

#include <QDialogButtonBox>
#include <QPainter>
#include <QPushButton>

namespace kelo::gui {

namespace {

BlockKind kindOf(AmpBlock block) {
    switch (block) {
    case AmpBlock::MDelay:
        return BlockKind::Delay;
    case AmpBlock::XOver:
    case AmpBlock::Eq:
        return BlockKind::Filter;
    case AmpBlock::Gain:
        return BlockKind::Gain;
    default:
        return BlockKind::Dynamics;
    }
}

} // namespace

CTzAmpView::CTzAmpView(CSystemDoc* document, std::uint32_t unitKey, QWidget* parent)
    : CT48View(document, unitKey, AmpDiagram::canvasSize(), parent) {
    for (int channel = 0; channel < 2; ++channel) {
        for (std::size_t b = 0; b < kAmpBlockCount; ++b) {
            const auto block = static_cast<AmpBlock>(b);
            const QString name = QString::fromStdString(ampBlockName(block));
            CBlockButton* button = addBlock(
                AmpDiagram::objectName(block, channel), kindOf(block), name,
                AmpDiagram::blockRect(block, channel), [this, block, channel] {
                    const AmpUnit* record = amp();
                    return static_cast<int>(ampStartPage(block, static_cast<std::size_t>(channel),
                                                         record != nullptr && record->live.ganging() != 0));
                });
            button->setToolTip(
                tr("%1 of channel %2").arg(name, channel == 0 ? QStringLiteral("A") : QStringLiteral("B")));
            m_blocks[static_cast<std::size_t>(channel)][b] = button;
        }
    }
    refreshBlocks();
}

const AmpUnit* CTzAmpView::amp() const {
    const Unit* shown = unit();
    return shown != nullptr ? shown->amp() : nullptr;
}

CBlockButton* CTzAmpView::block(AmpBlock block, int channel) const {
    return m_blocks[channel == 1 ? 1 : 0][static_cast<std::size_t>(block)];
}

QString CTzAmpView::caption() const {
    const Unit* shown = unit();
    const AmpUnit* record = amp();
    if (shown == nullptr || record == nullptr) {
        return {};
    }
    return QStringLiteral("%1 < ID:%2 >  -  Preset: %3")
        .arg(QString::fromStdU16String(shown->name()))
        .arg(shown->busId() + 1)
        .arg(QString::fromStdString(presetLabel(Family::TzAmp, shown->currentProgram(), record->live.name)));
}

void CTzAmpView::paintDiagram(QPainter& painter) {
    if (const AmpUnit* record = amp()) {
        AmpDiagram::paintLines(painter, *record);
    }
}

void CTzAmpView::refreshBlocks() {
    const AmpUnit* record = amp();
    if (record == nullptr) {
        return;
    }
    for (int channel = 0; channel < 2; ++channel) {
        for (std::size_t b = 0; b < kAmpBlockCount; ++b) {
            const auto kind = static_cast<AmpBlock>(b);
            CBlockButton* button = block(kind, channel);
            button->setSummary(AmpDiagram::summary(*record, kind, channel));
            button->setAlert(
                AmpDiagram::isBypassed(*record, kind, channel) ||
                (kind == AmpBlock::Gain && record->live.mute(static_cast<std::size_t>(channel)) != 0));
        }
    }
}

CUnitSheet* CTzAmpView::createSheet(int startPage) {
    return new CTzAmpSheet(document(), unitKey(), startPage);
}

QString CTzAmpView::editWindowTitle() const {
    const Unit* shown = unit();
    return shown != nullptr ? QString::fromStdU16String(shown->name()) : QString();
}

void CTzAmpView::prepareEditWindow(CEditWindow& window) {
    // Every edit already took effect, so there is nothing to confirm or cancel: OK and Cancel are
    // hidden, and "Store" closes the window keeping every edit (programs are stored from the program
    // bar, where the slot is chosen).
    QDialogButtonBox* buttons = window.buttonBox();
    buttons->setStandardButtons(QDialogButtonBox::NoButton);
    QPushButton* store = buttons->addButton(tr("Store"), QDialogButtonBox::ApplyRole);
    store->setObjectName(QStringLiteral("sheetStoreButton"));
    store->setToolTip(tr("Close the edit window; every change is already in the unit"));
    connect(store, &QPushButton::clicked, &window, &QDialog::accept);
}

} // namespace kelo::gui
