#include "gui/units/shared/CUnitPage.h"

#include "core/units/Unit.h"
#include "gui/app/CEditorApp.h"
#include "gui/doc/CSystemDoc.h"
#include "gui/edit/CSystemEditor.h"
#include "gui/online/COnlineController.h"
#include "gui/panels/CBlockPanel.h"
#include "gui/panels/PanelBinding.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QTimer>
#include <QVBoxLayout>

#include <utility>

namespace kelo::gui {

namespace {

/// Counts user gestures (a mouse press, a key press that is not a repeat): edits made within one gesture
/// share a merge key, so one drag or one held key is one undo step.
class GestureCounter : public QObject {
public:
    static std::uint64_t current() {
        static GestureCounter* counter = [] {
            auto* created = new GestureCounter;
            QCoreApplication::instance()->installEventFilter(created);
            return created;
        }();
        return counter->m_gesture;
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick ||
            (event->type() == QEvent::KeyPress && !static_cast<QKeyEvent*>(event)->isAutoRepeat())) {
            ++m_gesture;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    GestureCounter() : QObject(QCoreApplication::instance()) {}
    std::uint64_t m_gesture = 1;
};

/// The channel last copied with Copy Channel.
struct ChannelClipboard {
    QPointer<CSystemDoc> document;
    ChannelRef channel;
};

std::optional<ChannelClipboard>& clipboard() {
    static std::optional<ChannelClipboard> copied;
    return copied;
}

} // namespace

LockLevel currentLockLevel() {
    const CEditorApp* app = CEditorApp::instance();
    if (app == nullptr) {
        return LockLevel::FullEdit;
    }
    const int lock = app->settings().lock;
    return lock <= 0 ? LockLevel::FullEdit : lock == 1 ? LockLevel::PartialLock : LockLevel::TotalLock;
}

ConnectionEntry connectedEntry(const CSystemDoc& document, const Unit* unit) {
    CEditorApp* app = CEditorApp::instance();
    if (!document.isOnLine() || unit == nullptr || app == nullptr || app->online() == nullptr) {
        return {};
    }
    ConnectionEntry entry = app->online()->engine().GetConnectionEntry(unit->busId());
    return entry.state == ConnectionState::Connected ? entry : ConnectionEntry{};
}

CUnitPage::CUnitPage(CSystemDoc* document, std::uint32_t unitKey, QWidget* parent)
    : QWidget(parent), m_document(document), m_unitKey(unitKey), m_lockLine(new QLabel(this)),
      m_content(new QVBoxLayout) {
    m_lockLine->setObjectName(QStringLiteral("lockLine"));
    m_lockLine->setStyleSheet(QStringLiteral("QLabel { color: #b00000; font-weight: bold; }"));
    m_lockLine->hide();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_lockLine);
    layout->addLayout(m_content, 1);
    connect(&editor(), &CSystemEditor::fieldChanged, this,
            [this](std::uint32_t key, kelo::FieldRef) { unitFieldChanged(key); });
    connect(&editor(), &CSystemEditor::unitReplaced, this, &CUnitPage::unitFieldChanged);
}

CUnitPage::~CUnitPage() = default;

Unit* CUnitPage::unit() const {
    return m_document->system().FindUnit(m_unitKey);
}

CSystemEditor& CUnitPage::editor() const {
    return m_document->editor();
}

std::uint32_t CUnitPage::fieldValue(FieldRef field) const {
    return editor().value(m_unitKey, field).value_or(0);
}

bool CUnitPage::setField(FieldRef field, std::uint32_t index, EditOrigin origin) {
    return editor().setField(m_unitKey, field, index, origin, GestureCounter::current());
}

void CUnitPage::moveBand(FieldRef frequency, FieldRef gain, int frequencyIndex, int gainIndex) {
    for (const auto& [field, index] : {std::pair{frequency, frequencyIndex}, std::pair{gain, gainIndex}}) {
        if (fieldValue(field) != static_cast<std::uint32_t>(index)) {
            setField(field, static_cast<std::uint32_t>(index));
        }
    }
}

void CUnitPage::unitFieldChanged(std::uint32_t unitKey) {
    if (unitKey != m_unitKey) {
        return;
    }
    // A page that is not shown rereads its fields when it is; a shown page once per event-loop turn,
    // however many fields one edit changed (partner, undo of a paste).
    if (!isVisible()) {
        m_stale = true;
        return;
    }
    if (!m_refreshPending) {
        m_refreshPending = true;
        QTimer::singleShot(0, this, [this] {
            m_refreshPending = false;
            if (unit() != nullptr) {
                refreshFields();
            }
        });
    }
}

void CUnitPage::bindPanel(CBlockPanel* panel, std::function<std::optional<FieldRef>(int)> map,
                          EditOrigin origin) {
    auto binding = std::make_unique<FunctionBinding>(
        [this, map](int field) {
            const std::optional<FieldRef> ref = map(field);
            return ref ? static_cast<int>(fieldValue(*ref)) : 0;
        },
        [this, map, origin](int field, int index) {
            if (const std::optional<FieldRef> ref = map(field); ref && index >= 0) {
                setField(*ref, static_cast<std::uint32_t>(index), origin);
            }
        });
    panel->setBinding(binding.get());
    m_bindings.push_back(std::move(binding));
    m_panels.push_back(panel);
}

void CUnitPage::refreshPanels() {
    for (CBlockPanel* panel : m_panels) {
        panel->refresh();
    }
}

void CUnitPage::lockGroup(QWidget* control, ControlGroup group) {
    m_locked.emplace_back(control, group);
    control->setEnabled(controlEnabled(m_lock, group));
}

void CUnitPage::applyLock() {
    m_lock = currentLockLevel();
    bool anyLocked = false;
    for (const auto& [control, group] : m_locked) {
        const bool enabled = controlEnabled(m_lock, group);
        control->setEnabled(enabled);
        anyLocked = anyLocked || !enabled;
    }
    m_lockLine->setText(QString::fromStdString(lockReason(m_lock)));
    m_lockLine->setVisible(anyLocked);
}

void CUnitPage::showEvent(QShowEvent* event) {
    applyLock();
    m_stale = false;
    if (unit() != nullptr) {
        refreshFields();
    }
    QWidget::showEvent(event);
}

bool CUnitPage::copyChannel() {
    const std::optional<PageChannel> here = pageChannel();
    if (!here) {
        return false;
    }
    clipboard() = ChannelClipboard{m_document, ChannelRef{m_unitKey, here->group, here->channel}};
    return true;
}

bool CUnitPage::canPasteChannel() const {
    const std::optional<PageChannel> here = pageChannel();
    const auto& copied = clipboard();
    return here && copied && copied->document == m_document && copied->channel.group == here->group &&
           m_lock == LockLevel::FullEdit;
}

bool CUnitPage::pasteChannel() {
    if (!canPasteChannel()) {
        return false;
    }
    const PageChannel here = *pageChannel();
    const bool pasted =
        editor().copyChannel(clipboard()->channel, ChannelRef{m_unitKey, here.group, here.channel});
    if (pasted) {
        refreshFields();
    }
    return pasted;
}

void CUnitPage::contextMenuEvent(QContextMenuEvent* event) {
    if (!pageChannel()) {
        QWidget::contextMenuEvent(event);
        return;
    }
    QMenu menu(this);
    menu.addAction(tr("&Copy Channel"), this, [this] { copyChannel(); });
    QAction* paste = menu.addAction(tr("&Paste Channel"), this, [this] { pasteChannel(); });
    paste->setEnabled(canPasteChannel());
    menu.exec(event->globalPos());
}

} // namespace kelo::gui
