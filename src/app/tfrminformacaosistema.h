#pragma once

#include <QWidget>

namespace orbadil::app {

// The program's version and the server it works on.
class TfrmInformacaoSistema : public QWidget {
    Q_OBJECT
  public:
    explicit TfrmInformacaoSistema(QWidget* parent = nullptr);

    // "Servidor TRUV: " and the server named in the connection parameters.
    static QString serverText(const QString& parameters);
};

}  // namespace orbadil::app
