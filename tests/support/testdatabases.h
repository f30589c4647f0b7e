#pragma once

#include <QStringList>
#include <QTemporaryDir>
#include <memory>

#include "common/messages.h"
#include "common/settings.h"
#include "db/connections.h"

namespace orbadil::test {

// Fresh SQLite databases in a temporary folder, created by the program's own schema code,
// and the connections over them (current while the fixture lives).
class TestDatabases {
  public:
    explicit TestDatabases(bool demoData = false);
    ~TestDatabases();

    Settings settings() const;
    db::Connections& connections() { return *connections_; }
    QString folder() const { return dir_.path(); }
    // Runs plain SQL on a connection, for arranging rows and reading them back.
    void exec(const QString& sql, const QString& connection = QStringLiteral("BANCO_TRUV"));
    QVariant scalar(const QString& sql, const QString& connection = QStringLiteral("BANCO_TRUV"));

  private:
    QTemporaryDir dir_;
    bool demoData_;
    std::unique_ptr<db::Connections> connections_;
};

// Records every message and answers each question from a script (Yes when it runs out).
class ScriptedMessages : public MessageService {
  public:
    ScriptedMessages();
    ~ScriptedMessages() override;

    struct Message {
        QString kind;  // information, error, warning, confirm
        QString text;
    };
    QList<Message> messages;
    QList<bool> answers;

    void information(const QString& text) override;
    void error(const QString& text) override;
    void warning(const QString& text) override;
    bool confirm(const QString& text) override;
    QStringList texts() const;
};

}  // namespace orbadil::test
