#include "common/messages.h"

#include <QApplication>
#include <QMessageBox>

#include "common/formats.h"

namespace orbadil {

namespace {
MessageService* installed = nullptr;

QMessageBox::StandardButton show(QMessageBox::Icon icon, const QString& text,
                                 QMessageBox::StandardButtons buttons) {
    QWidget* owner = QApplication::activeWindow();
    QMessageBox box(icon, applicationTitle(), messageText(text), buttons, owner);
    box.setAccessibleName(applicationTitle());
    box.setAccessibleDescription(messageText(text));
    const auto answer = static_cast<QMessageBox::StandardButton>(box.exec());
    // Give the keyboard back to the window the box came from, with or without a window manager.
    if (owner) owner->activateWindow();
    return answer;
}
}  // namespace

MessageService& MessageService::current() {
    static DialogMessageService dialogs;
    return installed ? *installed : dialogs;
}

void MessageService::install(MessageService* service) {
    installed = service;
}

QString messageText(const QString& text) {
    QString out = text;
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out.replace(u'\r', u'\n');
    return out;
}

void DialogMessageService::information(const QString& text) {
    show(QMessageBox::Information, text, QMessageBox::Ok);
}

void DialogMessageService::error(const QString& text) {
    show(QMessageBox::Critical, text, QMessageBox::Ok);
}

void DialogMessageService::warning(const QString& text) {
    show(QMessageBox::Warning, text, QMessageBox::Ok);
}

bool DialogMessageService::confirm(const QString& text) {
    return show(QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

}  // namespace orbadil
