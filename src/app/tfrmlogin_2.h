#pragma once

#include <QDialog>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace orbadil {
class StatusPanels;
}

namespace orbadil::app {

// Sign-in: a work unit, one of its users and a password. At start-up it is modal and the
// main window waits for it; opened again from the menu it switches the signed-in user.
class TfrmLogin_2 : public QDialog {
    Q_OBJECT
  public:
    explicit TfrmLogin_2(QWidget* parent = nullptr);
    ~TfrmLogin_2() override;

    // "Servidor: " and the server named in the connection parameters.
    static QString serverText(const QString& parameters);

    void reject() override;  // only "&OK" and "&Sair" leave

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void loadUnits();
    void unitPicked();
    void userPicked();
    void signIn();
    void fillSignInState(const QString& userKey, const QString& unitKey, const QString& digest);

    QLabel* lblInformacao;
    QComboBox* dblUnidade;
    QComboBox* dblUsuario;
    QLineEdit* edtSenha;
    QPushButton* bmpOK;
    QPushButton* bmpSair;
    std::unique_ptr<StatusPanels> status_;
    bool shown_ = false;
    bool signedIn_ = false;
};

}  // namespace orbadil::app
