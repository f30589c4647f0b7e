#pragma once

#include <QWidget>

class QLineEdit;
class QPushButton;

namespace orbadil::app {

// 004 - the signed-in user changes their password.
class TfrmTracaSenha : public QWidget {
    Q_OBJECT
  public:
    explicit TfrmTracaSenha(QWidget* parent = nullptr);

  private:
    void confirm();
    bool currentPasswordMatches(const QString& current) const;
    bool storePassword(const QString& current, const QString& next) const;

    QLineEdit* mkeSenhaAtual;
    QLineEdit* mkeSenhaNova;
    QLineEdit* mkeConfirmaSenhaNova;
    QPushButton* bmpOk;
    QPushButton* bmpCancelar;
};

}  // namespace orbadil::app
