#include "gui/view/CT48View.h"

#include "gui/doc/CSystemDoc.h"
#include "gui/edit/CSystemEditor.h"
#include "gui/program/CProgramBar.h"
#include "gui/units/shared/CEditWindow.h"
#include "gui/units/shared/CUnitSheet.h"

#include <QAction>
#include <QLayout>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>

namespace kelo::gui {

ConnectionIndicator indicatorForState(ConnectionState state) {
    switch (state) {
    case ConnectionState::Connected:
        return ConnectionIndicator::Connected;
    case ConnectionState::NotResponding:
        return ConnectionIndicator::NotResponding;
    default:
        return ConnectionIndicator::Hidden;
    }
}

CT48View::CT48View(CSystemDoc* document, std::uint32_t unitKey, QSizeF logicalSize, QWidget* parent)
    : QWidget(parent), m_document(document), m_unitKey(unitKey), m_logicalSize(logicalSize) {
    setObjectName(QStringLiteral("unitView"));
    setAutoFillBackground(true);
    QPalette canvas = palette();
    canvas.setColor(QPalette::Window, QColor(246, 246, 242));
    setPalette(canvas);
    connect(&document->editor(), &CSystemEditor::fieldChanged, this,
            [this](std::uint32_t key, kelo::FieldRef) { unitChanged(key); });
    connect(&document->editor(), &CSystemEditor::unitReplaced, this, &CT48View::unitChanged);
    connect(document, &CSystemDoc::modifiedChanged, this, &CT48View::captionChanged);
}

void CT48View::unitChanged(std::uint32_t unitKey) {
    if (unitKey != m_unitKey || m_refreshPending) {
        return;
    }
    m_refreshPending = true;
    QTimer::singleShot(0, this, [this] {
        m_refreshPending = false;
        refreshUnit();
        emit captionChanged();
    });
}

Unit* CT48View::unit() const {
    return m_document->system().FindUnit(m_unitKey);
}

QString CT48View::indicatorText() const {
    switch (m_indicator) {
    case ConnectionIndicator::Hidden:
        break;
    case ConnectionIndicator::Connected:
        return tr("Connected");
    case ConnectionIndicator::NotResponding:
        return tr("Not responding");
    }
    return {};
}

CBlockButton* CT48View::addBlock(const QString& objectName, BlockKind kind, const QString& name,
                                 const QRectF& place, int startPage) {
    return addBlock(objectName, kind, name, place, [startPage] { return startPage; });
}

CBlockButton* CT48View::addBlock(const QString& objectName, BlockKind kind, const QString& name,
                                 const QRectF& place, std::function<int()> startPage) {
    auto* button = new CBlockButton(kind, name, this);
    button->setObjectName(objectName);
    connect(button, &QAbstractButton::clicked, this,
            [this, startPage = std::move(startPage)] { openEditWindow(startPage()); });
    m_blocks.push_back(Block{button, place});
    placeBlocks();
    return button;
}

QTransform CT48View::canvasTransform() const {
    const qreal scale = qMin(width() / m_logicalSize.width(), height() / m_logicalSize.height());
    const qreal dx = (width() - m_logicalSize.width() * scale) / 2;
    const qreal dy = (height() - m_logicalSize.height() * scale) / 2;
    return QTransform(scale, 0, 0, scale, dx, dy);
}

void CT48View::placeBlocks() {
    const QTransform transform = canvasTransform();
    for (const Block& block : m_blocks) {
        block.button->setGeometry(transform.mapRect(block.place).toAlignedRect());
    }
}

void CT48View::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeBlocks();
}

void CT48View::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.save();
    painter.setTransform(canvasTransform());
    paintDiagram(painter);
    painter.restore();
    paintBadge(painter);
    // The caption follows the unit on every paint (a recall or an edit may have changed it).
    const QString current = caption();
    if (current != m_lastCaption) {
        m_lastCaption = current;
        emit captionChanged();
    }
}

void CT48View::paintBadge(QPainter& painter) {
    if (m_indicator == ConnectionIndicator::Hidden) {
        return;
    }
    const bool connected = m_indicator == ConnectionIndicator::Connected;
    const QString text = indicatorText();
    QFont badgeFont = font();
    badgeFont.setBold(true);
    painter.setFont(badgeFont);
    const QFontMetrics metrics(badgeFont);
    const int height = metrics.height() + 8;
    const int width = metrics.horizontalAdvance(text) + height + 10;
    const QRectF badge(this->width() - width - 6, 6, width, height);
    painter.setPen(QPen(connected ? QColor(0, 110, 0) : QColor(170, 0, 0), 1.5));
    painter.setBrush(connected ? QColor(214, 244, 214) : QColor(250, 214, 214));
    painter.drawRoundedRect(badge, height / 2.0, height / 2.0);
    const QRectF lamp(badge.left() + 5, badge.top() + 4, height - 8, height - 8);
    painter.setBrush(connected ? QColor(0, 180, 0) : QColor(220, 0, 0));
    painter.drawEllipse(lamp);
    painter.setPen(QColor(20, 20, 20));
    painter.drawText(badge.adjusted(height, 0, -6, 0), Qt::AlignCenter, text);
}

void CT48View::refreshConnectionIndicator() {
    ConnectionIndicator next = ConnectionIndicator::Hidden;
    const Unit* shown = unit();
    if (m_document->isOnLine() && shown != nullptr) {
        next = indicatorForState(m_document->connectionState(m_unitKey));
    }
    if (next != m_indicator) {
        m_indicator = next;
        update();
    }
}

void CT48View::refreshUnit() {
    if (unit() == nullptr) {
        return;
    }
    refreshBlocks();
    update();
}

QString CT48View::editWindowTitle() const {
    const Unit* shown = unit();
    if (shown == nullptr) {
        return {};
    }
    return QStringLiteral("%1 < ID:%2 >")
        .arg(QString::fromStdU16String(shown->name()))
        .arg(shown->busId() + 1);
}

CEditWindow* CT48View::openEditWindow(int startPage) {
    if (m_editWindow != nullptr || unit() == nullptr) {
        return nullptr;
    }
    CUnitSheet* sheet = createSheet(startPage);
    auto* window = new CEditWindow(editWindowTitle(), sheet, this);
    window->programBarSlot()->layout()->addWidget(
        new CProgramBar(m_document, m_unitKey, window->programBarSlot()));
    m_editWindow = window;
    // The edit window is modal, so the main frame's Edit menu cannot be reached while it is open: it
    // carries Undo and Redo of its system's history itself, with the same keys.
    auto* undo = new QAction(tr("Undo"), window);
    undo->setObjectName(QStringLiteral("editWindowUndo"));
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    connect(undo, &QAction::triggered, m_document, [this] { m_document->editor().undo(); });
    auto* redo = new QAction(tr("Redo"), window);
    redo->setObjectName(QStringLiteral("editWindowRedo"));
    redo->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    connect(redo, &QAction::triggered, m_document, [this] { m_document->editor().redo(); });
    window->addAction(undo);
    window->addAction(redo);
    prepareEditWindow(*window);
    emit editWindowOpened(window);
    connect(window, &QDialog::finished, this, [this] {
        // Closed with OK (or otherwise): the diagram shows what the pages changed.
        refreshUnit();
        emit captionChanged();
        emit editWindowClosed();
    });
    window->open();
    return window;
}

} // namespace kelo::gui
