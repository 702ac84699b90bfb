#pragma once

#include "core/report/Report.h"

#include <QObject>
#include <QString>

#include <ctime>
#include <functional>
#include <optional>

class QPagedPaintDevice;
class QPrinter;
class QWidget;

namespace kelo::gui {

class CMainFrame;
class CSystemDoc;

/// File > Print, Print Preview and Export PDF of the active system: the "Printing Options" dialog, then
/// the print dialog, the preview window or the file dialog, and the report's pages.
///
/// Pages are drawn one after the other under a progress dialog that keeps the window responsive and
/// can cancel between pages, so a system of 32 units (64 pages) never freezes the editor.
class CReportPrinter : public QObject {
    Q_OBJECT

public:
    /// @param printer the editor's printer (Print Setup changes the same one); it must outlive this
    CReportPrinter(CMainFrame& frame, QPrinter& printer, QObject* parent = nullptr);

    /// The time printed in the footers; the local time when not set (tests fix it).
    void setClock(std::function<std::tm()> clock) { m_clock = std::move(clock); }

public slots:
    void onFilePrint();
    void onFilePrintPreview();
    void onFileExportPdf();

private:
    /// Runs the "Printing Options" dialog for the active system; nothing when there is none or the
    /// user cancels.
    std::optional<report::Report> chooseReport();
    /// Draws pages fromPage..toPage with a progress dialog. @return false when cancelled or failed.
    bool renderWithProgress(QPagedPaintDevice& device, const report::Report& report, int fromPage, int toPage,
                            const QString& doing);

    CMainFrame& m_frame;
    QPrinter& m_printer;
    std::function<std::tm()> m_clock;
};

} // namespace kelo::gui
