#include "gui/print/CReportPrinter.h"

#include "core/report/ReportDate.h"
#include "gui/dialogs/Dialogs.h"
#include "gui/doc/CSystemDoc.h"
#include "gui/frame/CMainFrame.h"
#include "gui/print/CPrintOptionsDlg.h"
#include "gui/report/ReportRenderer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressDialog>

#include <algorithm>

namespace kelo::gui {

CReportPrinter::CReportPrinter(CMainFrame& frame, QPrinter& printer, QObject* parent)
    : QObject(parent), m_frame(frame), m_printer(printer), m_clock(report::localTimeNow) {}

std::optional<report::Report> CReportPrinter::chooseReport() {
    CSystemDoc* document = m_frame.activeDocument();
    if (document == nullptr) {
        return std::nullopt;
    }
    CPrintOptionsDlg options(document->system(), &m_frame);
    if (options.exec() != QDialog::Accepted || options.pageCount() == 0) {
        return std::nullopt;
    }
    return report::buildReport(document->system(), options.selection(), document->title().toStdString(),
                               report::reportDateText(m_clock()));
}

bool CReportPrinter::renderWithProgress(QPagedPaintDevice& device, const report::Report& report, int fromPage,
                                        int toPage, const QString& doing) {
    QProgressDialog progress(doing, QStringLiteral("Cancel"), 0, toPage - fromPage + 1, &m_frame);
    progress.setWindowTitle(QStringLiteral("Kelo Editor"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    return renderReport(device, report, fromPage, toPage, [&](int done, int total) {
        progress.setLabelText(QStringLiteral("%1\nPage %2 of %3").arg(doing).arg(done).arg(total));
        // A window-modal progress dialog handles the events, so the editor repaints and Cancel works.
        progress.setValue(done);
        return !progress.wasCanceled();
    });
}

void CReportPrinter::onFilePrint() {
    const std::optional<report::Report> report = chooseReport();
    if (!report) {
        return;
    }
    m_printer.setDocName(QString::fromStdString(report->documentTitle));
    if (!Dialogs::printDialog(&m_frame, &m_printer, report->pageCount())) {
        return;
    }
    int fromPage = 1;
    int toPage = report->pageCount();
    if (m_printer.printRange() == QPrinter::PageRange && m_printer.fromPage() > 0) {
        fromPage = m_printer.fromPage();
        toPage = std::min(m_printer.toPage(), toPage);
    }
    if (!renderWithProgress(m_printer, *report, fromPage, toPage, QStringLiteral("Printing the report..."))) {
        if (m_printer.printerState() == QPrinter::Error) {
            Dialogs::inform(&m_frame, QStringLiteral("The report could not be printed."),
                            MessageIcon::Exclamation);
        }
    }
}

void CReportPrinter::onFilePrintPreview() {
    const std::optional<report::Report> report = chooseReport();
    if (!report) {
        return;
    }
    QPrintPreviewDialog preview(&m_printer, &m_frame);
    preview.setWindowTitle(
        QStringLiteral("Print Preview - %1").arg(QString::fromStdString(report->documentTitle)));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [&](QPrinter* printer) {
        renderWithProgress(*printer, *report, 1, report->pageCount(),
                           QStringLiteral("Preparing the preview..."));
    });
    preview.exec();
}

void CReportPrinter::onFileExportPdf() {
    CSystemDoc* document = m_frame.activeDocument();
    const std::optional<report::Report> report = chooseReport();
    if (!report || document == nullptr) {
        return;
    }
    const QFileInfo source(document->path().isEmpty() ? document->title() : document->path());
    const QString proposed = source.dir().filePath(source.completeBaseName() + QStringLiteral(".pdf"));
    const QString path = Dialogs::saveFileName(&m_frame, QStringLiteral("Export PDF"), proposed,
                                               QStringLiteral("PDF files (*.pdf);;All files (*.*)"));
    if (path.isEmpty()) {
        return;
    }
    QProgressDialog progress(QStringLiteral("Writing %1...").arg(QFileInfo(path).fileName()),
                             QStringLiteral("Cancel"), 0, report->pageCount(), &m_frame);
    progress.setWindowTitle(QStringLiteral("Kelo Editor"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    QString error;
    const bool written =
        writeReportPdf(path, *report, m_printer.pageLayout().pageSize(), &error, [&](int done, int) {
            progress.setValue(done);
            return !progress.wasCanceled();
        });
    if (written) {
        return;
    }
    if (progress.wasCanceled()) {
        // A report cut short is no report: leave no partial file behind.
        QFile::remove(path);
        return;
    }
    Dialogs::inform(&m_frame, error, MessageIcon::Exclamation);
}

} // namespace kelo::gui
