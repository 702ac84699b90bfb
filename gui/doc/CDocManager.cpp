#include "gui/doc/CDocManager.h"

#include "core/app/FamilyMagic.h"
#include "core/app/SystemFile.h"
#include "gui/dialogs/Dialogs.h"
#include "gui/doc/CNewTypeDlg.h"
#include "gui/doc/CSystemDoc.h"
#include "gui/edit/CSystemEditor.h"
#include "gui/frame/CMainFrame.h"
#include "gui/frame/CUnitChildFrame.h"

#include <QAction>
#include <QFileInfo>
#include <QMdiArea>

#include <algorithm>

namespace kelo::gui {

namespace {

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::filesystem::path toPath(const QString& path) {
    return std::filesystem::path(path.toStdU16String());
}

} // namespace

CDocManager::CDocManager(CMainFrame* frame, QObject* parent) : QObject(parent), m_frame(frame) {
    connectCommands();
}

CDocManager::~CDocManager() {
    for (CSystemDoc* document : std::vector<CSystemDoc*>(m_documents)) {
        destroy(document);
    }
}

void CDocManager::connectCommands() {
    using namespace action_names;
    connect(m_frame->action(kFileClose), &QAction::triggered, this, [this] {
        if (CSystemDoc* document = activeDocument()) {
            closeDocument(document);
        }
    });
    connect(m_frame->action(kFileSave), &QAction::triggered, this, [this] {
        if (CSystemDoc* document = activeDocument()) {
            save(document);
        }
    });
    connect(m_frame->action(kFileSaveAs), &QAction::triggered, this, [this] {
        if (CSystemDoc* document = activeDocument()) {
            saveAs(document);
        }
    });
    connect(m_frame->action(kNewUnit), &QAction::triggered, this, [this] {
        if (CSystemDoc* document = activeDocument()) {
            document->onNewUnitCommand();
        }
    });
    connect(m_frame->action(kModifyUnit), &QAction::triggered, this, [this] {
        if (CUnitChildFrame* unitFrame = m_frame->activeUnitFrame()) {
            unitFrame->document()->ModifyUnit(unitFrame->unitKey());
        }
    });
}

CSystemDoc* CDocManager::activeDocument() const {
    return m_frame->activeDocument();
}

CSystemDoc* CDocManager::adopt(CSystemDoc* document) {
    document->setParent(this);
    m_documents.push_back(document);
    connect(document, &CSystemDoc::onLineChanged, m_frame, &CMainFrame::SetOnLineStatus);
    connect(document, &CSystemDoc::lastWindowClosed, this, &CDocManager::destroy, Qt::QueuedConnection);
    m_frame->updateCommandStates();
    return document;
}

void CDocManager::destroy(CSystemDoc* document) {
    const auto found = std::find(m_documents.begin(), m_documents.end(), document);
    if (found == m_documents.end()) {
        return;
    }
    m_documents.erase(found);
    document->DeleteContents();
    document->deleteLater();
    m_frame->updateCommandStates();
}

void CDocManager::onFileNew() {
    CNewTypeDlg chooser(m_frame);
    if (chooser.exec() == QDialog::Accepted) {
        newDocument(chooser.selectedFamily());
    }
}

CSystemDoc* CDocManager::newDocument(Family family) {
    CSystemDoc* document = adopt(CSystemDoc::create(m_frame->mdiArea(), UnitSystem(family)).release());
    document->setTitle(QStringLiteral("KlE%1").arg(++m_untitledCount[family]));
    if (!document->OnNewDocument()) {
        destroy(document);
        return nullptr;
    }
    return document;
}

CSystemDoc* CDocManager::openSystemFile(const QString& path) {
    const std::optional<std::vector<std::uint8_t>> bytes = readWholeFile(toPath(path));
    if (!bytes) {
        return nullptr;
    }
    const std::optional<Family> family = detectFamily(*bytes);
    if (!family) {
        Dialogs::inform(m_frame, toQString(systemFileErrorText(SystemFileError::UnexpectedFileFormat)),
                        MessageIcon::Exclamation);
        return nullptr;
    }
    SystemFileReadResult read = readSystemFile(*bytes);
    if (!read.ok() || !read.system) {
        Dialogs::inform(m_frame, toQString(systemFileErrorText(SystemFileError::DamagedBody)),
                        MessageIcon::Exclamation);
        return nullptr;
    }

    // The file is read completely before the system it replaces is asked about, so a damaged file never
    // costs the user an open system.
    const auto oldest = std::find_if(m_documents.begin(), m_documents.end(),
                                     [&](const CSystemDoc* open) { return open->family() == *family; });
    if (oldest != m_documents.end()) {
        CSystemDoc* replaced = *oldest;
        const bool hadEdits = replaced->isModified();
        replaced->setModified(true);
        if (!saveModified(replaced)) {
            replaced->setModified(hadEdits);
            return nullptr;
        }
        destroy(replaced);
    }

    CSystemDoc* document = adopt(CSystemDoc::create(m_frame->mdiArea(), std::move(*read.system)).release());
    document->setPath(QFileInfo(path).absoluteFilePath());
    if (document->system().empty()) {
        // A file that holds no unit opens no window, so the system ends at once.
        destroy(document);
        return nullptr;
    }
    document->openUnitWindows();
    emit documentSaved(document->path());
    return document;
}

bool CDocManager::saveModified(CSystemDoc* document) {
    if (!document->isModified()) {
        return true;
    }
    const auto answer =
        Dialogs::message(m_frame, MessageRequest{QStringLiteral("Save changes to %1?").arg(document->title()),
                                                 {},
                                                 MessageIcon::Exclamation,
                                                 QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel});
    if (answer == QMessageBox::Yes) {
        return save(document);
    }
    return answer == QMessageBox::No;
}

bool CDocManager::save(CSystemDoc* document) {
    if (document->path().isEmpty()) {
        return saveAs(document);
    }
    return writeDocument(document, document->path());
}

bool CDocManager::saveAs(CSystemDoc* document) {
    const QString proposed =
        document->path().isEmpty() ? document->title() + QStringLiteral(".kle") : document->path();
    QString path = Dialogs::saveFileName(m_frame, tr("Save As"), proposed, systemFileFilter());
    if (path.isEmpty()) {
        return false;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".kle");
    }
    return writeDocument(document, path);
}

bool CDocManager::writeDocument(CSystemDoc* document, const QString& path) {
    const SystemFileStatus status = saveSystemFile(document->system(), toPath(path));
    if (!status.ok()) {
        Dialogs::inform(m_frame, toQString(status.message), MessageIcon::Exclamation);
        return false;
    }
    document->setPath(QFileInfo(path).absoluteFilePath());
    document->setModified(false);
    document->editor().documentSaved();
    emit documentSaved(document->path());
    return true;
}

void CDocManager::closeDocument(CSystemDoc* document) {
    const bool hadEdits = document->isModified();
    document->setModified(true);
    if (!saveModified(document)) {
        document->setModified(hadEdits);
        return;
    }
    destroy(document);
}

bool CDocManager::closeAllDocuments() {
    // The active system is always asked about; every other one only when it holds unsaved edits.
    CSystemDoc* active = activeDocument();
    std::vector<std::pair<CSystemDoc*, bool>> marks;
    for (CSystemDoc* document : m_documents) {
        marks.emplace_back(document, document->isModified());
    }
    for (CSystemDoc* document : m_documents) {
        if (document == active) {
            document->setModified(true);
        }
        if (!saveModified(document)) {
            // A system saved meanwhile stays unmarked; the others keep the mark they had.
            for (const auto& [open, mark] : marks) {
                open->setModified(mark && open->isModified());
            }
            return false;
        }
    }
    for (CSystemDoc* document : std::vector<CSystemDoc*>(m_documents)) {
        destroy(document);
    }
    return true;
}

} // namespace kelo::gui
