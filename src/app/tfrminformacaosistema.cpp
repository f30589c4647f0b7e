#include "app/tfrminformacaosistema.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "app/serverinfo.h"

namespace orbadil::app {

namespace {
QLabel* label(const char* name, const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return l;
}
}  // namespace

TfrmInformacaoSistema::TfrmInformacaoSistema(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmInformacaoSistema"));
    setWindowTitle(QStringLiteral("Orbadil - TRUV"));
    auto* notes = new QPlainTextEdit(this);
    notes->setObjectName(QStringLiteral("memInformacao"));
    notes->setReadOnly(true);
    notes->setAccessibleName(QStringLiteral("Informações do sistema"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(notes);
    layout->addWidget(label(
        "lblVersaoNova", QStringLiteral("Ver nova....: 14.06.05 (15/02/2024) Homologação"), this));
    layout->addWidget(label("lblServidor", serverText(mainConnectionParameters()), this));
    layout->addWidget(
        label("lblVersao", QStringLiteral("Ver.: 14.06.08 (10/04/2024) Homologação"), this));
    resize(420, 260);
}

// Without a server name (an embedded database) the database's name stands in.
QString TfrmInformacaoSistema::serverText(const QString& parameters) {
    const auto server = parameterValue(parameters, QStringLiteral("SERVER NAME"));
    const QString name =
        server ? *server
               : parameterValue(parameters, QStringLiteral("DATABASE NAME")).value_or(QString());
    return QStringLiteral("Servidor TRUV: ") + name.left(17);
}

}  // namespace orbadil::app
