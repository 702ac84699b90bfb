#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>

#include <deque>
#include <vector>

class QPrinter;
class QWidget;

namespace kelo::gui {

/// Icon of a message box, named after what the user is told.
enum class MessageIcon { None, Information, Question, Exclamation, Stop };

/// One message box: what it says and which buttons it offers.
struct MessageRequest {
    QString text;
    QString title;
    MessageIcon icon = MessageIcon::None;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
};

/// One file dialog: its caption, filter list and proposed path.
struct FileRequest {
    bool save = false;
    QString caption;
    QString filter;
    QString proposedPath;
};

/// Every message box and file dialog of the editor goes through here.
///
/// In scripted mode (GUI tests) nothing is shown: each request is recorded and answered from the queue of
/// next answers, or with the first offered button (an empty path for file dialogs) when the queue is
/// empty, so a test never waits for a window it cannot see.
class Dialogs {
public:
    /// Shows a message box, modal to parent.
    /// @return the button the user chose (Cancel or the escape button when the box was closed).
    static QMessageBox::StandardButton message(QWidget* parent, const MessageRequest& request);
    /// A plain message with only an OK button.
    static void inform(QWidget* parent, const QString& text, MessageIcon icon = MessageIcon::None,
                       const QString& title = {});

    /// Shows the open-file dialog. @return the chosen path, empty when cancelled.
    static QString openFileName(QWidget* parent, const QString& caption, const QString& filter);
    /// Shows the save-file dialog. @return the chosen path, empty when cancelled.
    static QString saveFileName(QWidget* parent, const QString& caption, const QString& proposedPath,
                                const QString& filter);

    /// Shows the platform print dialog for a document of pageCount pages; the user's choices (printer,
    /// page range, copies) are stored in printer. In scripted mode the answer comes from the queue, and
    /// is Cancel when the queue is empty, so that no test prints by accident.
    /// @return true when the user chose to print.
    static bool printDialog(QWidget* parent, QPrinter* printer, int pageCount);

    /// Switches scripted mode on or off and forgets every queued answer and recorded request.
    static void setScripted(bool scripted);
    static bool isScripted();
    /// Queues the answer of the next message box.
    static void pushMessageAnswer(QMessageBox::StandardButton answer);
    /// Queues the answer of the next file dialog (empty for Cancel).
    static void pushFileAnswer(const QString& path);
    /// Queues the answer of the next print dialog (true for Print).
    static void pushPrintAnswer(bool print);
    /// Number of print dialogs shown since scripted mode was switched on.
    static int shownPrintDialogs();
    /// Message boxes shown since scripted mode was switched on, oldest first.
    static const std::vector<MessageRequest>& shownMessages();
    /// File dialogs shown since scripted mode was switched on, oldest first.
    static const std::vector<FileRequest>& shownFileDialogs();
    /// Forgets the recorded requests, keeps the queued answers.
    static void clearShown();

private:
    struct Script {
        bool active = false;
        std::deque<QMessageBox::StandardButton> messageAnswers;
        std::deque<QString> fileAnswers;
        std::deque<bool> printAnswers;
        int printDialogs = 0;
        std::vector<MessageRequest> messages;
        std::vector<FileRequest> files;
    };
    static Script& script();
    static QString answerFile(const FileRequest& request);
};

/// The file filter of the open and save dialogs.
QString systemFileFilter();

} // namespace kelo::gui
