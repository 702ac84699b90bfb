#pragma once

#include "core/family/Family.h"

#include <QObject>
#include <QString>

#include <map>
#include <vector>

namespace kelo::gui {

class CMainFrame;
class CSystemDoc;
class DocumentLine;

/// Keeps the open systems and runs the document commands: File New, opening a file of a family,
/// Save, Save As, File Close, and closing everything at exit.
class CDocManager : public QObject {
    Q_OBJECT

public:
    /// @param line where the systems reach the units, or null for none; must outlive the manager
    CDocManager(CMainFrame* frame, DocumentLine* line, QObject* parent = nullptr);
    ~CDocManager() override;

    /// Open systems, oldest first.
    const std::vector<CSystemDoc*>& documents() const { return m_documents; }

    /// Creates a system of a family through its chooser. @return the new system, or null when the user
    /// created nothing.
    CSystemDoc* newDocument(Family family);

    /// Opens a system file by its magic, never by its name. A file that matches no magic gives
    /// "Unexpected File Format", a damaged one "Unexpected file format."; in both cases nothing changes.
    /// Otherwise the oldest open system of the family is replaced (after "Save changes to %1?").
    /// @return the opened system, or null.
    CSystemDoc* openSystemFile(const QString& path);

    /// Asks "Save changes to %1?" and saves on Yes. @return false when the user cancelled or the save
    /// did not happen.
    bool saveModified(CSystemDoc* document);
    /// Saves to the document's file, or asks for one. @return true when saved.
    bool save(CSystemDoc* document);
    /// Asks for a file and saves there. @return true when saved.
    bool saveAs(CSystemDoc* document);
    /// File Close: asks whether to save, then closes the system unless cancelled.
    void closeDocument(CSystemDoc* document);
    /// Closes every system at exit, asking about each one first.
    /// @return false when the user cancelled: nothing is closed then.
    bool closeAllDocuments();

public slots:
    /// File New: the family chooser, then the family's new system.
    void onFileNew();

signals:
    /// A system was read from or written to this path.
    void documentSaved(const QString& path);

private:
    CSystemDoc* adopt(CSystemDoc* document);
    void destroy(CSystemDoc* document);
    bool writeDocument(CSystemDoc* document, const QString& path);
    CSystemDoc* activeDocument() const;
    void connectCommands();

    CMainFrame* m_frame;
    DocumentLine* m_line;
    std::vector<CSystemDoc*> m_documents;
    std::map<Family, int> m_untitledCount;
};

} // namespace kelo::gui
