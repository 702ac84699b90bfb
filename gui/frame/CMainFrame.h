#pragma once

#include <QMainWindow>
#include <QStringList>

#include <functional>
#include <vector>

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QToolBar;

namespace kelo::gui {

class CSystemDoc;
class CUnitChildFrame;

/// Text of the on-line status pane. The leading line break is part of the stored text; the pane shows
/// the text after it.
inline constexpr const char* kStatusOnLine = "\nStatus: ON Line";
inline constexpr const char* kStatusOffLine = "\nStatus: OFF Line";

/// Object names of the frame's actions, so other parts of the editor (Options, On Line, Off Line) and the
/// tests can find and connect them.
namespace action_names {
inline constexpr const char* kFileNew = "actionFileNew";
inline constexpr const char* kFileOpen = "actionFileOpen";
inline constexpr const char* kFileClose = "actionFileClose";
inline constexpr const char* kFileSave = "actionFileSave";
inline constexpr const char* kFileSaveAs = "actionFileSaveAs";
inline constexpr const char* kOptions = "actionOptions";
inline constexpr const char* kPrint = "actionPrint";
inline constexpr const char* kPrintPreview = "actionPrintPreview";
inline constexpr const char* kPrintSetup = "actionPrintSetup";
inline constexpr const char* kExportPdf = "actionExportPdf";
inline constexpr const char* kExit = "actionExit";
inline constexpr const char* kViewToolBar = "actionViewToolBar";
inline constexpr const char* kViewStatusBar = "actionViewStatusBar";
inline constexpr const char* kNewUnit = "actionNewUnit";
inline constexpr const char* kModifyUnit = "actionModifyUnit";
inline constexpr const char* kOnLine = "actionOnLine";
inline constexpr const char* kOffLine = "actionOffLine";
inline constexpr const char* kOnOffLine = "actionOnOffLine";
inline constexpr const char* kCascade = "actionWindowCascade";
inline constexpr const char* kTile = "actionWindowTile";
inline constexpr const char* kArrangeIcons = "actionWindowArrangeIcons";
inline constexpr const char* kHelpTopics = "actionHelpTopics";
inline constexpr const char* kAbout = "actionAbout";
inline constexpr const char* kUndo = "actionEditUndo";
inline constexpr const char* kRedo = "actionEditRedo";
} // namespace action_names

/// The editor's main window: menus, toolbar, status bar with the on-line pane, and the area that holds
/// the unit windows.
///
/// The document menus (Close, Save, Options, Actions, Window, ...) are shown only while a unit window
/// exists. The frame handles no document command itself: the application and the on-line parts connect
/// to its actions; the frame keeps their enabled and checked states in step with the active document.
class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    explicit CMainFrame(QWidget* parent = nullptr);

    QMdiArea* mdiArea() const { return m_mdiArea; }
    /// The action with one of the names of action_names; never null for those names.
    QAction* action(const char* objectName) const;

    /// The unit window that is active, or null.
    CUnitChildFrame* activeUnitFrame() const;
    /// The document of the active unit window, or null.
    CSystemDoc* activeDocument() const;

    /// Shows the on-line state in the status pane: red background while on line.
    void SetOnLineStatus(bool onLine);
    /// The text the on-line pane holds, one of kStatusOnLine and kStatusOffLine.
    QString onLineStatusText() const { return m_onLineText; }
    bool isOnLineStatusShown() const { return m_onLineShown; }

    /// Shows these paths in the recent-file entries of the File menu, most recent first.
    void setRecentFiles(const QStringList& paths);
    QStringList recentFiles() const { return m_recentFiles; }

    /// Decides whether the main window may close. Set by the application; without it, it always may.
    void setCloseGuard(std::function<bool()> guard) { m_closeGuard = std::move(guard); }

    /// Enables Print and Print Preview (with a document) once a report is connected to them.
    void setPrintingAvailable(bool available);

public slots:
    /// Recomputes which menus are shown and which commands are enabled or checked.
    void updateCommandStates();
    /// Undo and Redo follow the active system's history ("Undo Output 3 gain").
    void updateUndoActions();

signals:
    /// A recent-file entry was chosen.
    void recentFileRequested(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QAction* makeAction(const char* objectName, const QString& text);
    void createActions();
    void createMenus();
    void createToolBar();
    void createStatusBar();
    void connectDocument(CSystemDoc* document);
    /// Lists the unit windows at the end of the Window menu.
    void fillWindowMenu(QMenu* menu);

    QMdiArea* m_mdiArea = nullptr;
    QToolBar* m_toolBar = nullptr;
    QAction* m_toolBarNewUnit = nullptr;
    QLabel* m_onLinePane = nullptr;
    std::vector<QMenu*> m_documentMenus;
    std::vector<QAction*> m_documentFileActions;
    std::vector<QAction*> m_recentActions;
    std::vector<QAction*> m_windowEntries;
    QAction* m_recentSeparator = nullptr;
    QStringList m_recentFiles;
    QString m_onLineText;
    bool m_onLineShown = false;
    bool m_printingAvailable = false;
    std::function<bool()> m_closeGuard;
};

} // namespace kelo::gui
