#include "support/testdatabases.h"

#include <QSqlError>
#include <QSqlQuery>
#include <stdexcept>

namespace orbadil::test {

TestDatabases::TestDatabases(bool demoData) : demoData_(demoData) {
    if (!dir_.isValid()) throw std::runtime_error("no temporary folder");
    connections_ = std::make_unique<db::Connections>(settings());
}

TestDatabases::~TestDatabases() = default;

Settings TestDatabases::settings() const {
    Settings s = embeddedSettings(dir_.path());
    for (auto& c : s.connections) c.demoData = demoData_;
    return s;
}

void TestDatabases::exec(const QString& sql, const QString& connection) {
    QSqlQuery query(connections_->database(connection));
    if (!query.exec(sql))
        throw std::runtime_error(
            (query.lastError().text() + QStringLiteral(" in ") + sql).toStdString());
}

QVariant TestDatabases::scalar(const QString& sql, const QString& connection) {
    QSqlQuery query(connections_->database(connection));
    if (!query.exec(sql) || !query.next())
        throw std::runtime_error(
            (query.lastError().text() + QStringLiteral(" in ") + sql).toStdString());
    return query.value(0);
}

ScriptedMessages::ScriptedMessages() {
    MessageService::install(this);
}

ScriptedMessages::~ScriptedMessages() {
    MessageService::install(nullptr);
}

void ScriptedMessages::information(const QString& text) {
    messages << Message{"information", text};
}
void ScriptedMessages::error(const QString& text) {
    messages << Message{"error", text};
}
void ScriptedMessages::warning(const QString& text) {
    messages << Message{"warning", text};
}

bool ScriptedMessages::confirm(const QString& text) {
    messages << Message{"confirm", text};
    return answers.isEmpty() ? true : answers.takeFirst();
}

QStringList ScriptedMessages::texts() const {
    QStringList out;
    for (const auto& m : messages) out << m.text;
    return out;
}

}  // namespace orbadil::test
