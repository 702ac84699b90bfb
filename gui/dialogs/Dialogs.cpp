#include "gui/dialogs/Dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace kelo::gui {

namespace {

QMessageBox::Icon boxIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Stop:
        return QMessageBox::Critical;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

/// The first button a box offers, in the order Qt lays them out for the user.
QMessageBox::StandardButton firstButton(QMessageBox::StandardButtons buttons) {
    for (const auto candidate : {QMessageBox::Ok, QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel}) {
        if (buttons.testFlag(candidate)) {
            return candidate;
        }
    }
    return QMessageBox::NoButton;
}

} // namespace

Dialogs::Script& Dialogs::script() {
    static Script instance;
    return instance;
}

QMessageBox::StandardButton Dialogs::message(QWidget* parent, const MessageRequest& request) {
    Script& s = script();
    if (s.active) {
        s.messages.push_back(request);
        if (s.messageAnswers.empty()) {
            return firstButton(request.buttons);
        }
        const QMessageBox::StandardButton answer = s.messageAnswers.front();
        s.messageAnswers.pop_front();
        return answer;
    }
    const QString title = request.title.isEmpty() ? QApplication::applicationName() : request.title;
    QMessageBox box(boxIcon(request.icon), title, request.text, request.buttons, parent);
    const int result = box.exec();
    return static_cast<QMessageBox::StandardButton>(result);
}

void Dialogs::inform(QWidget* parent, const QString& text, MessageIcon icon, const QString& title) {
    message(parent, MessageRequest{text, title, icon, QMessageBox::Ok});
}

QString Dialogs::answerFile(const FileRequest& request) {
    Script& s = script();
    s.files.push_back(request);
    if (s.fileAnswers.empty()) {
        return {};
    }
    QString answer = s.fileAnswers.front();
    s.fileAnswers.pop_front();
    return answer;
}

QString Dialogs::openFileName(QWidget* parent, const QString& caption, const QString& filter) {
    if (script().active) {
        return answerFile(FileRequest{false, caption, filter, {}});
    }
    return QFileDialog::getOpenFileName(parent, caption, QString(), filter);
}

QString Dialogs::saveFileName(QWidget* parent, const QString& caption, const QString& proposedPath,
                              const QString& filter) {
    if (script().active) {
        return answerFile(FileRequest{true, caption, filter, proposedPath});
    }
    return QFileDialog::getSaveFileName(parent, caption, proposedPath, filter);
}

bool Dialogs::printDialog(QWidget* parent, QPrinter* printer, int pageCount) {
    printer->setFromTo(0, 0);
    Script& s = script();
    if (s.active) {
        ++s.printDialogs;
        if (s.printAnswers.empty()) {
            return false;
        }
        const bool answer = s.printAnswers.front();
        s.printAnswers.pop_front();
        return answer;
    }
    QPrintDialog dialog(printer, parent);
    dialog.setMinMax(1, pageCount);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    return dialog.exec() == QDialog::Accepted;
}

void Dialogs::setScripted(bool scripted) {
    script() = Script{};
    script().active = scripted;
}

bool Dialogs::isScripted() {
    return script().active;
}

void Dialogs::pushMessageAnswer(QMessageBox::StandardButton answer) {
    script().messageAnswers.push_back(answer);
}

void Dialogs::pushFileAnswer(const QString& path) {
    script().fileAnswers.push_back(path);
}

void Dialogs::pushPrintAnswer(bool print) {
    script().printAnswers.push_back(print);
}

int Dialogs::shownPrintDialogs() {
    return script().printDialogs;
}

const std::vector<MessageRequest>& Dialogs::shownMessages() {
    return script().messages;
}

const std::vector<FileRequest>& Dialogs::shownFileDialogs() {
    return script().files;
}

void Dialogs::clearShown() {
    script().messages.clear();
    script().files.clear();
}

QString systemFileFilter() {
    return QStringLiteral("Kelo Editor files (*.kle);;All files (*.*)");
}

} // namespace kelo::gui
