#include "gui/frame/CMainFrame.h"

#include "gui/doc/CSystemDoc.h"
#include "gui/edit/CSystemEditor.h"
#include "gui/frame/CUnitChildFrame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

namespace kelo::gui {

namespace {
constexpr int kRecentFileCount = 8;

/// A printer for the Print button, drawn at the toolbar's size: no standard style icon shows one.
QIcon printerIcon() {
    QPixmap pixmap(22, 22);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(60, 60, 60), 1.2));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(6.5, 2.5, 9, 7)); // paper going in
    painter.setBrush(QColor(170, 170, 170));
    painter.drawRoundedRect(QRectF(2.5, 8.5, 17, 8), 1.5, 1.5); // body
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(6.5, 13.5, 9, 6.5)); // printed sheet
    painter.setPen(QPen(QColor(90, 90, 90), 1));
    painter.drawLine(QPointF(8, 16), QPointF(14, 16));
    painter.drawLine(QPointF(8, 18), QPointF(13, 18));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 170, 0));
    painter.drawEllipse(QPointF(17, 11), 1, 1);
    painter.end();
    return QIcon(pixmap);
}
} // namespace

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("mainFrame"));
    // The "*" shows while the active system holds unsaved edits.
    setWindowTitle(QApplication::applicationName() + QStringLiteral("[*]"));
    m_mdiArea = new QMdiArea(this);
    m_mdiArea->setObjectName(QStringLiteral("mdiArea"));
    m_mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdiArea);

    createActions();
    createMenus();
    createToolBar();
    createStatusBar();
    SetOnLineStatus(false);

    if (const QScreen* screen = QApplication::primaryScreen()) {
        setGeometry(screen->availableGeometry());
    }
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, [this] {
        if (CUnitChildFrame* unitFrame = activeUnitFrame()) {
            unitFrame->refreshCaption();
        }
        if (CSystemDoc* document = activeDocument()) {
            connectDocument(document);
            SetOnLineStatus(document->isOnLine());
        }
        updateCommandStates();
    });
    updateCommandStates();
}

QAction* CMainFrame::makeAction(const char* objectName, const QString& text) {
    auto* created = new QAction(text, this);
    created->setObjectName(QString::fromLatin1(objectName));
    return created;
}

void CMainFrame::createActions() {
    using namespace action_names;
    QStyle* s = style();
    makeAction(kFileNew, tr("&New"))->setShortcut(QKeySequence::New);
    makeAction(kFileOpen, tr("&Open..."))->setShortcut(QKeySequence::Open);
    makeAction(kFileClose, tr("&Close"));
    makeAction(kFileSave, tr("&Save"))->setShortcut(QKeySequence::Save);
    makeAction(kFileSaveAs, tr("Save &As..."));
    makeAction(kOptions, tr("Op&tions"));
    makeAction(kPrint, tr("&Print..."))->setShortcut(QKeySequence::Print);
    makeAction(kPrintPreview, tr("Print Pre&view"));
    makeAction(kPrintSetup, tr("P&rint Setup..."));
    makeAction(kExportPdf, tr("&Export PDF..."));
    makeAction(kExit, tr("E&xit"))->setShortcut(QKeySequence::Quit);
    makeAction(kViewToolBar, tr("&Toolbar"));
    makeAction(kViewStatusBar, tr("&Status Bar"));
    makeAction(kNewUnit, tr("&New Unit"));
    makeAction(kModifyUnit, tr("&Modify Unit"));
    makeAction(kOnLine, tr("&On Line"));
    makeAction(kOffLine, tr("O&ff Line"));
    makeAction(kOnOffLine, tr("On/Off Line"))->setCheckable(true);
    makeAction(kCascade, tr("&Cascade"));
    makeAction(kTile, tr("&Tile"));
    makeAction(kArrangeIcons, tr("&Arrange Icons"));
    makeAction(kHelpTopics, tr("&Help Topics"));
    makeAction(kAbout, tr("&About Kelo Editor..."));
    makeAction(kUndo, tr("Undo"))->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    makeAction(kRedo, tr("Redo"))->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));

    action(kFileNew)->setIcon(s->standardIcon(QStyle::SP_FileIcon));
    action(kFileOpen)->setIcon(s->standardIcon(QStyle::SP_DialogOpenButton));
    action(kFileSave)->setIcon(s->standardIcon(QStyle::SP_DialogSaveButton));
    action(kPrint)->setIcon(printerIcon());
    action(kPrintPreview)->setIcon(s->standardIcon(QStyle::SP_FileDialogContentsView));
    action(kNewUnit)->setIcon(s->standardIcon(QStyle::SP_FileDialogNewFolder));
    action(kOptions)->setIcon(s->standardIcon(QStyle::SP_FileDialogDetailedView));
    action(kOnOffLine)->setIcon(s->standardIcon(QStyle::SP_DriveNetIcon));
    action(kHelpTopics)->setIcon(s->standardIcon(QStyle::SP_DialogHelpButton));
    action(kFileNew)->setStatusTip(tr("Create a new system"));
    action(kFileOpen)->setStatusTip(tr("Open an existing system file"));
    action(kFileSave)->setStatusTip(tr("Save the active system"));
    action(kNewUnit)->setStatusTip(tr("Add a unit to the active system"));
    action(kOptions)->setStatusTip(tr("Change the editor's options"));
    action(kOnOffLine)->setStatusTip(tr("Connect the active system to its units, or disconnect it"));

    connect(action(kExit), &QAction::triggered, this, &QWidget::close);
    // Undo and redo act on the history of the system whose unit window is active.
    connect(action(kUndo), &QAction::triggered, this, [this] {
        if (CSystemDoc* document = activeDocument()) {
            document->editor().undo();
        }
    });
    connect(action(kRedo), &QAction::triggered, this, [this] {
        if (CSystemDoc* document = activeDocument()) {
            document->editor().redo();
        }
    });
    connect(action(kCascade), &QAction::triggered, m_mdiArea, &QMdiArea::cascadeSubWindows);
    connect(action(kTile), &QAction::triggered, m_mdiArea, &QMdiArea::tileSubWindows);
    connect(action(kArrangeIcons), &QAction::triggered, m_mdiArea, &QMdiArea::cascadeSubWindows);
}

void CMainFrame::createMenus() {
    using namespace action_names;
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addAction(action(kFileNew));
    file->addAction(action(kFileOpen));
    m_documentFileActions = {action(kFileClose), action(kFileSave),     action(kFileSaveAs), action(kOptions),
                             action(kPrint),     action(kPrintPreview), action(kExportPdf)};
    file->addAction(action(kFileClose));
    file->addAction(action(kFileSave));
    file->addAction(action(kFileSaveAs));
    m_documentFileActions.push_back(file->addSeparator());
    file->addAction(action(kOptions));
    m_documentFileActions.push_back(file->addSeparator());
    file->addAction(action(kPrint));
    file->addAction(action(kPrintPreview));
    file->addAction(action(kExportPdf));
    file->addAction(action(kPrintSetup));
    m_recentSeparator = file->addSeparator();
    for (int i = 0; i < kRecentFileCount; ++i) {
        QAction* recent = file->addAction(QString());
        recent->setObjectName(QStringLiteral("actionRecentFile%1").arg(i + 1));
        connect(recent, &QAction::triggered, this, [this, i] {
            if (i < m_recentFiles.size()) {
                emit recentFileRequested(m_recentFiles.at(i));
            }
        });
        m_recentActions.push_back(recent);
    }
    file->addSeparator();
    file->addAction(action(kExit));

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    edit->setObjectName(QStringLiteral("menuEdit"));
    edit->addAction(action(kUndo));
    edit->addAction(action(kRedo));

    QMenu* view = menuBar()->addMenu(tr("&View"));
    view->addAction(action(kViewToolBar));
    view->addAction(action(kViewStatusBar));

    QMenu* actions = menuBar()->addMenu(tr("&Actions"));
    actions->setObjectName(QStringLiteral("menuActions"));
    actions->addAction(action(kNewUnit));
    actions->addAction(action(kModifyUnit));
    actions->addAction(action(kOnLine));
    actions->addAction(action(kOffLine));

    QMenu* window = menuBar()->addMenu(tr("&Window"));
    window->setObjectName(QStringLiteral("menuWindow"));
    window->addAction(action(kCascade));
    window->addAction(action(kTile));
    window->addAction(action(kArrangeIcons));
    connect(window, &QMenu::aboutToShow, this, [this, window] { fillWindowMenu(window); });
    m_documentMenus = {edit, actions, window};

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addAction(action(kHelpTopics));
    help->addSeparator();
    help->addAction(action(kAbout));
    setRecentFiles({});
}

void CMainFrame::createToolBar() {
    using namespace action_names;
    m_toolBar = addToolBar(tr("Toolbar"));
    m_toolBar->setObjectName(QStringLiteral("mainToolBar"));
    m_toolBar->setIconSize(QSize(22, 22));
    m_toolBar->setMovable(true);
    m_toolBar->setFloatable(true);
    m_toolBar->setAllowedAreas(Qt::AllToolBarAreas);
    m_toolBar->addAction(action(kFileNew));
    m_toolBar->addAction(action(kFileOpen));
    m_toolBar->addAction(action(kFileSave));
    m_toolBar->addSeparator();
    m_toolBar->addAction(action(kPrint));
    m_toolBar->addAction(action(kPrintPreview));
    m_toolBar->addSeparator();
    // The button keeps its place for every family (disabled where units are not added by hand), so the
    // toolbar never shifts; the menu entry is left out for those families.
    m_toolBarNewUnit = new QAction(action(kNewUnit)->icon(), action(kNewUnit)->text(), this);
    m_toolBarNewUnit->setObjectName(QStringLiteral("actionToolBarNewUnit"));
    m_toolBarNewUnit->setStatusTip(action(kNewUnit)->statusTip());
    connect(m_toolBarNewUnit, &QAction::triggered, action(kNewUnit), &QAction::trigger);
    m_toolBar->addAction(m_toolBarNewUnit);
    m_toolBar->addAction(action(kOptions));
    m_toolBar->addAction(action(kOnOffLine));
    m_toolBar->addSeparator();
    m_toolBar->addAction(action(kHelpTopics));

    QAction* showToolBar = m_toolBar->toggleViewAction();
    QAction* viewToolBar = action(kViewToolBar);
    viewToolBar->setCheckable(true);
    viewToolBar->setChecked(true);
    connect(viewToolBar, &QAction::toggled, m_toolBar, &QToolBar::setVisible);
    connect(showToolBar, &QAction::toggled, viewToolBar, &QAction::setChecked);
}

void CMainFrame::createStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("statusBar"));
    m_onLinePane = new QLabel(bar);
    m_onLinePane->setObjectName(QStringLiteral("onLinePane"));
    m_onLinePane->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_onLinePane->setMinimumWidth(
        m_onLinePane->fontMetrics().horizontalAdvance(QStringLiteral("aaaaaaaaaaaaaaaaaaaa")));
    bar->addPermanentWidget(m_onLinePane);
    // Keyboard lock states cannot be read portably, so the three lock panes are shown greyed.
    for (const QString& text : {QStringLiteral("CAP"), QStringLiteral("NUM"), QStringLiteral("SCRL")}) {
        auto* pane = new QLabel(text, bar);
        pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        pane->setEnabled(false);
        bar->addPermanentWidget(pane);
    }
    bar->showMessage(tr("Ready"));

    QAction* viewStatusBar = action(action_names::kViewStatusBar);
    viewStatusBar->setCheckable(true);
    viewStatusBar->setChecked(true);
    connect(viewStatusBar, &QAction::toggled, bar, &QStatusBar::setVisible);
}

void CMainFrame::fillWindowMenu(QMenu* menu) {
    for (QAction* entry : m_windowEntries) {
        menu->removeAction(entry);
        entry->deleteLater();
    }
    m_windowEntries.clear();
    const QList<QMdiSubWindow*> windows = m_mdiArea->subWindowList(QMdiArea::CreationOrder);
    if (windows.isEmpty()) {
        return;
    }
    m_windowEntries.push_back(menu->addSeparator());
    for (int i = 0; i < windows.size(); ++i) {
        QMdiSubWindow* window = windows.at(i);
        QAction* entry = menu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(window->windowTitle()));
        entry->setCheckable(true);
        entry->setChecked(window == m_mdiArea->activeSubWindow());
        connect(entry, &QAction::triggered, m_mdiArea, [this, target = QPointer<QMdiSubWindow>(window)] {
            if (target) {
                m_mdiArea->setActiveSubWindow(target);
            }
        });
        m_windowEntries.push_back(entry);
    }
}

QAction* CMainFrame::action(const char* objectName) const {
    return findChild<QAction*>(QString::fromLatin1(objectName), Qt::FindDirectChildrenOnly);
}

CUnitChildFrame* CMainFrame::activeUnitFrame() const {
    QMdiSubWindow* active = m_mdiArea->activeSubWindow();
    if (active == nullptr) {
        const QList<QMdiSubWindow*> windows = m_mdiArea->subWindowList(QMdiArea::ActivationHistoryOrder);
        if (!windows.isEmpty()) {
            active = windows.last();
        }
    }
    return qobject_cast<CUnitChildFrame*>(active);
}

CSystemDoc* CMainFrame::activeDocument() const {
    CUnitChildFrame* frame = activeUnitFrame();
    return frame != nullptr ? frame->document() : nullptr;
}

void CMainFrame::SetOnLineStatus(bool onLine) {
    m_onLineShown = onLine;
    m_onLineText = QString::fromLatin1(onLine ? kStatusOnLine : kStatusOffLine);
    m_onLinePane->setText(m_onLineText.trimmed());
    QStatusBar* bar = statusBar();
    if (onLine) {
        QPalette palette = bar->palette();
        palette.setColor(QPalette::Window, QColor(255, 0, 0));
        bar->setPalette(palette);
        bar->setAutoFillBackground(true);
    } else {
        bar->setPalette(QPalette());
        bar->setAutoFillBackground(false);
    }
    updateCommandStates();
}

void CMainFrame::setRecentFiles(const QStringList& paths) {
    m_recentFiles = paths.mid(0, kRecentFileCount);
    for (int i = 0; i < kRecentFileCount; ++i) {
        QAction* recent = m_recentActions.at(static_cast<std::size_t>(i));
        const bool used = i < m_recentFiles.size();
        recent->setVisible(used);
        if (used) {
            recent->setText(
                QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(m_recentFiles.at(i)).fileName()));
            recent->setToolTip(m_recentFiles.at(i));
        }
    }
    m_recentSeparator->setVisible(!m_recentFiles.isEmpty());
}

void CMainFrame::setPrintingAvailable(bool available) {
    m_printingAvailable = available;
    updateCommandStates();
}

void CMainFrame::updateCommandStates() {
    using namespace action_names;
    CSystemDoc* document = activeDocument();
    const bool hasDocument = document != nullptr;
    for (QMenu* menu : m_documentMenus) {
        menu->menuAction()->setVisible(hasDocument);
    }
    for (QAction* item : m_documentFileActions) {
        item->setVisible(hasDocument);
    }
    for (const char* name : {kFileSave, kNewUnit, kModifyUnit, kOptions}) {
        action(name)->setEnabled(hasDocument);
    }
    for (const char* name : {kPrint, kPrintPreview, kExportPdf}) {
        action(name)->setEnabled(hasDocument && m_printingAvailable);
    }
    const bool onLine = hasDocument && document->isOnLine();
    const bool addsUnits = hasDocument && document->canAddUnitsByHand();
    action(kNewUnit)->setVisible(!hasDocument || addsUnits);
    action(kNewUnit)->setEnabled(addsUnits);
    m_toolBarNewUnit->setEnabled(addsUnits);
    action(kOnLine)->setEnabled(hasDocument && !onLine);
    action(kOffLine)->setEnabled(onLine);
    action(kOnOffLine)->setEnabled(hasDocument);
    action(kOnOffLine)->setChecked(onLine);
    // The frame's title carries the active system's, as document frames do.
    setWindowTitle(hasDocument
                       ? QStringLiteral("%1 - %2[*]").arg(QApplication::applicationName(), document->title())
                       : QApplication::applicationName());
    updateUndoActions();
}

void CMainFrame::updateUndoActions() {
    using namespace action_names;
    const CSystemDoc* document = activeDocument();
    const CSystemEditor* editor = document != nullptr ? &document->editor() : nullptr;
    action(kUndo)->setEnabled(editor != nullptr && editor->canUndo());
    action(kRedo)->setEnabled(editor != nullptr && editor->canRedo());
    action(kUndo)->setText(editor != nullptr ? editor->undoText() : tr("Undo"));
    action(kRedo)->setText(editor != nullptr ? editor->redoText() : tr("Redo"));
    setWindowModified(document != nullptr && document->isModified());
}

void CMainFrame::connectDocument(CSystemDoc* document) {
    connect(document, &CSystemDoc::onLineChanged, this, &CMainFrame::SetOnLineStatus, Qt::UniqueConnection);
    connect(&document->editor(), &CSystemEditor::historyChanged, this, &CMainFrame::updateUndoActions,
            Qt::UniqueConnection);
    connect(document, &CSystemDoc::modifiedChanged, this, &CMainFrame::updateUndoActions,
            Qt::UniqueConnection);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (m_closeGuard && !m_closeGuard()) {
        event->ignore();
        return;
    }
    event->accept();
}

} // namespace kelo::gui
