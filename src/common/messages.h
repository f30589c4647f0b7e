#pragma once

#include <QString>

namespace orbadil {

// Every message box of the program goes through the current service; tests install a
// scripted one that records the messages and answers the questions.
class MessageService {
  public:
    virtual ~MessageService() = default;
    virtual void information(const QString& text) = 0;
    virtual void error(const QString& text) = 0;
    virtual void warning(const QString& text) = 0;
    virtual bool confirm(const QString& text) = 0;  // Yes / No

    static MessageService& current();
    // Installs a service (not owned); nullptr restores the dialog boxes.
    static void install(MessageService* service);
};

// Message texts carry "\r" for a line break.
QString messageText(const QString& text);

// The standard boxes, captioned with the application title.
class DialogMessageService : public MessageService {
  public:
    void information(const QString& text) override;
    void error(const QString& text) override;
    void warning(const QString& text) override;
    bool confirm(const QString& text) override;
};

}  // namespace orbadil
